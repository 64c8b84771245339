// SPDX-License-Identifier: GPL-3.0-or-later
#include "JointIlp.h"

#ifdef TAVOLIN_HAVE_CBC

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <ClpEventHandler.hpp>
#include <ClpSimplex.hpp>
#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <cmath>

namespace {

// When to stop; `fired` records that a handler stopped the solver, which
// may then report a cut-short search as finished.
struct Stop
{
    std::chrono::steady_clock::time_point deadline;
    const std::atomic<bool> *cancel;
    bool *fired;

    bool now() const
    {
        const bool due = (cancel != nullptr && cancel->load(std::memory_order_relaxed)) ||
                         std::chrono::steady_clock::now() >= deadline;
        *fired = *fired || due;
        return due;
    }
};

// Ends the search between nodes once the caller cancels or the time is up.
class TreeStop : public CbcEventHandler
{
public:
    explicit TreeStop(Stop stop) : stop_(stop) {}
    CbcAction event(CbcEvent /*whichEvent*/) override { return stop_.now() ? stop : noAction; }
    CbcEventHandler *clone() const override { return new TreeStop(*this); }

private:
    Stop stop_;
};

// The same between the iterations of a linear program: the first one of a
// large chart alone can take seconds.
class SimplexStop : public ClpEventHandler
{
public:
    explicit SimplexStop(Stop stop) : stop_(stop) {}
    int event(Event whichEvent) override
    {
        return whichEvent == endOfIteration && stop_.now() ? 0 : -1;
    }
    ClpEventHandler *clone() const override { return new SimplexStop(*this); }

private:
    Stop stop_;
};

} // namespace

bool JointIlp::available()
{
    return true;
}

JointIlp::Result JointIlp::solve(int rowCount, const std::vector<Column> &columns,
                                 const std::vector<int> &startChosen,
                                 const std::vector<std::uint64_t> &startFeeds,
                                 std::chrono::steady_clock::time_point deadline,
                                 const std::atomic<bool> *cancel)
{
    // Weights so that one product outweighs every literal and connection of
    // any cover no larger than the start, and one literal every connection.
    const auto startProducts = static_cast<double>(startChosen.size());
    const double connectionBound = std::min<double>(rowCount, startProducts * 64) + 1;
    const double literalWeight = connectionBound;
    const double productWeight = literalWeight * (6 * startProducts + 1) + connectionBound;

    // Variables: x_p per product, then y_pj per connection of a product with
    // several outputs; a product with one output is its own connection.
    std::vector<double> objective;
    std::vector<std::vector<int>> rowVariables(static_cast<std::size_t>(rowCount));
    std::vector<std::pair<int, int>> links; // (y, x): y <= x
    std::vector<int> productVariable(columns.size());
    std::vector<std::vector<int>> connectionOf(columns.size());
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const Column &column = columns[p];
        const bool single = __builtin_popcountll(column.outputs) == 1;
        const int x = static_cast<int>(objective.size());
        productVariable[p] = x;
        objective.push_back(productWeight + literalWeight * column.literals + (single ? 1 : 0));
        for (const std::vector<int> &rows : column.rows) {
            int variable = x;
            if (!single) {
                variable = static_cast<int>(objective.size());
                objective.push_back(1);
                links.emplace_back(variable, x);
            }
            connectionOf[p].push_back(variable);
            for (const int r : rows)
                rowVariables[static_cast<std::size_t>(r)].push_back(variable);
        }
    }
    const auto variableCount = static_cast<int>(objective.size());

    // The matrix from (row, column, 1 or -1) triples, built in one go.
    std::vector<int> tripleRows;
    std::vector<int> tripleColumns;
    std::vector<double> tripleValues;
    std::vector<double> rowLower;
    std::vector<double> rowUpper;
    const auto add = [&](int variable, double value) {
        tripleRows.push_back(static_cast<int>(rowLower.size()));
        tripleColumns.push_back(variable);
        tripleValues.push_back(value);
    };
    for (const std::vector<int> &variables : rowVariables) {
        for (const int v : variables)
            add(v, 1.0);
        rowLower.push_back(1.0);
        rowUpper.push_back(COIN_DBL_MAX);
    }
    for (const auto &[y, x] : links) {
        add(y, 1.0);
        add(x, -1.0);
        rowLower.push_back(-COIN_DBL_MAX);
        rowUpper.push_back(0.0);
    }
    const CoinPackedMatrix matrix(true, tripleRows.data(), tripleColumns.data(),
                                  tripleValues.data(),
                                  static_cast<CoinBigIndex>(tripleValues.size()));
    const std::vector<double> lower(static_cast<std::size_t>(variableCount), 0.0);
    const std::vector<double> upper(static_cast<std::size_t>(variableCount), 1.0);

    bool fired = false;
    const Stop stop{deadline, cancel, &fired};
    OsiClpSolverInterface solver;
    solver.messageHandler()->setLogLevel(0);
    const SimplexStop simplexStop(stop);
    solver.getModelPtr()->passInEventHandler(&simplexStop);
    solver.loadProblem(matrix, lower.data(), upper.data(), objective.data(), rowLower.data(),
                       rowUpper.data());
    for (int v = 0; v < variableCount; ++v)
        solver.setInteger(v);

    std::vector<double> start(static_cast<std::size_t>(variableCount), 0.0);
    for (std::size_t c = 0; c < startChosen.size(); ++c) {
        const auto p = static_cast<std::size_t>(startChosen[c]);
        start[static_cast<std::size_t>(productVariable[p])] = 1.0;
        std::size_t k = 0;
        for (std::uint64_t rest = columns[p].outputs; rest != 0; rest &= rest - 1, ++k) {
            if (((startFeeds[c] >> __builtin_ctzll(rest)) & 1) != 0)
                start[static_cast<std::size_t>(connectionOf[p][k])] = 1.0;
        }
    }
    double startCost = 0;
    for (std::size_t v = 0; v < start.size(); ++v)
        startCost += start[v] * objective[v];

    CbcModel model(solver);
    model.setLogLevel(0);
    model.messageHandler()->setLogLevel(0);
    model.solver()->messageHandler()->setLogLevel(0);
    const TreeStop treeStop(stop);
    model.passInEventHandler(&treeStop);
    const std::chrono::duration<double> left = deadline - std::chrono::steady_clock::now();
    model.setMaximumSeconds(std::max(0.0, left.count()));
    model.setAllowableGap(0.5);
    model.setAllowableFractionGap(0.0);
    model.setAllowablePercentageGap(0.0);
    model.setBestSolution(start.data(), variableCount, startCost, true);
    model.initialSolve();
    if (!stop.now())
        model.branchAndBound();

    Result result;
    result.cancelled = cancel != nullptr && cancel->load(std::memory_order_relaxed);
    result.solved = model.status() == 0 && !fired;
    const double *best = model.bestSolution();
    if (best == nullptr || model.getObjValue() > startCost - 0.5)
        return result;
    result.improved = true;
    for (std::size_t p = 0; p < columns.size(); ++p) {
        std::uint64_t feeds = 0;
        int k = 0;
        for (std::uint64_t rest = columns[p].outputs; rest != 0; rest &= rest - 1, ++k) {
            if (best[connectionOf[p][static_cast<std::size_t>(k)]] > 0.5)
                feeds |= std::uint64_t{1} << __builtin_ctzll(rest);
        }
        if (feeds != 0) {
            result.chosen.push_back(static_cast<int>(p));
            result.feeds.push_back(feeds);
        }
    }
    return result;
}

#else

bool JointIlp::available()
{
    return false;
}

JointIlp::Result JointIlp::solve(int, const std::vector<Column> &, const std::vector<int> &,
                                 const std::vector<std::uint64_t> &,
                                 std::chrono::steady_clock::time_point, const std::atomic<bool> *)
{
    return {};
}

#endif
