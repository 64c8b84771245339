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

// The integer program as its pieces: variables with their objective, and
// rows over them as (row, variable, coefficient) triples.
struct Program
{
    std::vector<double> objective;
    std::vector<int> tripleRows;
    std::vector<int> tripleColumns;
    std::vector<double> tripleValues;
    std::vector<double> rowLower;
    std::vector<double> rowUpper;

    int addVariable(double cost)
    {
        objective.push_back(cost);
        return static_cast<int>(objective.size()) - 1;
    }
    void addRow(const std::vector<std::pair<int, double>> &terms, double lower, double upper)
    {
        for (const auto &[variable, value] : terms) {
            tripleRows.push_back(static_cast<int>(rowLower.size()));
            tripleColumns.push_back(variable);
            tripleValues.push_back(value);
        }
        rowLower.push_back(lower);
        rowUpper.push_back(upper);
    }
};

struct Outcome
{
    bool solved = false;
    bool cancelled = false;
    std::vector<double> best; // empty: nothing better than the start
    // The root's linear relaxation: its value and each variable's reduced cost.
    double rootBound = 0.0;
    std::vector<double> reducedCosts;
};

Outcome run(const Program &program, const std::vector<double> &start,
            std::chrono::steady_clock::time_point deadline, const std::atomic<bool> *cancel)
{
    const auto variableCount = static_cast<int>(program.objective.size());
    const CoinPackedMatrix matrix(true, program.tripleRows.data(), program.tripleColumns.data(),
                                  program.tripleValues.data(),
                                  static_cast<CoinBigIndex>(program.tripleValues.size()));
    // Every variable is 0 or 1: the lower bounds, then the upper ones.
    std::vector<double> bounds(program.objective.size(), 0.0);
    bounds.resize(2 * program.objective.size(), 1.0);
    const double *lower = bounds.data();
    const double *upper = bounds.data() + program.objective.size();

    bool fired = false;
    const Stop stop{deadline, cancel, &fired};
    OsiClpSolverInterface solver;
    solver.messageHandler()->setLogLevel(0);
    const SimplexStop simplexStop(stop);
    solver.getModelPtr()->passInEventHandler(&simplexStop);
    solver.loadProblem(matrix, lower, upper, program.objective.data(), program.rowLower.data(),
                       program.rowUpper.data());
    for (int v = 0; v < variableCount; ++v)
        solver.setInteger(v);
    double startCost = 0;
    for (std::size_t v = 0; v < start.size(); ++v)
        startCost += start[v] * program.objective[v];

    CbcModel model(solver);
    model.setLogLevel(0);
    model.messageHandler()->setLogLevel(0);
    model.solver()->messageHandler()->setLogLevel(0);
    const TreeStop treeStop(stop);
    model.passInEventHandler(&treeStop);
    const std::chrono::duration<double> left = deadline - std::chrono::steady_clock::now();
    model.setMaximumSeconds(std::max(0.0, left.count()));
    // Every objective here is a sum of integers.
    model.setAllowableGap(0.5);
    model.setAllowableFractionGap(0.0);
    model.setAllowablePercentageGap(0.0);
    model.setBestSolution(start.data(), variableCount, startCost, true);
    model.initialSolve();
    Outcome outcome;
    if (model.solver()->isProvenOptimal()) {
        outcome.rootBound = model.solver()->getObjValue();
        const double *reduced = model.solver()->getReducedCost();
        outcome.reducedCosts.assign(reduced, reduced + variableCount);
    }
    if (!stop.now())
        model.branchAndBound();

    outcome.cancelled = cancel != nullptr && cancel->load(std::memory_order_relaxed);
    outcome.solved = model.status() == 0 && !fired;
    const double *best = model.bestSolution();
    if (best != nullptr && model.getObjValue() <= startCost - 0.5)
        outcome.best.assign(best, best + variableCount);
    return outcome;
}

std::vector<int> chosenOf(const std::vector<double> &values, std::size_t count)
{
    std::vector<int> chosen;
    for (std::size_t p = 0; p < count; ++p) {
        if (values[p] > 0.5)
            chosen.push_back(static_cast<int>(p));
    }
    return chosen;
}

// Products first, literals second: a product outweighs the literals of any
// cover no larger than the start (six at most per product).
double productWeight(const std::vector<int> &startChosen)
{
    return 6.0 * static_cast<double>(startChosen.size()) + 1.0;
}

} // namespace

bool JointIlp::available()
{
    return true;
}

JointIlp::Result JointIlp::leastCost(int rowCount, const std::vector<Column> &columns,
                                     const std::vector<int> &startChosen,
                                     std::chrono::steady_clock::time_point deadline,
                                     const std::atomic<bool> *cancel)
{
    const double weight = productWeight(startChosen);
    Program program;
    std::vector<std::vector<std::pair<int, double>>> rowTerms(static_cast<std::size_t>(rowCount));
    for (const Column &column : columns) {
        const int x = program.addVariable(weight + column.literals);
        for (const std::vector<int> &rows : column.rows) {
            for (const int r : rows)
                rowTerms[static_cast<std::size_t>(r)].emplace_back(x, 1.0);
        }
    }
    for (const auto &terms : rowTerms)
        program.addRow(terms, 1.0, COIN_DBL_MAX);
    std::vector<double> start(columns.size(), 0.0);
    for (const int c : startChosen)
        start[static_cast<std::size_t>(c)] = 1.0;

    const Outcome outcome = run(program, start, deadline, cancel);
    Result result;
    result.solved = outcome.solved;
    result.cancelled = outcome.cancelled;
    result.improved = !outcome.best.empty();
    if (result.improved)
        result.chosen = chosenOf(outcome.best, columns.size());
    const std::vector<int> &least = result.improved ? result.chosen : startChosen;
    double leastCost = 0.0;
    for (const int c : least)
        leastCost += program.objective[static_cast<std::size_t>(c)];
    // A column whose reduced cost lifts the root's bound above the least
    // cost is in no cover of that cost.
    result.candidates.assign(columns.size(), 1);
    if (result.solved && !outcome.reducedCosts.empty()) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (outcome.rootBound + outcome.reducedCosts[c] > leastCost + 1e-4)
                result.candidates[c] = 0;
        }
        for (const int c : least)
            result.candidates[static_cast<std::size_t>(c)] = 1;
    }
    return result;
}

JointIlp::Result JointIlp::fewestConnections(int rowCount, const std::vector<Column> &columns,
                                             const std::vector<char> &candidates,
                                             const std::vector<int> &startChosen,
                                             const std::vector<std::uint64_t> &startFeeds,
                                             std::chrono::steady_clock::time_point deadline,
                                             const std::atomic<bool> *cancel)
{
    const double weight = productWeight(startChosen);
    // The cost is a limit, and it stays in the objective too, weighted above
    // any number of connections: the relaxation then prunes by cost as well,
    // which proves large charts several times faster than the limit alone.
    const double costWeight = rowCount + 1.0;
    // x per candidate product, y per connection of a product with several
    // outputs; a product with one output is its own connection.
    Program program;
    std::vector<std::vector<std::pair<int, double>>> rowTerms(static_cast<std::size_t>(rowCount));
    std::vector<std::pair<int, double>> costTerms;
    std::vector<int> productVariable(columns.size(), -1);
    std::vector<std::vector<int>> connectionOf(columns.size());
    std::vector<std::pair<int, int>> links; // (y, x): y <= x
    double limit = 0.0;
    for (const int c : startChosen)
        limit += weight + columns[static_cast<std::size_t>(c)].literals;
    for (std::size_t p = 0; p < columns.size(); ++p) {
        if (!candidates[p])
            continue;
        const Column &column = columns[p];
        const bool single = __builtin_popcountll(column.outputs) == 1;
        const int x =
            program.addVariable(costWeight * (weight + column.literals) + (single ? 1.0 : 0.0));
        productVariable[p] = x;
        costTerms.emplace_back(x, weight + column.literals);
        for (const std::vector<int> &rows : column.rows) {
            const int variable = single ? x : program.addVariable(1.0);
            if (!single)
                links.emplace_back(variable, x);
            connectionOf[p].push_back(variable);
            for (const int r : rows)
                rowTerms[static_cast<std::size_t>(r)].emplace_back(variable, 1.0);
        }
    }
    for (const auto &terms : rowTerms)
        program.addRow(terms, 1.0, COIN_DBL_MAX);
    for (const auto &[y, x] : links)
        program.addRow({{y, 1.0}, {x, -1.0}}, -COIN_DBL_MAX, 0.0);
    program.addRow(costTerms, -COIN_DBL_MAX, limit + 0.5);

    std::vector<double> start(program.objective.size(), 0.0);
    for (std::size_t c = 0; c < startChosen.size(); ++c) {
        const auto p = static_cast<std::size_t>(startChosen[c]);
        start[static_cast<std::size_t>(productVariable[p])] = 1.0;
        std::size_t k = 0;
        for (std::uint64_t rest = columns[p].outputs; rest != 0; rest &= rest - 1, ++k) {
            if (((startFeeds[c] >> __builtin_ctzll(rest)) & 1) != 0)
                start[static_cast<std::size_t>(connectionOf[p][k])] = 1.0;
        }
    }

    const Outcome outcome = run(program, start, deadline, cancel);
    Result result;
    result.solved = outcome.solved;
    result.cancelled = outcome.cancelled;
    result.improved = !outcome.best.empty();
    if (!result.improved)
        return result;
    for (std::size_t p = 0; p < columns.size(); ++p) {
        if (productVariable[p] < 0)
            continue;
        std::uint64_t feeds = 0;
        int k = 0;
        for (std::uint64_t rest = columns[p].outputs; rest != 0; rest &= rest - 1, ++k) {
            if (outcome
                    .best[static_cast<std::size_t>(connectionOf[p][static_cast<std::size_t>(k)])] >
                0.5)
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

JointIlp::Result JointIlp::leastCost(int, const std::vector<Column> &columns,
                                     const std::vector<int> &,
                                     std::chrono::steady_clock::time_point,
                                     const std::atomic<bool> *)
{
    Result result;
    result.candidates.assign(columns.size(), 1);
    return result;
}

JointIlp::Result JointIlp::fewestConnections(int, const std::vector<Column> &,
                                             const std::vector<char> &, const std::vector<int> &,
                                             const std::vector<std::uint64_t> &,
                                             std::chrono::steady_clock::time_point,
                                             const std::atomic<bool> *)
{
    return {};
}

#endif
