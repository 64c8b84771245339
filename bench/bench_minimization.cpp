// SPDX-License-Identifier: GPL-3.0-or-later
// Times one minimization (primes, cover, groups and text, no Qt) on a fixed
// set of six-variable functions and prints the median and the worst time per
// function, overall and per kind of function.

#include "BenchFigures.h"
#include "minimize/Minimization.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

struct Function
{
    std::string kind;
    std::vector<int> cells;
};

std::vector<Function> functionSet()
{
    std::vector<Function> set;
    std::mt19937 random(1234);
    for (int i = 0; i < 200; ++i) {
        Function f{"random", {}};
        for (int m = 0; m < 64; ++m)
            f.cells.push_back(static_cast<int>(random() % 2));
        set.push_back(f);
    }
    for (int i = 0; i < 200; ++i) {
        Function f{"random with don't cares", {}};
        for (int m = 0; m < 64; ++m)
            f.cells.push_back(static_cast<int>(random() % 3));
        set.push_back(f);
    }
    Function parity{"parity of six", {}};
    for (int m = 0; m < 64; ++m)
        parity.cells.push_back(__builtin_parity(static_cast<unsigned>(m)));
    set.push_back(parity);
    for (const int value : {0, 1}) {
        Function f{"all don't care but one", std::vector<int>(64, 2)};
        f.cells[37] = value;
        set.push_back(f);
    }
    set.push_back({"all ones", std::vector<int>(64, 1)});
    return set;
}

// Each call is timed on its own, and the functions take turns, so that no
// function runs with caches and branch history trained on itself. A
// function's time is the median of its rounds, which keeps a preemption by
// another process on this shared machine out of the figures.
std::vector<double> microsecondsPerFunction(const std::vector<Function> &set, MinimizationForm form)
{
    constexpr int rounds = 31;
    Minimization minimization;
    MinimizationResult result;
    // Made once: the names are the caller's, not part of the work timed.
    const VariableNames names = Minimization::defaultNames();
    std::vector<std::vector<double>> times(set.size());
    std::size_t sink = 0;
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t f = 0; f < set.size(); ++f) {
            const auto start = std::chrono::steady_clock::now();
            minimization.run(6, set[f].cells, form, names, result);
            const std::chrono::duration<double, std::micro> elapsed =
                std::chrono::steady_clock::now() - start;
            times[f].push_back(elapsed.count());
            sink += result.text.size();
        }
    }
    if (sink == 0)
        std::printf("(no text)\n");
    std::vector<double> medians;
    for (std::vector<double> &t : times) {
        std::sort(t.begin(), t.end());
        medians.push_back(t[t.size() / 2]);
    }
    return medians;
}

} // namespace

int main()
{
    const std::vector<Function> set = functionSet();
    for (const MinimizationForm form :
         {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
        std::printf(
            "bench_minimization, six variables, %s (target: median < 5 us, worst < 50 us)\n",
            form == MinimizationForm::SumOfProducts ? "SOP" : "POS");
        const std::vector<double> all = microsecondsPerFunction(set, form);
        std::vector<std::string> kinds;
        std::vector<std::vector<double>> byKind;
        for (std::size_t i = 0; i < set.size(); ++i) {
            const Function &f = set[i];
            const double time = all[i];
            const auto it = std::find(kinds.begin(), kinds.end(), f.kind);
            if (it == kinds.end()) {
                kinds.push_back(f.kind);
                byKind.push_back({time});
            } else {
                byKind[static_cast<std::size_t>(it - kinds.begin())].push_back(time);
            }
        }
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const std::string label = kinds[k] + " (" + std::to_string(byKind[k].size()) + ")";
            BenchFigures::report(label.c_str(), byKind[k], "us");
        }
        const std::string whole = "whole set (" + std::to_string(all.size()) + ")";
        BenchFigures::report(whole.c_str(), all, "us");
    }
    return 0;
}
