// SPDX-License-Identifier: GPL-3.0-or-later
#include "pla/PlaReader.h"

#include <QObject>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <array>
#include <random>
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

QStringList toStringList(const std::vector<std::string> &strings)
{
    QStringList list;
    for (const std::string &s : strings)
        list << QString::fromStdString(s);
    return list;
}

QStringList namesOf(const PlaFunction &function)
{
    return toStringList(function.names);
}

// A random product line: an input plane of 0, 1, - and 2, a blank, then an
// output plane of every character the reader knows and one it does not, with
// blanks, tabs and '|' strewn inside the planes.
std::string randomProductLine(std::mt19937 &random, int count, int outputs)
{
    static const std::string inputs = "01-2";
    static const std::string outputCharacters = "01-~234xX?";
    static const std::string separators = " \t|";
    std::string line;
    for (int i = 0; i < count; ++i)
        line += inputs[random() % inputs.size()];
    line += ' ';
    for (int k = 0; k < outputs; ++k) {
        if (random() % 4 == 0)
            line += separators[random() % separators.size()];
        line += outputCharacters[random() % outputCharacters.size()];
    }
    return line;
}

// The value of one cell as the format defines it, found from the lines that
// cover the cell rather than by marking cells line after line.
char cellByDefinition(const std::vector<std::string> &lines, int count, int output, unsigned m,
                      bool offSetGiven)
{
    bool on = false;
    bool off = false;
    bool dontCare = false;
    for (const std::string &line : lines) {
        std::string plain;
        for (char c : line) {
            if (c != ' ' && c != '\t' && c != '|')
                plain += c;
        }
        bool covers = true;
        for (int i = 0; i < count; ++i) {
            const char c = plain[i];
            const bool bit = (m >> (count - 1 - i)) & 1;
            covers = covers && (c == '-' || c == '2' || (c == '1') == bit);
        }
        if (!covers || output + count >= static_cast<int>(plain.size()))
            continue;
        const char value = plain[count + output];
        on = on || value == '1' || value == '4';
        off = off || (value == '0' && offSetGiven);
        dontCare = dontCare || std::string("01~34").find(value) == std::string::npos;
    }
    if (dontCare)
        return 'X';
    if (on)
        return '1';
    if (off)
        return '0';
    return offSetGiven ? 'X' : '0';
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
    void readsProductLines_data();
    void readsProductLines();
    void replacesInvalidLabels_data();
    void replacesInvalidLabels();
    void lineOrderDoesNotMatter();
    void readsEveryOutput_data();
    void readsEveryOutput();
    void refusesMoreThan64Outputs_data();
    void refusesMoreThan64Outputs();
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
    QTest::newRow("output - and 2 are don't cares, ~ and 0 say nothing")
        << ".i 2\n00 -\n01 2\n10 ~\n11 0\n"
        << 4 << 2 << true << QStringList{} << "XX00"
        << "++.." << false;
    QTest::newRow("a dash covers both values") << ".i 3\n1-0 1\n"
                                               << 4 << 3 << true << QStringList{} << "00001010"
                                               << "....+.+." << false;
    QTest::newRow("only dashes cover every minterm") << ".i 2\n-- X\n"
                                                     << 4 << 2 << true << QStringList{} << "XXXX"
                                                     << "++++" << false;
    QTest::newRow("a later 0 line does not erase an earlier 1")
        << ".i 2\n-- 1\n01 0\n"
        << 4 << 2 << true << QStringList{} << "1111"
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
        << ".i 2\n.pair 1 (a b)\n.phase 1\n10 1\n"
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
        << "+..." << true;
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
    QTest::newRow("labels cut short by a directive") << ".i 3\n.ilb a b\n.o 1\n"
                                                     << 4 << 2 << "2 of the 3";
    QTest::newRow(".type after a product line") << ".i 2\n11 1\n.type fr\n"
                                                << 4 << 3 << "before the first product line";
    QTest::newRow(".type of another kind") << ".i 2\n.type fdrx\n" << 4 << 2 << "f, fd, fr or fdr";
    QTest::newRow(".type without a kind") << ".type\n" << 4 << 1 << "f, fd, fr or fdr";
    QTest::newRow(".mv") << ".mv 4 2 3 2 2\n" << 4 << 1 << "multi-valued";
    QTest::newRow(".kiss") << ".i 2\n.o 1\n.kiss\n" << 4 << 3 << "state-machine";
    QTest::newRow(".symbolic") << ".i 2\n.symbolic a b ;\n" << 4 << 2 << "multi-valued";
    QTest::newRow(".symbolic-output") << ".symbolic-output 0 ;\n" << 4 << 1 << "state-machine";
    QTest::newRow("| does not make a long first word an input plane") << ".i 2\n010|1\n"
                                                                      << 4 << 2 << "\"010\"";
    QTest::newRow("input plane split by blanks, no output") << ".i 3\n0 1 1\n" << 4 << 2 << "\"0\"";
    QTest::newRow("an input plane character only valid as output") << ".i 2\n0~ 1\n"
                                                                   << 4 << 2 << "\"0~\"";
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

void PlaReaderTest::readsProductLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("output");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("assigned");
    QTest::addColumn<int>("outputCount");

    QTest::newRow("| between the planes")
        << ".i 5\n.o 3\n00000|100\n11111|001\n"
        << 0 << "1" + QString(31, '0') << "+" + QString(31, '.') << 3;
    QTest::newRow("blanks and tabs inside both planes") << ".i 3\n0 1\t1  1\t0\n"
                                                        << 0 << "00010000"
                                                        << "...+...." << 2;
    QTest::newRow("2 in the input plane covers both values") << ".i 2\n21 1\n"
                                                             << 0 << "0101"
                                                             << ".+.+" << 1;
    QTest::newRow("4 is ON") << ".i 2\n01 4\n"
                             << 0 << "0100"
                             << ".+.." << 1;
    QTest::newRow("3 says nothing") << ".i 2\n01 3\n"
                                    << 0 << "0000"
                                    << "...." << 1;
    QTest::newRow("x, X and an unknown character are don't cares") << ".i 2\n00 x\n01 X\n10 ?\n"
                                                                   << 0 << "XXX0"
                                                                   << "+++." << 1;
    QTest::newRow("a don't care wins over an earlier 1") << ".i 2\n-- 1\n01 -\n"
                                                         << 0 << "1X11"
                                                         << "++++" << 1;
    QTest::newRow("a don't care wins over a later 1") << ".i 2\n01 -\n-- 1\n"
                                                      << 0 << "1X11"
                                                      << "++++" << 1;
    QTest::newRow("type f reads like fd") << ".type f\n.i 2\n1- 1\n11 0\n"
                                          << 0 << "0011"
                                          << "..++" << 1;
    QTest::newRow("type fr: 0 is OFF, cells no line names are don't cares")
        << ".type fr\n.i 2\n00 1\n01 0\n"
        << 0 << "10XX"
        << "++++" << 1;
    QTest::newRow("type fr: 1 wins over 0") << ".i 2\n.type fr\n-- 0\n11 1\n"
                                            << 0 << "0001"
                                            << "++++" << 1;
    QTest::newRow("type fr: ~ says nothing") << ".i 2\n.type fr\n11 ~\n"
                                             << 0 << "XXXX"
                                             << "++++" << 1;
    QTest::newRow("type fdr: a don't care wins over 0 and 1")
        << ".i 2\n.type fdr\n0- 0\n00 -\n1- 1\n11 2\n"
        << 0 << "X01X"
        << "++++" << 1;
    QTest::newRow("type fr without .i names every shown cell") << ".type fr\n11 0\n"
                                                               << 0 << "XXX0"
                                                               << "++++" << 1;
    QTest::newRow("0 for the first output keeps an earlier 1") << ".i 3\n.o 2\n1-- 10\n11- 01\n"
                                                               << 0 << "00001111"
                                                               << "....++++" << 2;
    QTest::newRow("the second output") << ".i 3\n.o 2\n1-- 10\n11- 01\n"
                                       << 1 << "00000011"
                                       << "......++" << 2;
    QTest::newRow("an output past .o") << ".i 2\n.o 1\n01 001\n10 1\n"
                                       << 2 << "0100"
                                       << ".+.." << 3;
    QTest::newRow("a line too short for the output read says nothing")
        << ".i 2\n.o 2\n00 11\n11 1\n"
        << 1 << "1000"
        << "+..." << 2;
    QTest::newRow("an output no line reaches") << ".i 2\n00 10\n"
                                               << 5 << "0000"
                                               << "...." << 2;
    QTest::newRow("without .i a 0 line leaves the shown cell") << "01 0\n10 1\n"
                                                               << 0 << "0010"
                                                               << "..+." << 1;
}

void PlaReaderTest::readsProductLines()
{
    QFETCH(QString, text);
    QFETCH(int, output);

    const PlaReadResult result = PlaReader::read(text.toStdString(), 2, output);
    QVERIFY2(result.ok(), result.error.message.c_str());
    QTEST(QString::fromStdString(result.function->values), "values");
    QTEST(assignedMask(*result.function), "assigned");
    QTEST(result.function->outputCount, "outputCount");
    QCOMPARE(result.function->output, output);
}

void PlaReaderTest::replacesInvalidLabels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("replaced");
    QTest::addColumn<QStringList>("outputNames");

    QTest::newRow("bus labels") << ".i 4\n.o 1\n.ilb CWP<6> CWP<5> CWP<4> changeCWP2\n1111 1\n"
                                << QStringList{"A", "B", "C", "D"}
                                << QStringList{"CWP<6>", "CWP<5>", "CWP<4>", "changeCWP2"}
                                << QStringList{};
    QTest::newRow("one long label among valid ones")
        << ".i 3\n.ilb a EX_INSpass c\n"
        << QStringList{"A", "B", "C"} << QStringList{"EX_INSpass"} << QStringList{};
    QTest::newRow("label of four characters")
        << ".i 2\n.ilb abcd b\n"
        << QStringList{"A", "B"} << QStringList{"abcd"} << QStringList{};
    QTest::newRow("label with an underscore")
        << ".i 2\n.ilb a_ b\n"
        << QStringList{"A", "B"} << QStringList{"a_"} << QStringList{};
    QTest::newRow("label used twice")
        << ".i 3\n.ilb a b a\n"
        << QStringList{"A", "B", "C"} << QStringList{"a"} << QStringList{};
    QTest::newRow("labels over two lines")
        << ".i 2\n.ilb DST2s<0>\nq\n"
        << QStringList{"A", "B"} << QStringList{"DST2s<0>"} << QStringList{};
    QTest::newRow("valid labels are kept")
        << ".i 2\n.ilb p Q7\n"
        << QStringList{"p", "Q7"} << QStringList{} << QStringList{};
    QTest::newRow("output labels never refuse a file")
        << ".i 2\n.o 2\n.ilb a b\n.ob out<0> EX_OUTpass\n11 11\n"
        << QStringList{"a", "b"} << QStringList{} << QStringList{"out<0>", "EX_OUTpass"};
}

void PlaReaderTest::replacesInvalidLabels()
{
    QFETCH(QString, text);

    const PlaReadResult result = PlaReader::read(text.toStdString(), 4);
    QVERIFY2(result.ok(), result.error.message.c_str());
    QTEST(namesOf(*result.function), "names");
    QTEST(toStringList(result.function->replacedLabels), "replaced");
    QTEST(toStringList(result.function->outputNames), "outputNames");
}

// Product lines form a union: any order of the same lines is the same
// function, and each cell is what the lines covering it define.
void PlaReaderTest::lineOrderDoesNotMatter()
{
    static const std::array<const char *, 5> types{"", ".type f\n", ".type fd\n", ".type fr\n",
                                                   ".type fdr\n"};
    std::mt19937 random(16);
    for (int round = 0; round < 300; ++round) {
        const int count = 2 + round % 5;
        const int outputs = 1 + static_cast<int>(random() % 3);
        const int typeIndex = static_cast<int>(random() % 5);
        std::vector<std::string> lines(1 + random() % 24);
        for (std::string &line : lines)
            line = randomProductLine(random, count, outputs);
        const std::string header = ".i " + std::to_string(count) + "\n" + types[typeIndex];

        std::vector<std::string> everyOutput;
        for (int output = 0; output < outputs; ++output) {
            std::string expected;
            for (unsigned m = 0; m < (1u << count); ++m)
                expected += cellByDefinition(lines, count, output, m, typeIndex >= 3);
            everyOutput.push_back(expected);
            for (int shuffle = 0; shuffle < 5; ++shuffle) {
                std::shuffle(lines.begin(), lines.end(), random);
                std::string text = header;
                for (const std::string &line : lines)
                    text += line + "\n";
                const PlaReadResult result = PlaReader::read(text, 4, output);
                QVERIFY2(result.ok(), (text + result.error.message).c_str());
                QVERIFY2(result.function->values == expected,
                         (text + "output " + std::to_string(output) + " read " +
                          result.function->values + ", defined " + expected)
                             .c_str());
            }
        }

        // All outputs in one pass: each as the one-output read gives it.
        std::string text = header;
        for (const std::string &line : lines)
            text += line + "\n";
        const PlaOutputsResult all = PlaReader::readOutputs(text, 4);
        QVERIFY2(all.ok(), (text + all.error.message).c_str());
        QCOMPARE(all.outputs->function.outputCount(), outputs);
        for (int output = 0; output < outputs; ++output) {
            QVERIFY2(all.outputs->function.values(output) == everyOutput[std::size_t(output)],
                     text.c_str());
            QVERIFY(all.outputs->assigned[std::size_t(output)] ==
                    PlaReader::read(text, 4, output).function->assigned);
        }
    }
}

void PlaReaderTest::readsEveryOutput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QStringList>("replaced");

    const QString planes = "11 101\n";
    QTest::newRow(".ob labels name the outputs")
        << ".i 2\n.o 3\n.ilb a b\n.ob x y Z9\n" + planes << QStringList{"a", "b"}
        << QStringList{"x", "y", "Z9"} << QStringList{};
    QTest::newRow("outputs without a label get the lowest free default")
        << ".i 2\n.o 3\n.ob f1\n" + planes << QStringList{"A", "B"} << QStringList{"f1", "f2", "f3"}
        << QStringList{};
    QTest::newRow("labels beyond the outputs are not used")
        << ".i 2\n.o 1\n.ob x y\n11 1\n"
        << QStringList{"A", "B"} << QStringList{"x"} << QStringList{};
    QTest::newRow("an output plane wider than .o adds outputs")
        << ".i 2\n.o 1\n.ob p\n" + planes << QStringList{"A", "B"} << QStringList{"p", "f1", "f2"}
        << QStringList{};
    QTest::newRow("a label that names an input")
        << ".i 2\n.o 3\n.ilb a b\n.ob x b y\n" + planes << QStringList{"a", "b"}
        << QStringList{"f", "f1", "f2"} << QStringList{"b"};
    QTest::newRow("a label used twice")
        << ".i 2\n.o 3\n.ob x y x\n" + planes << QStringList{"A", "B"}
        << QStringList{"f", "f1", "f2"} << QStringList{"x"};
    QTest::newRow("labels that are no names")
        << ".i 2\n.o 3\n.ob out<0> y EX_OUT\n" + planes << QStringList{"A", "B"}
        << QStringList{"f", "f1", "f2"} << QStringList{"out<0>", "EX_OUT"};
    QTest::newRow("an input called f moves the defaults on")
        << ".i 2\n.o 3\n.ilb f f2\n" + planes << QStringList{"f", "f2"}
        << QStringList{"f1", "f3", "f4"} << QStringList{};
    QTest::newRow("bad .ilb labels give the inputs default names, outputs keep theirs")
        << ".i 2\n.o 3\n.ilb a<1> b\n.ob x y z\n" + planes << QStringList{"A", "B"}
        << QStringList{"x", "y", "z"} << QStringList{};
}

void PlaReaderTest::readsEveryOutput()
{
    QFETCH(QString, text);

    const PlaOutputsResult result = PlaReader::readOutputs(text.toStdString(), 4);
    QVERIFY2(result.ok(), result.error.message.c_str());
    const PlaOutputs &read = *result.outputs;
    QTEST(toStringList(read.function.inputNames()), "inputs");
    QTEST(toStringList(read.function.outputNames()), "outputs");
    QTEST(toStringList(read.replacedOutputLabels), "replaced");
    QCOMPARE(PlaReader::replacedOutputLabelsNote(read).empty(), read.replacedOutputLabels.empty());
    QCOMPARE(PlaReader::replacedLabelsNote(read),
             PlaReader::replacedLabelsNote(*PlaReader::read(text.toStdString(), 4).function));
}

void PlaReaderTest::refusesMoreThan64Outputs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");

    const QString wide = "11 " + QString(64, '1') + "\n";
    QTest::newRow(".o 65") << ".i 2\n.o 65\n" << 2;
    QTest::newRow("an output plane of 65")
        << ".i 2\n.o 64\n" + wide + "00 " + QString(65, '0') + "\n"
        << 4;
    QTest::newRow("64 outputs are read") << ".i 2\n.o 64\n" + wide << 0;
}

// The one-output read still takes any output of such a file.
void PlaReaderTest::refusesMoreThan64Outputs()
{
    QFETCH(QString, text);
    QFETCH(int, line);

    const PlaOutputsResult all = PlaReader::readOutputs(text.toStdString(), 4);
    QCOMPARE(all.ok(), line == 0);
    if (line != 0) {
        QCOMPARE(all.error.fault, PlaFault::TooManyOutputs);
        QCOMPARE(all.error.line, line);
    }
    QVERIFY(PlaReader::read(text.toStdString(), 4, 63).ok());
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
