// SPDX-License-Identifier: GPL-3.0-or-later
// The structural Verilog of the circuits, compiled with iverilog and
// simulated with vvp over every row, compared with the table it came from.

#include "JointCircuits.h"
#include "MinimizationFixtures.h"
#include "VerilogSimulation.h"
#include "circuit/CircuitCover.h"
#include "circuit/NetlistBuilder.h"
#include "circuit/VerilogWriter.h"

#include <QStandardPaths>
#include <QTest>

#include <array>
#include <random>

namespace {

struct Case
{
    std::string module;
    int n = 0;
    std::string cells; // "01X..." of minterm 0 first
};

// Runs the modules through iverilog and vvp; the printed lines, or a failure.
QStringList simulate(const std::string &modules, const std::vector<Case> &cases)
{
    std::vector<SimulatedModule> driven;
    driven.reserve(cases.size());
    for (const Case &one : cases)
        driven.push_back({one.module, one.n});
    return VerilogSimulation::outputBits(modules, driven);
}

// The simulated bits agree with the cells wherever a cell is not X.
bool agrees(const QString &bits, const std::string &cells)
{
    if (bits.size() != static_cast<int>(cells.size()))
        return false;
    for (std::size_t m = 0; m < cells.size(); ++m) {
        if (cells[m] != 'X' && bits.at(static_cast<int>(m)) != QLatin1Char(cells[m]))
            return false;
    }
    return true;
}

const std::array<CircuitStyle, 4> allStyles{CircuitStyle::AndOrInverters,
                                            CircuitStyle::AndOrInvertedInputs,
                                            CircuitStyle::NandNand, CircuitStyle::NorNor};

} // namespace

class CircuitVerilogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void simulatedModulesMatchTheTable_data();
    void simulatedModulesMatchTheTable();
    void randomFunctionsSimulate();
    void jointCircuitsSimulate();
    void namesBecomeIdentifiers_data();
    void namesBecomeIdentifiers();
};

void CircuitVerilogTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("iverilog")).isEmpty())
        QFAIL("iverilog is not installed (scripts/install-deps.sh installs it)");
}

void CircuitVerilogTest::simulatedModulesMatchTheTable_data()
{
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("names");
    // The output's name as the circuit window gives it (the map's output
    // of several); empty: the usual f.
    QTest::addColumn<QString>("output");
    QTest::newRow("xor") << "0110"
                         << "A,B"
                         << "";
    QTest::newRow("majority, names that are keywords and digits") << "00010111"
                                                                  << "and,1,f"
                                                                  << "";
    QTest::newRow("constant one") << "1111"
                                  << "A,B"
                                  << "";
    QTest::newRow("constant zero with don't cares") << "0X00"
                                                    << "A,B"
                                                    << "";
    QTest::newRow("single literal") << "01010101"
                                    << "x,y,Cin"
                                    << "";
    QTest::newRow("four variables with don't cares") << "0101X111010111X1"
                                                     << "A,B,C,D"
                                                     << "";
    QTest::newRow("parity of six, split gates")
        << "0110100110010110100101100110100110010110011010010110100110010110"
        << "a,b,c,d,e,g"
        << "";
    QTest::newRow("output named like a keyword") << "00010111"
                                                 << "A,B,C"
                                                 << "or";
    QTest::newRow("output named with a digit first") << "0110"
                                                     << "A,B"
                                                     << "2s";
}

void CircuitVerilogTest::simulatedModulesMatchTheTable()
{
    QFETCH(QString, cells);
    QFETCH(QString, names);
    QFETCH(QString, output);
    const QStringList nameList = names.split(QLatin1Char(','));
    const int n = static_cast<int>(nameList.size());
    VariableNames variableNames = Minimization::defaultNames();
    for (int j = 0; j < n; ++j)
        variableNames[static_cast<std::size_t>(j)] = nameList.at(j).toStdString();
    Minimization minimization;
    std::string modules;
    std::vector<Case> cases;
    for (MinimizationForm form :
         {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
        const MinimizationResult result = minimization.run(
            n, MinimizationFixtures::cells(cells.toStdString()), form, variableNames);
        const MinimizedCover cover =
            CircuitCover::fromSelection(n, form, variableNames, result, result.selection);
        for (CircuitStyle style : allStyles) {
            const std::string module = "m" + std::to_string(cases.size());
            Netlist netlist = NetlistBuilder::build(cover, style);
            netlist.outputName = output.toStdString();
            modules += VerilogWriter::write(netlist, module);
            cases.push_back({module, n, cells.toStdString()});
        }
    }
    const QStringList lines = simulate(modules, cases);
    QCOMPARE(lines.size(), static_cast<int>(cases.size()));
    for (std::size_t c = 0; c < cases.size(); ++c)
        QVERIFY2(agrees(lines.at(static_cast<int>(c)), cases[c].cells),
                 qPrintable(QString::fromStdString(cases[c].module + ": ") +
                            lines.at(static_cast<int>(c))));
}

void CircuitVerilogTest::randomFunctionsSimulate()
{
    // 5 and 6 variables in both forms, every style and fan-ins 2 to 4,
    // all modules in one simulation.
    std::mt19937 random(12);
    std::discrete_distribution<int> cell({45, 45, 10});
    Minimization minimization;
    std::string modules;
    std::vector<Case> cases;
    for (int i = 0; i < 60; ++i) {
        const int n = 5 + i % 2;
        std::string cells;
        for (int m = 0; m < (1 << n); ++m)
            cells += "01X"[cell(random)];
        const MinimizationForm form =
            (i / 2) % 2 ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
        const MinimizationResult result =
            minimization.run(n, MinimizationFixtures::cells(cells), form);
        const MinimizedCover cover = CircuitCover::fromSelection(
            n, form, Minimization::defaultNames(), result, result.selection);
        for (CircuitStyle style : allStyles) {
            const std::string module = "r" + std::to_string(cases.size());
            modules += VerilogWriter::write(NetlistBuilder::build(cover, style, 2 + i % 3), module);
            cases.push_back({module, n, cells});
        }
    }
    const QStringList lines = simulate(modules, cases);
    QCOMPARE(lines.size(), static_cast<int>(cases.size()));
    for (std::size_t c = 0; c < cases.size(); ++c)
        QVERIFY2(agrees(lines.at(static_cast<int>(c)), cases[c].cells),
                 qPrintable(QString::fromStdString(cases[c].module + ": ") +
                            lines.at(static_cast<int>(c))));
}

void CircuitVerilogTest::jointCircuitsSimulate()
{
    // Random names, outputs of every count up to 4, all in one simulation:
    // a row prints every output, the first output first.
    const std::vector<JointCircuitCase> cases = JointCircuits::random(5, 16, 2, 5, 4, true);
    std::string modules;
    std::vector<SimulatedModule> driven;
    for (const JointCircuitCase &one : cases) {
        const std::string module = "j" + std::to_string(driven.size());
        modules += VerilogWriter::write(one.netlist, module);
        driven.push_back({module, one.function.inputCount(), one.function.outputCount()});
    }
    const QStringList lines = VerilogSimulation::outputBits(modules, driven);
    QCOMPARE(lines.size(), static_cast<int>(cases.size()));
    for (std::size_t c = 0; c < cases.size(); ++c) {
        const MultiOutputFunction &function = cases[c].function;
        const QString &bits = lines.at(static_cast<int>(c));
        const auto outputs = static_cast<std::size_t>(function.outputCount());
        QCOMPARE(static_cast<std::size_t>(bits.size()), function.cellCount() * outputs);
        for (std::size_t row = 0; row < function.cellCount(); ++row) {
            for (std::size_t k = 0; k < outputs; ++k) {
                const char cell = function.cell(static_cast<int>(k), row);
                const QChar bit = bits.at(static_cast<int>(row * outputs + k));
                QVERIFY2(cell == 'X' || bit == QLatin1Char(cell),
                         qPrintable(QString::fromStdString(cases[c].name) +
                                    QStringLiteral(": output %1, row %2").arg(k).arg(row)));
            }
        }
    }
}

void CircuitVerilogTest::namesBecomeIdentifiers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("plain") << "Cin"
                           << "Cin";
    QTest::newRow("digits first") << "1a"
                                  << "\\1a ";
    QTest::newRow("keyword") << "not"
                             << "\\not ";
    QTest::newRow("keyword of two letters") << "or"
                                            << "\\or ";
    QTest::newRow("upper case is no keyword") << "AND"
                                              << "AND";
}

void CircuitVerilogTest::namesBecomeIdentifiers()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QCOMPARE(QString::fromStdString(VerilogWriter::identifier(name.toStdString())), identifier);
}

QTEST_GUILESS_MAIN(CircuitVerilogTest)
#include "CircuitVerilogTest.moc"
