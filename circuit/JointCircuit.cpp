// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/JointCircuit.h"

#include "circuit/NetlistBuilder.h"
#include "minimize/CoverFinder.h"
#include "minimize/Minimization.h"

JointCircuit JointCircuit::make(int n, const std::vector<std::vector<int>> &cellCodes,
                                MinimizationForm form, const VariableNames &names,
                                const std::vector<std::string> &outputNames, CircuitStyle style,
                                int fanIn, const JointLimits &limits)
{
    JointCircuit circuit;
    circuit.cover = JointMinimization::minimize(n, cellCodes, form, limits);
    circuit.netlist = NetlistBuilder::buildJoint(circuit.cover, names, outputNames, style, fanIn);
    circuit.joint = costOf(circuit.netlist);
    circuit.separate = separateCost(n, cellCodes, form, names, style, fanIn);
    return circuit;
}

CircuitCost JointCircuit::separateCost(int n, const std::vector<std::vector<int>> &cellCodes,
                                       MinimizationForm form, const VariableNames &names,
                                       CircuitStyle style, int fanIn)
{
    CircuitCost total;
    Minimization minimization;
    MinimizationResult result;
    for (const std::vector<int> &codes : cellCodes) {
        minimization.run(n, codes, form, names, result);
        const CircuitCost one =
            costOf(NetlistBuilder::build(CoverFinder::windowCover(result, names), style, fanIn));
        total.gates += one.gates;
        total.gateInputs += one.gateInputs;
    }
    return total;
}

CircuitCost JointCircuit::costOf(const Netlist &netlist)
{
    return {netlist.gateCount(), netlist.gateInputCount()};
}
