// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/ExactCover.h"
#include "minimize/Minimization.h"
#include "pla/PlaFunction.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One cover of a function: the chosen primes and what the window shows for them.
struct Solution
{
    std::vector<int> selection; // 1-based prime numbers
    std::string text;
    std::vector<std::vector<int>> groups;
};

struct SolvedFunction
{
    // The window's minimization: primes, its own cover, text and groups.
    MinimizationResult result;
    // The window's cover alone, or the exact minimum (every one with `all`).
    std::vector<Solution> solutions;
    bool exact = false;
    int terms = 0;    // of every exact solution
    int literals = 0; // of every exact solution
    // All minimum solutions, of which `solutions` lists the first `limit`;
    // when not `complete`, the count stopped at the cap and there are more.
    std::uint64_t count = 0;
    bool complete = true;
};

// Which cover replaces the window's, if any.
struct CoverRequest
{
    bool exact = false;    // a true minimum
    bool all = false;      // every minimum solution
    std::size_t limit = 0; // with `all`, list at most this many (0: all)
    // With a limit, stop counting after this many (0: count all).
    std::uint64_t countCap = ExactCover::usualCountCap;
    bool hazardFree = false; // the smallest cover without static hazards
};

// Minimizes as the window does, optionally replacing its cover by a true minimum.
class SolutionFinder
{
public:
    SolvedFunction solve(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                         const VariableNames &names, bool exact, bool all);
    SolvedFunction solve(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                         const VariableNames &names, const CoverRequest &request);

    // The cell codes of a file's function, minterm m first bit most significant.
    static std::vector<int> cellCodes(const PlaFunction &function);

    // The names the window would show after importing the file into a fresh
    // window: the file's ".ilb" names, else `given` (--names), else A, B, ...
    // False when `given` does not name exactly the file's variables.
    static bool namesFor(const PlaFunction &function, const std::vector<std::string> &given,
                         VariableNames &names, std::string &error);

private:
    Minimization minimization;
};
