// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/JointExplanation.h"
#include "minimize/JointMinimization.h"

#include <string>
#include <vector>

// Minimizes several outputs together and records the chart of the result:
// the multi-output primes and the cover come from the minimize core, the
// explanation only lays them out.
class JointExplainer
{
public:
    // cellCodes: one vector of 2^n codes (0, 1, anything else a don't care)
    // per output; outputNames one name per output. Throws
    // std::invalid_argument like JointMinimization, or when the names do not
    // match the outputs.
    static JointExplanation explain(int n, const std::vector<std::vector<int>> &cellCodes,
                                    MinimizationForm form, const VariableNames &names,
                                    const std::vector<std::string> &outputNames,
                                    const JointLimits &limits = {});
};
