// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitCover.h"

#include <cstddef>

MinimizedCover CircuitCover::fromSelection(int n, MinimizationForm form, const VariableNames &names,
                                           const MinimizationResult &result,
                                           const std::vector<int> &selection)
{
    MinimizedCover cover;
    cover.variableCount = n;
    cover.form = form;
    cover.names = names;
    for (int prime : selection) {
        const PrimeImplicant &chosen = result.primes[static_cast<std::size_t>(prime - 1)];
        cover.cubes.push_back(chosen.cube.substr(0, static_cast<std::size_t>(n)));
        cover.groups.push_back(chosen.minterms);
    }
    cover.text = resultText(result.cellCodes, result.primes, selection, form, names);
    return cover;
}
