// SPDX-License-Identifier: GPL-3.0-or-later
// The circuits of joint covers: every output computes its function off the
// don't cares, each product is built once whatever number of outputs it
// feeds, and the cost of sharing is told against each output alone.

#include "circuit/JointCircuit.h"
#include "JointCircuits.h"
#include "RandomOutputs.h"
#include "minimize/Minimization.h"

#include <QTest>

#include <map>
#include <random>

class JointCircuitTest : public QObject
{
    Q_OBJECT

private slots:
    void everyOutputComputesItsFunction();
    void copiesOfAnOutputCostNothing();
};

void JointCircuitTest::everyOutputComputesItsFunction()
{
    for (const JointCircuitCase &one : JointCircuits::random(7, 400, 2, 5, 4, true)) {
        const std::string fault = JointCircuits::mismatch(one);
        QVERIFY2(fault.empty(), qPrintable(QString::fromStdString(one.name + ": " + fault)));
        // A product's gates (its fan-in tree, inverters aside) once, however
        // many outputs read it: a tree over L inputs needs
        // ceil((L - 1) / (fanIn - 1)) gates.
        std::map<int, int> gatesOfTerm;
        for (const NetlistNode &node : one.netlist.nodes) {
            if (node.kind == NetlistNode::Kind::Gate && node.type != GateType::Not &&
                node.terms.size() == 1)
                ++gatesOfTerm[node.terms.front()];
        }
        for (std::size_t p = 0; p < one.productLiterals.size(); ++p) {
            const int literals = one.productLiterals[p];
            const int expected = literals < 2 ? 0 : (literals - 2) / (one.fanIn - 1) + 1;
            QVERIFY2(gatesOfTerm[static_cast<int>(p)] == expected,
                     qPrintable(QString::fromStdString(one.name) +
                                QStringLiteral(": product %1 has %2 gates")
                                    .arg(p)
                                    .arg(gatesOfTerm[static_cast<int>(p)])));
        }
    }
}

void JointCircuitTest::copiesOfAnOutputCostNothing()
{
    // An output repeated k times: one circuit serves every copy, while the
    // outputs built alone cost k times one.
    std::mt19937 random(3);
    for (int i = 0; i < 60; ++i) {
        const int n = 2 + i % 4;
        const MultiOutputFunction function = RandomOutputs::function(random, n, 1, false);
        const std::vector<int> codes = Minimization::cellCodes(function.values(0));
        const MinimizationForm form =
            i % 2 ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
        const CircuitStyle style = JointCircuits::allStyles[static_cast<std::size_t>(i % 4)];
        const VariableNames names = Minimization::defaultNames();
        const JointCircuit single =
            JointCircuit::make(n, {codes}, form, names, {"f"}, style, 2 + i % 3);
        const int copies = 2 + i % 3;
        const JointCircuit repeated = JointCircuit::make(
            n, std::vector<std::vector<int>>(std::size_t(copies), codes), form, names,
            std::vector<std::string>(std::size_t(copies), "f"), style, 2 + i % 3);
        QCOMPARE(repeated.joint.gates, single.joint.gates);
        QCOMPARE(repeated.joint.gateInputs, single.joint.gateInputs);
        QCOMPARE(repeated.separate.gates, copies * single.separate.gates);
        QCOMPARE(repeated.separate.gateInputs, copies * single.separate.gateInputs);
        for (const NetlistOutput &output : repeated.netlist.outputs)
            QCOMPARE(output.node, repeated.netlist.output);
    }
}

QTEST_GUILESS_MAIN(JointCircuitTest)
#include "JointCircuitTest.moc"
