// SPDX-License-Identifier: GPL-3.0-or-later
#include "JointIlp.h"

#ifdef TAVOLIN_HAVE_CBC

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CoinPackedMatrix.hpp>
#include <CoinPackedVector.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <cmath>

namespace {

// Ends the solver's search once the caller cancels or the time is up.
class StopHandler : public CbcEventHandler
{
public:
    StopHandler(std::chrono::steady_clock::time_point deadline, const std::atomic<bool> *cancel)
        : deadline_(deadline), cancel_(cancel)
    {}

    CbcAction event(CbcEvent /*whichEvent*/) override
    {
        const bool cancelled = cancel_ != nullptr && cancel_->load(std::memory_order_relaxed);
        return cancelled || std::chrono::steady_clock::now() >= deadline_ ? stop : noAction;
    }

    CbcEventHandler *clone() const override { return new StopHandler(*this); }

private:
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool> *cancel_;
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

    CoinPackedMatrix matrix(false, 0, 0);
    matrix.setDimensions(0, variableCount);
    std::vector<double> rowLower;
    std::vector<double> rowUpper;
    for (const std::vector<int> &variables : rowVariables) {
        CoinPackedVector row;
        for (const int v : variables)
            row.insert(v, 1.0);
        matrix.appendRow(row);
        rowLower.push_back(1.0);
        rowUpper.push_back(COIN_DBL_MAX);
    }
    for (const auto &[y, x] : links) {
        CoinPackedVector row;
        row.insert(y, 1.0);
        row.insert(x, -1.0);
        matrix.appendRow(row);
        rowLower.push_back(-COIN_DBL_MAX);
        rowUpper.push_back(0.0);
    }
    const std::vector<double> lower(static_cast<std::size_t>(variableCount), 0.0);
    const std::vector<double> upper(static_cast<std::size_t>(variableCount), 1.0);

    OsiClpSolverInterface solver;
    solver.messageHandler()->setLogLevel(0);
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
    const StopHandler stopper(deadline, cancel);
    model.passInEventHandler(&stopper);
    const std::chrono::duration<double> left = deadline - std::chrono::steady_clock::now();
    model.setMaximumSeconds(std::max(0.0, left.count()));
    model.setAllowableGap(0.5);
    model.setAllowableFractionGap(0.0);
    model.setAllowablePercentageGap(0.0);
    model.setBestSolution(start.data(), variableCount, startCost, true);
    model.initialSolve();
    model.branchAndBound();

    Result result;
    result.cancelled = cancel != nullptr && cancel->load(std::memory_order_relaxed);
    result.solved = model.status() == 0 && !result.cancelled;
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
