// SPDX-License-Identifier: GPL-3.0-or-later
#include "JointCircuits.h"

#include "RandomOutputs.h"
#include "circuit/NetlistBuilder.h"
#include "minimize/JointMinimization.h"
#include "minimize/Minimization.h"

#include <algorithm>
#include <random>

namespace JointCircuits {

VariableNames inputNames(const MultiOutputFunction &function)
{
    VariableNames names = Minimization::defaultNames();
    const std::vector<std::string> &given = function.inputNames();
    std::copy(given.begin(), given.end(), names.begin());
    return names;
}

std::vector<JointCircuitCase> random(unsigned seed, int count, int minInputs, int maxInputs,
                                     int maxOutputs, bool named)
{
    std::mt19937 random(seed);
    std::vector<JointCircuitCase> cases;
    for (int i = 0; i < count; ++i) {
        const int n = minInputs + i % (maxInputs - minInputs + 1);
        const int outputs = 1 + (i / 2) % maxOutputs;
        const MultiOutputFunction function = RandomOutputs::function(random, n, outputs, named);
        const MinimizationForm form =
            i % 2 ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
        std::vector<std::vector<int>> codes;
        codes.reserve(static_cast<std::size_t>(outputs));
        for (int k = 0; k < outputs; ++k)
            codes.push_back(Minimization::cellCodes(function.values(k)));
        const JointCover cover = JointMinimization::minimize(n, codes, form);
        std::vector<int> literals;
        for (const JointProduct &product : cover.products)
            literals.push_back(static_cast<int>(
                n - std::count(product.cube.begin(), product.cube.begin() + n, '-')));
        const int fanIn = 2 + (i / 3) % 3;
        for (CircuitStyle style : allStyles) {
            JointCircuitCase one{function, form, style, fanIn, literals, {}, {}};
            one.netlist = NetlistBuilder::buildJoint(cover, inputNames(function),
                                                     function.outputNames(), style, fanIn);
            one.name = "function " + std::to_string(i) + " (" + std::to_string(n) + " inputs, " +
                       std::to_string(outputs) + " outputs, " + circuitStyleKey(style) +
                       (form == MinimizationForm::ProductOfSums ? ", POS" : ", SOP") + ", fan-in " +
                       std::to_string(fanIn) + ")";
            cases.push_back(std::move(one));
        }
    }
    return cases;
}

std::string mismatch(const JointCircuitCase &one)
{
    const MultiOutputFunction &function = one.function;
    if (one.netlist.outputs.size() != static_cast<std::size_t>(function.outputCount()))
        return "the netlist has " + std::to_string(one.netlist.outputs.size()) + " outputs";
    for (int k = 0; k < function.outputCount(); ++k) {
        if (one.netlist.outputs[static_cast<std::size_t>(k)].name != function.outputName(k))
            return "output " + std::to_string(k) + " is named " +
                   one.netlist.outputs[static_cast<std::size_t>(k)].name;
        for (std::size_t row = 0; row < function.cellCount(); ++row) {
            const char cell = function.cell(k, row);
            if (cell != 'X' && one.netlist.evaluate(static_cast<unsigned>(row), k) != (cell == '1'))
                return function.outputName(k) + " differs in row " + std::to_string(row);
        }
    }
    return std::string();
}

} // namespace JointCircuits
