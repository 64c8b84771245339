// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain/JointExplainer.h"

#include <algorithm>
#include <stdexcept>

namespace {

// A product alone, written as the result field writes a term. A product
// without literals covers every cell: "1" as a sum of products, "0" as a
// product of sums, which is what resultText() makes of a cell of code 1.
std::string termOf(const std::string &cube, MinimizationForm form, const VariableNames &names)
{
    return resultText({1}, {{cube, {}}}, {1}, form, names);
}

int literalsOf(const std::string &cube)
{
    return static_cast<int>(cube.size()) -
           static_cast<int>(std::count(cube.begin(), cube.end(), '-'));
}

} // namespace

JointExplanation JointExplainer::explain(int n, const std::vector<std::vector<int>> &cellCodes,
                                         MinimizationForm form, const VariableNames &names,
                                         const std::vector<std::string> &outputNames,
                                         const JointLimits &limits)
{
    if (outputNames.size() != cellCodes.size())
        throw std::invalid_argument("one name per output");
    JointExplanation e;
    e.variableCount = n;
    e.form = form;
    e.names = names;
    e.outputNames = outputNames;
    e.cover = JointMinimization::minimize(n, cellCodes, form, limits);

    const std::vector<JointProduct> primes = JointMinimization::primes(n, cellCodes, form);
    e.primes.reserve(primes.size());
    for (const JointProduct &product : primes) {
        JointPrime prime;
        prime.number = static_cast<int>(e.primes.size()) + 1;
        prime.cube = product.cube;
        prime.term = termOf(product.cube, form, names);
        prime.literals = literalsOf(product.cube);
        prime.minterms = product.minterms;
        prime.outputs = product.outputs;
        e.primes.push_back(std::move(prime));
    }
    // The cover's products are primes of the core's own list.
    for (const JointProduct &product : e.cover.products) {
        const auto at = std::find_if(e.primes.begin(), e.primes.end(),
                                     [&](const JointPrime &p) { return p.cube == product.cube; });
        if (at == e.primes.end())
            throw std::logic_error("a product of the cover is no multi-output prime");
        at->feeds = product.outputs;
        e.chosen.push_back(at->number);
    }

    // Per cell, the primes whose cube holds it; a row keeps those that may
    // serve its output.
    const std::size_t cellCount = std::size_t{1} << n;
    std::vector<std::vector<int>> holders(cellCount);
    for (const JointPrime &prime : e.primes) {
        for (const int m : prime.minterms)
            holders[static_cast<std::size_t>(m)].push_back(prime.number);
    }
    const int covered = form == MinimizationForm::SumOfProducts ? 1 : 0;
    for (std::size_t j = 0; j < cellCodes.size(); ++j) {
        const std::uint64_t bit = std::uint64_t{1} << j;
        for (std::size_t m = 0; m < cellCount; ++m) {
            if (cellCodes[j][m] != covered)
                continue;
            JointChartRow row{static_cast<int>(j), static_cast<int>(m), {}};
            for (const int number : holders[m]) {
                if ((e.primes[static_cast<std::size_t>(number - 1)].outputs & bit) != 0)
                    row.primes.push_back(number);
            }
            if (row.primes.size() == 1)
                e.primes[static_cast<std::size_t>(row.primes.front() - 1)].essential = true;
            e.rows.push_back(std::move(row));
        }
    }

    e.outputTexts.reserve(cellCodes.size());
    for (std::size_t j = 0; j < cellCodes.size(); ++j)
        e.outputTexts.push_back(JointMinimization::outputText(e.cover, static_cast<int>(j), names));
    return e;
}
