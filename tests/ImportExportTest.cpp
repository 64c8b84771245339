// SPDX-License-Identifier: GPL-3.0-or-later
#include "pla/ImportExport.h"
#include "TestFiles.h"

#include "ModalBoxAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QListView>
#include <QSignalSpy>
#include <QTableWidgetItem>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using TestFiles::readFile;
using TestFiles::writeFileIn;

namespace {

// Every announcement of the object, one line each, in the order it came.
class Announcements
{
public:
    explicit Announcements(ImportExport &pla)
    {
        QObject::connect(&pla, &ImportExport::numVariables, &pla,
                         [this](int count) { log << QStringLiteral("count %1").arg(count); });
        QObject::connect(&pla, &ImportExport::changeNames, &pla,
                         [this](const QString &a, const QString &b, const QString &c,
                                const QString &d, const QString &e, const QString &f) {
                             log << QStringLiteral("changeNames ") +
                                        QStringList{a, b, c, d, e, f}.join(',');
                         });
        QObject::connect(&pla, &ImportExport::variableNames, &pla,
                         [this](const QVector<QString> &names) {
                             log << QStringLiteral("variableNames ") + QStringList(names).join(',');
                         });
        QObject::connect(
            &pla, &ImportExport::mintermValues, &pla,
            [this](int minterm, int column, const QString &value) {
                log << QStringLiteral("cell %1 %2 %3").arg(minterm).arg(column).arg(value);
            });
        QObject::connect(&pla, &ImportExport::updateCell, &pla,
                         [this](int minterm, QTableWidgetItem *item) {
                             log << QStringLiteral("map %1 %2").arg(minterm).arg(item->text());
                         });
    }

    QStringList log;
};

// Stands in for the truth table's 64 minterm items.
class Minterms
{
public:
    QList<QTableWidgetItem *> list(const QString &values)
    {
        QList<QTableWidgetItem *> pointers;
        for (int m = 0; m < 64; ++m) {
            items[m].setText(m < values.size() ? QString(values[m]) : QStringLiteral("0"));
            pointers << &items[m];
        }
        return pointers;
    }

private:
    std::array<QTableWidgetItem, 64> items;
};

// Tells the object what the window shows, as the truth table and the names
// dialog do.
void showFunction(ImportExport &pla, const QStringList &names, const QString &values)
{
    Minterms minterms;
    pla.getVariableNames(QVector<QString>(names.begin(), names.end()));
    int count = 0;
    while ((1 << count) < values.size())
        ++count;
    pla.getMinterms(count, minterms.list(values));
}

// Whether a box text shows a byte of the file as it is: a control character
// other than the line break, or a replacement for invalid UTF-8.
bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if ((c.unicode() < 0x20 && c != QLatin1Char('\n')) ||
            (c.unicode() >= 0x7f && c.unicode() <= 0x9f) || c == QChar::ReplacementCharacter)
            return true;
    }
    return false;
}

} // namespace

class ImportExportTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void exportWritesShownFunction_data();
    void exportWritesShownFunction();
    void failedExportNamesFileAndReason();
    void cancelledExportStaysSilent();
    void exportThroughFileDialog();
    void importAnnouncesInOrder_data();
    void importAnnouncesInOrder();
    void malformedFileChangesNothing_data();
    void malformedFileChangesNothing();
    void unreadableFileChangesNothing();
    void cancelledImportKeepsNames();
    void invalidLabelsImportWithNote_data();
    void invalidLabelsImportWithNote();
    void severalOutputsImportEveryOne_data();
    void severalOutputsImportEveryOne();
    void importThroughFileDialog();

private:
    QTemporaryDir dir;
};

void ImportExportTest::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void ImportExportTest::exportWritesShownFunction_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("three variables")
        << QStringList{"A", "B", "C"} << "01X01001"
        << QByteArray(".i 3\n.o 1\n.ilb A B C \n001 1\n010 X\n100 1\n111 1\n");
    QTest::newRow("renamed variables")
        << QStringList{"in", "x2"} << "1000" << QByteArray(".i 2\n.o 1\n.ilb in x2 \n00 1\n");
    QTest::newRow("fewer names than variables get default letters")
        << QStringList{"p"} << "0000000000000001"
        << QByteArray(".i 4\n.o 1\n.ilb p B C D \n1111 1\n");
}

void ImportExportTest::exportWritesShownFunction()
{
    QFETCH(QStringList, names);
    QFETCH(QString, values);

    ImportExport pla;
    showFunction(pla, names, values);
    const QString path = dir.filePath(QStringLiteral("shown.pla"));
    QVERIFY(pla.exportTo(path));
    QTEST(readFile(path), "text");
}

void ImportExportTest::failedExportNamesFileAndReason()
{
    ImportExport pla;
    const QString path = dir.filePath(QStringLiteral("missing-folder/out.pla"));
    ModalBoxAnswerer answerer;
    answerer.arm();
    QVERIFY(!pla.exportTo(path));

    QCOMPARE(answerer.title(), QStringLiteral("Export File"));
    QVERIFY2(answerer.text().contains(QStringLiteral("out.pla")), qPrintable(answerer.text()));
    QFile probe(path);
    QVERIFY(!probe.open(QIODevice::WriteOnly));
    QVERIFY2(answerer.text().contains(probe.errorString()), qPrintable(answerer.text()));
    QVERIFY(!QFile::exists(path));
}

void ImportExportTest::cancelledExportStaysSilent()
{
    ImportExport pla;
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(QString());
    pla.exportFile();
    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.title(), QStringLiteral("Export File"));
}

void ImportExportTest::exportThroughFileDialog()
{
    ImportExport pla;
    showFunction(pla, {"a", "b"}, "X001");
    const QString path = dir.filePath(QStringLiteral("dialog.pla"));
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(path);
    pla.exportFile();
    QVERIFY(answerer.answered());
    QCOMPARE(readFile(path), QByteArray(".i 2\n.o 1\n.ilb a b \n00 X\n11 1\n"));
}

void ImportExportTest::importAnnouncesInOrder_data()
{
    QTest::addColumn<QStringList>("shownNames");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("own export of three variables")
        << QStringList{"A", "B", "C", "D"}
        << QByteArray(".i 3\n.o 1\n.ilb A B C \n001 1\n010 X\n100 1\n111 1\n")
        << QStringList{"count 3",
                       "changeNames A,B,C,D,E,F",
                       "variableNames A,B,C",
                       "cell 1 5 1",
                       "map 1 1",
                       "cell 2 5 X",
                       "map 2 X",
                       "cell 4 5 1",
                       "map 4 1",
                       "cell 7 5 1",
                       "map 7 1"};
    QTest::newRow(".ilb with two names pads the six with defaults")
        << QStringList{"A", "B", "C", "D"} << QByteArray(".i 2\n.ilb q r\n")
        << QStringList{"count 2", "changeNames q,r,C,D,E,F", "variableNames q,r"};
    QTest::newRow("fewer variables without names keep the shown names")
        << QStringList{"p", "q", "r", "s"} << QByteArray(".i 2\n11 1\n")
        << QStringList{"count 2", "variableNames p,q", "cell 3 4 1", "map 3 1"};
    QTest::newRow("more variables without names add default letters")
        << QStringList{"p", "q"} << QByteArray(".i 4\n")
        << QStringList{"count 4", "variableNames p,q,C,D"};
    QTest::newRow("a new position whose letter is taken gets the first free one")
        << QStringList{"C", "x"} << QByteArray(".i 3\n")
        << QStringList{"count 3", "variableNames C,x,A"};
    QTest::newRow("names without .i keep the count")
        << QStringList{"a", "b", "c"} << QByteArray(".ilb x y z\n1-1 1\n")
        << QStringList{"changeNames x,y,z,D,E,F",
                       "variableNames x,y,z",
                       "cell 5 5 1",
                       "map 5 1",
                       "cell 7 5 1",
                       "map 7 1"};
    QTest::newRow("product lines without .i touch only their cells")
        << QStringList{"a", "b"} << QByteArray("01 -\n") << QStringList{"cell 1 4 X", "map 1 X"};
    QTest::newRow("espresso file with dashes and directives")
        << QStringList{"A", "B", "C", "D"}
        << QByteArray("# minimised by espresso\n.i 3\n.o 1\n.p 2\n.type fd\n1-- 1\n-00 -\n.e\n")
        << QStringList{"count 3",    "variableNames A,B,C",
                       "cell 0 5 X", "map 0 X",
                       "cell 4 5 X", "map 4 X",
                       "cell 5 5 1", "map 5 1",
                       "cell 6 5 1", "map 6 1",
                       "cell 7 5 1", "map 7 1"};
    QTest::newRow("empty file announces nothing")
        << QStringList{"A", "B", "C", "D"} << QByteArray() << QStringList{};
}

void ImportExportTest::importAnnouncesInOrder()
{
    QFETCH(QStringList, shownNames);
    QFETCH(QByteArray, file);

    ImportExport pla;
    pla.getVariableNames(QVector<QString>(shownNames.begin(), shownNames.end()));
    Announcements announcements(pla);
    const QString path = writeFileIn(dir, QStringLiteral("in.pla"), file);
    QVERIFY(!path.isEmpty());
    QVERIFY(pla.importFrom(path));
    QTEST(announcements.log, "expected");
}

void ImportExportTest::malformedFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");

    QTest::newRow(".i without a number") << QByteArray(".i\n") << 1;
    QTest::newRow(".i 7") << QByteArray("# seven\n.i 7\n0000000 1\n") << 2;
    QTest::newRow("input part of the wrong length") << QByteArray(".i 3\n.o 1\n0101 1\n") << 3;
    QTest::newRow("input part measured against the shown count") << QByteArray("010 1\n") << 1;
    QTest::newRow("product line without output part") << QByteArray(".i 2\n11 1\n01\n") << 3;
    QTest::newRow("escape sequence in a product line")
        << QByteArray(".i 2\n\x1b]0;owned\x07 1\n") << 2;
    QTest::newRow("NUL and invalid UTF-8 in an input part")
        << QByteArray(".i 2\n\0\xff 1\n", 10) << 2;
    QByteArray megabyte(".i 2\n");
    while (megabyte.size() < qsizetype{1024} * 1024)
        megabyte += "\x1b[2J\xc3";
    QTest::newRow("1 MB line") << megabyte + " 1\n" << 2;
}

void ImportExportTest::malformedFileChangesNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(int, line);

    ImportExport pla;
    showFunction(pla, {"u", "v"}, "01X1");
    const QString before = dir.filePath(QStringLiteral("before.pla"));
    QVERIFY(pla.exportTo(before));
    Announcements announcements(pla);

    const QString path = writeFileIn(dir, QStringLiteral("bad.pla"), file);
    ModalBoxAnswerer answerer;
    answerer.arm();
    QVERIFY(!pla.importFrom(path));

    QCOMPARE(answerer.title(), QStringLiteral("Import File"));
    QVERIFY2(answerer.text().contains(QStringLiteral("Line %1:").arg(line)),
             qPrintable(answerer.text()));
    QVERIFY(answerer.text().contains(QStringLiteral("bad.pla")));
    QVERIFY(!hasControlCharacter(answerer.text()));
    QVERIFY(answerer.text().size() < 300);
    QVERIFY(announcements.log.isEmpty());
    const QString after = dir.filePath(QStringLiteral("after.pla"));
    QVERIFY(pla.exportTo(after));
    QCOMPARE(readFile(after), readFile(before));
}

void ImportExportTest::unreadableFileChangesNothing()
{
    ImportExport pla;
    Announcements announcements(pla);
    ModalBoxAnswerer answerer;
    answerer.arm();
    QVERIFY(!pla.importFrom(dir.filePath(QStringLiteral("nowhere.pla"))));
    QCOMPARE(answerer.title(), QStringLiteral("Import File"));
    QVERIFY(answerer.text().contains(QStringLiteral("nowhere.pla")));
    QVERIFY(announcements.log.isEmpty());
}

// A cancelled import must not lose the names the user gave: the next export
// still writes them.
void ImportExportTest::cancelledImportKeepsNames()
{
    ImportExport pla;
    showFunction(pla, {"in1", "in2"}, "0110");
    Announcements announcements(pla);
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(QString());
    pla.importFile();
    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.title(), QStringLiteral("Import File"));
    QVERIFY(announcements.log.isEmpty());

    const QString path = dir.filePath(QStringLiteral("kept.pla"));
    QVERIFY(pla.exportTo(path));
    QCOMPARE(readFile(path), QByteArray(".i 2\n.o 1\n.ilb in1 in2 \n01 1\n10 1\n"));
}

void ImportExportTest::invalidLabelsImportWithNote_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a label the names dialog would refuse")
        << QByteArray(".i 2\n.ilb a-b c\n11 1\n") << "\"a-b\""
        << QStringList{"count 2", "changeNames A,B,C,D,E,F", "variableNames A,B", "cell 3 4 1",
                       "map 3 1"};
    QTest::newRow("a repeated label")
        << QByteArray(".i 2\n.ilb x x\n") << "\"x\""
        << QStringList{"count 2", "changeNames A,B,C,D,E,F", "variableNames A,B"};
    QTest::newRow("a label with an escape sequence")
        << QByteArray(".i 2\n.ilb \x1b[2Jx b\n") << "\"\\x1b[2Jx\""
        << QStringList{"count 2", "changeNames A,B,C,D,E,F", "variableNames A,B"};
    QTest::newRow("bus labels") << QByteArray(".i 3\n.ilb CWP<6> b DST2s<0>\n1-- 1\n")
                                << "\"CWP<6>\", \"DST2s<0>\""
                                << QStringList{"count 3",
                                               "changeNames A,B,C,D,E,F",
                                               "variableNames A,B,C",
                                               "cell 4 5 1",
                                               "map 4 1",
                                               "cell 5 5 1",
                                               "map 5 1",
                                               "cell 6 5 1",
                                               "map 6 1",
                                               "cell 7 5 1",
                                               "map 7 1"};
}

// The function is what the user came for: labels that cannot be names cost
// the names only, and an information box says which labels were replaced.
void ImportExportTest::invalidLabelsImportWithNote()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, labels);

    ImportExport pla;
    showFunction(pla, {"u", "v"}, "01X1");
    Announcements announcements(pla);
    const QString path = writeFileIn(dir, QStringLiteral("labels.pla"), file);
    ModalBoxAnswerer answerer;
    answerer.arm();
    QVERIFY(pla.importFrom(path));

    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.className(), QStringLiteral("QMessageBox"));
    QCOMPARE(answerer.title(), QStringLiteral("Import File"));
    QVERIFY2(answerer.text().contains(labels + QStringLiteral(" ")), qPrintable(answerer.text()));
    QVERIFY(answerer.text().contains(QStringLiteral("labels.pla was imported")));
    QVERIFY(!hasControlCharacter(answerer.text()));
    QTEST(announcements.log, "expected");
}

void ImportExportTest::severalOutputsImportEveryOne_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // the first output
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("more"); // the other outputs' columns

    QTest::newRow("named outputs, don't care over 1")
        << QByteArray(".i 2\n.o 3\n.ob f g h\n00 100\n11 01-\n1- 0~1\n")
        << QStringList{"count 2", "variableNames A,B", "cell 0 4 1", "map 0 1"}
        << QStringList{"f", "g", "h"} << QStringList{"0001", "001X"};
    QTest::newRow("without .ob the outputs get the default names")
        << QByteArray(".i 2\n01 01\n") << QStringList{"count 2", "variableNames A,B"}
        << QStringList{"f", "f1"} << QStringList{"0100"};
    QTest::newRow("fewer .ob labels than outputs")
        << QByteArray(".i 2\n.o 2\n.ob sum\n01 1-\n")
        << QStringList{"count 2", "variableNames A,B", "cell 1 4 1", "map 1 1"}
        << QStringList{"sum", "f1"} << QStringList{"0X00"};
}

// A file of several outputs asks nothing: the first output arrives as a
// file of one always did, then every output's name and the other columns.
void ImportExportTest::severalOutputsImportEveryOne()
{
    QFETCH(QByteArray, file);

    ImportExport pla;
    Announcements announcements(pla);
    QSignalSpy outputs(&pla, &ImportExport::outputsImported);
    const QString path = writeFileIn(dir, QStringLiteral("several.pla"), file);
    ModalBoxAnswerer answerer;
    answerer.arm();
    QVERIFY(pla.importFrom(path));

    QVERIFY(!answerer.answered());
    QTEST(announcements.log, "expected");
    QCOMPARE(outputs.size(), 1);
    QTEST(outputs.first().at(0).toStringList(), "names");
    QTEST(outputs.first().at(1).toStringList(), "more");
}

void ImportExportTest::importThroughFileDialog()
{
    ImportExport pla;
    Announcements announcements(pla);
    const QString path = writeFileIn(dir, QStringLiteral("dialog-in.pla"), ".i 2\n10 1\n");
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(path);
    pla.importFile();
    QCOMPARE(answerer.title(), QStringLiteral("Import File"));
    QCOMPARE(announcements.log,
             (QStringList{"count 2", "variableNames A,B", "cell 2 4 1", "map 2 1"}));
}

QTEST_MAIN(ImportExportTest)
#include "ImportExportTest.moc"
