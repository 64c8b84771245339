#include "ExactCover.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

using CellSet = std::uint64_t;
// Terms and literals folded into one number: terms * literalWeight +
// literals, with literalWeight larger than any possible literal total, so
// comparing costs compares terms first and literals second.
using Cost = std::int64_t;

constexpr Cost unreachable = std::numeric_limits<Cost>::max() / 4;

CellSet bitOf(int cell)
{
    return CellSet{1} << cell;
}

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

int literalCount(const PrimeImplicant &prime)
{
    return static_cast<int>(std::count_if(prime.cube.begin(), prime.cube.end(),
                                          [](char c) { return c == '0' || c == '1'; }));
}

// A prime that may still be chosen: the cells of code 1 it covers and its cost.
struct Candidate
{
    CellSet cover;
    Cost cost;
    int number; // 1-based prime number
};

// What the allowed primes offer the cells still uncovered, gathered afresh at
// every node of a search.
struct Offer
{
    std::array<CellSet, 64> neighbours; // cells sharing an allowed prime with the cell
    std::array<Cost, 64> cheapest;      // cost of the cheapest allowed prime on the cell
    std::array<int, 64> coverers;       // number of allowed primes on the cell
    int largestCover = 0;
    Cost cheapestOverall = unreachable;

    // Looks at candidates[i] for every i in `allowed`. Returns false when some
    // uncovered cell has no allowed prime left.
    template <typename Indexes>
    bool gather(CellSet uncovered, const std::vector<Candidate> &candidates, const Indexes &allowed)
    {
        for (CellSet rest = uncovered; rest != 0; rest &= rest - 1) {
            const int cell = lowestCell(rest);
            neighbours[cell] = 0;
            cheapest[cell] = unreachable;
            coverers[cell] = 0;
        }
        largestCover = 0;
        cheapestOverall = unreachable;
        for (const int i : allowed) {
            const Candidate &candidate = candidates[static_cast<std::size_t>(i)];
            const CellSet useful = candidate.cover & uncovered;
            if (useful == 0)
                continue;
            largestCover = std::max(largestCover, countOf(useful));
            cheapestOverall = std::min(cheapestOverall, candidate.cost);
            for (CellSet rest = useful; rest != 0; rest &= rest - 1) {
                const int cell = lowestCell(rest);
                neighbours[cell] |= useful;
                cheapest[cell] = std::min(cheapest[cell], candidate.cost);
                ++coverers[cell];
            }
        }
        for (CellSet rest = uncovered; rest != 0; rest &= rest - 1) {
            if (coverers[lowestCell(rest)] == 0)
                return false;
        }
        return true;
    }

    // Two bounds on the cost of covering `uncovered`, the larger one counts.
    // Cells no two of which share an allowed prime need a prime each (picked
    // greedily, cells with few neighbours first); and every prime covers at
    // most largestCover of the cells.
    Cost lowerBound(CellSet uncovered) const
    {
        Cost independent = 0;
        for (CellSet open = uncovered; open != 0;) {
            int pick = lowestCell(open);
            int pickCount = 65;
            for (CellSet rest = open; rest != 0; rest &= rest - 1) {
                const int cell = lowestCell(rest);
                const int count = countOf(neighbours[cell] & open);
                if (count < pickCount) {
                    pick = cell;
                    pickCount = count;
                }
            }
            independent += cheapest[pick];
            open &= ~neighbours[pick];
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

// Finds the least cost of a cover by branching on the uncovered cell with the
// fewest allowed primes: each branch takes one of them and forbids the ones
// tried before it, so no cover is reached twice.
class CostSearch
{
public:
    CostSearch(const std::vector<Candidate> &candidates, Cost upperBound)
        : candidates_(candidates), best_(upperBound), forbidden_(candidates_.size(), 0)
    {}

    // The least cost below the upper bound, or the upper bound itself.
    Cost run(CellSet uncovered)
    {
        std::vector<int> all;
        for (std::size_t i = 0; i < candidates_.size(); ++i)
            all.push_back(static_cast<int>(i));
        search(uncovered, 0, all);
        return best_;
    }

private:
    void search(CellSet uncovered, Cost cost, const std::vector<int> &allowed)
    {
        if (uncovered == 0) {
            best_ = std::min(best_, cost);
            return;
        }
        std::vector<int> useful;
        useful.reserve(allowed.size());
        for (const int i : allowed) {
            if (!forbidden_[static_cast<std::size_t>(i)] &&
                (candidates_[static_cast<std::size_t>(i)].cover & uncovered) != 0)
                useful.push_back(i);
        }
        dropDominated(useful, uncovered);
        Offer offer;
        if (!offer.gather(uncovered, candidates_, useful))
            return;
        if (cost + offer.lowerBound(uncovered) >= best_)
            return;

        int cell = lowestCell(uncovered);
        for (CellSet rest = uncovered; rest != 0; rest &= rest - 1) {
            const int c = lowestCell(rest);
            if (offer.coverers[c] < offer.coverers[cell])
                cell = c;
        }
        // Larger and cheaper primes first, so that good covers come early and
        // tighten the bound.
        std::vector<int> branches;
        for (const int i : useful) {
            if (candidates_[static_cast<std::size_t>(i)].cover & bitOf(cell))
                branches.push_back(i);
        }
        std::sort(branches.begin(), branches.end(), [&](int a, int b) {
            const Candidate &x = candidates_[static_cast<std::size_t>(a)];
            const Candidate &y = candidates_[static_cast<std::size_t>(b)];
            const int xCount = countOf(x.cover & uncovered);
            const int yCount = countOf(y.cover & uncovered);
            return xCount != yCount ? xCount > yCount : x.cost < y.cost;
        });
        for (const int i : branches) {
            const Candidate &candidate = candidates_[static_cast<std::size_t>(i)];
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
    void dropDominated(std::vector<int> &useful, CellSet uncovered) const
    {
        std::vector<int> kept;
        kept.reserve(useful.size());
        for (std::size_t a = 0; a < useful.size(); ++a) {
            const Candidate &x = candidates_[static_cast<std::size_t>(useful[a])];
            const CellSet xCells = x.cover & uncovered;
            bool dominated = false;
            for (std::size_t b = 0; b < useful.size() && !dominated; ++b) {
                const Candidate &y = candidates_[static_cast<std::size_t>(useful[b])];
                const CellSet yCells = y.cover & uncovered;
                if (a == b || (xCells & ~yCells) != 0 || y.cost > x.cost)
                    continue;
                dominated = xCells != yCells || y.cost < x.cost || b < a;
            }
            if (!dominated)
                kept.push_back(useful[a]);
        }
        useful.swap(kept);
    }

    const std::vector<Candidate> &candidates_;
    Cost best_;
    std::vector<char> forbidden_;
};

// Lists the covers of a known least cost in lexicographic order: the primes
// are decided in ascending number, taking one before leaving it out. Covers
// of equal size met in this order are in lexicographic order of their sorted
// prime numbers.
class OrderedSearch
{
public:
    OrderedSearch(const std::vector<Candidate> &candidates, Cost target, std::size_t limit)
        : candidates_(candidates), target_(target), limit_(limit)
    {
        for (std::size_t i = 0; i < candidates_.size(); ++i)
            indexes_.push_back(static_cast<int>(i));
    }

    std::vector<std::vector<int>> run(CellSet uncovered)
    {
        search(0, uncovered, 0);
        return std::move(found_);
    }

private:
    void search(std::size_t next, CellSet uncovered, Cost cost)
    {
        if (uncovered == 0) {
            if (cost == target_ && found_.size() < limit_)
                found_.push_back(chosen_);
            return;
        }
        while (next < indexes_.size() && (candidates_[next].cover & uncovered) == 0)
            ++next;
        if (next == indexes_.size())
            return;
        Offer offer;
        const IndexRange allowed{indexes_.data() + next, indexes_.data() + indexes_.size()};
        if (!offer.gather(uncovered, candidates_, allowed))
            return;
        if (cost + offer.lowerBound(uncovered) > target_)
            return;

        const Candidate &candidate = candidates_[next];
        chosen_.push_back(candidate.number);
        search(next + 1, uncovered & ~candidate.cover, cost + candidate.cost);
        chosen_.pop_back();
        if (found_.size() >= limit_)
            return;
        search(next + 1, uncovered, cost);
    }

    const std::vector<Candidate> &candidates_;
    Cost target_;
    std::size_t limit_;
    std::vector<int> indexes_; // 0, 1, 2, ...: the candidates are in prime order already
    std::vector<int> chosen_;
    std::vector<std::vector<int>> found_;
};

// Largest cover first, the cheaper prime on a tie: a cover whose cost bounds
// the search from above.
Cost greedyCost(const std::vector<Candidate> &candidates, CellSet uncovered)
{
    Cost cost = 0;
    while (uncovered != 0) {
        const Candidate *best = nullptr;
        int bestCount = 0;
        for (const Candidate &candidate : candidates) {
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

} // namespace

ExactCoverResult ExactCover::solve(const std::vector<int> &cellCodes,
                                   const std::vector<PrimeImplicant> &primes, bool all)
{
    return solve(cellCodes, primes, all ? std::numeric_limits<std::size_t>::max() : 1);
}

ExactCoverResult ExactCover::solve(const std::vector<int> &cellCodes,
                                   const std::vector<PrimeImplicant> &primes, std::size_t limit)
{
    const int cellCount = static_cast<int>(std::min<std::size_t>(cellCodes.size(), 64));
    CellSet required = 0;
    for (int m = 0; m < cellCount; ++m) {
        if (cellCodes[static_cast<std::size_t>(m)] == 1)
            required |= bitOf(m);
    }

    std::vector<CellSet> covers;
    std::vector<int> literals;
    Cost literalWeight = 1;
    for (const PrimeImplicant &prime : primes) {
        CellSet cover = 0;
        for (const int m : prime.minterms) {
            if (m >= 0 && m < 64)
                cover |= bitOf(m);
        }
        covers.push_back(cover & required);
        literals.push_back(literalCount(prime));
        literalWeight += literals.back();
    }

    ExactCoverResult result;
    CellSet coverable = 0;
    for (const CellSet cover : covers)
        coverable |= cover;
    if ((required & ~coverable) != 0)
        return result;

    // A cell with a single prime on it makes that prime part of every cover.
    std::vector<int> essential;
    CellSet uncovered = required;
    Cost essentialCost = 0;
    for (CellSet rest = required; rest != 0; rest &= rest - 1) {
        const CellSet cell = rest & (~rest + 1);
        int only = -1;
        int count = 0;
        for (std::size_t p = 0; p < covers.size() && count < 2; ++p) {
            if (covers[p] & cell) {
                only = static_cast<int>(p);
                ++count;
            }
        }
        if (count == 1 && (uncovered & cell)) {
            essential.push_back(only + 1);
            uncovered &= ~covers[static_cast<std::size_t>(only)];
            essentialCost += literalWeight + literals[static_cast<std::size_t>(only)];
        }
    }

    std::vector<Candidate> candidates;
    for (std::size_t p = 0; p < covers.size(); ++p) {
        if ((covers[p] & uncovered) != 0)
            candidates.push_back(
                {covers[p] & uncovered, literalWeight + literals[p], static_cast<int>(p) + 1});
    }

    std::vector<std::vector<int>> rests = {{}};
    Cost restCost = 0;
    if (uncovered != 0) {
        restCost = CostSearch(candidates, greedyCost(candidates, uncovered)).run(uncovered);
        rests = OrderedSearch(candidates, restCost, std::max<std::size_t>(limit, 1)).run(uncovered);
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
