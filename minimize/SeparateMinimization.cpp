// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeparateMinimization.h"

#include "CoverFinder.h"
#include "Minimization.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

SeparateCovers SeparateMinimization::minimize(int n, const std::vector<std::vector<int>> &cellCodes,
                                              MinimizationForm form, const VariableNames &names)
{
    if (cellCodes.empty() || cellCodes.size() > 64)
        throw std::invalid_argument("1 to 64 outputs");
    SeparateCovers separate;
    separate.covers.reserve(cellCodes.size());
    Minimization minimization;
    MinimizationResult result;
    std::set<std::string> distinct;
    for (const std::vector<int> &codes : cellCodes) {
        minimization.run(n, codes, form, names, result);
        separate.covers.push_back(CoverFinder::exactMinimum(result, names));
        const MinimizedCover &cover = separate.covers.back();
        separate.connections += static_cast<int>(cover.cubes.size());
        for (const std::string &cube : cover.cubes) {
            if (distinct.insert(cube).second)
                separate.literals += static_cast<int>(
                    std::count_if(cube.begin(), cube.end(), [](char c) { return c != '-'; }));
        }
    }
    separate.products = static_cast<int>(distinct.size());
    return separate;
}
