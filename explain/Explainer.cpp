// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain/Explainer.h"

#include "minimize/CoverFinder.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>

namespace {

int onesOf(unsigned value)
{
    return static_cast<int>(std::bitset<8>(value).count());
}

// The tabulation as textbooks draw it: each pass compares every cube of a
// group with every cube of the next group; two cubes with the same dashes
// that differ in one bit merge, both are checked, and the merged cube joins
// the next pass once. The unchecked cubes are the primes.
std::vector<TabulationPass> tabulate(int n, const std::vector<int> &cellCodes)
{
    std::vector<TabulationPass> passes;
    std::vector<std::vector<TabulationCube>> byOnes(static_cast<std::size_t>(n) + 1);
    for (int m = 0; m < (1 << n); ++m) {
        if (cellCodes[static_cast<std::size_t>(m)] != 0)
            byOnes[static_cast<std::size_t>(onesOf(static_cast<unsigned>(m)))].push_back(
                {static_cast<std::uint8_t>(m), 0, false, 0});
    }

    bool any = std::any_of(byOnes.begin(), byOnes.end(), [](const auto &g) { return !g.empty(); });
    while (any) {
        std::vector<std::vector<TabulationCube>> next(byOnes.size());
        std::array<std::uint64_t, 64> made{}; // per dash mask, the values already made
        for (std::size_t k = 0; k + 1 < byOnes.size(); ++k) {
            for (TabulationCube &low : byOnes[k]) {
                for (TabulationCube &high : byOnes[k + 1]) {
                    const auto diff = static_cast<unsigned>(low.value ^ high.value);
                    if (low.dashes != high.dashes || onesOf(diff) != 1 || (high.value & diff) == 0)
                        continue;
                    low.checked = true;
                    high.checked = true;
                    const auto dashes = static_cast<std::uint8_t>(low.dashes | diff);
                    const std::uint64_t bit = std::uint64_t{1} << low.value;
                    if (made[dashes] & bit)
                        continue;
                    made[dashes] |= bit;
                    next[k].push_back({low.value, dashes, false, 0});
                }
            }
        }
        TabulationPass pass;
        for (std::size_t k = 0; k < byOnes.size(); ++k) {
            if (!byOnes[k].empty())
                pass.groups.push_back({static_cast<int>(k), std::move(byOnes[k])});
        }
        passes.push_back(std::move(pass));
        any = std::any_of(next.begin(), next.end(), [](const auto &g) { return !g.empty(); });
        byOnes = std::move(next);
    }
    return passes;
}

// n characters over "01-" of a generator cube (which may carry the '*').
void parseCube(const std::string &cube, int n, std::uint8_t &value, std::uint8_t &dashes)
{
    value = 0;
    dashes = 0;
    for (int j = 0; j < n; ++j) {
        const auto bit = static_cast<std::uint8_t>(1u << (n - 1 - j));
        if (cube[static_cast<std::size_t>(j)] == '-')
            dashes |= bit;
        else if (cube[static_cast<std::size_t>(j)] == '1')
            value |= bit;
    }
}

} // namespace

Explanation Explainer::explain(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                               const VariableNames &names, const ExplainOptions &options)
{
    Explanation e;
    // The very run "Minimize!" makes, with its choices recorded; the
    // explanation only describes what it found.
    minimization_.run(n, cellCodes, form, names, e.minimization, e.choices);
    const MinimizationResult &run = e.minimization;
    const std::size_t cellCount = run.cellCodes.size();
    e.variableCount = n;
    e.form = form;
    e.names = names;
    e.cellCodes = run.cellCodes;
    e.tabulation = tabulate(n, e.cellCodes);

    // Each tabulation survivor is told its prime number.
    std::array<int, std::size_t{64} * 64> numberOf{};
    e.primes.resize(run.primes.size());
    for (std::size_t p = 0; p < run.primes.size(); ++p) {
        ExplainedPrime &prime = e.primes[p];
        prime.number = static_cast<int>(p) + 1;
        const MinimizedCover alone = CoverFinder::coverOf(run, {prime.number}, names);
        prime.cube = alone.cubes.front();
        prime.literals = alone.literals;
        prime.groupOrder = alone.groups.front();
        prime.minterms = prime.groupOrder;
        std::sort(prime.minterms.begin(), prime.minterms.end());
        prime.term = alone.text;
        std::uint8_t value = 0;
        std::uint8_t dashes = 0;
        parseCube(prime.cube, n, value, dashes);
        numberOf[static_cast<std::size_t>(dashes) * 64 + value] = prime.number;
    }
    for (TabulationPass &pass : e.tabulation) {
        for (TabulationGroup &group : pass.groups) {
            for (TabulationCube &cube : group.cubes) {
                if (!cube.checked)
                    cube.prime = numberOf[static_cast<std::size_t>(cube.dashes) * 64 + cube.value];
            }
        }
    }

    // The chart and its essential primes: a row with a single prime on it.
    std::vector<int> coverers(cellCount, 0);
    std::vector<int> lastCoverer(cellCount, 0);
    for (const ExplainedPrime &prime : e.primes) {
        for (const int m : prime.minterms) {
            ++coverers[static_cast<std::size_t>(m)];
            lastCoverer[static_cast<std::size_t>(m)] = prime.number;
        }
    }
    for (std::size_t m = 0; m < cellCount; ++m) {
        if (e.cellCodes[m] != 1)
            continue;
        e.chartMinterms.push_back(static_cast<int>(m));
        if (coverers[m] != 1)
            continue;
        ExplainedPrime &prime = e.primes[static_cast<std::size_t>(lastCoverer[m] - 1)];
        if (!prime.essential)
            e.essentials.push_back({prime.number, static_cast<int>(m)});
        prime.essential = true;
    }

    e.windowCover = recorded(CoverFinder::windowCover(run, names));
    e.minimum = recorded(CoverFinder::exactMinimum(run, names));
    e.windowIsMinimal =
        e.windowCover.terms == e.minimum.terms && e.windowCover.literals == e.minimum.literals;

    if (options.listSolutions)
        e.solutions = listSolutions(e, options.solutionLimit, options.countCap, options.cancel);
    if (options.hazardFree)
        e.hazardFree = hazardFreeCover(e, options.cancel);
    return e;
}

SolutionList Explainer::listSolutions(const Explanation &explanation, std::size_t limit,
                                      std::uint64_t countCap, const std::atomic<bool> *cancel)
{
    CoverLimits limits;
    limits.listLimit = limit;
    limits.countCap = countCap;
    limits.cancel = cancel;
    const MinimumCovers found =
        CoverFinder::minimumCovers(explanation.minimization, explanation.names, limits);
    SolutionList list;
    list.searched = true;
    list.count = found.count;
    list.complete = found.complete;
    list.covers.reserve(found.covers.size());
    for (const MinimizedCover &cover : found.covers)
        list.covers.push_back(recorded(cover));
    return list;
}

HazardFreeResult Explainer::hazardFreeCover(const Explanation &explanation,
                                            const std::atomic<bool> *cancel)
{
    const std::optional<MinimizedCover> cover =
        CoverFinder::hazardFree(explanation.minimization, explanation.names, cancel);
    HazardFreeResult hazardFree;
    hazardFree.searched = true;
    hazardFree.found = cover.has_value();
    if (cover)
        hazardFree.cover = recorded(*cover);
    return hazardFree;
}

ExplainedCover Explainer::coverOf(const Explanation &explanation, const std::vector<int> &primes)
{
    return recorded(CoverFinder::coverOf(explanation.minimization, primes, explanation.names));
}

ExplainedCover Explainer::recorded(const MinimizedCover &cover)
{
    ExplainedCover explained;
    explained.primes = cover.primes;
    explained.terms = static_cast<int>(cover.primes.size());
    explained.literals = cover.literals;
    explained.text = cover.text;
    return explained;
}

std::vector<std::vector<int>> Explainer::groupsOf(const Explanation &explanation,
                                                  const std::vector<int> &primes)
{
    std::vector<std::vector<int>> groups;
    groups.reserve(primes.size());
    for (const int number : primes)
        groups.push_back(explanation.primes.at(static_cast<std::size_t>(number - 1)).groupOrder);
    return groups;
}
