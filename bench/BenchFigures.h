// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

// How the benchmarks time their work and print their figures, so that every
// benchmark counts and words them alike.
class BenchFigures
{
public:
    // The best of `repeats` runs of `work`, in microseconds: the least
    // disturbed by the rest of a busy machine. What the work returns is
    // added to `sink`, so that the compiler cannot leave the work out.
    static double bestMicroseconds(int repeats, const std::function<std::size_t()> &work,
                                   std::size_t &sink);

    // One line: the label, then the median and the slowest of `times`,
    // which are in `unit` ("us", "ms").
    static void report(const char *label, std::vector<double> times, const char *unit);
};
