// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalBoxAnswerer.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "app/VariableCountManager.h"
#include "dialogs/ChangeVarsPopup.h"
#include "expression/EquationManager.h"
#include "pla/ImportExport.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>

using TestFiles::readFile;
using TestFiles::writeFile;

namespace {

QStringList headerTexts(const QTableWidget &table, Qt::Orientation orientation)
{
    QStringList texts;
    const int count = orientation == Qt::Horizontal ? table.columnCount() : table.rowCount();
    for (int i = 0; i < count; ++i) {
        const QTableWidgetItem *item = orientation == Qt::Horizontal ? table.horizontalHeaderItem(i)
                                                                     : table.verticalHeaderItem(i);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

QStringList toStringList(const std::vector<std::string> &strings)
{
    QStringList list;
    for (const std::string &s : strings)
        list << QString::fromStdString(s);
    return list;
}

} // namespace

// The names dialog and the PLA files as a user meets them in the window.
class PlaWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void exportThenImportRestoresAfterReset();
    void okRenamesEveryView();
    void exportWritesWhatIsShown_data();
    void exportWritesWhatIsShown();
    void importWithoutNamesKeepsNamesAtNewCount();
    void malformedImportChangesNothing();
    void invalidLabelsKeepTheFunction();
    void everyOutputIsImported();
    void countChangeAfterUnacceptedEdit_data();
    void countChangeAfterUnacceptedEdit();
    void roundTripForEveryCount();

private:
    void chooseCount(int count);
    void setValues(const QString &values);
    void rename(const QStringList &names);
    QString tableValues() const;
    QString mapValues() const;
    QStringList tableNames() const;
    QStringList dialogNames() const;
    QStringList expectedMapLabels(const QStringList &names, Qt::Orientation orientation) const;
    void checkShows(int count, const QStringList &names, const QString &values);
    void exportViaDialog(const QString &path);
    void importViaDialog(const QString &path);

    template <typename Widget> Widget *child(const char *name) const
    {
        return WidgetLookup::named<Widget>(*window, name);
    }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
    truthTable *table = nullptr;
    kMap *map = nullptr;
    ChangeVarsPopup *dialog = nullptr;
    ImportExport *pla = nullptr;
};

void PlaWindowTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    table = child<truthTable>("truthTableWidget");
    map = child<kMap>("kMapWidget");
    pla = child<ImportExport>("importExport");
    dialog = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *popup = qobject_cast<ChangeVarsPopup *>(widget))
            dialog = popup;
    }
    QVERIFY(dialog);
}

void PlaWindowTest::cleanup()
{
    window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void PlaWindowTest::chooseCount(int count)
{
    child<VariableCountManager>("variableCountManager")->setCurrentIndex(count - 2);
}

// Clicks the output cells of a freshly built table: once for "1", twice for "X".
void PlaWindowTest::setValues(const QString &values)
{
    const int output = table->columnCount() - 1;
    for (int m = 0; m < values.size(); ++m) {
        const int clicks = values[m] == u'1' ? 1 : values[m] == u'X' ? 2 : 0;
        for (int i = 0; i < clicks; ++i)
            UserInput::clickCell(table, m, output);
    }
}

void PlaWindowTest::rename(const QStringList &names)
{
    child<QPushButton>("variablesButton")->click();
    QVERIFY(dialog->isVisible());
    auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
    for (int p = 0; p < names.size(); ++p)
        qobject_cast<QLineEdit *>(grid->itemAtPosition(p + 1, 1)->widget())->setText(names[p]);
    qobject_cast<QPushButton *>(grid->itemAtPosition(7, 1)->widget())->click();
    QVERIFY(!dialog->isVisible());
}

QString PlaWindowTest::tableValues() const
{
    QString values;
    for (int m = 0; m < table->rowCount(); ++m)
        values += table->item(m, table->columnCount() - 1)->text();
    return values;
}

QString PlaWindowTest::mapValues() const
{
    return WidgetLookup::mapText(*map, table->variableCount());
}

QStringList PlaWindowTest::tableNames() const
{
    return headerTexts(*table, Qt::Horizontal).mid(0, table->variableCount());
}

QStringList PlaWindowTest::dialogNames() const
{
    QStringList names;
    auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
    for (int p = 0; p < 6 && grid->itemAtPosition(p + 1, 1); ++p)
        names << qobject_cast<QLineEdit *>(grid->itemAtPosition(p + 1, 1)->widget())->text();
    return names;
}

QStringList PlaWindowTest::expectedMapLabels(const QStringList &names,
                                             Qt::Orientation orientation) const
{
    KarnaughLayout::Names six = KarnaughLayout::defaultNames();
    for (int p = 0; p < names.size(); ++p)
        six[p] = names[p].toStdString();
    const int count = int(names.size());
    return toStringList(orientation == Qt::Horizontal ? KarnaughLayout::columnLabels(count, six)
                                                      : KarnaughLayout::rowLabels(count, six));
}

void PlaWindowTest::checkShows(int count, const QStringList &names, const QString &values)
{
    QCOMPARE(table->variableCount(), count);
    QCOMPARE(child<VariableCountManager>("variableCountManager")->currentIndex(), count - 2);
    QCOMPARE(tableValues(), values);
    QCOMPARE(mapValues(), values);
    QCOMPARE(tableNames(), names);
    QCOMPARE(dialogNames(), names);
    QCOMPARE(headerTexts(*map, Qt::Horizontal), expectedMapLabels(names, Qt::Horizontal));
    QCOMPARE(headerTexts(*map, Qt::Vertical), expectedMapLabels(names, Qt::Vertical));
}

void PlaWindowTest::exportViaDialog(const QString &path)
{
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(path);
    child<QPushButton>("exportButton")->click();
    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.title(), QStringLiteral("Export File"));
}

void PlaWindowTest::importViaDialog(const QString &path)
{
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(path);
    child<QPushButton>("importButton")->click();
    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.title(), QStringLiteral("Import File"));
}

void PlaWindowTest::exportThenImportRestoresAfterReset()
{
    chooseCount(3);
    rename({"x", "y2", "Z"});
    setValues(QStringLiteral("01X01001"));
    const QString path = dir.filePath(QStringLiteral("three.pla"));
    exportViaDialog(path);
    QCOMPARE(readFile(path), QByteArray(".i 3\n.o 1\n.ilb x y2 Z \n001 1\n010 X\n100 1\n111 1\n"));

    child<QPushButton>("resetButton")->click();
    checkShows(4, {"A", "B", "C", "D"}, QString(16, u'0'));

    importViaDialog(path);
    checkShows(3, {"x", "y2", "Z"}, QStringLiteral("01X01001"));

    // The equation entry knows the imported names.
    auto *equation = child<EquationManager>("equationManager");
    equation->setText(QStringLiteral("x&Z"));
    QTest::keyClick(equation, Qt::Key_Return);
    QCOMPARE(tableValues(), QStringLiteral("00000101"));
}

void PlaWindowTest::okRenamesEveryView()
{
    setValues(QStringLiteral("0000000000000001"));
    rename({"p", "q", "r", "s"});

    QCOMPARE(headerTexts(*table, Qt::Horizontal), (QStringList{"p", "q", "r", "s", "", "f"}));
    QCOMPARE(headerTexts(*map, Qt::Horizontal),
             expectedMapLabels({"p", "q", "r", "s"}, Qt::Horizontal));
    QCOMPARE(headerTexts(*map, Qt::Vertical),
             expectedMapLabels({"p", "q", "r", "s"}, Qt::Vertical));
    QVERIFY(headerTexts(*map, Qt::Horizontal).join(QString()).contains(u'r'));

    child<QPushButton>("minimizeButton")->click();
    QCOMPARE(child<QLineEdit>("resultEdit")->text(), QStringLiteral("p&q&r&s"));

    auto *equation = child<EquationManager>("equationManager");
    equation->setText(QStringLiteral("p&q'"));
    child<QPushButton>("fillTableButton")->click();
    QCOMPARE(tableValues(), QStringLiteral("0000000011110000"));
    QCOMPARE(mapValues(), tableValues());
}

// Every way the function can change must reach the next export.
void PlaWindowTest::exportWritesWhatIsShown_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("equation") << "equation"
                              << QByteArray(".i 4\n.o 1\n.ilb A B C D \n1110 1\n1111 1\n");
    QTest::newRow("map click") << "map"
                               << QByteArray(".i 4\n.o 1\n.ilb A B C D \n0000 1\n0101 1\n");
    QTest::newRow("import without .i")
        << "import" << QByteArray(".i 4\n.o 1\n.ilb A B C D \n0000 1\n1111 X\n");
    QTest::newRow("count change") << "count" << QByteArray(".i 2\n.o 1\n.ilb A B \n");
    QTest::newRow("reset") << "reset" << QByteArray(".i 4\n.o 1\n.ilb A B C D \n");
}

void PlaWindowTest::exportWritesWhatIsShown()
{
    QFETCH(QString, change);
    setValues(QStringLiteral("1000000000000000"));

    if (change == QLatin1String("equation")) {
        auto *equation = child<EquationManager>("equationManager");
        equation->setText(QStringLiteral("A&B&C"));
        child<QPushButton>("fillTableButton")->click();
    } else if (change == QLatin1String("map")) {
        const KarnaughLayout::Cell cell = KarnaughLayout::cellOfMinterm(4, 5);
        UserInput::clickCell(map, cell.row, cell.column);
    } else if (change == QLatin1String("import")) {
        const QString path = dir.filePath(QStringLiteral("cell.pla"));
        QVERIFY(writeFile(path, "1111 -\n"));
        importViaDialog(path);
    } else if (change == QLatin1String("count")) {
        chooseCount(2);
    } else {
        rename({"u", "v", "w", "x"});
        child<QPushButton>("resetButton")->click();
    }

    // A new file each time: the save dialog would ask before overwriting.
    const QString path = dir.filePath(change + QStringLiteral("-shown.pla"));
    exportViaDialog(path);
    QTEST(readFile(path), "text");
}

void PlaWindowTest::importWithoutNamesKeepsNamesAtNewCount()
{
    chooseCount(3);
    rename({"a", "b", "c"});
    const QString path = dir.filePath(QStringLiteral("five.pla"));
    QVERIFY(writeFile(path, ".i 5\n.p 1\n1---1 1\n.e\n"));
    importViaDialog(path);

    QString values(32, u'0');
    for (int m : {17, 19, 21, 23, 25, 27, 29, 31})
        values[m] = u'1';
    checkShows(5, {"a", "b", "c", "D", "E"}, values);

    // The dialog's next Ok keeps the equation entry at five variables.
    rename({"a", "b", "c", "D", "E"});
    auto *equation = child<EquationManager>("equationManager");
    equation->setText(QStringLiteral("E"));
    child<QPushButton>("fillTableButton")->click();
    QString odd(32, u'0');
    for (int m = 1; m < 32; m += 2)
        odd[m] = u'1';
    QCOMPARE(tableValues(), odd);

    const QString again = dir.filePath(QStringLiteral("five-again.pla"));
    exportViaDialog(again);
    QVERIFY(readFile(again).startsWith(".i 5\n.o 1\n.ilb a b c D E \n"));
}

void PlaWindowTest::malformedImportChangesNothing()
{
    rename({"k", "l", "m", "n"});
    setValues(QStringLiteral("0110000000000001"));
    const QString path = dir.filePath(QStringLiteral("bad.pla"));
    QVERIFY(writeFile(path, ".i 3\n.ilb a b c\n111 1\n1111 1\n"));

    ModalBoxAnswerer fileAnswerer;
    ModalBoxAnswerer warningAnswerer;
    fileAnswerer.arm([&](QWidget *modal) {
        auto *fileDialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(fileDialog);
        fileDialog->selectFile(path);
        // The warning comes once the file dialog has gone.
        warningAnswerer.arm();
        static_cast<QDialog *>(fileDialog)->accept();
    });
    child<QPushButton>("importButton")->click();

    QCOMPARE(warningAnswerer.title(), QStringLiteral("Import File"));
    QVERIFY2(warningAnswerer.text().contains(QStringLiteral("Line 4")),
             qPrintable(warningAnswerer.text()));
    checkShows(4, {"k", "l", "m", "n"}, QStringLiteral("0110000000000001"));
}

// Labels another tool wrote cost the names only: the note names them, and
// every view shows the file's function under the default names.
void PlaWindowTest::invalidLabelsKeepTheFunction()
{
    rename({"k", "l", "m", "n"});
    setValues(QStringLiteral("0110000000000001"));
    const QString path = dir.filePath(QStringLiteral("labels.pla"));
    QVERIFY(writeFile(path, ".i 3\n.o 1\n.ilb CWP<6> CWP<5> changeCWP2\n1-- 1\n11- 0\n"
                            "-11 1\n.e\n"));

    ModalBoxAnswerer fileAnswerer;
    ModalBoxAnswerer noteAnswerer;
    fileAnswerer.arm([&](QWidget *modal) {
        auto *fileDialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(fileDialog);
        fileDialog->selectFile(path);
        noteAnswerer.arm();
        static_cast<QDialog *>(fileDialog)->accept();
    });
    child<QPushButton>("importButton")->click();

    QCOMPARE(noteAnswerer.answeredTimes(), 1);
    QCOMPARE(noteAnswerer.className(), QStringLiteral("QMessageBox"));
    QCOMPARE(noteAnswerer.title(), QStringLiteral("Import File"));
    QVERIFY2(noteAnswerer.text().contains(
                 QStringLiteral("\"CWP<6>\", \"CWP<5>\", \"changeCWP2\" are not valid")),
             qPrintable(noteAnswerer.text()));
    checkShows(3, {"A", "B", "C"}, QStringLiteral("00011111"));
}

// Every output of the file arrives without a question; a click on an
// output's header shows it in every view.
void PlaWindowTest::everyOutputIsImported()
{
    const QString path = dir.filePath(QStringLiteral("outputs.pla"));
    QVERIFY(writeFile(path, ".i 3\n.o 2\n.ilb p q r\n.ob co sum\n11- 10\n1-1 10\n-11 10\n"
                            "001 01\n010 01\n100 01\n111 01\n"));

    ModalBoxAnswerer fileAnswerer;
    ModalBoxAnswerer otherAnswerer;
    fileAnswerer.arm([&](QWidget *modal) {
        auto *fileDialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(fileDialog);
        fileDialog->selectFile(path);
        otherAnswerer.arm();
        static_cast<QDialog *>(fileDialog)->accept();
    });
    child<QPushButton>("importButton")->click();

    QCOMPARE(otherAnswerer.answeredTimes(), 0);
    QCOMPARE(table->outputNames(), (QStringList{"co", "sum"}));
    QCOMPARE(mapValues(), QStringLiteral("00010111"));
    UserInput::clickHeader(table, table->columnCount() - 1);
    checkShows(3, {"p", "q", "r"}, QStringLiteral("01101001"));
}

void PlaWindowTest::countChangeAfterUnacceptedEdit_data()
{
    QTest::addColumn<QString>("edit");

    QTest::newRow("field emptied") << QString();
    QTest::newRow("field renamed") << QStringLiteral("X");
    QTest::newRow("field made a duplicate") << QStringLiteral("q");
}

// Names typed into the dialog count only once Ok accepts them: a change of
// the count in between neither raises a box nor takes the half-typed names,
// and every view keeps the same names.
void PlaWindowTest::countChangeAfterUnacceptedEdit()
{
    QFETCH(QString, edit);

    rename({"p", "q", "r", "s"});
    child<QPushButton>("variablesButton")->click();
    auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
    qobject_cast<QLineEdit *>(grid->itemAtPosition(1, 1)->widget())->setText(edit);

    ModalBoxAnswerer answerer;
    answerer.arm();
    chooseCount(3);
    QCoreApplication::processEvents();
    QVERIFY2(!answerer.answered(), qPrintable(answerer.title()));
    dialog->close();

    checkShows(3, {"p", "q", "r"}, QStringLiteral("00000000"));
    auto *equation = child<EquationManager>("equationManager");
    equation->setText(QStringLiteral("p&q&r"));
    ModalBoxAnswerer equationAnswerer;
    equationAnswerer.arm();
    QTest::keyClick(equation, Qt::Key_Return);
    QVERIFY2(!equationAnswerer.answered(), qPrintable(equationAnswerer.text()));
    QCOMPARE(tableValues(), QStringLiteral("00000001"));
}

// Export, Reset, import and export again, through the window, for random
// functions with don't cares and random names of every count.
void PlaWindowTest::roundTripForEveryCount()
{
    std::mt19937 random(6061);
    const QString alphabet =
        QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QString cellValues = QStringLiteral("01X");
    const QString first = dir.filePath(QStringLiteral("first.pla"));
    const QString second = dir.filePath(QStringLiteral("second.pla"));

    for (int round = 0; round < 500; ++round) {
        const int count = 2 + round % 5;
        QStringList names;
        while (names.size() < count) {
            QString name;
            for (int i = 0, length = 1 + int(random() % 3); i < length; ++i)
                name += alphabet[int(random() % alphabet.size())];
            if (!names.contains(name))
                names << name;
        }
        QString values;
        for (int m = 0; m < (1 << count); ++m)
            values += cellValues[int(random() % 3)];

        chooseCount(count);
        rename(names);
        setValues(values);
        QVERIFY(pla->exportTo(first));
        child<QPushButton>("resetButton")->click();
        QVERIFY(pla->importFrom(first));
        checkShows(count, names, values);
        QVERIFY(pla->exportTo(second));
        QCOMPARE(readFile(second), readFile(first));
        child<QPushButton>("resetButton")->click();
    }
}

QTEST_MAIN(PlaWindowTest)
#include "PlaWindowTest.moc"
