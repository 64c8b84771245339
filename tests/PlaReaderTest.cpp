#include "pla/PlaReader.h"

#include <QObject>
#include <QStringList>
#include <QTest>

#include <sstream>

namespace {

// Which minterms a product line set, as '+' (set) and '.' (untouched).
QString assignedMask(const PlaFunction &function)
{
    QString mask;
    for (bool set : function.assigned)
        mask += set ? QLatin1Char('+') : QLatin1Char('.');
    return mask;
}

QStringList namesOf(const PlaFunction &function)
{
    QStringList names;
    for (const std::string &name : function.names)
        names << QString::fromStdString(name);
    return names;
}

} // namespace

class PlaReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void readsFunction_data();
    void readsFunction();
    void reportsFault_data();
    void reportsFault();
    void readsFromStream();
    void longCommentIsSkipped();
};

void PlaReaderTest::readsFunction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currentCount");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("countGiven");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("assigned");
    QTest::addColumn<bool>("severalOutputs");

    QTest::newRow("own export of three variables")
        << ".i 3\n.o 1\n.ilb A B C \n001 1\n010 X\n100 1\n111 1\n"
        << 4 << 3 << true << QStringList{"A", "B", "C"} << "01X01001"
        << ".++.+..+" << false;
    QTest::newRow("output characters other than 0 and 1 are don't cares")
        << ".i 2\n00 -\n01 2\n10 ~\n11 0\n"
        << 4 << 2 << true << QStringList{} << "XXX0"
        << "++++" << false;
    QTest::newRow("a dash covers both values") << ".i 3\n1-0 1\n"
                                               << 4 << 3 << true << QStringList{} << "00001010"
                                               << "....+.+." << false;
    QTest::newRow("only dashes cover every minterm") << ".i 2\n-- X\n"
                                                     << 4 << 2 << true << QStringList{} << "XXXX"
                                                     << "++++" << false;
    QTest::newRow("a later line overrides an earlier one")
        << ".i 2\n-- 1\n01 0\n"
        << 4 << 2 << true << QStringList{} << "1011"
        << "++++" << false;
    QTest::newRow("a second .i clears what came before")
        << ".i 2\n11 1\n.i 3\n001 1\n"
        << 4 << 3 << true << QStringList{} << "01000000"
        << ".+......" << false;
    QTest::newRow("without .i the current count applies")
        << "10 1\n"
        << 2 << 2 << false << QStringList{} << "0010"
        << "..+." << false;
    QTest::newRow("empty file keeps the current count")
        << "" << 5 << 5 << false << QStringList{} << QString(32, '0') << QString(32, '.') << false;
    QTest::newRow("current count outside 2 to 6 counts as 4")
        << "" << 7 << 4 << false << QStringList{} << QString(16, '0') << QString(16, '.') << false;
    QTest::newRow("espresso file with .p, .type fd, .phase, .ob and .e")
        << "# written by espresso\n.i 4\n.o 1\n.ilb a b c d\n.ob f\n.p 3\n.type fd\n"
           ".phase 1\n1--0 1\n-11- 1\n0000 -\n.e\n"
        << 2 << 4 << true << QStringList{"a", "b", "c", "d"} << "X000001110101011"
        << "+.....+++.+.+.++" << false;
    QTest::newRow("text after .e is not read") << ".i 2\n00 1\n.e\n11 1\nnot a product line\n"
                                               << 4 << 2 << true << QStringList{} << "1000"
                                               << "+..." << false;
    QTest::newRow(".end ends the file too") << ".i 2\n01 1\n.end\n.i 9\n"
                                            << 4 << 2 << true << QStringList{} << "0100"
                                            << ".+.." << false;
    QTest::newRow("unknown directives are skipped with their line")
        << ".i 2\n.mv 4 0 2 2\n.kiss 00 11\n10 1\n"
        << 4 << 2 << true << QStringList{} << "0010"
        << "..+." << false;
    QTest::newRow("a keyword glued to its number is an unknown directive")
        << ".i4\n01 1\n"
        << 2 << 2 << false << QStringList{} << "0100"
        << ".+.." << false;
    QTest::newRow("comments after a product line and on their own lines")
        << "#\n.i 2 # two\n## more\n  # indented\n11 1 # the last one\n"
        << 4 << 2 << true << QStringList{} << "0001"
        << "...+" << false;
    QTest::newRow("several outputs: the first column is taken")
        << ".i 2\n.o 2\n.ob f g\n00 10\n11 01\n"
        << 4 << 2 << true << QStringList{} << "1000"
        << "+..+" << true;
    QTest::newRow("an output word longer than .o says means several outputs")
        << ".i 2\n.o 1\n01 X1\n"
        << 4 << 2 << true << QStringList{} << "0X00"
        << ".+.." << true;
    QTest::newRow("output part split by blanks") << ".i 2\n.o 3\n01 1 0 1\n"
                                                 << 4 << 2 << true << QStringList{} << "0100"
                                                 << ".+.." << true;
    QTest::newRow("carriage returns, tabs and no final line end")
        << ".i 2\r\n.ilb\tx\ty\r\n\t11\t1\r\n10 X" << 4 << 2 << true << QStringList{"x", "y"}
        << "00X1"
        << "..++" << false;
    QTest::newRow(".ilb names may continue on the next line")
        << ".i 3\n.ilb A\nB C\n111 1\n"
        << 4 << 3 << true << QStringList{"A", "B", "C"} << "00000001"
        << ".......+" << false;
    QTest::newRow(".ilb with two variables names two")
        << ".i 2\n.ilb p q\n"
        << 4 << 2 << true << QStringList{"p", "q"} << "0000"
        << "...." << false;
    QTest::newRow(".ilb before .i names the current count")
        << ".ilb p q r\n.i 3\n"
        << 3 << 3 << true << QStringList{"p", "q", "r"} << "00000000"
        << "........" << false;
    QTest::newRow("names differing only in case are different")
        << ".i 2\n.ilb ab AB\n"
        << 4 << 2 << true << QStringList{"ab", "AB"} << "0000"
        << "...." << false;
    QTest::newRow("six variables with digits in names")
        << ".i 6\n.ilb a1 b22 c 4 X5 f\n111111 1\n"
        << 4 << 6 << true << QStringList{"a1", "b22", "c", "4", "X5", "f"} << QString(63, '0') + "1"
        << QString(63, '.') + "+" << false;
}

void PlaReaderTest::readsFunction()
{
    QFETCH(QString, text);
    QFETCH(int, currentCount);

    const PlaReadResult result = PlaReader::read(text.toStdString(), currentCount);
    QVERIFY2(result.ok(), result.error.message.c_str());
    const PlaFunction &function = *result.function;
    QTEST(function.variableCount, "count");
    QTEST(function.countGiven, "countGiven");
    QTEST(namesOf(function), "names");
    QTEST(QString::fromStdString(function.values), "values");
    QTEST(assignedMask(function), "assigned");
    QTEST(function.severalOutputs, "severalOutputs");
}

void PlaReaderTest::reportsFault_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currentCount");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow(".i without a number") << ".i\n00 1\n" << 4 << 1 << "number of variables";
    QTest::newRow(".i with a word") << "# c\n.i four\n" << 4 << 2 << "\"four\"";
    QTest::newRow(".i 7 would overrun the minterms") << ".i 7\n" << 4 << 1 << "\"7\"";
    QTest::newRow(".i 1") << ".i 1\n" << 4 << 1 << "2 to 6";
    QTest::newRow(".i 0") << ".i 0\n" << 4 << 1 << "2 to 6";
    QTest::newRow(".i with a sign") << ".i -3\n" << 4 << 1 << "\"-3\"";
    QTest::newRow(".i with a huge number") << ".i 99999999999\n" << 4 << 1 << "2 to 6";
    QTest::newRow("input part too short") << ".i 3\n01 1\n" << 4 << 2 << "\"01\"";
    QTest::newRow("input part too long") << ".i 2\n010 1\n" << 4 << 2 << "2 characters";
    QTest::newRow("input part with another character") << ".i 2\n0x 1\n" << 4 << 2 << "\"0x\"";
    QTest::newRow("without .i the current count measures the input part")
        << "0101 1\n"
        << 3 << 1 << "3 characters";
    QTest::newRow("product line without output part") << ".i 2\n01\n" << 4 << 2 << "output";
    QTest::newRow("last line without output part and line end")
        << ".i 2\n01 1\n10" << 4 << 3 << "output";
    QTest::newRow("output part only a comment") << ".i 2\n01 # one\n" << 4 << 2 << "output";
    QTest::newRow("name of four characters") << ".i 2\n.ilb abcd b\n" << 4 << 2 << "\"abcd\"";
    QTest::newRow("name with an underscore") << ".i 2\n.ilb a_ b\n" << 4 << 2 << "letters";
    QTest::newRow("name used twice") << ".i 3\n.ilb a b a\n" << 4 << 2 << "twice";
    QTest::newRow("more names than variables") << ".i 2\n.ilb a b c\n" << 4 << 2 << "more";
    QTest::newRow("fewer names than variables") << ".i 3\n.ilb a b\n\n" << 4 << 2 << "2 of the 3";
    QTest::newRow("names running into a product line") << ".i 3\n.ilb a b\n010 1\n"
                                                       << 4 << 3 << "more";
    QTest::newRow(".i changing the count after .ilb") << ".i 2\n.ilb a b\n.i 3\n"
                                                      << 4 << 3 << "3 variables";
    QTest::newRow(".o without a number") << ".i 2\n.o\n" << 4 << 2 << "outputs";
    QTest::newRow(".o 0") << ".o 0\n" << 4 << 1 << "outputs";
    QTest::newRow("fault after valid lines reports its own line")
        << ".i 2\n.o 1\n.ilb a b\n00 1\n01 1\n1 1\n"
        << 4 << 6 << "\"1\"";
    QTest::newRow("carriage returns do not count as lines") << ".i 2\r\n00 1\r\n0 1\r\n"
                                                            << 4 << 3 << "\"0\"";
}

void PlaReaderTest::reportsFault()
{
    QFETCH(QString, text);
    QFETCH(int, currentCount);
    QFETCH(QString, messagePart);

    const PlaReadResult result = PlaReader::read(text.toStdString(), currentCount);
    QVERIFY(!result.ok());
    QTEST(result.error.line, "line");
    const QString message = QString::fromStdString(result.error.message);
    QVERIFY2(message.contains(messagePart), qPrintable(message));
}

void PlaReaderTest::readsFromStream()
{
    std::istringstream in(".i 2\n.ilb u v\n1- 1\n");
    const PlaReadResult result = PlaReader::read(in, 4);
    QVERIFY(result.ok());
    QCOMPARE(result.function->values, std::string("0011"));
    QCOMPARE(namesOf(*result.function), (QStringList{"u", "v"}));
}

// A fixed-size buffer would end the import in the middle of such a line.
void PlaReaderTest::longCommentIsSkipped()
{
    const std::string text = ".i 2\n#" + std::string(5000, 'c') + " 11 1\n01 1\n";
    const PlaReadResult result = PlaReader::read(text, 4);
    QVERIFY(result.ok());
    QCOMPARE(result.function->values, std::string("0100"));
}

QTEST_GUILESS_MAIN(PlaReaderTest)
#include "PlaReaderTest.moc"
