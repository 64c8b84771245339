#pragma once

#include "PrimeImplicant.h"

#include <vector>

// Chooses a cover of the cells with code 1 from the primes: first every
// essential prime, in ascending order of the minterms that make them
// essential, then greedily the prime covering most of what is left, the
// earlier stored prime winning a tie.
class CoverSelector
{
public:
    // cellCodes: the working array the primes were generated from (2^n
    // entries, at most 64); only entries of exactly 1 need covering. Returns
    // prime numbers (1-based positions in primes) in the order of choice.
    static std::vector<int> select(const std::vector<int> &cellCodes,
                                   const std::vector<PrimeImplicant> &primes);
};
