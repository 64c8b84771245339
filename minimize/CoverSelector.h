// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrimeImplicant.h"

#include <cstdint>
#include <vector>

// One choice of the selection, recorded for whoever explains it.
struct CoverStep
{
    int prime = 0;     // 1-based prime number
    int minterm = -1;  // the minterm only this prime covers; -1 for a greedy choice
    int covered = 0;   // minterms still uncovered before the choice that it covers
    int remaining = 0; // minterms still uncovered before the choice
    int ties = 0;      // later primes covering as many (greedy choices only)
};

// Chooses a cover of the cells with code 1 from the primes: first every
// essential prime, in ascending order of the minterms that make them
// essential, then greedily the prime covering most of what is left, the
// earlier stored prime winning a tie.
//
// An object keeps its scratch buffers between calls.
class CoverSelector
{
public:
    // cellCodes: the working array the primes were generated from (2^n
    // entries, at most 64); only entries of exactly 1 need covering. Returns
    // prime numbers (1-based positions in primes) in the order of choice.
    std::vector<int> select(const std::vector<int> &cellCodes,
                            const std::vector<PrimeImplicant> &primes);
    // The same into an existing vector.
    void select(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes,
                std::vector<int> &selection);
    // The same, also recording each choice with its reason in `steps`.
    void select(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes,
                std::vector<int> &selection, std::vector<CoverStep> &steps);

private:
    // One body for both: without `record` (steps is null then) the
    // bookkeeping of the steps is compiled out, so "Minimize!" pays nothing
    // for the explanation.
    template <bool record>
    void run(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes,
             std::vector<int> &selection, std::vector<CoverStep> *steps);

    std::vector<std::uint64_t> covers_; // per prime: the rows it holds a 1 in
    std::vector<int> columns_;          // prime indexes of the columns still in the chart
};
