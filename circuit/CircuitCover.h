// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/Minimization.h"
#include "minimize/MinimizedCover.h"

#include <vector>

// The cover a minimization chose, in the form the circuit is built from, for
// callers that run the minimizer themselves (the command line, tests).
class CircuitCover
{
public:
    // `selection` holds 1-based prime numbers of `result`; the window's own
    // choice is result.selection.
    static MinimizedCover fromSelection(int n, MinimizationForm form, const VariableNames &names,
                                        const MinimizationResult &result,
                                        const std::vector<int> &selection);
};
