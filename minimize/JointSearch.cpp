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
    if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
        cancelled_ = true;
        stopped_ = true;
    } else if ((nodes_++ & 63) == 0 && std::chrono::steady_clock::now() >= deadline_) {
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

void JointSearch::search(int depth, Cost cost, const std::vector<int> &allowed)
{
    const Word *uncovered = level(depth);
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
    std::vector<int> useful;
    std::vector<Word> useRows;
    std::vector<int> useCount;
    for (const int c : allowed) {
        if (forbidden_[static_cast<std::size_t>(c)] || !intersects(rowsOf(c), uncovered, words_))
            continue;
        useful.push_back(c);
        const Word *rows = rowsOf(c);
        int count = 0;
        for (std::size_t i = 0; i < words_; ++i) {
            useRows.push_back(rows[i] & uncovered[i]);
            count += __builtin_popcountll(useRows.back());
        }
        useCount.push_back(count);
    }

    // A column whose uncovered rows another covers too at no higher cost can
    // go (of two alike the later): some least cover does without it. When
    // listing every least cover only a strictly cheaper one may replace it.
    std::vector<char> dropped(useful.size(), 0);
    for (std::size_t a = 0; a < useful.size(); ++a) {
        const Cost aCost = costs_[static_cast<std::size_t>(useful[a])];
        const Word *aRows = useRows.data() + a * words_;
        for (std::size_t b = 0; b < useful.size(); ++b) {
            const Cost bCost = costs_[static_cast<std::size_t>(useful[b])];
            if (a == b || dropped[b] || useCount[b] < useCount[a] || bCost > aCost ||
                (enumerating_ && bCost == aCost))
                continue;
            if (!within(aRows, useRows.data() + b * words_, uncovered, words_))
                continue;
            if (useCount[b] > useCount[a] || bCost < aCost || b < a) {
                dropped[a] = 1;
                break;
            }
        }
    }
    std::size_t kept = 0;
    for (std::size_t a = 0; a < useful.size(); ++a) {
        if (dropped[a])
            continue;
        useful[kept] = useful[a];
        useCount[kept] = useCount[a];
        std::copy_n(useRows.begin() + static_cast<std::ptrdiff_t>(a * words_), words_,
                    useRows.begin() + static_cast<std::ptrdiff_t>(kept * words_));
        ++kept;
    }
    useful.resize(kept);
    useCount.resize(kept);

    // Per uncovered row: its columns, the cheapest of them, and the least
    // share of a column's cost per row it covers.
    forEachRow(uncovered, words_, [&](int r) {
        offers_[static_cast<std::size_t>(r)].coverers = 0;
        offers_[static_cast<std::size_t>(r)].cheapest = -1;
        offers_[static_cast<std::size_t>(r)].share = 0.0;
    });
    for (std::size_t a = 0; a < useful.size(); ++a) {
        const Cost c = costs_[static_cast<std::size_t>(useful[a])];
        const double share = static_cast<double>(c) / useCount[a];
        forEachRow(useRows.data() + a * words_, words_, [&](int r) {
            const auto row = static_cast<std::size_t>(r);
            if (offers_[row].coverers++ == 0 || c < offers_[row].cheapest)
                offers_[row].cheapest = c;
            if (offers_[row].coverers == 1 || share < offers_[row].share)
                offers_[row].share = share;
        });
    }
    bool coverable = true;
    double shareSum = 0.0;
    int start = 0;
    int branchRow = -1;
    forEachRow(uncovered, words_, [&](int r) {
        const auto row = static_cast<std::size_t>(r);
        coverable = coverable && offers_[row].coverers > 0;
        shareSum += offers_[row].share;
        offers_[row].start = start;
        start += offers_[row].coverers;
        if (branchRow < 0 ||
            offers_[row].coverers < offers_[static_cast<std::size_t>(branchRow)].coverers)
            branchRow = r;
    });
    if (!coverable)
        return;
    // Each row's start serves as the place of its next column, then moves back.
    rowColumns_.resize(static_cast<std::size_t>(start));
    for (std::size_t a = 0; a < useful.size(); ++a) {
        forEachRow(useRows.data() + a * words_, words_, [&](int r) {
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
    // first), and every row must pay at least its least share.
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
            const Word *rows = useRows.data() + a * words_;
            for (std::size_t i = 0; i < words_; ++i)
                open[i] &= ~rows[i];
        }
    }
    const auto shares = static_cast<Cost>(std::ceil(shareSum - 1e-6));
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
        if (useCount[a] != useCount[b])
            return useCount[a] > useCount[b];
        const Cost ca = costs_[static_cast<std::size_t>(useful[a])];
        const Cost cb = costs_[static_cast<std::size_t>(useful[b])];
        return ca != cb ? ca < cb : a < b;
    });
    for (const int a : branches) {
        const int column = useful[static_cast<std::size_t>(a)];
        const Word *rows = rowsOf(column);
        Word *next = level(depth + 1);
        for (std::size_t i = 0; i < words_; ++i)
            next[i] = uncovered[i] & ~rows[i];
        chosen_.push_back(column);
        search(depth + 1, cost + costs_[static_cast<std::size_t>(column)], useful);
        chosen_.pop_back();
        forbidden_[static_cast<std::size_t>(column)] = 1;
        if (stopped_)
            break;
    }
    for (const int a : branches)
        forbidden_[static_cast<std::size_t>(useful[static_cast<std::size_t>(a)])] = 0;
}
