#pragma once

#include "PrimeImplicant.h"

#include <cstdint>
#include <vector>

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

private:
    std::vector<std::uint64_t> covers_; // per prime: the rows it holds a 1 in
    std::vector<int> columns_;          // prime indexes of the columns still in the chart
};
