// SPDX-License-Identifier: GPL-3.0-or-later
// Known answers of the minimizer: prime order, cover choice, group lists and
// result texts for hand-worked functions.

#include "minimize/Minimization.h"
#include "MinimizationFixtures.h"
#include "TestFunctions.h"

#include <QtTest>

#include <stdexcept>

using namespace MinimizationFixtures;
using TestFunctions::formOf;

namespace {

std::string selectionText(const std::vector<int> &selection)
{
    std::string text;
    for (const int number : selection)
        text += (text.empty() ? "" : ",") + std::to_string(number);
    return text;
}

} // namespace

class TestMinimization : public QObject
{
    Q_OBJECT

private slots:
    void cellCode_data();
    void cellCode();
    void primes_data();
    void primes();
    void cover_data();
    void cover();
    void resultText_data();
    void resultText();
    void names_data();
    void names();
    void rejectsBadInput_data();
    void rejectsBadInput();
};

void TestMinimization::cellCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    QTest::newRow("one") << "1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("don't-care mark") << "X" << 2;
    QTest::newRow("empty text is don't care") << "" << 2;
    QTest::newRow("one with a blank is don't care") << " 1" << 2;
    QTest::newRow("two digits are don't care") << "10" << 2;
}

void TestMinimization::cellCode()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(Minimization::cellCode(text.toStdString()), code);
}

void TestMinimization::primes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("primes");

    QTest::newRow("don't cares merge, duplicate -0- kept once with its first list")
        << 3 << "1X0X1100" << false << "0-1*[1,3] -0-*[0,1,4,5]";
    QTest::newRow("no merge: stored in reverse discovery order")
        << 2 << "0110" << false << "10*[2] 01*[1]";
    QTest::newRow("three pairs around minterm 7")
        << 3 << "00010111" << false << "11-*[6,7] 1-1*[5,7] -11*[3,7]";
    QTest::newRow("POS merges the zeros")
        << 3 << "00010111" << true << "-00*[0,4] 0-0*[0,2] 00-*[0,1]";
    QTest::newRow("ring of six pairs")
        << 3 << "11100111" << false
        << "11-*[6,7] 1-1*[5,7] -10*[2,6] -01*[1,5] 0-0*[0,2] 00-*[0,1]";
    QTest::newRow("ones and don't cares everywhere: all-dash prime")
        << 2 << "1X11" << false << "--*[0,1,2,3]";
    QTest::newRow("no one and no don't care: no prime") << 3 << "00000000" << false << "";
    QTest::newRow("POS without zero or don't care: no prime") << 2 << "1111" << true << "";
    QTest::newRow("a one merges with a don't care") << 2 << "1X00" << false << "0-*[0,1]";
}

void TestMinimization::primes()
{
    QFETCH(int, n);
    QFETCH(QString, cells);
    QFETCH(bool, pos);
    QFETCH(QString, primes);

    Minimization minimization;
    const MinimizationResult result =
        minimization.run(n, MinimizationFixtures::cells(cells.toStdString()), formOf(pos));
    QCOMPARE(QString::fromStdString(primesText(result.primes)), primes);
}

void TestMinimization::cover_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("groups");

    QTest::newRow("essentials in ascending order of their minterms")
        << 3 << "00010111" << false << "3,2,1"
        << "[[3,7],[5,7],[6,7]]";
    QTest::newRow("no essential: greedy, leftmost wins ties") << 3 << "11100111" << false << "1,4,5"
                                                              << "[[6,7],[1,5],[0,2]]";
    QTest::newRow("prime of don't cares only is never chosen") << 3 << "1X0X1100" << false << "2"
                                                               << "[[0,1,4,5]]";
    QTest::newRow("POS group of zeros includes a don't care") << 3 << "1X0X1100" << true << "1"
                                                              << "[[2,3,6,7]]";
    QTest::newRow("SOP all ones: one group of every cell") << 2 << "1111" << false << "1"
                                                           << "[[0,1,2,3]]";
    QTest::newRow("POS without any zero: no group") << 2 << "1111" << true << ""
                                                    << "[]";
    QTest::newRow("POS without any one: one group of every cell") << 2 << "0000" << true << "1"
                                                                  << "[[0,1,2,3]]";
    QTest::newRow("don't cares only: no group") << 2 << "XXXX" << false << ""
                                                << "[]";
}

void TestMinimization::cover()
{
    QFETCH(int, n);
    QFETCH(QString, cells);
    QFETCH(bool, pos);
    QFETCH(QString, selection);
    QFETCH(QString, groups);

    Minimization minimization;
    const MinimizationResult result =
        minimization.run(n, MinimizationFixtures::cells(cells.toStdString()), formOf(pos));
    QCOMPARE(QString::fromStdString(selectionText(result.selection)), selection);
    QCOMPARE(QString::fromStdString(groupsText(result.groups)), groups);
}

void TestMinimization::resultText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("sop");
    QTest::addColumn<QString>("pos");

    QTest::newRow("exclusive or") << 2 << "0110"
                                  << "A'&B+A&B'"
                                  << "(A+B)&(A'+B')";
    QTest::newRow("majority") << 3 << "00010111"
                              << "B&C+A&C+A&B"
                              << "(A+B)&(A+C)&(B+C)";
    QTest::newRow("first variable low") << 3 << "11110000"
                                        << "A'"
                                        << "(A')";
    QTest::newRow("don't cares widen the group") << 3 << "1X0X1100"
                                                 << "B'"
                                                 << "(B')";
    QTest::newRow("four variables") << 4 << "0101011101011111"
                                    << "D+B&C+A&B"
                                    << "(B+D)&(A+C+D)";
    QTest::newRow("all ones") << 2 << "1111"
                              << "1"
                              << "1";
    QTest::newRow("all zeros") << 2 << "0000"
                               << "0"
                               << "0";
    QTest::newRow("don't cares only") << 2 << "XXXX"
                                      << "0"
                                      << "0";
    QTest::newRow("ones and don't cares") << 2 << "1XX1"
                                          << "1"
                                          << "1";
    QTest::newRow("zeros and don't cares") << 2 << "0XX0"
                                           << "0"
                                           << "0";
    QTest::newRow("one cell of six variables")
        << 6 << "0000000000000000000000000000000000000000000000000000000000000010"
        << "A&B&C&D&E&F'"
        << "(A)&(B)&(C)&(D)&(E)&(F')";
}

void TestMinimization::resultText()
{
    QFETCH(int, n);
    QFETCH(QString, cells);
    QFETCH(QString, sop);
    QFETCH(QString, pos);

    Minimization minimization;
    const std::vector<int> codes = MinimizationFixtures::cells(cells.toStdString());
    QCOMPARE(
        QString::fromStdString(minimization.run(n, codes, MinimizationForm::SumOfProducts).text),
        sop);
    QCOMPARE(
        QString::fromStdString(minimization.run(n, codes, MinimizationForm::ProductOfSums).text),
        pos);
}

void TestMinimization::names_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("sop");
    QTest::addColumn<QString>("pos");

    QTest::newRow("names of several characters are written whole")
        << 2 << "0110" << QStringList{"In1", "b", "C", "D", "E", "F"} << "In1'&b+In1&b'"
        << "(In1+b)&(In1'+b')";
    QTest::newRow("names beyond the variable count are not used")
        << 3 << "00010111" << QStringList{"x", "y", "z", "A", "B", "C"} << "y&z+x&z+x&y"
        << "(x+y)&(x+z)&(y+z)";
}

void TestMinimization::names()
{
    QFETCH(int, n);
    QFETCH(QString, cells);
    QFETCH(QStringList, names);
    QFETCH(QString, sop);
    QFETCH(QString, pos);

    VariableNames variableNames;
    for (int j = 0; j < 6; ++j)
        variableNames[j] = names[j].toStdString();
    Minimization minimization;
    const std::vector<int> codes = MinimizationFixtures::cells(cells.toStdString());
    QCOMPARE(QString::fromStdString(
                 minimization.run(n, codes, MinimizationForm::SumOfProducts, variableNames).text),
             sop);
    QCOMPARE(QString::fromStdString(
                 minimization.run(n, codes, MinimizationForm::ProductOfSums, variableNames).text),
             pos);
}

void TestMinimization::rejectsBadInput_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("cellCount");

    QTest::newRow("no variable") << 0 << 1;
    QTest::newRow("seven variables") << 7 << 128;
    QTest::newRow("fewer cells than 2^n") << 3 << 7;
}

void TestMinimization::rejectsBadInput()
{
    QFETCH(int, n);
    QFETCH(int, cellCount);

    Minimization minimization;
    QVERIFY_THROWS_EXCEPTION(
        std::invalid_argument,
        minimization.run(n, std::vector<int>(cellCount, 1), MinimizationForm::SumOfProducts));
}

QTEST_GUILESS_MAIN(TestMinimization)
#include "MinimizationTest.moc"
