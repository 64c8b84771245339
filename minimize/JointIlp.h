// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

// The joint cover as an integer program for the CBC solver, where the build
// has it: a 0/1 variable per product and per (product, output) connection,
// each (cell, output) row covered by a connection, a connection only to a
// chosen product, and one weighted sum of products, literals and
// connections to minimize. Its linear relaxation bounds the hard cases far
// more tightly than the branch and bound over rows does.
class JointIlp
{
public:
    struct Column
    {
        int literals = 0;
        // The rows each output of the product covers, one list per bit of
        // `outputs` in ascending order.
        std::uint64_t outputs = 0;
        std::vector<std::vector<int>> rows;
    };

    struct Result
    {
        bool solved = false;   // the search finished: `chosen` is a minimum
        bool improved = false; // `chosen` and `feeds` are cheaper than the start
        bool cancelled = false;
        std::vector<int> chosen;          // column numbers, ascending
        std::vector<std::uint64_t> feeds; // parallel to chosen
    };

    // Whether this build has the solver; without it solve() returns an
    // unsolved result at once.
    static bool available();

    // Starts from a cover (chosen columns and the outputs each feeds) and
    // looks for a cheaper one until the deadline.
    static Result solve(int rowCount, const std::vector<Column> &columns,
                        const std::vector<int> &startChosen,
                        const std::vector<std::uint64_t> &startFeeds,
                        std::chrono::steady_clock::time_point deadline,
                        const std::atomic<bool> *cancel);
};
