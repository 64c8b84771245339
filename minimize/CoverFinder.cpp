// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverFinder.h"

#include <algorithm>
#include <cstddef>

namespace {

int literalsOf(const std::string &cube)
{
    return static_cast<int>(
        std::count_if(cube.begin(), cube.end(), [](char c) { return c != '-'; }));
}

// The cover without its text and groups, which the callers fill.
MinimizedCover bareCover(const MinimizationResult &result, const std::vector<int> &primes,
                         const VariableNames &names)
{
    MinimizedCover cover;
    cover.variableCount = result.variableCount;
    cover.form = result.form;
    cover.names = names;
    cover.primes = primes;
    cover.cubes.reserve(primes.size());
    for (const int number : primes) {
        const std::string &cube = result.primes.at(static_cast<std::size_t>(number - 1)).cube;
        cover.cubes.push_back(cube.substr(0, static_cast<std::size_t>(result.variableCount)));
        cover.literals += literalsOf(cover.cubes.back());
    }
    return cover;
}

} // namespace

MinimizedCover CoverFinder::coverOf(const MinimizationResult &result,
                                    const std::vector<int> &primes, const VariableNames &names)
{
    MinimizedCover cover = bareCover(result, primes, names);
    cover.groups.reserve(primes.size());
    for (const int number : primes)
        cover.groups.push_back(result.primes[static_cast<std::size_t>(number - 1)].minterms);
    resultText(result.cellCodes, result.primes, primes, result.form, names, cover.text);
    return cover;
}

MinimizedCover CoverFinder::windowCover(const MinimizationResult &result,
                                        const VariableNames &names)
{
    // The run wrote text and groups already, in the names it was given.
    MinimizedCover cover = bareCover(result, result.selection, names);
    cover.groups = result.groups;
    cover.text = result.text;
    return cover;
}

MinimizedCover CoverFinder::exactMinimum(const MinimizationResult &result,
                                         const VariableNames &names)
{
    const ExactCoverResult exact = ExactCover::solve(result.cellCodes, result.primes);
    // Empty only if the primes missed a cell, which they cannot: the
    // window's cover stands in rather than no answer.
    if (exact.solutions.empty())
        return windowCover(result, names);
    return coverOf(result, exact.solutions.front(), names);
}

MinimumCovers CoverFinder::minimumCovers(const MinimizationResult &result,
                                         const VariableNames &names, const CoverLimits &limits)
{
    const ExactCoverResult exact = ExactCover::solve(result.cellCodes, result.primes, limits);
    MinimumCovers list;
    list.terms = exact.terms;
    list.literals = exact.literals;
    list.count = exact.count;
    list.complete = exact.complete;
    list.covers.reserve(exact.solutions.size());
    for (const std::vector<int> &primes : exact.solutions)
        list.covers.push_back(coverOf(result, primes, names));
    return list;
}

std::optional<MinimizedCover> CoverFinder::hazardFree(const MinimizationResult &result,
                                                      const VariableNames &names,
                                                      const std::atomic<bool> *cancel)
{
    CoverLimits limits = ExactCover::firstOnly();
    limits.cancel = cancel;
    const ExactCoverResult exact = ExactCover::hazardFree(result.cellCodes, result.primes, limits);
    if (exact.cancelled || exact.solutions.empty())
        return std::nullopt;
    return coverOf(result, exact.solutions.front(), names);
}
