#pragma once

#include "PrimeImplicant.h"

#include <cstddef>
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
};

class ExactCover
{
public:
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
    // The first `limit` minimum solutions in lexicographic order (at least
    // one): a bounded listing for callers that cannot wait for all of them.
    // Asking for one more than will be shown tells whether more exist.
    static ExactCoverResult solve(const std::vector<int> &cellCodes,
                                  const std::vector<PrimeImplicant> &primes, std::size_t limit);
};
