// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverSelector.h"

#include <algorithm>
#include <cstdint>

namespace {

using MintermSet = std::uint64_t;

MintermSet bitOf(int minterm)
{
    return MintermSet{1} << minterm;
}

// Population count without a library call (the build targets plain x86-64).
int countOf(MintermSet set)
{
    set = set - ((set >> 1) & 0x5555555555555555u);
    set = (set & 0x3333333333333333u) + ((set >> 2) & 0x3333333333333333u);
    set = (set + (set >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((set * 0x0101010101010101u) >> 56);
}

} // namespace

std::vector<int> CoverSelector::select(const std::vector<int> &cellCodes,
                                       const std::vector<PrimeImplicant> &primes)
{
    std::vector<int> selection;
    select(cellCodes, primes, selection);
    return selection;
}

// The cover chart is held as one minterm set per prime (its rows holding a 1)
// and the set of rows still present; the list of remaining columns plays the
// part of the chart's header, so positions keep naming the primes they
// stood for while chosen columns drop out.
void CoverSelector::select(const std::vector<int> &cellCodes,
                           const std::vector<PrimeImplicant> &primes, std::vector<int> &selection)
{
    run<false>(cellCodes, primes, selection, nullptr);
}

void CoverSelector::select(const std::vector<int> &cellCodes,
                           const std::vector<PrimeImplicant> &primes, std::vector<int> &selection,
                           std::vector<CoverStep> &steps)
{
    steps.clear();
    run<true>(cellCodes, primes, selection, &steps);
}

template <bool record>
void CoverSelector::run(const std::vector<int> &cellCodes,
                        const std::vector<PrimeImplicant> &primes, std::vector<int> &selection,
                        std::vector<CoverStep> *steps)
{
    const int cellCount = static_cast<int>(std::min<std::size_t>(cellCodes.size(), 64));
    MintermSet rows = 0;
    for (int m = 0; m < cellCount; ++m)
        rows |= static_cast<MintermSet>(cellCodes[m] == 1) << m;

    // covers_[p]: the rows prime p holds a 1 in. A row's cover count is 1
    // exactly when it is in `once` but not in `twice`.
    const int primeCount = static_cast<int>(primes.size());
    covers_.assign(primes.size(), 0);
    MintermSet once = 0;
    MintermSet twice = 0;
    for (int p = 0; p < primeCount; ++p) {
        MintermSet cover = 0;
        for (const int m : primes[p].minterms)
            cover |= static_cast<unsigned>(m) < 64u ? bitOf(m) : 0;
        cover &= rows;
        covers_[p] = cover;
        twice |= once & cover;
        once |= cover;
    }
    const MintermSet coveredOnce = once & ~twice;

    columns_.clear();
    for (int p = 0; p < primeCount; ++p)
        columns_.push_back(p);

    selection.clear();
    const auto choose = [&](std::size_t column, int minterm, int ties) {
        const int prime = columns_[column];
        if constexpr (record)
            steps->push_back(
                {prime + 1, minterm, countOf(covers_[prime] & rows), countOf(rows), ties});
        selection.push_back(prime + 1);
        columns_.erase(columns_.begin() + static_cast<std::ptrdiff_t>(column));
        rows &= ~covers_[prime];
    };

    // The counts are taken once, before any choice: a minterm covered by an
    // essential prime chosen earlier is skipped, not re-examined.
    for (MintermSet single = coveredOnce; single != 0; single &= single - 1) {
        const MintermSet bit = single & (~single + 1);
        if (!(rows & bit))
            continue;
        for (std::size_t column = 0; column < columns_.size(); ++column) {
            if (covers_[columns_[column]] & bit) {
                choose(column, __builtin_ctzll(bit), 0);
                break;
            }
        }
    }

    // Columns without a remaining row can never win (a winner needs at least
    // one row), so each round drops them; the others keep their order.
    while (rows != 0) {
        std::size_t kept = 0;
        std::size_t best = 0;
        int bestCount = 0;
        int ties = 0;
        for (const int prime : columns_) {
            const int count = countOf(covers_[prime] & rows);
            if (count == 0)
                continue;
            if (count > bestCount) {
                best = kept;
                bestCount = count;
                ties = 0;
            } else if (record && count == bestCount) {
                ++ties;
            }
            columns_[kept++] = prime;
        }
        columns_.resize(kept);
        // Every remaining row is covered by some remaining prime; stop
        // rather than loop should the primes not cover the function.
        if (bestCount == 0)
            break;
        choose(best, -1, ties);
    }
}
