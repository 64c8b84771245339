// SPDX-License-Identifier: GPL-3.0-or-later
// The exact minimum cover against brute force: for every function of up to
// three variables (don't cares included), every function of four variables,
// and random functions of four, five and six variables, in both forms, the
// cover found must equal the best of all prime subsets tried by increasing
// size, the listing of every minimum cover must be exactly the set brute
// force finds, and neither may ever be worse than the window's greedy cover.

#include "minimize/ExactCover.h"
#include "MinimizationFixtures.h"
#include "minimize/Minimization.h"

#include <QtTest>

#include <algorithm>
#include <cstdint>
#include <random>

using namespace MinimizationFixtures;

namespace {

using CellSet = std::uint64_t;
using Solutions = std::vector<std::vector<int>>;

int literalsOf(const PrimeImplicant &prime)
{
    const std::string cube = prime.cube.substr(0, prime.cube.size() - 1); // without the '*'
    return static_cast<int>(cube.size()) -
           static_cast<int>(std::count(cube.begin(), cube.end(), '-'));
}

CellSet requiredCells(const std::vector<int> &cellCodes)
{
    CellSet required = 0;
    for (std::size_t m = 0; m < cellCodes.size(); ++m) {
        if (cellCodes[m] == 1)
            required |= CellSet{1} << m;
    }
    return required;
}

CellSet cellsOf(const PrimeImplicant &prime)
{
    CellSet cells = 0;
    for (const int m : prime.minterms)
        cells |= CellSet{1} << m;
    return cells;
}

struct BruteForce
{
    int terms = -1; // -1: no subset covers
    int literals = 0;
    Solutions solutions; // sorted numbers, in the order the subsets were visited
};

// Every subset of the primes, by increasing size, in lexicographic order
// within a size; the first size with a cover decides the terms, the fewest
// literals among its covers decide the rest. Only subsets that can no longer
// become covers (the primes after the last one taken miss a cell) are
// skipped in bulk.
BruteForce bruteForce(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes)
{
    const CellSet required = requiredCells(cellCodes);
    const int count = static_cast<int>(primes.size());
    std::vector<CellSet> later(primes.size() + 1, 0); // cells of primes from - 1 on
    for (int p = count - 1; p >= 0; --p)
        later[static_cast<std::size_t>(p)] =
            later[static_cast<std::size_t>(p) + 1] | cellsOf(primes[static_cast<std::size_t>(p)]);
    BruteForce best;
    std::vector<int> subset;
    const auto visit = [&](auto &&self, int from, int left, CellSet covered, int literals) -> void {
        if ((required & ~(covered | later[static_cast<std::size_t>(from)])) != 0)
            return;
        if (left == 0) {
            if ((required & ~covered) != 0)
                return;
            if (best.terms < 0 || literals < best.literals) {
                best.terms = static_cast<int>(subset.size());
                best.literals = literals;
                best.solutions.clear();
            }
            if (literals == best.literals)
                best.solutions.push_back(subset);
            return;
        }
        for (int p = from; p <= count - left; ++p) {
            subset.push_back(p + 1);
            self(self, p + 1, left - 1, covered | cellsOf(primes[static_cast<std::size_t>(p)]),
                 literals + literalsOf(primes[static_cast<std::size_t>(p)]));
            subset.pop_back();
        }
    };
    for (int size = 0; size <= count && best.terms < 0; ++size)
        visit(visit, 0, size, 0, 0);
    return best;
}

std::string solutionsText(const Solutions &solutions)
{
    std::string text;
    for (const std::vector<int> &solution : solutions) {
        std::string one;
        for (const int number : solution)
            one += (one.empty() ? "" : ",") + std::to_string(number);
        text += (text.empty() ? "" : " ") + ("{" + one + "}");
    }
    return text;
}

struct Tally
{
    int functions = 0;
    int bruteForced = 0;
    int betterThanGreedy = 0;
};

// Checks one function in one form; returns a description of the first
// failure, or "". Brute force runs only when there are at most maxBrute primes.
std::string check(Minimization &minimization, int n, const std::vector<int> &cells,
                  MinimizationForm form, std::size_t maxBrute, Tally &tally)
{
    const MinimizationResult run = minimization.run(n, cells, form);
    const ExactCoverResult first = ExactCover::solve(run.cellCodes, run.primes);
    const ExactCoverResult every = ExactCover::solve(run.cellCodes, run.primes, true);
    ++tally.functions;

    if (first.solutions.size() != 1)
        return "expected exactly one solution, got " + solutionsText(first.solutions);
    if (every.solutions.empty() || every.solutions.front() != first.solutions.front())
        return "the first solution " + solutionsText(first.solutions) +
               " does not open the full list " + solutionsText(every.solutions);
    if (every.terms != first.terms || every.literals != first.literals)
        return "the full list has another cost than the first solution";
    if (!std::is_sorted(every.solutions.begin(), every.solutions.end()) ||
        std::adjacent_find(every.solutions.begin(), every.solutions.end()) != every.solutions.end())
        return "solutions not in strictly ascending order: " + solutionsText(every.solutions);
    // A bounded listing is the full list cut short, at the same cost.
    CoverLimits firstTwo;
    firstTwo.listLimit = 2;
    const ExactCoverResult some = ExactCover::solve(run.cellCodes, run.primes, firstTwo);
    if (some.count != every.solutions.size() || !some.complete)
        return "counted " + std::to_string(some.count) + " of " +
               std::to_string(every.solutions.size()) + " solutions";
    if (some.solutions.size() != std::min<std::size_t>(2, every.solutions.size()) ||
        !std::equal(some.solutions.begin(), some.solutions.end(), every.solutions.begin()) ||
        some.terms != every.terms || some.literals != every.literals)
        return "the first two solutions " + solutionsText(some.solutions) +
               " do not open the full list " + solutionsText(every.solutions);

    const CellSet required = requiredCells(run.cellCodes);
    for (const std::vector<int> &solution : every.solutions) {
        if (!std::is_sorted(solution.begin(), solution.end()) ||
            std::adjacent_find(solution.begin(), solution.end()) != solution.end())
            return "prime numbers not ascending in " + solutionsText({solution});
        CellSet covered = 0;
        int literals = 0;
        for (const int number : solution) {
            if (number < 1 || number > static_cast<int>(run.primes.size()))
                return "no prime " + std::to_string(number);
            covered |= cellsOf(run.primes[static_cast<std::size_t>(number - 1)]);
            literals += literalsOf(run.primes[static_cast<std::size_t>(number - 1)]);
        }
        if ((required & ~covered) != 0)
            return solutionsText({solution}) + " leaves a cell uncovered";
        if (static_cast<int>(solution.size()) != every.terms || literals != every.literals)
            return solutionsText({solution}) + " does not have the reported cost";
    }

    int greedyLiterals = 0;
    for (const int number : run.selection)
        greedyLiterals += literalsOf(run.primes[static_cast<std::size_t>(number - 1)]);
    const int greedyTerms = static_cast<int>(run.selection.size());
    if (std::make_pair(first.terms, first.literals) > std::make_pair(greedyTerms, greedyLiterals))
        return "worse than the greedy cover " + run.text;
    if (std::make_pair(first.terms, first.literals) < std::make_pair(greedyTerms, greedyLiterals))
        ++tally.betterThanGreedy;

    if (run.primes.size() > maxBrute)
        return "";
    ++tally.bruteForced;
    const BruteForce brute = bruteForce(run.cellCodes, run.primes);
    if (brute.terms != first.terms || brute.literals != first.literals)
        return "cost " + std::to_string(first.terms) + "/" + std::to_string(first.literals) +
               ", brute force " + std::to_string(brute.terms) + "/" +
               std::to_string(brute.literals);
    if (brute.solutions != every.solutions)
        return "solutions " + solutionsText(every.solutions) + ", brute force " +
               solutionsText(brute.solutions);
    return "";
}

} // namespace

class TestExactCover : public QObject
{
    Q_OBJECT

private slots:
    void knownCovers_data();
    void knownCovers();
    void uncoverableCell();
    void everyFunction_data();
    void everyFunction();
    void randomFunctions_data();
    void randomFunctions();
};

void TestExactCover::knownCovers_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("all");
    QTest::addColumn<int>("terms");
    QTest::addColumn<int>("literals");

    // Primes 1 = 11-, 2 = 1-1, 3 = -10, 4 = -01, 5 = 0-0, 6 = 00-: a ring
    // of six cells, covered by every other prime of the ring.
    QTest::newRow("cyclic ring has two minimum covers, listed in order")
        << 3 << "11100111" << false << "{1,4,5}"
        << "{1,4,5} {2,3,6}" << 3 << 6;
    // Primes 1 = 0-1 (don't cares only) and 2 = -0-.
    QTest::newRow("prime of don't cares only is never taken") << 3 << "1X0X1100" << false << "{2}"
                                                              << "{2}" << 1 << 1;
    QTest::newRow("no cell of value one: one empty cover") << 3 << "000XX000" << false << "{}"
                                                           << "{}" << 0 << 0;
    QTest::newRow("POS without any zero: one empty cover") << 2 << "1X11" << true << "{}"
                                                           << "{}" << 0 << 0;
    QTest::newRow("constant one: the all-dash prime without literals")
        << 2 << "1111" << false << "{1}"
        << "{1}" << 1 << 0;
    // Primes 1 = 11-, 2 = 1-1, 3 = -11: each is essential.
    QTest::newRow("essential primes only") << 3 << "00010111" << false << "{1,2,3}"
                                           << "{1,2,3}" << 3 << 6;
}

void TestExactCover::knownCovers()
{
    QFETCH(int, n);
    QFETCH(QString, cells);
    QFETCH(bool, pos);
    QFETCH(QString, first);
    QFETCH(QString, all);
    QFETCH(int, terms);
    QFETCH(int, literals);

    Minimization minimization;
    const MinimizationResult run =
        minimization.run(n, MinimizationFixtures::cells(cells.toStdString()),
                         pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts);
    const ExactCoverResult one = ExactCover::solve(run.cellCodes, run.primes);
    const ExactCoverResult every = ExactCover::solve(run.cellCodes, run.primes, true);
    QCOMPARE(QString::fromStdString(solutionsText(one.solutions)), first);
    QCOMPARE(QString::fromStdString(solutionsText(every.solutions)), all);
    QCOMPARE(one.terms, terms);
    QCOMPARE(one.literals, literals);
    QCOMPARE(every.terms, terms);
    QCOMPARE(every.literals, literals);
}

void TestExactCover::uncoverableCell()
{
    // Primes that miss a cell of value one admit no cover at all, which is
    // told apart from the empty cover of a function without ones.
    Minimization minimization;
    MinimizationResult run =
        minimization.run(3, cells("11100111"), MinimizationForm::SumOfProducts);
    const auto onCellFive = [](const PrimeImplicant &prime) {
        return std::count(prime.minterms.begin(), prime.minterms.end(), 5) != 0;
    };
    run.primes.erase(std::remove_if(run.primes.begin(), run.primes.end(), onCellFive),
                     run.primes.end());
    QCOMPARE(run.primes.size(), std::size_t{4});
    for (const bool all : {false, true}) {
        const ExactCoverResult result = ExactCover::solve(run.cellCodes, run.primes, all);
        QVERIFY(result.solutions.empty());
    }
}

void TestExactCover::everyFunction_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("outcomes");     // 2: zeros and ones, 3: don't cares too
    QTest::addColumn<bool>("greedyLoses"); // the sweep holds a function greedy covers too dearly

    QTest::newRow("one variable, don't cares") << 1 << 3 << false;
    QTest::newRow("two variables, don't cares") << 2 << 3 << false;
    QTest::newRow("three variables, don't cares") << 3 << 3 << true;
    QTest::newRow("four variables, no don't cares") << 4 << 2 << true;
}

void TestExactCover::everyFunction()
{
    QFETCH(int, n);
    QFETCH(int, outcomes);
    QFETCH(bool, greedyLoses);

    const int cellCount = 1 << n;
    long functionCount = 1;
    for (int m = 0; m < cellCount; ++m)
        functionCount *= outcomes;

    Minimization minimization;
    Tally tally;
    std::vector<int> cells(static_cast<std::size_t>(cellCount));
    for (long f = 0; f < functionCount; ++f) {
        for (long m = 0, rest = f; m < cellCount; ++m, rest /= outcomes)
            cells[static_cast<std::size_t>(m)] = static_cast<int>(rest % outcomes);
        // The product of sums of a function is the sum of products of the one
        // with zeros and ones swapped, which the sweep meets as well: one
        // form covers both here.
        const std::string failure =
            check(minimization, n, cells, MinimizationForm::SumOfProducts, 64, tally);
        if (!failure.empty())
            QFAIL((describe(n, cells, MinimizationForm::SumOfProducts) + ": " + failure).c_str());
    }
    qInfo("%d functions, %d covered better than greedily", tally.functions, tally.betterThanGreedy);
    QCOMPARE(tally.bruteForced, tally.functions);
    QCOMPARE(tally.betterThanGreedy > 0, greedyLoses);
}

void TestExactCover::randomFunctions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("count"); // functions per form checked against brute force
    QTest::addColumn<int>("maxPrimes");
    QTest::addColumn<unsigned>("seed");

    QTest::newRow("four variables, don't cares") << 4 << 3000 << 64 << 4u;
    QTest::newRow("five variables, don't cares") << 5 << 1500 << 24 << 5u;
    QTest::newRow("six variables, don't cares") << 6 << 1000 << 24 << 6u;
}

// Densities vary from function to function, so that sparse and dense, with
// and without don't cares, all occur; brute force needs few primes, so
// functions with more primes are checked without it until `count` functions
// per form have had it.
void TestExactCover::randomFunctions()
{
    QFETCH(int, n);
    QFETCH(int, count);
    QFETCH(int, maxPrimes);
    QFETCH(unsigned, seed);

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> percent(0, 99);
    Minimization minimization;
    const int cellCount = 1 << n;
    for (const MinimizationForm form :
         {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
        Tally tally;
        for (int attempt = 0; tally.bruteForced < count && attempt < 50 * count; ++attempt) {
            const int ones = 5 + percent(random) % 50;
            const int dontCares = percent(random) % 3 == 0 ? 0 : percent(random) % 30;
            std::vector<int> cells;
            for (int m = 0; m < cellCount; ++m) {
                const int draw = percent(random);
                cells.push_back(draw < dontCares ? 2 : draw < dontCares + ones ? 1 : 0);
            }
            // POS covers the zeros: draw the complement so that it is as sparse.
            if (form == MinimizationForm::ProductOfSums) {
                for (int &cell : cells)
                    cell = cell == 2 ? 2 : 1 - cell;
            }
            const std::string failure =
                check(minimization, n, cells, form, static_cast<std::size_t>(maxPrimes), tally);
            if (!failure.empty())
                QFAIL((describe(n, cells, form) + ": " + failure).c_str());
        }
        qInfo("%s: %d functions, %d of them brute-forced, %d covered better than greedily",
              form == MinimizationForm::SumOfProducts ? "SOP" : "POS", tally.functions,
              tally.bruteForced, tally.betterThanGreedy);
        QCOMPARE(tally.bruteForced, count);
    }
}

QTEST_GUILESS_MAIN(TestExactCover)
#include "ExactCoverTest.moc"
