// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchFigures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

double BenchFigures::bestMicroseconds(int repeats, const std::function<std::size_t()> &work,
                                      std::size_t &sink)
{
    double best = 1e30;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        sink += work();
        const std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

void BenchFigures::report(const char *label, std::vector<double> times, const char *unit)
{
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    std::printf("    %-40s median %9.2f %s  worst %10.2f %s\n", label, times[times.size() / 2],
                unit, times.back(), unit);
    (void)std::fflush(stdout);
}
