// SPDX-License-Identifier: GPL-3.0-or-later
#include "pla/PlaWriter.h"
#include "RandomOutputs.h"
#include "pla/PlaReader.h"

#include <QObject>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <array>
#include <random>

namespace {

PlaFunction functionOf(int count, const QStringList &names, const QString &values)
{
    PlaFunction function;
    function.variableCount = count;
    for (const QString &name : names)
        function.names.push_back(name.toStdString());
    function.values = values.toStdString();
    return function;
}

std::string randomName(std::mt19937 &random)
{
    return RandomOutputs::name(random);
}

} // namespace

class PlaWriterTest : public QObject
{
    Q_OBJECT
private slots:
    void writesText_data();
    void writesText();
    void roundTripKeepsEveryFunction();
    void roundTripKeepsEveryOutput();
};

void PlaWriterTest::writesText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("text");

    QTest::newRow("three variables with a don't care")
        << 3 << QStringList{"A", "B", "C"} << "01X01001"
        << ".i 3\n.o 1\n.ilb A B C \n001 1\n010 X\n100 1\n111 1\n";
    QTest::newRow("all zeros write only the header") << 2 << QStringList{"x1", "y"} << "0000"
                                                     << ".i 2\n.o 1\n.ilb x1 y \n";
    QTest::newRow("missing names are written as default letters")
        << 4 << QStringList{"p"} << "0000000000000001"
        << ".i 4\n.o 1\n.ilb p B C D \n1111 1\n";
    QTest::newRow("no names at all") << 2 << QStringList{} << "X000"
                                     << ".i 2\n.o 1\n.ilb A B \n00 X\n";
    QTest::newRow("minterm spelt with leading zeros")
        << 5 << QStringList{"a", "b", "c", "d", "e"} << "0001" + QString(28, '0')
        << ".i 5\n.o 1\n.ilb a b c d e \n00011 1\n";
}

void PlaWriterTest::writesText()
{
    QFETCH(int, count);
    QFETCH(QStringList, names);
    QFETCH(QString, values);

    QTEST(QString::fromStdString(PlaWriter::write(functionOf(count, names, values))), "text");
}

// Write, read back, write again: the function survives unchanged and the
// second file is the first byte for byte.
void PlaWriterTest::roundTripKeepsEveryFunction()
{
    std::mt19937 random(20261208);
    const std::array<char, 3> cellValues{'0', '1', 'X'};
    for (int round = 0; round < 600; ++round) {
        PlaFunction original;
        original.variableCount = 2 + round % 5;
        const int count = original.variableCount;
        if (round % 7 != 0) { // now and then a function without names
            while (static_cast<int>(original.names.size()) < count) {
                const std::string name = randomName(random);
                if (std::find(original.names.begin(), original.names.end(), name) ==
                    original.names.end())
                    original.names.push_back(name);
            }
        }
        for (int m = 0; m < (1 << count); ++m)
            original.values += cellValues[random() % 3];

        const std::string text = PlaWriter::write(original);
        const PlaReadResult result = PlaReader::read(text, 2 + static_cast<int>(random() % 5));
        QVERIFY2(result.ok(), (text + "\n" + result.error.message).c_str());
        const PlaFunction &read = *result.function;

        std::vector<std::string> expectedNames = original.names;
        for (int j = static_cast<int>(expectedNames.size()); j < count; ++j)
            expectedNames.emplace_back(1, static_cast<char>('A' + j));
        QCOMPARE(read.variableCount, count);
        QVERIFY(read.countGiven);
        QVERIFY(read.names == expectedNames);
        QCOMPARE(read.values, original.values);
        QVERIFY(!read.severalOutputs);
        QCOMPARE(PlaWriter::write(read), text);
    }
}

// Every output with its name survives write and read; one output named "f"
// is the one-output file byte for byte.
void PlaWriterTest::roundTripKeepsEveryOutput()
{
    std::mt19937 random(22);
    for (int round = 0; round < 500; ++round) {
        const int n = 2 + round % 5;
        const int k = round % 50 == 0 ? 64 : 1 + static_cast<int>(random() % 8);
        const MultiOutputFunction original =
            RandomOutputs::function(random, n, k, round % 3 != 0, 1 + random() % 6);

        const std::string text = PlaWriter::write(original);
        const PlaOutputsResult result =
            PlaReader::readOutputs(text, 2 + static_cast<int>(random() % 5));
        QVERIFY2(result.ok(), (text + "\n" + result.error.message).c_str());
        QVERIFY2(result.outputs->function == original, text.c_str());
        QVERIFY(result.outputs->replacedOutputLabels.empty());
        QCOMPARE(PlaWriter::write(result.outputs->function), text);

        if (k == 1 && original.outputName(0) == "f") {
            PlaFunction one;
            one.variableCount = n;
            one.names = original.inputNames();
            one.values = original.values(0);
            QCOMPARE(text, PlaWriter::write(one));
        }
    }
}

QTEST_GUILESS_MAIN(PlaWriterTest)
#include "PlaWriterTest.moc"
