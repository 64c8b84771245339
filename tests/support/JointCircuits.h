// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitStyle.h"
#include "circuit/Netlist.h"
#include "outputs/MultiOutputFunction.h"

#include <array>
#include <string>
#include <vector>

// One random function of several outputs drawn as the circuit of its joint
// cover, in one style, form and fan-in.
struct JointCircuitCase
{
    MultiOutputFunction function;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    CircuitStyle style = CircuitStyle::AndOrInverters;
    int fanIn = 2;
    // Per product of the cover: its literals; and the netlist built from it.
    std::vector<int> productLiterals;
    Netlist netlist;
    std::string name; // for failure messages
};

namespace JointCircuits {

inline constexpr std::array<CircuitStyle, 4> allStyles{
    CircuitStyle::AndOrInverters, CircuitStyle::AndOrInvertedInputs, CircuitStyle::NandNand,
    CircuitStyle::NorNor};

// `count` functions of `minInputs` to `maxInputs` inputs and 1 to
// `maxOutputs` outputs, the forms and fan-ins 2 to 4 taking turns, each in
// every style. With `named` the inputs and outputs take random valid names.
std::vector<JointCircuitCase> random(unsigned seed, int count, int minInputs, int maxInputs,
                                     int maxOutputs, bool named);

// The inputs' names of a case as the builder takes them.
VariableNames inputNames(const MultiOutputFunction &function);

// The first output and row where the netlist differs from a cell that is
// not a don't care, as text; empty when every output agrees.
std::string mismatch(const JointCircuitCase &one);

} // namespace JointCircuits
