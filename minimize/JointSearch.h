// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// A weighted set cover by branch and bound, for charts too wide for one
// machine word: the rows are (cell, output) pairs, up to 64 * 64 of them, a
// column is a product with every row it may cover. Each node branches on
// the uncovered row with the fewest columns left: each branch takes one of
// them and forbids those tried before it, so no set of columns is reached
// twice.
class JointSearch
{
public:
    using Cost = std::int64_t;
    using Word = std::uint64_t;

    // columnRows holds `words` words per column, words = (rowCount + 63) / 64.
    JointSearch(int rowCount, std::vector<Word> columnRows, std::vector<Cost> costs,
                std::chrono::steady_clock::time_point deadline, const std::atomic<bool> *cancel);

    // A quick cover: the column of least cost per new row first, then the
    // columns it no longer needs dropped. Empty when some row has no column.
    std::vector<int> greedy() const;
    Cost costOf(const std::vector<int> &columns) const;

    // Improves `best` (a cover, ascending column numbers) to one of least
    // cost. True when the search finished, so `best` is a minimum.
    bool minimize(std::vector<int> &best);

    // Calls `visit` with every cover of exactly `target` cost, the least
    // one; `visit` returns false to stop. True when all were visited.
    bool enumerate(Cost target, const std::function<bool(const std::vector<int> &)> &visit);

    // Stops the search (as the deadline does) once its work, counted over
    // minimize() and enumerate() as the column pairs each node compares
    // (times the words per column), passes `work`: a budget that, unlike
    // time, ends at the same place on every machine.
    void setWorkLimit(std::uint64_t work) { workLimit_ = work; }

    // The time ran out or the caller cancelled (sticky once seen).
    bool stopped() const { return stopped_; }
    bool cancelled() const { return cancelled_; }

private:
    // The columns still of use at a node, their rows restricted to the
    // uncovered ones, `words_` words per column.
    struct Columns
    {
        std::vector<int> ids;
        std::vector<Word> rows;
        std::vector<int> counts;
    };

    void searchFromRoot();
    Columns usefulColumns(const Word *uncovered, const std::vector<int> &allowed) const;
    bool coverable(const Word *uncovered, const Columns &node) const;
    Cost shareBound(const Word *uncovered, const Columns &node);
    void dropDominatedColumns(const Word *uncovered, Columns &node) const;
    bool dropImpliedRows(Word *uncovered, Columns &node);
    void search(int depth, Cost cost, const std::vector<int> &allowed);
    bool shouldStop();
    const Word *rowsOf(int column) const
    {
        return columnRows_.data() + static_cast<std::size_t>(column) * words_;
    }
    Word *level(int depth);

    int rowCount_;
    std::size_t words_;
    std::vector<Word> columnRows_;
    std::vector<Cost> costs_;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool> *cancel_;

    bool enumerating_ = false;
    Cost best_ = 0; // enumerating: the target
    std::vector<int> bestColumns_;
    const std::function<bool(const std::vector<int> &)> *visit_ = nullptr;

    std::vector<std::vector<Word>> levels_; // uncovered rows per depth
    std::vector<int> chosen_;
    std::vector<char> forbidden_;
    // What the columns still of use offer a row, refilled at every node for
    // the uncovered rows only.
    struct RowOffer
    {
        int coverers = 0;   // columns on the row
        Cost cheapest = 0;  // the least cost of one
        double share = 0.0; // the least cost of one per row it covers
        int start = 0;      // where its columns begin in rowColumns_
    };
    std::vector<RowOffer> offers_;
    std::vector<int> rowColumns_;
    std::uint64_t nodes_ = 0;
    std::uint64_t work_ = 0;
    std::uint64_t workLimit_ = ~std::uint64_t{0};
    bool stopped_ = false;
    bool cancelled_ = false;
};
