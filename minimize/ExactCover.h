// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrimeImplicant.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// A true minimum cover: the fewest prime implicants that cover every cell of
// code 1, and among those the fewest literals. The window's own cover (the
// essential primes, then greedy choices) is fast and usually minimal; this
// one is exact, found by branch and bound over the primes.
struct ExactCoverResult
{
    // Each solution lists 1-based prime numbers (positions in `primes`) in
    // ascending order; solutions are in lexicographic order. When no cell has
    // code 1 the one solution is the empty cover: { {} } with terms and
    // literals 0. Empty (no solution at all, terms and literals 0) only when
    // the primes leave some cell of code 1 uncovered.
    std::vector<std::vector<int>> solutions;
    int terms = 0;    // primes in each solution
    int literals = 0; // literals in each solution
    // Minimum covers met by the search. All of them when `complete`; when a
    // cap or a cancellation stopped the search, a lower bound ("at least").
    std::uint64_t count = 0;
    bool complete = true;
    // Set when the search was cancelled before it knew the least cost; the
    // rest of the result is then empty.
    bool cancelled = false;
};

// How far a search for many covers may go.
struct CoverLimits
{
    // Solutions kept in `solutions`.
    std::size_t listLimit = std::numeric_limits<std::size_t>::max();
    // Counting stops once this many minimum covers are found; 0 counts all.
    std::uint64_t countCap = 0;
    // Polled during the search; once true the search ends early.
    const std::atomic<bool> *cancel = nullptr;
};

class ExactCover
{
public:
    // Where the window, tavolin-cli and the page stop counting minimum
    // covers unless told to count all: enough to say "at least", quick
    // enough to wait for.
    static constexpr std::uint64_t usualCountCap = 100000;

    // cellCodes: the working array of a minimization (0 and 1 already swapped
    // for the product-of-sums form), primes: its prime implicants in stored
    // order. Only cells 0..63 and cells of code exactly 1 count; don't cares
    // need no cover. A prime's literals are the '0' and '1' characters of its
    // cube. With `all` false, `solutions` holds the lexicographically first
    // minimum solution; with `all` true, every minimum solution. Some
    // functions have a great many: the six-variable function that is 1 where
    // two or three variables are 1 has over 26 million, and listing them takes
    // time and memory to match, where the first one takes milliseconds.
    static ExactCoverResult solve(const std::vector<int> &cellCodes,
                                  const std::vector<PrimeImplicant> &primes, bool all = false);

    // The minimum covers counted and listed within `limits`: `count` and
    // `complete` say how many there are, `solutions` holds the first
    // listLimit of them in lexicographic order.
    static ExactCoverResult solve(const std::vector<int> &cellCodes,
                                  const std::vector<PrimeImplicant> &primes,
                                  const CoverLimits &limits);

    // The fewest primes, then literals, such that besides every cell of code 1
    // every pair of adjacent cells of code 1 (differing in one variable) lies
    // together in one chosen prime: a single input change between two such
    // cells cannot make the output glitch. cellCodes has 2^n entries for an
    // n-variable function. Counted and listed like the plain minimum.
    static ExactCoverResult hazardFree(const std::vector<int> &cellCodes,
                                       const std::vector<PrimeImplicant> &primes,
                                       const CoverLimits &limits = firstOnly());

    // Limits that stop at the first minimum cover.
    static CoverLimits firstOnly();

    // A number where `all` or limits belong would turn silently into a bool;
    // refuse it at compile time.
    template <typename Number>
    static ExactCoverResult solve(const std::vector<int> &, const std::vector<PrimeImplicant> &,
                                  Number) = delete;
};
