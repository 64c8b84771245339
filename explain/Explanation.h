// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What one minimization did, as plain data for the steps window and the
// command line to show, and the knobs for the costlier parts of it.
//
//   Explainer explainer;
//   Explanation e = explainer.explain(n, cellCodes, form, names, options);
//   std::string md = renderExplanation(e, ExplanationFormat::Markdown);
//
// Numbers of primes are 1-based positions in `primes`, which is in the
// minimizer's stored order, so they are the numbers "Minimize!" uses.

#include "minimize/CoverSelector.h"
#include "minimize/ExactCover.h"
#include "minimize/Minimization.h"
#include "minimize/MinimizationForm.h"
#include "minimize/ResultText.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A cube of the tabulation: a value and a dash mask over the n variable bits
// (the first variable is the most significant bit; dashed value bits are 0).
struct TabulationCube
{
    std::uint8_t value = 0;
    std::uint8_t dashes = 0;
    // Merged with a neighbour into a cube of the next pass.
    bool checked = false;
    // The prime this cube survives as (unchecked cubes), else 0.
    int prime = 0;
};

// The cubes of one pass whose values have `ones` bits set.
struct TabulationGroup
{
    int ones = 0;
    std::vector<TabulationCube> cubes;
};

// Pass k holds the cubes with k dashes, groups in ascending number of ones;
// empty groups are left out.
struct TabulationPass
{
    std::vector<TabulationGroup> groups;
};

struct ExplainedPrime
{
    int number = 0;
    std::string cube; // n characters over '0', '1', '-'
    std::string term; // in the current names, e.g. "A'&C" or "(A+C')"
    int literals = 0;
    std::vector<int> minterms;   // ascending, don't cares included
    std::vector<int> groupOrder; // the same minterms as "Minimize!" shades them
    bool essential = false;
};

struct EssentialPrime
{
    int prime = 0;
    int minterm = 0; // the smallest chart minterm no other prime covers
};

// A cover: prime numbers, its size and its text.
struct ExplainedCover
{
    std::vector<int> primes;
    int terms = 0;
    int literals = 0;
    std::string text;
};

struct SolutionList
{
    bool searched = false;              // false: not asked for, or still running
    std::uint64_t count = 0;            // all minimum covers, or at least this many
    bool complete = false;              // count is exact
    std::vector<ExplainedCover> covers; // the first ones, up to the limit
};

struct HazardFreeResult
{
    bool searched = false;
    bool found = false; // false also when cancelled
    ExplainedCover cover;
};

struct Explanation
{
    int variableCount = 0;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    VariableNames names;
    // The working cell codes: 0, 1, 2 = don't care, 0 and 1 swapped in the
    // product-of-sums form (the zeros are covered).
    std::vector<int> cellCodes;
    // The minimization itself, as the minimize core returned it: the later
    // searches (solutions, hazard-free cover) ask the core about it.
    MinimizationResult minimization;

    std::vector<TabulationPass> tabulation;
    std::vector<ExplainedPrime> primes;
    // The chart: minterms of code 1 (rows) against the primes (columns).
    std::vector<int> chartMinterms;
    std::vector<EssentialPrime> essentials;
    // "Minimize!"'s choices in order: essential ones carry their minterm,
    // greedy ones cover the most remaining minterms, earliest prime on ties.
    std::vector<CoverStep> choices;

    ExplainedCover windowCover; // primes in order of choice
    ExplainedCover minimum;     // the first minimum cover, primes ascending
    bool windowIsMinimal = false;

    SolutionList solutions;
    HazardFreeResult hazardFree;
};

struct ExplainOptions
{
    bool listSolutions = false;
    std::size_t solutionLimit = 50;
    std::uint64_t countCap = ExactCover::usualCountCap; // 0: count all
    bool hazardFree = false;
    const std::atomic<bool> *cancel = nullptr;
};
