// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExactCover.h"
#include "Minimization.h"
#include "MinimizedCover.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// Minimum covers of a function, listed and counted within limits.
struct MinimumCovers
{
    // In the order the exact search finds them (each one's primes ascending).
    // Empty only when a cancellation came first.
    std::vector<MinimizedCover> covers;
    int terms = 0;    // of every minimum cover
    int literals = 0; // of every minimum cover
    // All minimum covers when `complete`, else at least this many.
    std::uint64_t count = 0;
    bool complete = true;
};

// The covers a minimization can answer with, all found among the primes of
// one Minimization::run and written as "Minimize!" writes its own: the
// window's greedy cover, the exact minimum, the hazard-free cover. Every
// view (the window, tavolin-cli, the browser page, the explanation) takes its
// covers from here, so that their texts and groups agree byte for byte.
class CoverFinder
{
public:
    // The given primes (1-based numbers into result.primes) as a cover, in
    // that order, its text written with `names`.
    static MinimizedCover coverOf(const MinimizationResult &result, const std::vector<int> &primes,
                                  const VariableNames &names);
    // The window's own cover: essential primes, then greedy choices.
    static MinimizedCover windowCover(const MinimizationResult &result, const VariableNames &names);
    // The lexicographically first cover of the fewest terms, then literals.
    static MinimizedCover exactMinimum(const MinimizationResult &result,
                                       const VariableNames &names);
    // The minimum covers within `limits`.
    static MinimumCovers minimumCovers(const MinimizationResult &result, const VariableNames &names,
                                       const CoverLimits &limits);
    // The smallest cover in which every two adjacent cells of the function
    // share a term (see ExactCover::hazardFree); nothing when `cancel` was
    // set before the search ended.
    static std::optional<MinimizedCover> hazardFree(const MinimizationResult &result,
                                                    const VariableNames &names,
                                                    const std::atomic<bool> *cancel = nullptr);
};
