// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ChangeVarsPopup.h"

#include "ModalBoxAnswerer.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QWidget *widgetAt(const ChangeVarsPopup &dialog, int row, int column)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!grid)
        return nullptr;
    QLayoutItem *item = grid->itemAtPosition(row, column);
    return item ? item->widget() : nullptr;
}

QLineEdit *nameField(const ChangeVarsPopup &dialog, int position)
{
    return qobject_cast<QLineEdit *>(widgetAt(dialog, position + 1, 1));
}

QStringList fieldTexts(const ChangeVarsPopup &dialog)
{
    QStringList texts;
    for (int p = 0; p < 6 && nameField(dialog, p); ++p)
        texts << nameField(dialog, p)->text();
    return texts;
}

QPushButton *okButton(const ChangeVarsPopup &dialog)
{
    return qobject_cast<QPushButton *>(widgetAt(dialog, 7, 1));
}

// Records both announcements in the order they arrive.
class Announcements
{
public:
    explicit Announcements(ChangeVarsPopup &dialog)
    {
        QObject::connect(&dialog, &ChangeVarsPopup::signalUpdateVariableNames, &dialog,
                         [this](const QVector<QString> &names) {
                             log << QStringLiteral("names ") + QStringList(names).join(',');
                         });
        QObject::connect(&dialog, &ChangeVarsPopup::completed, &dialog,
                         [this](const QString &one, const QString &two, const QString &three,
                                const QString &four, const QString &five, const QString &six) {
                             log << QStringLiteral("completed ") +
                                        QStringList{one, two, three, four, five, six}.join(',');
                         });
    }

    QStringList log;
};

QStringList announced(const QString &names, const QString &six)
{
    return {QStringLiteral("names ") + names, QStringLiteral("completed ") + six};
}

} // namespace

class ChangeVarsPopupTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void startsWithFourDefaultRows();
    void unusableStartCountGivesNoRows();
    void okAnnouncesEditedNames_data();
    void okAnnouncesEditedNames();
    void refusesBadNames_data();
    void refusesBadNames();
    void fieldRefusesKeystrokes_data();
    void fieldRefusesKeystrokes();
    void countChangeAnnounces_data();
    void countChangeAnnounces();
    void deliveredNamesAreAnnounced_data();
    void deliveredNamesAreAnnounced();
    void newRowTakesFirstFreeLetter();
    void unconfirmedNameIsDroppedAtCountChange_data();
    void unconfirmedNameIsDroppedAtCountChange();
    void enterInFieldPressesOk();
    void resetRestoresDefaultsSilently();
};

void ChangeVarsPopupTest::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void ChangeVarsPopupTest::startsWithFourDefaultRows()
{
    ChangeVarsPopup dialog(4);
    Announcements announcements(dialog);

    QCOMPARE(qobject_cast<QLabel *>(widgetAt(dialog, 0, 1))->text(),
             QStringLiteral("Enter the new variable names"));
    QCOMPARE(fieldTexts(dialog), (QStringList{"A", "B", "C", "D"}));
    for (int p = 0; p < 4; ++p) {
        QCOMPARE(qobject_cast<QLabel *>(widgetAt(dialog, p + 1, 0))->text(),
                 QString::number(p + 1) + QStringLiteral(": "));
        QCOMPARE(nameField(dialog, p)->maxLength(), 3);
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(okButton(dialog)->text(), QStringLiteral("Ok"));

    okButton(dialog)->click();
    QCOMPARE(announcements.log, announced("A,B,C,D", "A,B,C,D,E,F"));
}

void ChangeVarsPopupTest::unusableStartCountGivesNoRows()
{
    ChangeVarsPopup dialog(9);
    Announcements announcements(dialog);
    QCOMPARE(fieldTexts(dialog), QStringList{});
    okButton(dialog)->click();
    QCOMPARE(announcements.log, announced("", "A,B,C,D,E,F"));
}

void ChangeVarsPopupTest::okAnnouncesEditedNames_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("B renamed to x1")
        << QStringList{"A", "x1", "C", "D"} << announced("A,x1,C,D", "A,x1,C,D,E,F");
    QTest::newRow("names differing only in case")
        << QStringList{"ab", "B", "C", "AB"} << announced("ab,B,C,AB", "ab,B,C,AB,E,F");
    QTest::newRow("digits only and three characters")
        << QStringList{"123", "0", "Zz9", "D"} << announced("123,0,Zz9,D", "123,0,Zz9,D,E,F");
    QTest::newRow("letters of unused positions reused")
        << QStringList{"E", "F", "C", "D"} << announced("E,F,C,D", "E,F,C,D,E,F");
}

void ChangeVarsPopupTest::okAnnouncesEditedNames()
{
    QFETCH(QStringList, texts);
    ChangeVarsPopup dialog(4);
    dialog.show();
    Announcements announcements(dialog);
    for (int p = 0; p < texts.size(); ++p)
        nameField(dialog, p)->setText(texts[p]);

    okButton(dialog)->click();
    QTEST(announcements.log, "expected");
    QVERIFY(!dialog.isVisible());
}

void ChangeVarsPopupTest::refusesBadNames_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("offendingRow");

    const QString invalid = QStringLiteral("Invalid Variable Name");
    const QString duplicate = QStringLiteral("Duplicate Variable Name");
    QTest::newRow("emptied field") << QStringList{"A", "", "C", "D"} << invalid << 1;
    QTest::newRow("first of two empty fields reported")
        << QStringList{"A", "B", "", ""} << invalid << 2;
    QTest::newRow("program-set name with a blank")
        << QStringList{"A", "B", "C", "d d"} << invalid << 3;
    QTest::newRow("invalid name reported before a duplicate")
        << QStringList{"A", "A", "C", "_"} << invalid << 3;
    QTest::newRow("ab in rows 2 and 4 blames row 4")
        << QStringList{"A", "ab", "C", "ab"} << duplicate << 3;
    QTest::newRow("earliest pair reported first")
        << QStringList{"x", "y", "y", "x"} << duplicate << 3;
    QTest::newRow("same name in the first two rows")
        << QStringList{"q", "q", "C", "D"} << duplicate << 1;
}

void ChangeVarsPopupTest::refusesBadNames()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, title);
    QFETCH(int, offendingRow);

    ChangeVarsPopup dialog(4);
    Announcements announcements(dialog);
    for (int p = 0; p < texts.size(); ++p)
        nameField(dialog, p)->setText(texts[p]);

    ModalBoxAnswerer answerer;
    answerer.arm();
    okButton(dialog)->click();

    QVERIFY(answerer.answered());
    QCOMPARE(answerer.title(), title);
    const QString text =
        title.startsWith(QLatin1String("Invalid"))
            ? QStringLiteral("A variable name can only contain numbers, upper-case letters, and "
                             "lower-case letters.")
            : QStringLiteral(
                  "This variable name has already been used. A variable name must be unique.");
    QCOMPARE(answerer.text(), text);
    QVERIFY(announcements.log.isEmpty());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusProxy(), nameField(dialog, offendingRow));
    QCOMPARE(fieldTexts(dialog), texts);
}

void ChangeVarsPopupTest::fieldRefusesKeystrokes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fourth character refused") << "abcd"
                                              << "abc";
    QTest::newRow("punctuation refused") << "a?b"
                                         << "ab";
    QTest::newRow("blank refused") << "x y"
                                   << "xy";
    QTest::newRow("underscore and hash refused") << "_#1"
                                                 << "1";
    QTest::newRow("letters and digits kept") << "Q7z"
                                             << "Q7z";
}

void ChangeVarsPopupTest::fieldRefusesKeystrokes()
{
    QFETCH(QString, typed);
    ChangeVarsPopup dialog(4);
    QLineEdit *field = nameField(dialog, 0);
    field->clear();
    QTest::keyClicks(field, typed);
    QTEST(field->text(), "shown");
}

void ChangeVarsPopupTest::countChangeAnnounces_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("lastAnnouncement");

    QTest::newRow("6 appends E and F") << QList<int>{6} << QStringList{"A", "B", "C", "D", "E", "F"}
                                       << announced("A,B,C,D,E,F", "A,B,C,D,E,F");
    QTest::newRow("6 then 2 removes rows 3 to 6")
        << QList<int>{6, 2} << QStringList{"A", "B"} << announced("A,B", "A,B,C,D,E,F");
    QTest::newRow("7 keeps the rows and still announces")
        << QList<int>{7} << QStringList{"A", "B", "C", "D"} << announced("A,B,C,D", "A,B,C,D,E,F");
    QTest::newRow("-1 keeps the rows and still announces")
        << QList<int>{-1} << QStringList{"A", "B", "C", "D"} << announced("A,B,C,D", "A,B,C,D,E,F");
    QTest::newRow("1 leaves a single row")
        << QList<int>{1} << QStringList{"A"} << announced("A", "A,B,C,D,E,F");
    QTest::newRow("0 leaves no row")
        << QList<int>{0} << QStringList{} << announced("", "A,B,C,D,E,F");
    QTest::newRow("3 after 0 counts from A again")
        << QList<int>{0, 3} << QStringList{"A", "B", "C"} << announced("A,B,C", "A,B,C,D,E,F");
}

void ChangeVarsPopupTest::countChangeAnnounces()
{
    QFETCH(QList<int>, counts);
    QFETCH(QStringList, rows);

    ChangeVarsPopup dialog(4);
    Announcements announcements(dialog);
    for (int count : counts)
        dialog.slotUpdateVariableCount(count);

    QCOMPARE(fieldTexts(dialog), rows);
    QCOMPARE(announcements.log.size(), 2 * counts.size());
    QTEST(announcements.log.mid(announcements.log.size() - 2), "lastAnnouncement");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(okButton(dialog), widgetAt(dialog, 7, 1));
}

void ChangeVarsPopupTest::deliveredNamesAreAnnounced_data()
{
    QTest::addColumn<QStringList>("delivered");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("two names make two rows")
        << QStringList{"p", "q"} << QStringList{"p", "q"} << announced("p,q", "p,q,C,D,E,F");
    QTest::newRow("long names are cut to three characters")
        << QStringList{"abcd", "B", "long1"} << QStringList{"abc", "B", "lon"}
        << announced("abc,B,lon", "abc,B,lon,D,E,F");
    QTest::newRow("more than six names fill the existing rows")
        << QStringList{"a", "b", "c", "d", "e", "f", "g"} << QStringList{"a", "b", "c", "d"}
        << announced("a,b,c,d", "a,b,c,d,E,F");
}

void ChangeVarsPopupTest::deliveredNamesAreAnnounced()
{
    QFETCH(QStringList, delivered);
    ChangeVarsPopup dialog(4);
    Announcements announcements(dialog);

    dialog.slotUpdateVariableNames(QVector<QString>(delivered.begin(), delivered.end()));
    QTEST(fieldTexts(dialog), "rows");
    QTEST(announcements.log, "expected");
}

void ChangeVarsPopupTest::newRowTakesFirstFreeLetter()
{
    ChangeVarsPopup dialog(4);
    nameField(dialog, 1)->setText(QStringLiteral("x"));
    dialog.slotEmitUpdateVariableNames();
    dialog.slotUpdateVariableCount(5);
    QCOMPARE(fieldTexts(dialog), (QStringList{"A", "x", "C", "D", "B"}));
    dialog.slotUpdateVariableCount(6);
    QCOMPARE(fieldTexts(dialog), (QStringList{"A", "x", "C", "D", "B", "E"}));
}

// A name typed without Ok is not the user's decision yet: a change of the
// count raises no box from inside the count selector's signal and announces
// the names last accepted, which the fields show again.
void ChangeVarsPopupTest::unconfirmedNameIsDroppedAtCountChange_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("invalid name") << QStringLiteral("a+b");
    QTest::newRow("empty name") << QString();
    QTest::newRow("duplicate name") << QStringLiteral("q");
    QTest::newRow("valid name") << QStringLiteral("z");
}

void ChangeVarsPopupTest::unconfirmedNameIsDroppedAtCountChange()
{
    QFETCH(QString, typed);
    ChangeVarsPopup dialog(4);
    dialog.slotUpdateVariableNames({"p", "q", "r", "s"});
    dialog.show();
    Announcements announcements(dialog);
    nameField(dialog, 2)->setText(typed);

    ModalBoxAnswerer answerer;
    answerer.arm();
    dialog.slotUpdateVariableCount(5);
    QCoreApplication::processEvents();

    QVERIFY2(!answerer.answered(), qPrintable(answerer.title()));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(announcements.log, announced("p,q,r,s,A", "p,q,r,s,A,F"));
    QCOMPARE(fieldTexts(dialog), (QStringList{"p", "q", "r", "s", "A"}));
}

void ChangeVarsPopupTest::enterInFieldPressesOk()
{
    ChangeVarsPopup dialog(3);
    Announcements announcements(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit *field = nameField(dialog, 0);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("In"));
    QTest::keyClick(field, Qt::Key_Return);

    QCOMPARE(announcements.log, announced("In,B,C", "In,B,C,D,E,F"));
    QVERIFY(!dialog.isVisible());
}

void ChangeVarsPopupTest::resetRestoresDefaultsSilently()
{
    ChangeVarsPopup dialog(2);
    Announcements announcements(dialog);
    nameField(dialog, 0)->setText(QStringLiteral("B"));
    nameField(dialog, 1)->setText(QStringLiteral("A"));

    dialog.myReset();
    QCOMPARE(fieldTexts(dialog), (QStringList{"A", "B", "C", "D"}));
    dialog.slotReset(6);
    QCOMPARE(fieldTexts(dialog), (QStringList{"A", "B", "C", "D", "E", "F"}));
    QVERIFY(announcements.log.isEmpty());
}

QTEST_MAIN(ChangeVarsPopupTest)
#include "ChangeVarsPopupTest.moc"
