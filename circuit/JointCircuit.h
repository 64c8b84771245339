// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitStyle.h"
#include "circuit/Netlist.h"
#include "minimize/JointMinimization.h"

#include <string>
#include <vector>

// What a circuit costs: its gates (inverters included) and their inputs.
struct CircuitCost
{
    int gates = 0;
    int gateInputs = 0;
};

// The circuit of several outputs minimized together, products shared, and
// what it saves against building each output alone from the cover
// "Minimize!" gives it.
class JointCircuit
{
public:
    // cellCodes holds one vector of 2^n codes per output, as
    // JointMinimization reads them; `outputNames` names the outputs.
    static JointCircuit make(int n, const std::vector<std::vector<int>> &cellCodes,
                             MinimizationForm form, const VariableNames &names,
                             const std::vector<std::string> &outputNames, CircuitStyle style,
                             int fanIn, const JointLimits &limits = {});

    // The sum over the outputs of each output's own circuit.
    static CircuitCost separateCost(int n, const std::vector<std::vector<int>> &cellCodes,
                                    MinimizationForm form, const VariableNames &names,
                                    CircuitStyle style, int fanIn);
    static CircuitCost costOf(const Netlist &netlist);

    JointCover cover;
    Netlist netlist;
    CircuitCost joint;
    CircuitCost separate;
};
