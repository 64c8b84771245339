// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MinimizationForm.h"
#include "MinimizedCover.h"
#include "ResultText.h"

#include <vector>

// Every output minimized alone, each to its exact minimum, and what the
// outputs cost together that way: the baseline a joint cover is measured
// against. Counted as a two-level circuit would build them: a product two
// outputs both chose is built once.
struct SeparateCovers
{
    std::vector<MinimizedCover> covers; // one per output
    int products = 0;                   // distinct terms over every output
    int literals = 0;                   // literals of those distinct terms
    int connections = 0;                // every output's terms, summed
};

class SeparateMinimization
{
public:
    // cellCodes as JointMinimization::minimize() takes them: one vector of at
    // least 2^n codes per output. Throws std::invalid_argument as it does.
    static SeparateCovers minimize(int n, const std::vector<std::vector<int>> &cellCodes,
                                   MinimizationForm form, const VariableNames &names);
};
