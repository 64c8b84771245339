// SPDX-License-Identifier: GPL-3.0-or-later
// Times the exact minimum cover on random six-variable functions, with and
// without don't cares, in both forms: the cover search alone (primes already
// generated), the whole minimization followed by the search, and the listing
// of every minimum cover. Prints the median and the worst time per function.

#include "BenchFigures.h"
#include "minimize/ExactCover.h"
#include "minimize/Minimization.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int functionsPerKind = 1500;
constexpr int repeats = 3; // the best of several runs, to keep a busy machine out of the figures

struct Kind
{
    const char *name;
    int outcomes; // 2: zeros and ones, 3: don't cares too
};

} // namespace

int main()
{
    std::mt19937 random(20261208);
    Minimization minimization;
    std::size_t sink = 0;
    std::printf("bench_exactcover, six variables, %d random functions per kind "
                "(target: median < 100 us for the search)\n",
                functionsPerKind);
    for (const Kind kind : {Kind{"without don't cares", 2}, Kind{"with don't cares", 3}}) {
        for (const MinimizationForm form :
             {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
            std::vector<double> search;
            std::vector<double> whole;
            std::vector<double> every;
            std::size_t primeTotal = 0;
            for (int f = 0; f < functionsPerKind; ++f) {
                std::vector<int> cells;
                cells.reserve(64);
                for (int m = 0; m < 64; ++m)
                    cells.push_back(
                        static_cast<int>(random() % static_cast<unsigned>(kind.outcomes)));
                const MinimizationResult result = minimization.run(6, cells, form);
                primeTotal += result.primes.size();
                search.push_back(BenchFigures::bestMicroseconds(
                    repeats,
                    [&] {
                        return ExactCover::solve(result.cellCodes, result.primes).solutions.size();
                    },
                    sink));
                whole.push_back(BenchFigures::bestMicroseconds(
                    repeats,
                    [&] {
                        const MinimizationResult again = minimization.run(6, cells, form);
                        return ExactCover::solve(again.cellCodes, again.primes).solutions.size();
                    },
                    sink));
                every.push_back(BenchFigures::bestMicroseconds(
                    repeats,
                    [&] {
                        return ExactCover::solve(result.cellCodes, result.primes, true)
                            .solutions.size();
                    },
                    sink));
            }
            std::printf("  %s, %s (%.1f primes on average)\n", kind.name,
                        form == MinimizationForm::SumOfProducts ? "SOP" : "POS",
                        static_cast<double>(primeTotal) / functionsPerKind);
            BenchFigures::report("search (first minimum cover)", search, "us");
            BenchFigures::report("minimization + search", whole, "us");
            BenchFigures::report("search (every minimum cover)", every, "us");
        }
    }
    // Symmetric functions (the value depends on the number of ones only) have
    // the most primes and large cyclic cores: every set of weights 0..6. Their
    // minimum covers can run into millions (weights 2 and 3 have over 26
    // million), so only the first one is timed.
    std::vector<double> symmetric;
    std::size_t mostPrimes = 0;
    for (unsigned weights = 0; weights < 128; ++weights) {
        std::vector<int> cells;
        for (unsigned m = 0; m < 64; ++m)
            cells.push_back(static_cast<int>((weights >> __builtin_popcount(m)) & 1));
        for (const MinimizationForm form :
             {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
            const MinimizationResult result = minimization.run(6, cells, form);
            mostPrimes = std::max(mostPrimes, result.primes.size());
            symmetric.push_back(BenchFigures::bestMicroseconds(
                repeats,
                [&] { return ExactCover::solve(result.cellCodes, result.primes).solutions.size(); },
                sink));
        }
    }
    std::printf("  symmetric functions, both forms (up to %zu primes)\n", mostPrimes);
    BenchFigures::report("search (first minimum cover)", symmetric, "us");
    if (sink == 0)
        std::printf("(no solution found)\n");
    return 0;
}
