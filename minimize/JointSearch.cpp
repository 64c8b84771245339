// SPDX-License-Identifier: GPL-3.0-or-later
#include "JointSearch.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace {

using Word = JointSearch::Word;
using Cost = JointSearch::Cost;

bool intersects(const Word *a, const Word *b, std::size_t words)
{
    for (std::size_t i = 0; i < words; ++i) {
        if ((a[i] & b[i]) != 0)
            return true;
    }
    return false;
}

int commonCount(const Word *a, const Word *b, std::size_t words)
{
    int count = 0;
    for (std::size_t i = 0; i < words; ++i)
        count += __builtin_popcountll(a[i] & b[i]);
    return count;
}

bool empty(const Word *a, std::size_t words)
{
    for (std::size_t i = 0; i < words; ++i) {
        if (a[i] != 0)
            return false;
    }
    return true;
}

// Calls f(row) for every set bit of `rows`.
template <typename F> void forEachRow(const Word *rows, std::size_t words, F &&f)
{
    for (std::size_t i = 0; i < words; ++i) {
        for (Word rest = rows[i]; rest != 0; rest &= rest - 1)
            f(static_cast<int>(i * 64) + __builtin_ctzll(rest));
    }
}

// Within the uncovered rows, are a's rows all among b's?
bool within(const Word *a, const Word *b, const Word *uncovered, std::size_t words)
{
    for (std::size_t i = 0; i < words; ++i) {
        if ((a[i] & uncovered[i] & ~b[i]) != 0)
            return false;
    }
    return true;
}

} // namespace

JointSearch::JointSearch(int rowCount, std::vector<Word> columnRows, std::vector<Cost> costs,
                         std::chrono::steady_clock::time_point deadline,
                         const std::atomic<bool> *cancel)
    : rowCount_(rowCount), words_(static_cast<std::size_t>((rowCount + 63) / 64)),
      columnRows_(std::move(columnRows)), costs_(std::move(costs)), deadline_(deadline),
      cancel_(cancel), levels_(static_cast<std::size_t>(rowCount) + 2),
      forbidden_(costs_.size(), 0), offers_(static_cast<std::size_t>(rowCount))
{}

Cost JointSearch::costOf(const std::vector<int> &columns) const
{
    Cost cost = 0;
    for (const int c : columns)
        cost += costs_[static_cast<std::size_t>(c)];
    return cost;
}

std::vector<int> JointSearch::greedy() const
{
    std::vector<Word> uncovered(words_, 0);
    for (int r = 0; r < rowCount_; ++r)
        uncovered[static_cast<std::size_t>(r / 64)] |= Word{1} << (r % 64);
    std::vector<int> chosen;
    while (!empty(uncovered.data(), words_)) {
        int pick = -1;
        int pickCount = 0;
        for (std::size_t c = 0; c < costs_.size(); ++c) {
            const int count = commonCount(rowsOf(static_cast<int>(c)), uncovered.data(), words_);
            if (count == 0)
                continue;
            // cost / count below the pick's, compared without division
            if (pick < 0 ||
                costs_[c] * pickCount < costs_[static_cast<std::size_t>(pick)] * count) {
                pick = static_cast<int>(c);
                pickCount = count;
            }
        }
        if (pick < 0)
            return {};
        chosen.push_back(pick);
        const Word *rows = rowsOf(pick);
        for (std::size_t i = 0; i < words_; ++i)
            uncovered[i] &= ~rows[i];
    }
    // Costly columns first: drop each one the others make superfluous.
    std::vector<int> order = chosen;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return costs_[static_cast<std::size_t>(a)] > costs_[static_cast<std::size_t>(b)];
    });
    for (const int candidate : order) {
        std::vector<Word> rest(words_, 0);
        for (const int c : chosen) {
            if (c == candidate)
                continue;
            const Word *rows = rowsOf(c);
            for (std::size_t i = 0; i < words_; ++i)
                rest[i] |= rows[i];
        }
        if (within(rowsOf(candidate), rest.data(), rowsOf(candidate), words_))
            chosen.erase(std::find(chosen.begin(), chosen.end(), candidate));
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

Word *JointSearch::level(int depth)
{
    std::vector<Word> &rows = levels_[static_cast<std::size_t>(depth)];
    rows.resize(words_);
    return rows.data();
}

bool JointSearch::shouldStop()
{
    if (stopped_)
        return true;
    ++nodes_;
    if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
        cancelled_ = true;
        stopped_ = true;
    } else if (work_ > workLimit_ ||
               ((nodes_ & 63) == 0 && std::chrono::steady_clock::now() >= deadline_)) {
        stopped_ = true;
    }
    return stopped_;
}

bool JointSearch::minimize(std::vector<int> &best)
{
    enumerating_ = false;
    best_ = costOf(best);
    bestColumns_ = best;
    searchFromRoot();
    best = bestColumns_;
    return !stopped_;
}

bool JointSearch::enumerate(Cost target, const std::function<bool(const std::vector<int> &)> &visit)
{
    enumerating_ = true;
    best_ = target;
    visit_ = &visit;
    searchFromRoot();
    visit_ = nullptr;
    return !stopped_;
}

void JointSearch::searchFromRoot()
{
    Word *all = level(0);
    std::fill(all, all + words_, 0);
    for (int r = 0; r < rowCount_; ++r)
        all[r / 64] |= Word{1} << (r % 64);
    std::vector<int> columns(costs_.size());
    std::iota(columns.begin(), columns.end(), 0);
    search(0, 0, columns);
}

JointSearch::Columns JointSearch::usefulColumns(const Word *uncovered,
                                                const std::vector<int> &allowed) const
{
    Columns node;
    for (const int c : allowed) {
        if (forbidden_[static_cast<std::size_t>(c)] || !intersects(rowsOf(c), uncovered, words_))
            continue;
        node.ids.push_back(c);
        const Word *rows = rowsOf(c);
        int count = 0;
        for (std::size_t i = 0; i < words_; ++i) {
            node.rows.push_back(rows[i] & uncovered[i]);
            count += __builtin_popcountll(node.rows.back());
        }
        node.counts.push_back(count);
    }
    return node;
}

bool JointSearch::coverable(const Word *uncovered, const Columns &node) const
{
    std::vector<Word> reached(words_, 0);
    for (std::size_t a = 0; a < node.ids.size(); ++a) {
        for (std::size_t i = 0; i < words_; ++i)
            reached[i] |= node.rows[a * words_ + i];
    }
    return within(uncovered, reached.data(), uncovered, words_);
}

// Every row must pay at least the least share of a column's cost per row
// it covers; summed, the shares bound the cost of any cover.
Cost JointSearch::shareBound(const Word *uncovered, const Columns &node)
{
    forEachRow(uncovered, words_,
               [&](int r) { offers_[static_cast<std::size_t>(r)].share = -1.0; });
    for (std::size_t a = 0; a < node.ids.size(); ++a) {
        const double share =
            static_cast<double>(costs_[static_cast<std::size_t>(node.ids[a])]) / node.counts[a];
        forEachRow(node.rows.data() + a * words_, words_, [&](int r) {
            double &least = offers_[static_cast<std::size_t>(r)].share;
            if (least < 0.0 || share < least)
                least = share;
        });
    }
    double sum = 0.0;
    forEachRow(uncovered, words_,
               [&](int r) { sum += offers_[static_cast<std::size_t>(r)].share; });
    return static_cast<Cost>(std::ceil(sum - 1e-6));
}

// A column whose uncovered rows another covers too at no higher cost can go
// (of two alike the later): some least cover does without it. When listing
// every least cover only a strictly cheaper one may replace it.
void JointSearch::dropDominatedColumns(const Word *uncovered, Columns &node) const
{
    const std::size_t count = node.ids.size();
    std::vector<char> dropped(count, 0);
    for (std::size_t a = 0; a < count; ++a) {
        const Cost aCost = costs_[static_cast<std::size_t>(node.ids[a])];
        const Word *aRows = node.rows.data() + a * words_;
        for (std::size_t b = 0; b < count; ++b) {
            const Cost bCost = costs_[static_cast<std::size_t>(node.ids[b])];
            if (a == b || dropped[b] || node.counts[b] < node.counts[a] || bCost > aCost ||
                (enumerating_ && bCost == aCost))
                continue;
            if (!within(aRows, node.rows.data() + b * words_, uncovered, words_))
                continue;
            if (node.counts[b] > node.counts[a] || bCost < aCost || b < a) {
                dropped[a] = 1;
                break;
            }
        }
    }
    std::size_t kept = 0;
    for (std::size_t a = 0; a < count; ++a) {
        if (dropped[a])
            continue;
        node.ids[kept] = node.ids[a];
        node.counts[kept] = node.counts[a];
        std::copy_n(node.rows.begin() + static_cast<std::ptrdiff_t>(a * words_), words_,
                    node.rows.begin() + static_cast<std::ptrdiff_t>(kept * words_));
        ++kept;
    }
    node.ids.resize(kept);
    node.counts.resize(kept);
    node.rows.resize(kept * words_);
}

// A row whose columns all cover another row too is covered whenever that
// one is: it is set aside (of two alike the later). True when one was.
bool JointSearch::dropImpliedRows(Word *uncovered, Columns &node)
{
    const std::size_t count = node.ids.size();
    const std::size_t columnWords = (count + 63) / 64;
    std::vector<int> rows;
    forEachRow(uncovered, words_, [&](int r) { rows.push_back(r); });
    // Per row (in the order of `rows`) the set of its columns.
    std::vector<Word> columnsOf(rows.size() * columnWords, 0);
    std::vector<int> columnCount(rows.size(), 0);
    for (std::size_t r = 0; r < rows.size(); ++r)
        offers_[static_cast<std::size_t>(rows[r])].start = static_cast<int>(r);
    for (std::size_t a = 0; a < count; ++a) {
        forEachRow(node.rows.data() + a * words_, words_, [&](int row) {
            const auto r = static_cast<std::size_t>(offers_[static_cast<std::size_t>(row)].start);
            columnsOf[r * columnWords + a / 64] |= Word{1} << (a % 64);
            ++columnCount[r];
        });
    }
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return columnCount[x] < columnCount[y]; });
    // Rows kept so far have no more columns than the one looked at.
    std::vector<std::size_t> kept;
    std::vector<Word> implied(words_, 0);
    bool any = false;
    for (const std::size_t r : order) {
        const Word *mine = columnsOf.data() + r * columnWords;
        const bool isImplied = std::any_of(kept.begin(), kept.end(), [&](std::size_t k) {
            return within(columnsOf.data() + k * columnWords, mine,
                          columnsOf.data() + k * columnWords, columnWords);
        });
        if (!isImplied) {
            kept.push_back(r);
            continue;
        }
        implied[static_cast<std::size_t>(rows[r] / 64)] |= Word{1} << (rows[r] % 64);
        any = true;
    }
    if (!any)
        return false;
    for (std::size_t i = 0; i < words_; ++i)
        uncovered[i] &= ~implied[i];
    for (std::size_t a = 0; a < count; ++a) {
        int rowsLeft = 0;
        for (std::size_t i = 0; i < words_; ++i) {
            Word &word = node.rows[a * words_ + i];
            word &= ~implied[i];
            rowsLeft += __builtin_popcountll(word);
        }
        node.counts[a] = rowsLeft;
    }
    return true;
}

void JointSearch::search(int depth, Cost cost, const std::vector<int> &allowed)
{
    Word *uncovered = level(depth);
    if (empty(uncovered, words_)) {
        std::vector<int> cover = chosen_;
        std::sort(cover.begin(), cover.end());
        if (enumerating_) {
            if (cost == best_ && !(*visit_)(cover))
                stopped_ = true;
        } else if (cost < best_) {
            best_ = cost;
            bestColumns_ = std::move(cover);
        }
        return;
    }
    if (shouldStop())
        return;

    // The columns still of use, with their rows restricted to the uncovered.
    Columns node = usefulColumns(uncovered, allowed);
    work_ += node.ids.size() * node.ids.size() * words_;
    if (!coverable(uncovered, node))
        return;
    const Cost shares = shareBound(uncovered, node);
    do
        dropDominatedColumns(uncovered, node);
    while (dropImpliedRows(uncovered, node));
    // Per row: its columns and the cheapest of them.
    forEachRow(uncovered, words_, [&](int r) {
        offers_[static_cast<std::size_t>(r)].coverers = 0;
        offers_[static_cast<std::size_t>(r)].cheapest = -1;
    });
    for (std::size_t a = 0; a < node.ids.size(); ++a) {
        const Cost c = costs_[static_cast<std::size_t>(node.ids[a])];
        forEachRow(node.rows.data() + a * words_, words_, [&](int r) {
            const auto row = static_cast<std::size_t>(r);
            if (offers_[row].coverers++ == 0 || c < offers_[row].cheapest)
                offers_[row].cheapest = c;
        });
    }
    int start = 0;
    int branchRow = -1;
    forEachRow(uncovered, words_, [&](int r) {
        const auto row = static_cast<std::size_t>(r);
        offers_[row].start = start;
        start += offers_[row].coverers;
        if (branchRow < 0 ||
            offers_[row].coverers < offers_[static_cast<std::size_t>(branchRow)].coverers)
            branchRow = r;
    });
    // Each row's start serves as the place of its next column, then moves back.
    rowColumns_.resize(static_cast<std::size_t>(start));
    for (std::size_t a = 0; a < node.ids.size(); ++a) {
        forEachRow(node.rows.data() + a * words_, words_, [&](int r) {
            RowOffer &offer = offers_[static_cast<std::size_t>(r)];
            rowColumns_[static_cast<std::size_t>(offer.start++)] = static_cast<int>(a);
        });
    }
    forEachRow(uncovered, words_, [&](int r) {
        RowOffer &offer = offers_[static_cast<std::size_t>(r)];
        offer.start -= offer.coverers;
    });

    // Two lower bounds, the larger counts: rows no two of which share a
    // column need one column each (picked greedily, rows with few columns
    // first), and the shares.
    Word *open = level(depth + 1);
    std::copy_n(uncovered, words_, open);
    Cost independent = 0;
    while (!empty(open, words_)) {
        int pick = -1;
        forEachRow(open, words_, [&](int r) {
            if (pick < 0 || offers_[static_cast<std::size_t>(r)].coverers <
                                offers_[static_cast<std::size_t>(pick)].coverers)
                pick = r;
        });
        independent += offers_[static_cast<std::size_t>(pick)].cheapest;
        const auto row = static_cast<std::size_t>(pick);
        const auto first = static_cast<std::size_t>(offers_[row].start);
        for (std::size_t k = 0; k < static_cast<std::size_t>(offers_[row].coverers); ++k) {
            const auto a = static_cast<std::size_t>(rowColumns_[first + k]);
            const Word *rows = node.rows.data() + a * words_;
            for (std::size_t i = 0; i < words_; ++i)
                open[i] &= ~rows[i];
        }
    }
    const Cost bound = cost + std::max(independent, shares);
    if (enumerating_ ? bound > best_ : bound >= best_)
        return;

    // Wide and cheap columns first, so that good covers come early.
    const auto row = static_cast<std::size_t>(branchRow);
    std::vector<int> branches(rowColumns_.begin() + offers_[row].start,
                              rowColumns_.begin() + offers_[row].start + offers_[row].coverers);
    std::sort(branches.begin(), branches.end(), [&](int x, int y) {
        const auto a = static_cast<std::size_t>(x);
        const auto b = static_cast<std::size_t>(y);
        if (node.counts[a] != node.counts[b])
            return node.counts[a] > node.counts[b];
        const Cost ca = costs_[static_cast<std::size_t>(node.ids[a])];
        const Cost cb = costs_[static_cast<std::size_t>(node.ids[b])];
        return ca != cb ? ca < cb : a < b;
    });
    for (const int a : branches) {
        const int column = node.ids[static_cast<std::size_t>(a)];
        const Word *rows = rowsOf(column);
        Word *next = level(depth + 1);
        for (std::size_t i = 0; i < words_; ++i)
            next[i] = uncovered[i] & ~rows[i];
        chosen_.push_back(column);
        search(depth + 1, cost + costs_[static_cast<std::size_t>(column)], node.ids);
        chosen_.pop_back();
        forbidden_[static_cast<std::size_t>(column)] = 1;
        if (stopped_)
            break;
    }
    for (const int a : branches)
        forbidden_[static_cast<std::size_t>(node.ids[static_cast<std::size_t>(a)])] = 0;
}
