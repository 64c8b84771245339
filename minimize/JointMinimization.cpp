// SPDX-License-Identifier: GPL-3.0-or-later
#include "JointMinimization.h"

#include "ExactCover.h"
#include "JointIlp.h"
#include "JointSearch.h"
#include "PrimeImplicant.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {

using CellSet = std::uint64_t;
using OutputSet = std::uint64_t;

// A product's cost in the chart: one product outweighs any sum of literals,
// so comparing costs compares products first and literals second.
constexpr JointSearch::Cost productWeight = JointSearch::Cost{1} << 16;

// The function as the search sees it: per output its cells of code 1 and
// of code 0, after the swap of the product-of-sums form.
struct Outputs
{
    int n = 0;
    std::vector<CellSet> ones;
    std::vector<CellSet> zeros;
};

Outputs outputsOf(int n, const std::vector<std::vector<int>> &cellCodes, MinimizationForm form)
{
    if (n < 2 || n > 6)
        throw std::invalid_argument("variable count must be 2..6");
    if (cellCodes.empty() || cellCodes.size() > 64)
        throw std::invalid_argument("output count must be 1..64");
    const std::size_t cellCount = std::size_t{1} << n;
    // The product of sums covers the zeros: 0 and 1 swap places.
    const int one = form == MinimizationForm::ProductOfSums ? 0 : 1;
    Outputs outputs;
    outputs.n = n;
    for (const std::vector<int> &codes : cellCodes) {
        if (codes.size() < cellCount)
            throw std::invalid_argument("fewer cell codes than 2^n");
        CellSet ones = 0;
        CellSet zeros = 0;
        for (std::size_t m = 0; m < cellCount; ++m) {
            if (codes[m] == one)
                ones |= CellSet{1} << m;
            else if (codes[m] == 1 - one)
                zeros |= CellSet{1} << m;
        }
        outputs.ones.push_back(ones);
        outputs.zeros.push_back(zeros);
    }
    return outputs;
}

// A cube as a value and a dash mask over the n variable bits (the first
// variable the most significant bit), with the outputs it serves.
struct Prime
{
    int value = 0;
    int dashes = 0;
    CellSet cells = 0;
    OutputSet outputs = 0; // implicant of the output and covers one of its ones
    int literals = 0;
    std::string cube;
};

std::vector<Prime> primesOf(const Outputs &outputs)
{
    const int n = outputs.n;
    const int cellCount = 1 << n;
    const int full = cellCount - 1;
    const auto outputCount = outputs.ones.size();
    const OutputSet everyOutput =
        outputCount == 64 ? ~OutputSet{0} : (OutputSet{1} << outputCount) - 1;
    std::vector<OutputSet> zeroOutputs(static_cast<std::size_t>(cellCount), 0);
    for (std::size_t j = 0; j < outputCount; ++j) {
        for (CellSet rest = outputs.zeros[j]; rest != 0; rest &= rest - 1)
            zeroOutputs[static_cast<std::size_t>(__builtin_ctzll(rest))] |= OutputSet{1} << j;
    }

    // Every cube by dash mask, each from the two halves of one dash, so the
    // outputs a cube is an implicant of come from those of its halves.
    const auto at = [](int dashes, int value) {
        return static_cast<std::size_t>(dashes) * 64 + static_cast<std::size_t>(value);
    };
    constexpr std::size_t cubeSlots = std::size_t{64} * 64;
    std::vector<OutputSet> implicantOf(cubeSlots, 0);
    std::vector<CellSet> cellsOf(cubeSlots, 0);
    for (int dashes = 0; dashes <= full; ++dashes) {
        const int bit = dashes & -dashes;
        for (int value = 0; value <= full; ++value) {
            if ((value & dashes) != 0)
                continue;
            if (dashes == 0) {
                implicantOf[at(0, value)] =
                    everyOutput & ~zeroOutputs[static_cast<std::size_t>(value)];
                cellsOf[at(0, value)] = CellSet{1} << value;
            } else {
                const std::size_t low = at(dashes ^ bit, value);
                const std::size_t high = at(dashes ^ bit, value | bit);
                implicantOf[at(dashes, value)] = implicantOf[low] & implicantOf[high];
                cellsOf[at(dashes, value)] = cellsOf[low] | cellsOf[high];
            }
        }
    }

    std::vector<Prime> primes;
    for (int dashes = 0; dashes <= full; ++dashes) {
        for (int value = 0; value <= full; ++value) {
            const OutputSet implied = implicantOf[at(dashes, value)];
            if ((value & dashes) != 0 || implied == 0)
                continue;
            // Prime when dropping any literal loses an output.
            bool prime = true;
            for (int bit = 1; bit <= full && prime; bit <<= 1) {
                if ((dashes & bit) == 0)
                    prime = implicantOf[at(dashes | bit, value & ~bit)] != implied;
            }
            if (!prime)
                continue;
            Prime p;
            p.value = value;
            p.dashes = dashes;
            p.cells = cellsOf[at(dashes, value)];
            for (OutputSet rest = implied; rest != 0; rest &= rest - 1) {
                const int j = __builtin_ctzll(rest);
                if ((outputs.ones[static_cast<std::size_t>(j)] & p.cells) != 0)
                    p.outputs |= OutputSet{1} << j;
            }
            if (p.outputs == 0)
                continue;
            p.literals = n - __builtin_popcount(static_cast<unsigned>(dashes));
            for (int v = n - 1; v >= 0; --v)
                p.cube += ((dashes >> v) & 1) ? '-' : ((value >> v) & 1) ? '1' : '0';
            primes.push_back(std::move(p));
        }
    }
    std::sort(primes.begin(), primes.end(), [](const Prime &a, const Prime &b) {
        return a.literals != b.literals ? a.literals < b.literals : a.cube < b.cube;
    });
    return primes;
}

std::vector<int> mintermsOf(CellSet cells)
{
    std::vector<int> minterms;
    for (; cells != 0; cells &= cells - 1)
        minterms.push_back(__builtin_ctzll(cells));
    return minterms;
}

// The fewest of `sets` covering `required` (a small chart: one output's
// cells and the chosen products serving it), as indexes in ascending order.
class SmallCover
{
public:
    explicit SmallCover(const std::vector<CellSet> &sets) : sets_(sets) {}

    std::vector<int> run(CellSet required)
    {
        best_.clear();
        bestSize_ = static_cast<int>(sets_.size()) + 1;
        search(required);
        std::sort(best_.begin(), best_.end());
        return best_;
    }

private:
    void search(CellSet uncovered)
    {
        const int size = static_cast<int>(chosen_.size());
        if (uncovered == 0) {
            if (size < bestSize_) {
                bestSize_ = size;
                best_ = chosen_;
            }
            return;
        }
        int widest = 0;
        int cell = -1;
        int fewest = 0;
        for (CellSet rest = uncovered; rest != 0; rest &= rest - 1) {
            const int m = __builtin_ctzll(rest);
            int count = 0;
            for (const CellSet set : sets_)
                count += static_cast<int>((set >> m) & 1);
            if (cell < 0 || count < fewest) {
                cell = m;
                fewest = count;
            }
        }
        for (const CellSet set : sets_)
            widest = std::max(widest, __builtin_popcountll(set & uncovered));
        if (fewest == 0)
            return;
        const int need = (__builtin_popcountll(uncovered) + widest - 1) / widest;
        if (size + need >= bestSize_)
            return;
        for (std::size_t s = 0; s < sets_.size(); ++s) {
            if (((sets_[s] >> cell) & 1) == 0)
                continue;
            chosen_.push_back(static_cast<int>(s));
            search(uncovered & ~sets_[s]);
            chosen_.pop_back();
        }
    }

    const std::vector<CellSet> &sets_;
    std::vector<int> chosen_;
    std::vector<int> best_;
    int bestSize_ = 0;
};

bool coversEveryOutput(const Outputs &outputs, const std::vector<Prime> &primes,
                       const std::vector<int> &chosen)
{
    for (std::size_t j = 0; j < outputs.ones.size(); ++j) {
        CellSet covered = 0;
        for (const int c : chosen) {
            const Prime &p = primes[static_cast<std::size_t>(c)];
            if (((p.outputs >> j) & 1) != 0)
                covered |= p.cells;
        }
        if ((outputs.ones[j] & ~covered) != 0)
            return false;
    }
    return true;
}

// Connects each output to the fewest chosen products that cover its ones:
// per product the outputs it feeds, and their total.
struct Connections
{
    std::vector<OutputSet> feeds; // parallel to the chosen primes
    int total = 0;
};

Connections connect(const Outputs &outputs, const std::vector<Prime> &primes,
                    const std::vector<int> &chosen)
{
    Connections result;
    result.feeds.assign(chosen.size(), 0);
    for (std::size_t j = 0; j < outputs.ones.size(); ++j) {
        std::vector<CellSet> sets;
        std::vector<std::size_t> owners;
        for (std::size_t c = 0; c < chosen.size(); ++c) {
            const Prime &p = primes[static_cast<std::size_t>(chosen[c])];
            if (((p.outputs >> j) & 1) != 0) {
                sets.push_back(p.cells & outputs.ones[j]);
                owners.push_back(c);
            }
        }
        SmallCover small(sets);
        for (const int s : small.run(outputs.ones[j])) {
            result.feeds[owners[static_cast<std::size_t>(s)]] |= OutputSet{1} << j;
            ++result.total;
        }
    }
    return result;
}

// Fewer connections are impossible: each output needs at least as many
// products as its own minimum cover.
int connectionFloor(const Outputs &outputs, const std::vector<Prime> &primes)
{
    int floor = 0;
    for (std::size_t j = 0; j < outputs.ones.size(); ++j) {
        std::vector<int> codes(64, 0);
        for (const int m : mintermsOf(outputs.ones[j]))
            codes[static_cast<std::size_t>(m)] = 1;
        // Literals play no part here: cubes without characters have none.
        std::vector<PrimeImplicant> serving;
        for (const Prime &p : primes) {
            if (((p.outputs >> j) & 1) != 0)
                serving.push_back({std::string(), mintermsOf(p.cells & outputs.ones[j])});
        }
        floor += ExactCover::solve(codes, serving).terms;
    }
    return floor;
}

// The rows of the cover chart: every (output, cell) pair of code 1,
// numbered output by output.
class Chart
{
public:
    explicit Chart(const Outputs &outputs) : cellCount_(std::size_t{1} << outputs.n)
    {
        rowOf_.assign(outputs.ones.size() * cellCount_, -1);
        for (std::size_t j = 0; j < outputs.ones.size(); ++j) {
            for (const int m : mintermsOf(outputs.ones[j]))
                rowOf_[j * cellCount_ + static_cast<std::size_t>(m)] = rowCount_++;
        }
    }

    int rowCount() const { return rowCount_; }

    // Calls f(k, row) for every row the prime covers, k counting its outputs.
    template <typename F> void forEachRow(const Prime &p, const Outputs &outputs, F &&f) const
    {
        std::size_t k = 0;
        for (OutputSet rest = p.outputs; rest != 0; rest &= rest - 1, ++k) {
            const auto j = static_cast<std::size_t>(__builtin_ctzll(rest));
            for (const int m : mintermsOf(p.cells & outputs.ones[j]))
                f(k, rowOf_[j * cellCount_ + static_cast<std::size_t>(m)]);
        }
    }

private:
    std::size_t cellCount_;
    std::vector<int> rowOf_;
    int rowCount_ = 0;
};

JointSearch searchOf(const Chart &chart, const Outputs &outputs, const std::vector<Prime> &primes,
                     std::chrono::steady_clock::time_point deadline,
                     const std::atomic<bool> *cancel)
{
    const auto words = static_cast<std::size_t>((chart.rowCount() + 63) / 64);
    std::vector<JointSearch::Word> columnRows(primes.size() * words, 0);
    std::vector<JointSearch::Cost> costs;
    for (std::size_t c = 0; c < primes.size(); ++c) {
        costs.push_back(productWeight + primes[c].literals);
        chart.forEachRow(primes[c], outputs, [&](std::size_t, int row) {
            columnRows[c * words + static_cast<std::size_t>(row / 64)] |= JointSearch::Word{1}
                                                                          << (row % 64);
        });
    }
    return {chart.rowCount(), std::move(columnRows), std::move(costs), deadline, cancel};
}

std::vector<JointIlp::Column> solverColumns(const Chart &chart, const Outputs &outputs,
                                            const std::vector<Prime> &primes)
{
    std::vector<JointIlp::Column> columns;
    for (const Prime &p : primes) {
        JointIlp::Column column;
        column.literals = p.literals;
        column.outputs = p.outputs;
        column.rows.resize(static_cast<std::size_t>(__builtin_popcountll(p.outputs)));
        chart.forEachRow(p, outputs,
                         [&](std::size_t k, int row) { column.rows[k].push_back(row); });
        columns.push_back(std::move(column));
    }
    return columns;
}

struct SolverOutcome
{
    bool proven = false;
    bool cancelled = false;
};

// The solver's two steps: the least cost, then the fewest connections among
// the covers of that cost, unless the cover at hand already has as few as
// any can have. Improves `chosen` and `connections` in place; the solver
// works in floating point, so every cover it gives is checked before use.
SolverOutcome solve(const Chart &chart, const Outputs &outputs, const std::vector<Prime> &primes,
                    std::vector<int> &chosen, Connections &connections,
                    std::chrono::steady_clock::time_point deadline, const std::atomic<bool> *cancel)
{
    const std::vector<JointIlp::Column> columns = solverColumns(chart, outputs, primes);
    const JointIlp::Result least =
        JointIlp::leastCost(chart.rowCount(), columns, chosen, deadline, cancel);
    if (least.improved && coversEveryOutput(outputs, primes, least.chosen)) {
        chosen = least.chosen;
        connections = connect(outputs, primes, chosen);
    } else if (least.improved) {
        return {false, least.cancelled};
    }
    if (!least.solved || connections.total <= connectionFloor(outputs, primes))
        return {least.solved, least.cancelled};
    const JointIlp::Result fewest = JointIlp::fewestConnections(
        chart.rowCount(), columns, least.candidates, chosen, connections.feeds, deadline, cancel);
    if (fewest.improved && coversEveryOutput(outputs, primes, fewest.chosen)) {
        Connections other = connect(outputs, primes, fewest.chosen);
        if (other.total < connections.total) {
            chosen = fewest.chosen;
            connections = std::move(other);
        }
    } else if (fewest.improved) {
        return {false, fewest.cancelled};
    }
    return {fewest.solved, fewest.cancelled};
}

} // namespace

std::vector<JointProduct> JointMinimization::primes(int n,
                                                    const std::vector<std::vector<int>> &cellCodes,
                                                    MinimizationForm form)
{
    std::vector<JointProduct> products;
    for (const Prime &p : primesOf(outputsOf(n, cellCodes, form)))
        products.push_back({p.cube, p.outputs, mintermsOf(p.cells)});
    return products;
}

JointCover JointMinimization::minimize(int n, const std::vector<std::vector<int>> &cellCodes,
                                       MinimizationForm form, const JointLimits &limits)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.milliseconds);
    const Outputs outputs = outputsOf(n, cellCodes, form);
    const std::vector<Prime> primes = primesOf(outputs);

    const Chart chart(outputs);

    // The hand-written search settles the small and the easy cases; where
    // the solver is built in, it gets the hard ones after a short try.
    JointSearch search = searchOf(chart, outputs, primes, deadline, limits.cancel);
    if (JointIlp::available())
        search.setWorkLimit(limits.searchWork);
    std::vector<int> chosen = search.greedy();
    bool proven = search.minimize(chosen);
    Connections connections = connect(outputs, primes, chosen);
    if (proven) {
        // Among the covers of least cost, the one with the fewest
        // connections; the search for it ends early at the floor.
        const int floor = connectionFloor(outputs, primes);
        bool atFloor = connections.total <= floor;
        if (!atFloor) {
            proven = search.enumerate(search.costOf(chosen), [&](const std::vector<int> &cover) {
                Connections other = connect(outputs, primes, cover);
                if (other.total < connections.total) {
                    connections = std::move(other);
                    chosen = cover;
                }
                atFloor = connections.total <= floor;
                return !atFloor;
            });
            proven = proven || atFloor;
        }
    }
    bool cancelled = search.cancelled();
    if (!proven && !cancelled && JointIlp::available() &&
        std::chrono::steady_clock::now() < deadline) {
        const SolverOutcome solved =
            solve(chart, outputs, primes, chosen, connections, deadline, limits.cancel);
        proven = solved.proven;
        cancelled = solved.cancelled;
    }

    JointCover cover;
    cover.variableCount = n;
    cover.outputCount = static_cast<int>(outputs.ones.size());
    cover.form = form;
    cover.proven = proven;
    cover.cancelled = cancelled;
    for (std::size_t c = 0; c < chosen.size(); ++c) {
        const Prime &p = primes[static_cast<std::size_t>(chosen[c])];
        if (connections.feeds[c] == 0)
            continue;
        cover.products.push_back({p.cube, connections.feeds[c], mintermsOf(p.cells)});
        cover.literals += p.literals;
        cover.connections += __builtin_popcountll(connections.feeds[c]);
    }
    std::sort(cover.products.begin(), cover.products.end(),
              [](const JointProduct &a, const JointProduct &b) {
                  if (a.minterms.front() != b.minterms.front())
                      return a.minterms.front() < b.minterms.front();
                  if (a.minterms.size() != b.minterms.size())
                      return a.minterms.size() > b.minterms.size();
                  return a.cube < b.cube;
              });
    return cover;
}

std::string JointMinimization::outputText(const JointCover &cover, int output,
                                          const VariableNames &names)
{
    if (output < 0 || output >= cover.outputCount)
        throw std::invalid_argument("no such output");
    std::vector<PrimeImplicant> used;
    std::vector<int> selection;
    for (const JointProduct &product : cover.products) {
        if (((product.outputs >> output) & 1) != 0) {
            used.push_back({product.cube, product.minterms});
            selection.push_back(static_cast<int>(used.size()));
        }
    }
    // resultText() tells the two constants apart by the cells: a product
    // without literals covers every cell, no product none.
    const std::vector<int> constantCells = {used.empty() ? 0 : 1};
    return resultText(constantCells, used, selection, cover.form, names);
}

std::string JointMinimization::productText(const JointProduct &product, MinimizationForm form,
                                           const VariableNames &names)
{
    const std::vector<PrimeImplicant> used = {{product.cube, product.minterms}};
    return resultText({1}, used, {1}, form, names);
}
