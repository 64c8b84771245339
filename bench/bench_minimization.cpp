// Times one minimization (primes, cover, groups and text, no Qt) on a fixed
// set of six-variable functions and prints the median and the worst time per
// function, overall and per kind of function.

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

// The best of several batches, so that a busy machine inflates the figures
// as little as possible.
double microsecondsPerRun(Minimization &minimization, const Function &f, MinimizationForm form)
{
    constexpr int batches = 7;
    constexpr int runsPerBatch = 40;
    double best = 1e30;
    std::size_t sink = 0;
    for (int b = 0; b < batches; ++b) {
        const auto start = std::chrono::steady_clock::now();
        for (int r = 0; r < runsPerBatch; ++r)
            sink += minimization.run(6, f.cells, form).text.size();
        const std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count() / runsPerBatch);
    }
    if (sink == 0)
        std::printf("(no text)\n");
    return best;
}

void report(const char *label, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("  %-28s %4zu functions  median %7.2f us  worst %7.2f us\n", label, times.size(),
                times[times.size() / 2], times.back());
}

} // namespace

int main()
{
    const std::vector<Function> set = functionSet();
    Minimization minimization;
    for (const MinimizationForm form :
         {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
        std::printf(
            "bench_minimization, six variables, %s (target: median < 5 us, worst < 50 us)\n",
            form == MinimizationForm::SumOfProducts ? "SOP" : "POS");
        std::vector<double> all;
        std::vector<std::string> kinds;
        std::vector<std::vector<double>> byKind;
        for (const Function &f : set) {
            const double time = microsecondsPerRun(minimization, f, form);
            all.push_back(time);
            const auto it = std::find(kinds.begin(), kinds.end(), f.kind);
            if (it == kinds.end()) {
                kinds.push_back(f.kind);
                byKind.push_back({time});
            } else {
                byKind[static_cast<std::size_t>(it - kinds.begin())].push_back(time);
            }
        }
        for (std::size_t k = 0; k < kinds.size(); ++k)
            report(kinds[k].c_str(), byKind[k]);
        report("whole set", all);
    }
    return 0;
}
