// SPDX-License-Identifier: GPL-3.0-or-later
// The gate netlists built from minimized covers: simulated on every row of
// the table they come from, counted against hand counts, and shaped as the
// styles promise (fan-in kept, inverted inputs shared).

#include "MinimizationFixtures.h"
#include "circuit/CircuitCover.h"
#include "circuit/NetlistBuilder.h"

#include <QTest>

#include <array>

#include <random>
#include <set>

namespace {

const std::array<CircuitStyle, 4> allStyles{CircuitStyle::AndOrInverters,
                                            CircuitStyle::AndOrInvertedInputs,
                                            CircuitStyle::NandNand, CircuitStyle::NorNor};

MinimizedCover coverOf(int n, const std::vector<int> &cells, MinimizationForm form)
{
    static Minimization minimization;
    const MinimizationResult result = minimization.run(n, cells, form);
    return CircuitCover::fromSelection(n, form, Minimization::defaultNames(), result,
                                       result.selection);
}

// Empty when the netlist computes the cells (don't cares free) and keeps its
// shape; else what is wrong.
std::string fault(const Netlist &netlist, const std::vector<int> &cells, int fanIn)
{
    for (unsigned row = 0; row < cells.size(); ++row) {
        const int cell = cells[row];
        if (cell != 2 && netlist.evaluate(row) != (cell == 1))
            return "row " + std::to_string(row) + " gives " + std::to_string(!(cell == 1));
    }
    std::set<std::vector<int>> inverterInputs;
    for (const NetlistNode &node : netlist.nodes) {
        if (node.kind != NetlistNode::Kind::Gate)
            continue;
        if (static_cast<int>(node.inputs.size()) > fanIn)
            return "a gate of " + std::to_string(node.inputs.size()) + " inputs";
        if (node.type == GateType::Not && !inverterInputs.insert(node.inputs).second)
            return "two inverters of one signal";
        if (node.type != GateType::Not && node.inputs.size() < 2)
            return "a gate of one input";
    }
    return std::string();
}

const char *formName(MinimizationForm form)
{
    return form == MinimizationForm::SumOfProducts ? "SOP" : "POS";
}

// Checks one function in both forms and every style.
void checkFunction(int n, const std::vector<int> &cells, int fanIn)
{
    for (MinimizationForm form :
         {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
        const MinimizedCover cover = coverOf(n, cells, form);
        for (CircuitStyle style : allStyles) {
            const std::string problem =
                fault(NetlistBuilder::build(cover, style, fanIn), cells, fanIn);
            if (!problem.empty()) {
                std::string text;
                for (int cell : cells)
                    text += "01X"[cell];
                QFAIL(qPrintable(QStringLiteral("%1 %2 %3 fan-in %4: %5")
                                     .arg(QString::fromStdString(text), formName(form),
                                          QString::fromStdString(circuitStyleKey(style)))
                                     .arg(fanIn)
                                     .arg(QString::fromStdString(problem))));
            }
        }
    }
}

std::vector<int> cellsOfNumber(int n, long long number, int base)
{
    std::vector<int> cells;
    for (int m = 0; m < (1 << n); ++m) {
        cells.push_back(static_cast<int>(number % base));
        number /= base;
    }
    return cells;
}

} // namespace

class CircuitNetlistTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFunctionIsComputed_data();
    void everyFunctionIsComputed();
    void randomFunctionsAreComputed_data();
    void randomFunctionsAreComputed();
    void countsMatchHandCounts_data();
    void countsMatchHandCounts();
    void constantsAreTiedOutputs_data();
    void constantsAreTiedOutputs();
    void gatesServeTheirTerms();
};

void CircuitNetlistTest::everyFunctionIsComputed_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("values"); // 3 with don't cares, 2 without
    QTest::addColumn<int>("fanIn");
    QTest::newRow("2 variables, 0 1 X") << 2 << 3 << 4;
    QTest::newRow("2 variables, fan-in 2") << 2 << 3 << 2;
    QTest::newRow("3 variables, 0 1 X") << 3 << 3 << 4;
    QTest::newRow("3 variables, fan-in 2") << 3 << 3 << 2;
    QTest::newRow("4 variables, 0 1") << 4 << 2 << 4;
}

void CircuitNetlistTest::everyFunctionIsComputed()
{
    QFETCH(int, n);
    QFETCH(int, values);
    QFETCH(int, fanIn);
    long long functions = 1;
    for (int m = 0; m < (1 << n); ++m)
        functions *= values;
    for (long long number = 0; number < functions; ++number) {
        checkFunction(n, cellsOfNumber(n, number, values), fanIn);
        if (QTest::currentTestFailed())
            return;
    }
}

void CircuitNetlistTest::randomFunctionsAreComputed_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("fanIn");
    QTest::newRow("5 variables, fan-in 4") << 5 << 1500 << 4;
    QTest::newRow("5 variables, fan-in 2") << 5 << 1000 << 2;
    QTest::newRow("6 variables, fan-in 4") << 6 << 1500 << 4;
    QTest::newRow("6 variables, fan-in 3") << 6 << 1000 << 3;
}

void CircuitNetlistTest::randomFunctionsAreComputed()
{
    QFETCH(int, n);
    QFETCH(int, count);
    QFETCH(int, fanIn);
    std::mt19937 random(static_cast<unsigned>(n * 1000 + fanIn));
    // Mostly ones and zeros with some don't cares, and some sparse functions.
    std::discrete_distribution<int> dense({45, 45, 10});
    std::discrete_distribution<int> sparse({85, 10, 5});
    for (int i = 0; i < count; ++i) {
        std::vector<int> cells;
        cells.reserve(std::size_t{1} << n);
        for (int m = 0; m < (1 << n); ++m)
            cells.push_back(i % 4 == 3 ? sparse(random) : dense(random));
        checkFunction(n, cells, fanIn);
        if (QTest::currentTestFailed())
            return;
    }
}

void CircuitNetlistTest::countsMatchHandCounts_data()
{
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("fanIn");
    QTest::addColumn<int>("gates");
    QTest::addColumn<int>("inputs");

    // Majority B&C+A&C+A&B: three AND2 into an OR3.
    QTest::newRow("majority SOP, and-or") << "00010111" << false << "and-or" << 4 << 4 << 9;
    QTest::newRow("majority SOP, nand") << "00010111" << false << "nand" << 4 << 4 << 9;
    // NOR from SOP: 3 inverters, 3 NOR2 of the complements, NOR3, output NOT.
    QTest::newRow("majority SOP, nor") << "00010111" << false << "nor" << 4 << 8 << 13;
    // OR3 split at fan-in 2: OR2 and OR2.
    QTest::newRow("majority SOP, fan-in 2") << "00010111" << false << "and-or" << 2 << 5 << 10;
    QTest::newRow("majority POS, and-or") << "00010111" << true << "and-or" << 4 << 4 << 9;
    QTest::newRow("majority POS, nor") << "00010111" << true << "nor" << 4 << 4 << 9;
    QTest::newRow("majority POS, nand") << "00010111" << true << "nand" << 4 << 8 << 13;
    // A'&B+A&B': two shared inverters, two AND2, an OR2.
    QTest::newRow("xor, and-or") << "0110" << false << "and-or" << 4 << 5 << 8;
    QTest::newRow("xor, inverted inputs") << "0110" << false << "inverted-inputs" << 4 << 3 << 6;
    QTest::newRow("xor, nand") << "0110" << false << "nand" << 4 << 5 << 8;
    // A single literal is a wire; its complement one inverter.
    QTest::newRow("A, and-or") << "0011" << false << "and-or" << 4 << 0 << 0;
    QTest::newRow("A, nand") << "0011" << false << "nand" << 4 << 0 << 0;
    QTest::newRow("A, nor") << "0011" << false << "nor" << 4 << 0 << 0;
    QTest::newRow("A', and-or") << "1100" << false << "and-or" << 4 << 1 << 1;
    QTest::newRow("A', inverted inputs") << "1100" << false << "inverted-inputs" << 4 << 0 << 0;
    // One product A&B: NAND-NAND is a NAND2 and an inverter.
    QTest::newRow("A&B, nand") << "0001" << false << "nand" << 4 << 2 << 3;
    // Single-literal terms go straight to the OR: B'+A&C... here C+A: OR2.
    QTest::newRow("A+C, and-or") << "01011111" << false << "and-or" << 4 << 1 << 2;
    // D+B&C+A&B: one literal wired through, two AND2, an OR3.
    QTest::newRow("D+B&C+A&B") << "0101011101011111" << false << "and-or" << 4 << 3 << 7;
    // Parity of 6: 32 products of 6 literals. Each AND6 is an AND4 and an
    // AND3 (7 inputs), the OR32 8 + 2 + 1 OR gates (42 inputs), 6 inverters.
    QTest::newRow("parity of six, fan-in 4")
        << "0110100110010110100101100110100110010110011010010110100110010110" << false << "and-or"
        << 4 << 81 << 272;
}

void CircuitNetlistTest::countsMatchHandCounts()
{
    QFETCH(QString, cells);
    QFETCH(bool, pos);
    QFETCH(QString, style);
    QFETCH(int, fanIn);
    QFETCH(int, gates);
    QFETCH(int, inputs);
    CircuitStyle chosen = CircuitStyle::AndOrInverters;
    QVERIFY(circuitStyleFromKey(style.toStdString(), chosen));
    int n = 0;
    while ((1 << n) < cells.size())
        ++n;
    const MinimizedCover cover =
        coverOf(n, MinimizationFixtures::cells(cells.toStdString()),
                pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts);
    const Netlist netlist = NetlistBuilder::build(cover, chosen, fanIn);
    QCOMPARE(netlist.gateCount(), gates);
    QCOMPARE(netlist.gateInputCount(), inputs);
}

void CircuitNetlistTest::constantsAreTiedOutputs_data()
{
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<bool>("value");
    QTest::newRow("all zeros, SOP") << "0000" << false << false;
    QTest::newRow("all zeros, POS") << "0000" << true << false;
    QTest::newRow("all ones, SOP") << "1111" << false << true;
    QTest::newRow("all ones, POS") << "1111" << true << true;
    QTest::newRow("ones and don't cares, SOP") << "1X1X" << false << true;
    QTest::newRow("all don't cares, POS") << "XXXX" << true << false;
}

void CircuitNetlistTest::constantsAreTiedOutputs()
{
    QFETCH(QString, cells);
    QFETCH(bool, pos);
    QFETCH(bool, value);
    const MinimizedCover cover =
        coverOf(2, MinimizationFixtures::cells(cells.toStdString()),
                pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts);
    for (CircuitStyle style : allStyles) {
        const Netlist netlist = NetlistBuilder::build(cover, style);
        QCOMPARE(netlist.gateCount(), 0);
        const NetlistNode &output = netlist.nodes.at(static_cast<std::size_t>(netlist.output));
        QCOMPARE(output.kind, NetlistNode::Kind::Constant);
        QCOMPARE(output.value, value);
    }
}

void CircuitNetlistTest::gatesServeTheirTerms()
{
    // A'&B+A&B' with inverters: each AND gate serves its own term, each
    // inverter the term that reads it, the OR both.
    const MinimizedCover cover =
        coverOf(2, MinimizationFixtures::cells("0110"), MinimizationForm::SumOfProducts);
    QCOMPARE(cover.cubes, (std::vector<std::string>{"01", "10"}));
    const Netlist netlist = NetlistBuilder::build(cover, CircuitStyle::AndOrInverters);
    std::vector<std::string> served;
    for (const NetlistNode &node : netlist.nodes) {
        if (node.kind != NetlistNode::Kind::Gate)
            continue;
        std::string text = node.type == GateType::Not   ? "NOT"
                           : node.type == GateType::And ? "AND"
                                                        : "OR";
        for (int term : node.terms)
            text += " " + std::to_string(term);
        served.push_back(text);
    }
    QCOMPARE(served, (std::vector<std::string>{"NOT 0", "AND 0", "NOT 1", "AND 1", "OR 0 1"}));
}

QTEST_GUILESS_MAIN(CircuitNetlistTest)
#include "CircuitNetlistTest.moc"
