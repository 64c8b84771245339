// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExactCover.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

// A set of cells (rows of the cover chart) as one machine word; the
// hazard-free cover adds rows for pairs of cells and uses WideSet instead.
using CellSet = std::uint64_t;
// Terms and literals folded into one number: terms * literalWeight +
// literals, with literalWeight larger than any possible literal total, so
// comparing costs compares terms first and literals second.
using Cost = std::int64_t;

constexpr Cost unreachable = std::numeric_limits<Cost>::max() / 4;

// Population count without a library call (the build targets plain x86-64).
int countOf(CellSet set)
{
    set = set - ((set >> 1) & 0x5555555555555555u);
    set = (set & 0x3333333333333333u) + ((set >> 2) & 0x3333333333333333u);
    set = (set + (set >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((set * 0x0101010101010101u) >> 56);
}

int lowestCell(CellSet set)
{
    return __builtin_ctzll(set);
}

bool any(CellSet set)
{
    return set != 0;
}

void dropLowest(CellSet &set)
{
    set &= set - 1;
}

// 256 rows: the 64 cells of six variables and their 192 adjacent pairs.
struct WideSet
{
    std::array<std::uint64_t, 4> words{};

    friend WideSet operator&(const WideSet &a, const WideSet &b)
    {
        WideSet r;
        for (std::size_t i = 0; i < 4; ++i)
            r.words[i] = a.words[i] & b.words[i];
        return r;
    }
    friend WideSet operator|(const WideSet &a, const WideSet &b)
    {
        WideSet r;
        for (std::size_t i = 0; i < 4; ++i)
            r.words[i] = a.words[i] | b.words[i];
        return r;
    }
    friend WideSet operator~(const WideSet &a)
    {
        WideSet r;
        for (std::size_t i = 0; i < 4; ++i)
            r.words[i] = ~a.words[i];
        return r;
    }
    WideSet &operator&=(const WideSet &b) { return *this = *this & b; }
    WideSet &operator|=(const WideSet &b) { return *this = *this | b; }
    friend bool operator!=(const WideSet &a, const WideSet &b) { return a.words != b.words; }
};

int countOf(const WideSet &set)
{
    int count = 0;
    for (const std::uint64_t word : set.words)
        count += countOf(word);
    return count;
}

bool any(const WideSet &set)
{
    return (set.words[0] | set.words[1] | set.words[2] | set.words[3]) != 0;
}

int lowestCell(const WideSet &set)
{
    for (std::size_t i = 0; i < 4; ++i) {
        if (set.words[i] != 0)
            return static_cast<int>(i) * 64 + __builtin_ctzll(set.words[i]);
    }
    return 256;
}

void dropLowest(WideSet &set)
{
    for (std::uint64_t &word : set.words) {
        if (word != 0) {
            word &= word - 1;
            return;
        }
    }
}

template <typename Set> struct SetTraits;
template <> struct SetTraits<CellSet>
{
    static constexpr int capacity = 64;
    static CellSet bitOf(int cell) { return CellSet{1} << cell; }
};
template <> struct SetTraits<WideSet>
{
    static constexpr int capacity = 256;
    static WideSet bitOf(int cell)
    {
        WideSet set;
        set.words[static_cast<std::size_t>(cell / 64)] = std::uint64_t{1} << (cell % 64);
        return set;
    }
};

template <typename Set> Set bitOf(int cell)
{
    return SetTraits<Set>::bitOf(cell);
}

int literalCount(const PrimeImplicant &prime)
{
    return static_cast<int>(std::count_if(prime.cube.begin(), prime.cube.end(),
                                          [](char c) { return c == '0' || c == '1'; }));
}

// A prime that may still be chosen: the cells of code 1 it covers and its cost.
template <typename Set> struct Candidate
{
    Set cover;
    Cost cost;
    int number; // 1-based prime number
};

// What the allowed primes offer the cells still uncovered, gathered afresh at
// every node of a search.
template <typename Set> struct Offer
{
    static constexpr std::size_t capacity = SetTraits<Set>::capacity;
    std::array<Set, capacity> neighbours; // cells sharing an allowed prime with the cell
    std::array<Cost, capacity> cheapest;  // cost of the cheapest allowed prime on the cell
    std::array<int, capacity> coverers;   // number of allowed primes on the cell
    int largestCover = 0;
    Cost cheapestOverall = unreachable;

    // Looks at candidates[i] for every i in `allowed`. Returns false when some
    // uncovered cell has no allowed prime left.
    template <typename Indexes>
    bool gather(const Set &uncovered, const std::vector<Candidate<Set>> &candidates,
                const Indexes &allowed)
    {
        for (Set rest = uncovered; any(rest); dropLowest(rest)) {
            const auto cell = static_cast<std::size_t>(lowestCell(rest));
            neighbours[cell] = Set{};
            cheapest[cell] = unreachable;
            coverers[cell] = 0;
        }
        largestCover = 0;
        cheapestOverall = unreachable;
        for (const int i : allowed) {
            const Candidate<Set> &candidate = candidates[static_cast<std::size_t>(i)];
            const Set useful = candidate.cover & uncovered;
            if (!any(useful))
                continue;
            largestCover = std::max(largestCover, countOf(useful));
            cheapestOverall = std::min(cheapestOverall, candidate.cost);
            for (Set rest = useful; any(rest); dropLowest(rest)) {
                const auto cell = static_cast<std::size_t>(lowestCell(rest));
                neighbours[cell] |= useful;
                cheapest[cell] = std::min(cheapest[cell], candidate.cost);
                ++coverers[cell];
            }
        }
        for (Set rest = uncovered; any(rest); dropLowest(rest)) {
            if (coverers[static_cast<std::size_t>(lowestCell(rest))] == 0)
                return false;
        }
        return true;
    }

    // Two bounds on the cost of covering `uncovered`, the larger one counts.
    // Cells no two of which share an allowed prime need a prime each (picked
    // greedily, cells with few neighbours first); and every prime covers at
    // most largestCover of the cells.
    Cost lowerBound(const Set &uncovered) const
    {
        Cost independent = 0;
        for (Set open = uncovered; any(open);) {
            int pick = lowestCell(open);
            int pickCount = static_cast<int>(capacity) + 1;
            for (Set rest = open; any(rest); dropLowest(rest)) {
                const int cell = lowestCell(rest);
                const int count = countOf(neighbours[static_cast<std::size_t>(cell)] & open);
                if (count < pickCount) {
                    pick = cell;
                    pickCount = count;
                }
            }
            independent += cheapest[static_cast<std::size_t>(pick)];
            open &= ~neighbours[static_cast<std::size_t>(pick)];
        }
        const int cells = countOf(uncovered);
        const Cost bySize = (cells + largestCover - 1) / largestCover * cheapestOverall;
        return std::max(independent, bySize);
    }
};

// A range of ints, so that a suffix of a list can be gathered like a whole one.
struct IndexRange
{
    const int *first;
    const int *last;
    const int *begin() const { return first; }
    const int *end() const { return last; }
};

bool isCancelled(const std::atomic<bool> *cancel)
{
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// Finds the least cost of a cover by branching on the uncovered cell with the
// fewest allowed primes: each branch takes one of them and forbids the ones
// tried before it, so no cover is reached twice.
template <typename Set> class CostSearch
{
public:
    CostSearch(const std::vector<Candidate<Set>> &candidates, Cost upperBound,
               const std::atomic<bool> *cancel)
        : candidates_(candidates), best_(upperBound), forbidden_(candidates_.size(), 0),
          cancel_(cancel)
    {}

    // The least cost below the upper bound, or the upper bound itself.
    Cost run(const Set &uncovered)
    {
        std::vector<int> all;
        for (std::size_t i = 0; i < candidates_.size(); ++i)
            all.push_back(static_cast<int>(i));
        search(uncovered, 0, all);
        return best_;
    }

    bool cancelled() const { return cancelled_; }

private:
    void search(const Set &uncovered, Cost cost, const std::vector<int> &allowed)
    {
        if (!any(uncovered)) {
            best_ = std::min(best_, cost);
            return;
        }
        if (cancelled_ || (cancelled_ = isCancelled(cancel_)))
            return;
        std::vector<int> useful;
        useful.reserve(allowed.size());
        for (const int i : allowed) {
            if (!forbidden_[static_cast<std::size_t>(i)] &&
                any(candidates_[static_cast<std::size_t>(i)].cover & uncovered))
                useful.push_back(i);
        }
        dropDominated(useful, uncovered);
        Offer<Set> offer;
        if (!offer.gather(uncovered, candidates_, useful))
            return;
        if (cost + offer.lowerBound(uncovered) >= best_)
            return;

        int cell = lowestCell(uncovered);
        for (Set rest = uncovered; any(rest); dropLowest(rest)) {
            const int c = lowestCell(rest);
            if (offer.coverers[static_cast<std::size_t>(c)] <
                offer.coverers[static_cast<std::size_t>(cell)])
                cell = c;
        }
        // Larger and cheaper primes first, so that good covers come early and
        // tighten the bound.
        std::vector<int> branches;
        for (const int i : useful) {
            if (any(candidates_[static_cast<std::size_t>(i)].cover & bitOf<Set>(cell)))
                branches.push_back(i);
        }
        std::sort(branches.begin(), branches.end(), [&](int a, int b) {
            const Candidate<Set> &x = candidates_[static_cast<std::size_t>(a)];
            const Candidate<Set> &y = candidates_[static_cast<std::size_t>(b)];
            const int xCount = countOf(x.cover & uncovered);
            const int yCount = countOf(y.cover & uncovered);
            return xCount != yCount ? xCount > yCount : x.cost < y.cost;
        });
        for (const int i : branches) {
            const Candidate<Set> &candidate = candidates_[static_cast<std::size_t>(i)];
            search(uncovered & ~candidate.cover, cost + candidate.cost, useful);
            forbidden_[static_cast<std::size_t>(i)] = 1;
        }
        for (const int i : branches)
            forbidden_[static_cast<std::size_t>(i)] = 0;
    }

    // Drops every prime that another allowed one makes superfluous for the
    // least cost: one whose uncovered cells another covers too, at no higher
    // cost (of two equal ones the later goes). The listing of all least
    // covers must keep such primes; only the cost search may do this.
    void dropDominated(std::vector<int> &useful, const Set &uncovered) const
    {
        std::vector<int> kept;
        kept.reserve(useful.size());
        for (std::size_t a = 0; a < useful.size(); ++a) {
            const Candidate<Set> &x = candidates_[static_cast<std::size_t>(useful[a])];
            const Set xCells = x.cover & uncovered;
            bool dominated = false;
            for (std::size_t b = 0; b < useful.size() && !dominated; ++b) {
                const Candidate<Set> &y = candidates_[static_cast<std::size_t>(useful[b])];
                const Set yCells = y.cover & uncovered;
                if (a == b || any(xCells & ~yCells) || y.cost > x.cost)
                    continue;
                dominated = xCells != yCells || y.cost < x.cost || b < a;
            }
            if (!dominated)
                kept.push_back(useful[a]);
        }
        useful.swap(kept);
    }

    const std::vector<Candidate<Set>> &candidates_;
    Cost best_;
    std::vector<char> forbidden_;
    const std::atomic<bool> *cancel_;
    bool cancelled_ = false;
};

// Lists the covers of a known least cost in lexicographic order: the primes
// are decided in ascending number, taking one before leaving it out. Covers
// of equal size met in this order are in lexicographic order of their sorted
// prime numbers. Counting stops at the cap (0: none); only the first
// listLimit covers are kept.
template <typename Set> class OrderedSearch
{
public:
    OrderedSearch(const std::vector<Candidate<Set>> &candidates, Cost target,
                  const CoverLimits &limits)
        : candidates_(candidates), target_(target), limits_(limits)
    {
        for (std::size_t i = 0; i < candidates_.size(); ++i)
            indexes_.push_back(static_cast<int>(i));
    }

    std::vector<std::vector<int>> run(const Set &uncovered)
    {
        search(0, uncovered, 0);
        return std::move(found_);
    }

    std::uint64_t count() const { return count_; }
    bool stopped() const { return stopped_; }

private:
    void search(std::size_t next, const Set &uncovered, Cost cost)
    {
        if (!any(uncovered)) {
            if (cost == target_) {
                if (found_.size() < limits_.listLimit)
                    found_.push_back(chosen_);
                ++count_;
                if (limits_.countCap != 0 && count_ >= limits_.countCap)
                    stopped_ = true;
            }
            return;
        }
        if (isCancelled(limits_.cancel))
            stopped_ = true;
        if (stopped_)
            return;
        while (next < indexes_.size() && !any(candidates_[next].cover & uncovered))
            ++next;
        if (next == indexes_.size())
            return;
        Offer<Set> offer;
        const IndexRange allowed{indexes_.data() + next, indexes_.data() + indexes_.size()};
        if (!offer.gather(uncovered, candidates_, allowed))
            return;
        if (cost + offer.lowerBound(uncovered) > target_)
            return;

        const Candidate<Set> &candidate = candidates_[next];
        chosen_.push_back(candidate.number);
        search(next + 1, uncovered & ~candidate.cover, cost + candidate.cost);
        chosen_.pop_back();
        if (stopped_)
            return;
        search(next + 1, uncovered, cost);
    }

    const std::vector<Candidate<Set>> &candidates_;
    Cost target_;
    CoverLimits limits_;
    std::vector<int> indexes_; // 0, 1, 2, ...: the candidates are in prime order already
    std::vector<int> chosen_;
    std::vector<std::vector<int>> found_;
    std::uint64_t count_ = 0;
    bool stopped_ = false;
};

// Largest cover first, the cheaper prime on a tie: a cover whose cost bounds
// the search from above.
template <typename Set>
Cost greedyCost(const std::vector<Candidate<Set>> &candidates, Set uncovered)
{
    Cost cost = 0;
    while (any(uncovered)) {
        const Candidate<Set> *best = nullptr;
        int bestCount = 0;
        for (const Candidate<Set> &candidate : candidates) {
            const int count = countOf(candidate.cover & uncovered);
            if (count > bestCount || (count == bestCount && best && candidate.cost < best->cost)) {
                best = &candidate;
                bestCount = count;
            }
        }
        if (best == nullptr || bestCount == 0)
            return unreachable;
        cost += best->cost;
        uncovered &= ~best->cover;
    }
    return cost;
}

// The chart as rows (a set per prime of the rows it holds) to be covered in
// full, with each prime's literal count.
template <typename Set>
ExactCoverResult solveChart(const Set &required, const std::vector<Set> &covers,
                            const std::vector<int> &literals, const CoverLimits &limits)
{
    Cost literalWeight = 1;
    for (const int count : literals)
        literalWeight += count;

    ExactCoverResult result;
    Set coverable{};
    for (const Set &cover : covers)
        coverable |= cover;
    if (any(required & ~coverable)) {
        result.complete = true;
        return result;
    }

    // A cell with a single prime on it makes that prime part of every cover.
    std::vector<int> essential;
    Set uncovered = required;
    Cost essentialCost = 0;
    for (Set rest = required; any(rest); dropLowest(rest)) {
        const Set cell = bitOf<Set>(lowestCell(rest));
        int only = -1;
        int count = 0;
        for (std::size_t p = 0; p < covers.size() && count < 2; ++p) {
            if (any(covers[p] & cell)) {
                only = static_cast<int>(p);
                ++count;
            }
        }
        if (count == 1 && any(uncovered & cell)) {
            essential.push_back(only + 1);
            uncovered &= ~covers[static_cast<std::size_t>(only)];
            essentialCost += literalWeight + literals[static_cast<std::size_t>(only)];
        }
    }

    std::vector<Candidate<Set>> candidates;
    for (std::size_t p = 0; p < covers.size(); ++p) {
        if (any(covers[p] & uncovered))
            candidates.push_back(
                {covers[p] & uncovered, literalWeight + literals[p], static_cast<int>(p) + 1});
    }

    std::vector<std::vector<int>> rests = {{}};
    Cost restCost = 0;
    result.count = 1;
    if (any(uncovered)) {
        CostSearch<Set> costSearch(candidates, greedyCost(candidates, uncovered), limits.cancel);
        restCost = costSearch.run(uncovered);
        if (costSearch.cancelled()) {
            result.cancelled = true;
            result.complete = false;
            result.count = 0;
            return result;
        }
        OrderedSearch<Set> ordered(candidates, restCost, limits);
        rests = ordered.run(uncovered);
        result.count = ordered.count();
        result.complete = !ordered.stopped();
    }

    for (std::vector<int> &rest : rests) {
        rest.insert(rest.end(), essential.begin(), essential.end());
        std::sort(rest.begin(), rest.end());
    }
    result.solutions = std::move(rests);
    const Cost total = essentialCost + restCost;
    result.terms = static_cast<int>(total / literalWeight);
    result.literals = static_cast<int>(total % literalWeight);
    return result;
}

std::vector<int> literalCounts(const std::vector<PrimeImplicant> &primes)
{
    std::vector<int> literals;
    literals.reserve(primes.size());
    for (const PrimeImplicant &prime : primes)
        literals.push_back(literalCount(prime));
    return literals;
}

CellSet requiredCells(const std::vector<int> &cellCodes)
{
    const int cellCount = static_cast<int>(std::min<std::size_t>(cellCodes.size(), 64));
    CellSet required = 0;
    for (int m = 0; m < cellCount; ++m) {
        if (cellCodes[static_cast<std::size_t>(m)] == 1)
            required |= bitOf<CellSet>(m);
    }
    return required;
}

CellSet cellsOf(const PrimeImplicant &prime)
{
    CellSet cover = 0;
    for (const int m : prime.minterms) {
        if (m >= 0 && m < 64)
            cover |= bitOf<CellSet>(m);
    }
    return cover;
}

ExactCoverResult solveCells(const std::vector<int> &cellCodes,
                            const std::vector<PrimeImplicant> &primes, const CoverLimits &limits)
{
    const CellSet required = requiredCells(cellCodes);
    std::vector<CellSet> covers;
    covers.reserve(primes.size());
    for (const PrimeImplicant &prime : primes)
        covers.push_back(cellsOf(prime) & required);
    return solveChart(required, covers, literalCounts(primes), limits);
}

} // namespace

CoverLimits ExactCover::firstOnly()
{
    CoverLimits limits;
    limits.listLimit = 1;
    limits.countCap = 1;
    return limits;
}

ExactCoverResult ExactCover::solve(const std::vector<int> &cellCodes,
                                   const std::vector<PrimeImplicant> &primes, bool all)
{
    return solveCells(cellCodes, primes, all ? CoverLimits{} : firstOnly());
}

ExactCoverResult ExactCover::solve(const std::vector<int> &cellCodes,
                                   const std::vector<PrimeImplicant> &primes,
                                   const CoverLimits &limits)
{
    return solveCells(cellCodes, primes, limits);
}

// Rows: first every cell of code 1, then every pair of adjacent such cells.
// A prime holds a pair's row when it holds both cells.
ExactCoverResult ExactCover::hazardFree(const std::vector<int> &cellCodes,
                                        const std::vector<PrimeImplicant> &primes,
                                        const CoverLimits &limits)
{
    const int cellCount = static_cast<int>(std::min<std::size_t>(cellCodes.size(), 64));
    int n = 0;
    while ((1 << (n + 1)) <= cellCount)
        ++n;
    const CellSet ones = requiredCells(cellCodes);

    std::vector<CellSet> pairs;
    for (int m = 0; m < cellCount; ++m) {
        for (int bit = 0; bit < n; ++bit) {
            const int other = m ^ (1 << bit);
            if (other > m && (ones >> m & 1) != 0 && (ones >> other & 1) != 0)
                pairs.push_back(bitOf<CellSet>(m) | bitOf<CellSet>(other));
        }
    }

    const auto rowsOf = [&](CellSet cells) {
        WideSet rows;
        rows.words[0] = cells & ones;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if ((cells & pairs[i]) == pairs[i])
                rows |= bitOf<WideSet>(64 + static_cast<int>(i));
        }
        return rows;
    };
    std::vector<WideSet> covers;
    covers.reserve(primes.size());
    for (const PrimeImplicant &prime : primes)
        covers.push_back(rowsOf(cellsOf(prime)));
    WideSet required;
    required.words[0] = ones;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        required |= bitOf<WideSet>(64 + static_cast<int>(i));
    return solveChart(required, covers, literalCounts(primes), limits);
}
