// SPDX-License-Identifier: GPL-3.0-or-later
// Times the explanation of random six-variable functions (with and without
// don't cares, both forms): the explanation as the steps window first shows
// it (without listing the minimum solutions), its rendering as Markdown, the
// hazard-free cover, and the count of minimum solutions up to a cap. Also
// the worst case known for the count: the function that is 1 where two or
// three of six variables are 1, whose minimum covers number in the millions.
// Prints the median and the worst time per function.

#include "BenchFigures.h"
#include "explain/Explainer.h"
#include "explain/ExplanationRenderer.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int functionsPerKind = 1000;
constexpr int repeats = 3; // the best of several runs, to keep a busy machine out of the figures

double once(const std::function<std::size_t()> &work, std::size_t &sink)
{
    const auto start = std::chrono::steady_clock::now();
    sink += work();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

} // namespace

int main()
{
    std::mt19937 random(20261209);
    Explainer explainer;
    std::size_t sink = 0;
    std::printf("bench_explain, six variables, %d random functions per kind "
                "(target: median < 50 us for the explanation)\n",
                functionsPerKind);
    for (const int outcomes : {2, 3}) {
        for (const MinimizationForm form :
             {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
            std::printf("  %s, %s\n", outcomes == 2 ? "without don't cares" : "with don't cares",
                        form == MinimizationForm::SumOfProducts ? "SOP" : "POS");
            std::vector<double> explain;
            std::vector<double> render;
            std::vector<double> hazard;
            std::vector<double> count;
            for (int f = 0; f < functionsPerKind; ++f) {
                std::vector<int> cells(64);
                for (int &cell : cells)
                    cell = static_cast<int>(random() % static_cast<unsigned>(outcomes));
                explain.push_back(BenchFigures::bestMicroseconds(
                    repeats, [&] { return explainer.explain(6, cells, form).primes.size(); },
                    sink));
                const Explanation e = explainer.explain(6, cells, form);
                render.push_back(BenchFigures::bestMicroseconds(
                    repeats,
                    [&] { return renderExplanation(e, ExplanationFormat::Markdown).size(); },
                    sink));
                hazard.push_back(BenchFigures::bestMicroseconds(
                    repeats,
                    [&] { return Explainer::hazardFreeCover(e).cover.terms + std::size_t{0}; },
                    sink));
                count.push_back(BenchFigures::bestMicroseconds(
                    repeats, [&] { return Explainer::listSolutions(e, 50, 100000).count; }, sink));
            }
            BenchFigures::report("explanation", explain, "us");
            BenchFigures::report("rendering as Markdown", render, "us");
            BenchFigures::report("hazard-free cover", hazard, "us");
            BenchFigures::report("count (cap 100000), list 50", count, "us");
        }
    }

    std::vector<int> twoOrThree(64);
    for (int m = 0; m < 64; ++m) {
        const int ones = __builtin_popcount(static_cast<unsigned>(m));
        twoOrThree[static_cast<std::size_t>(m)] = ones == 2 || ones == 3 ? 1 : 0;
    }
    const Explanation e = explainer.explain(6, twoOrThree, MinimizationForm::SumOfProducts);
    std::printf("  two or three of six variables are 1 (%zu primes)\n", e.primes.size());
    for (const std::uint64_t cap : {std::uint64_t{100000}, std::uint64_t{1000000}}) {
        std::uint64_t counted = 0;
        const double ms = once(
            [&] {
                counted = Explainer::listSolutions(e, 50, cap).count;
                return counted;
            },
            sink);
        std::printf("    count with cap %-8llu %10.1f ms (counted %llu)\n",
                    static_cast<unsigned long long>(cap), ms,
                    static_cast<unsigned long long>(counted));
    }
    std::printf(
        "    hazard-free cover            %10.1f ms\n",
        once([&] { return Explainer::hazardFreeCover(e).cover.terms + std::size_t{0}; }, sink));
    return sink == 0 ? 1 : 0;
}
