// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/Explanation.h"
#include "minimize/Minimization.h"
#include "minimize/MinimizedCover.h"

#include <vector>

// Minimizes a function as "Minimize!" does and records every step of it;
// the covers come from the minimize core, the explanation only records them.
// An object keeps the minimizer's scratch storage; reuse it for many runs.
class Explainer
{
public:
    // cellCodes: 2^n codes (0, 1, anything else a don't care) for n = 1..6,
    // code m for minterm m. Throws std::invalid_argument like Minimization.
    Explanation explain(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                        const VariableNames &names = Minimization::defaultNames(),
                        const ExplainOptions &options = ExplainOptions());

    // The costly parts on their own, for running them later or elsewhere on
    // an explanation made without them.
    static SolutionList listSolutions(const Explanation &explanation, std::size_t limit,
                                      std::uint64_t countCap,
                                      const std::atomic<bool> *cancel = nullptr);
    static HazardFreeResult hazardFreeCover(const Explanation &explanation,
                                            const std::atomic<bool> *cancel = nullptr);

    // The cover of the given primes, its text in the explanation's names.
    static ExplainedCover coverOf(const Explanation &explanation, const std::vector<int> &primes);
    // The groups of the given primes as "Minimize!" shades them.
    static std::vector<std::vector<int>> groupsOf(const Explanation &explanation,
                                                  const std::vector<int> &primes);

private:
    // A cover of the minimize core as the explanation records it.
    static ExplainedCover recorded(const MinimizedCover &cover);

    Minimization minimization_;
};
