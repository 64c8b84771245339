// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

// The joint cover as two integer programs for the CBC solver, where the
// build has it. The first has a 0/1 variable per product, each (cell,
// output) row covered by a product, and the products and their literals to
// minimize. The second keeps that least cost as a limit and minimizes the
// connections: a variable per product and per (product, output) connection,
// each row covered by a connection, a connection only to a chosen product.
// Their linear relaxations bound the hard cases far more tightly than the
// branch and bound over rows does; two programs with small weights each
// solve much faster than one that weighs all three criteria at once.
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
        std::vector<std::uint64_t> feeds; // parallel to chosen (connections only)
        // Per column: may a cover of least cost use it? (least cost only;
        // all when unsolved)
        std::vector<char> candidates;
    };

    // Whether this build has the solver; without it both searches return
    // an unsolved result at once.
    static bool available();

    // Starts from a cover and looks for one with fewer products, or as many
    // with fewer literals, until the deadline.
    static Result leastCost(int rowCount, const std::vector<Column> &columns,
                            const std::vector<int> &startChosen,
                            std::chrono::steady_clock::time_point deadline,
                            const std::atomic<bool> *cancel);

    // Starts from a cover of least cost (chosen columns and the outputs each
    // feeds) and looks, among the candidates, for one of no higher cost
    // with fewer connections.
    static Result fewestConnections(int rowCount, const std::vector<Column> &columns,
                                    const std::vector<char> &candidates,
                                    const std::vector<int> &startChosen,
                                    const std::vector<std::uint64_t> &startFeeds,
                                    std::chrono::steady_clock::time_point deadline,
                                    const std::atomic<bool> *cancel);
};
