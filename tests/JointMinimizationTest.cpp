// SPDX-License-Identifier: GPL-3.0-or-later
// The joint cover of several outputs against brute force: for every function
// of two inputs and two outputs (don't cares included) and random functions
// of three inputs and up to three outputs, in both forms, each output's text
// must evaluate to the output off its don't cares, and (products, literals,
// connections) must equal the least triple over every set of primes, the
// primes found independently as the primes of the products of each set of
// outputs. One output must cost what the one-output exact cover costs, the
// PLA text must read back to every output, and a search cut short must still
// return a correct cover.

#include "minimize/JointMinimization.h"
#include "ExpressionReference.h"
#include "TestFunctions.h"
#include "minimize/ExactCover.h"
#include "minimize/JointIlp.h"
#include "minimize/Minimization.h"
#include "minimize/SeparateMinimization.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <limits>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

namespace {

using Codes = std::vector<std::vector<int>>;
using CellSet = std::uint64_t;
using Triple = std::tuple<int, int, int>; // products, literals, connections

struct Cube
{
    std::string text; // '0', '1', '-' per variable, first variable first
    CellSet cells = 0;
    int literals = 0;
    std::uint64_t outputs = 0; // implicant of the output, covering one of its ones
};

// The ones and zeros as the cover sees them: swapped for the product of sums.
CellSet cellsWith(const std::vector<int> &codes, int n, int code, MinimizationForm form)
{
    const int wanted = form == MinimizationForm::ProductOfSums ? 1 - code : code;
    CellSet cells = 0;
    for (int m = 0; m < (1 << n); ++m) {
        if (codes[static_cast<std::size_t>(m)] == wanted)
            cells |= CellSet{1} << m;
    }
    return cells;
}

std::vector<Cube> everyCube(int n)
{
    std::vector<Cube> cubes;
    int count = 1;
    for (int v = 0; v < n; ++v)
        count *= 3;
    for (int number = 0; number < count; ++number) {
        Cube cube;
        for (int v = 0, rest = number; v < n; ++v, rest /= 3)
            cube.text += "01-"[rest % 3];
        cube.literals = n - static_cast<int>(std::count(cube.text.begin(), cube.text.end(), '-'));
        for (int m = 0; m < (1 << n); ++m) {
            if (TestFunctions::cubeHolds(cube.text, m))
                cube.cells |= CellSet{1} << m;
        }
        cubes.push_back(cube);
    }
    return cubes;
}

// For every nonempty set S of outputs, the cubes maximal among those that
// cover no zero of any output of S; each with every output it can serve.
std::vector<Cube> referencePrimes(int n, const Codes &codes, MinimizationForm form)
{
    const std::size_t k = codes.size();
    std::vector<CellSet> ones;
    std::vector<CellSet> zeros;
    for (const std::vector<int> &output : codes) {
        ones.push_back(cellsWith(output, n, 1, form));
        zeros.push_back(cellsWith(output, n, 0, form));
    }
    const std::vector<Cube> cubes = everyCube(n);
    std::set<std::string> seen;
    std::vector<Cube> primes;
    for (std::uint64_t set = 1; set < (std::uint64_t{1} << k); ++set) {
        CellSet forbidden = 0;
        for (std::size_t j = 0; j < k; ++j) {
            if (((set >> j) & 1) != 0)
                forbidden |= zeros[j];
        }
        for (const Cube &cube : cubes) {
            if ((cube.cells & forbidden) != 0)
                continue;
            const bool maximal = std::none_of(cubes.begin(), cubes.end(), [&](const Cube &wider) {
                return wider.cells != cube.cells && (wider.cells & cube.cells) == cube.cells &&
                       (wider.cells & forbidden) == 0;
            });
            if (!maximal || !seen.insert(cube.text).second)
                continue;
            Cube prime = cube;
            for (std::size_t j = 0; j < k; ++j) {
                if ((cube.cells & zeros[j]) == 0 && (cube.cells & ones[j]) != 0)
                    prime.outputs |= std::uint64_t{1} << j;
            }
            if (prime.outputs != 0)
                primes.push_back(prime);
        }
    }
    return primes;
}

// The fewest of `members` (cubes serving output j) covering `required`.
int fewestCovering(const std::vector<const Cube *> &members, CellSet required)
{
    int best = static_cast<int>(members.size()) + 1;
    for (std::uint64_t pick = 0; pick < (std::uint64_t{1} << members.size()); ++pick) {
        CellSet covered = 0;
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (((pick >> i) & 1) != 0)
                covered |= members[i]->cells;
        }
        if ((required & ~covered) == 0)
            best = std::min(best, __builtin_popcountll(pick));
    }
    return best;
}

// Every set of primes by increasing size; the first size with a cover
// decides the products, the least (literals, connections) among its covers
// the rest.
Triple referenceMinimum(int n, const Codes &codes, MinimizationForm form)
{
    const std::vector<Cube> primes = referencePrimes(n, codes, form);
    std::vector<CellSet> ones;
    for (const std::vector<int> &output : codes)
        ones.push_back(cellsWith(output, n, 1, form));
    std::vector<int> subset;
    std::optional<Triple> best;
    const auto evaluate = [&] {
        int literals = 0;
        int connections = 0;
        for (const int p : subset)
            literals += primes[static_cast<std::size_t>(p)].literals;
        for (std::size_t j = 0; j < ones.size(); ++j) {
            std::vector<const Cube *> members;
            for (const int p : subset) {
                if (((primes[static_cast<std::size_t>(p)].outputs >> j) & 1) != 0)
                    members.push_back(&primes[static_cast<std::size_t>(p)]);
            }
            const int needed = fewestCovering(members, ones[j]);
            if (needed > static_cast<int>(members.size()))
                return;
            connections += needed;
        }
        const Triple triple{static_cast<int>(subset.size()), literals, connections};
        if (!best || triple < *best)
            best = triple;
    };
    const auto choose = [&](auto &&self, int from, int left) -> void {
        if (left == 0) {
            evaluate();
            return;
        }
        for (int p = from; p + left <= static_cast<int>(primes.size()); ++p) {
            subset.push_back(p);
            self(self, p + 1, left - 1);
            subset.pop_back();
        }
    };
    for (int size = 0; size <= static_cast<int>(primes.size()) && !best; ++size)
        choose(choose, 0, size);
    return best.value_or(Triple{-1, -1, -1});
}

bool valueOf(const std::string &text, int n, int m)
{
    if (text == "0" || text == "1")
        return text == "1";
    const VariableNames defaults = Minimization::defaultNames();
    const std::vector<std::string> names(defaults.begin(), defaults.begin() + n);
    std::vector<bool> values;
    values.reserve(static_cast<std::size_t>(n));
    for (int v = 0; v < n; ++v)
        values.push_back(((m >> (n - 1 - v)) & 1) != 0);
    return ExpressionReference::Reader(text, names, values).read().value_or(false);
}

// The cover's shape, and each output's text equal to the output off its
// don't cares; an empty string when all is well.
QString faultOf(int n, const Codes &codes, const JointCover &cover)
{
    int literals = 0;
    int connections = 0;
    for (const JointProduct &product : cover.products) {
        std::vector<int> minterms;
        for (int m = 0; m < (1 << n); ++m) {
            if (TestFunctions::cubeHolds(product.cube, m))
                minterms.push_back(m);
        }
        if (minterms != product.minterms || product.outputs == 0)
            return QString("product %1 has wrong cells or no output")
                .arg(QString::fromStdString(product.cube));
        literals += n - static_cast<int>(std::count(product.cube.begin(), product.cube.end(), '-'));
        connections += __builtin_popcountll(product.outputs);
    }
    if (literals != cover.literals || connections != cover.connections)
        return "counts disagree with the products";
    const VariableNames names = Minimization::defaultNames();
    for (std::size_t j = 0; j < codes.size(); ++j) {
        const std::string text = JointMinimization::outputText(cover, static_cast<int>(j), names);
        for (int m = 0; m < (1 << n); ++m) {
            const int code = codes[j][static_cast<std::size_t>(m)];
            if ((code == 0 || code == 1) && valueOf(text, n, m) != (code == 1))
                return QString("output %1 = %2 is wrong at cell %3")
                    .arg(j)
                    .arg(QString::fromStdString(text))
                    .arg(m);
        }
    }
    return {};
}

QString describe(const Codes &codes, MinimizationForm form)
{
    QString text = form == MinimizationForm::SumOfProducts ? "SOP" : "POS";
    for (const std::vector<int> &output : codes) {
        text += ' ';
        for (const int code : output)
            text += QString::number(code);
    }
    return text;
}

QString tripleText(const Triple &t)
{
    return QString("(%1, %2, %3)").arg(std::get<0>(t)).arg(std::get<1>(t)).arg(std::get<2>(t));
}

// A full check of one function against the reference.
QString compareWithReference(int n, const Codes &codes, MinimizationForm form,
                             const JointLimits &limits = {})
{
    const JointCover cover = JointMinimization::minimize(n, codes, form, limits);
    QString fault = faultOf(n, codes, cover);
    const Triple found{static_cast<int>(cover.products.size()), cover.literals, cover.connections};
    const Triple least = referenceMinimum(n, codes, form);
    if (fault.isEmpty() && !cover.proven)
        fault = "not proven";
    if (fault.isEmpty() && found != least)
        fault = "cost " + tripleText(found) + ", least " + tripleText(least);
    return fault.isEmpty() ? fault : describe(codes, form) + ": " + fault;
}

Codes randomCodes(std::mt19937 &random, int n, int k, unsigned outcomes)
{
    Codes codes(static_cast<std::size_t>(k), std::vector<int>(std::size_t{1} << n));
    for (std::vector<int> &output : codes) {
        for (int &code : output)
            code = static_cast<int>(random() % outcomes);
    }
    return codes;
}

constexpr std::array<MinimizationForm, 2> bothForms = {MinimizationForm::SumOfProducts,
                                                       MinimizationForm::ProductOfSums};

} // namespace

class JointMinimizationTest : public QObject
{
    Q_OBJECT
private slots:
    void everyTwoInputTwoOutputFunctionIsLeast();
    void randomThreeInputFunctionsAreLeast();
    void primesAreTheReferencePrimes();
    void oneOutputCostsWhatTheExactCoverCosts();
    void searchAndSolverAgree();
    void plaTextReadsBackToEveryOutput();
    void searchCutShortStillCovers();
    void refusesBadArguments();
    void separateCoversAreTheBaseline();
};

void JointMinimizationTest::everyTwoInputTwoOutputFunctionIsLeast()
{
    for (int number = 0; number < 6561; ++number) {
        Codes codes(2, std::vector<int>(4));
        for (int i = 0, rest = number; i < 8; ++i, rest /= 3)
            codes[static_cast<std::size_t>(i / 4)][static_cast<std::size_t>(i % 4)] = rest % 3;
        for (const MinimizationForm form : bothForms) {
            const QString fault = compareWithReference(2, codes, form);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }
}

void JointMinimizationTest::randomThreeInputFunctionsAreLeast()
{
    // Every eighth function goes straight to the solver, where the build has
    // one; the others are settled by the branch and bound.
    std::mt19937 random(20261209);
    JointLimits solverAtOnce;
    solverAtOnce.searchWork = 0;
    for (int round = 0; round < 2400; ++round) {
        const Codes codes = randomCodes(random, 3, 1 + round % 3, 2 + round % 2);
        const QString fault =
            compareWithReference(3, codes, bothForms[static_cast<std::size_t>(round / 3 % 2)],
                                 round % 8 == 0 ? solverAtOnce : JointLimits{});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void JointMinimizationTest::primesAreTheReferencePrimes()
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int n = 2 + round % 3;
        const Codes codes = randomCodes(random, n, 1 + round % 4, 3);
        const MinimizationForm form = bothForms[static_cast<std::size_t>(round % 2)];
        std::set<std::pair<std::string, std::uint64_t>> expected;
        for (const Cube &prime : referencePrimes(n, codes, form))
            expected.insert({prime.text, prime.outputs});
        std::set<std::pair<std::string, std::uint64_t>> found;
        for (const JointProduct &prime : JointMinimization::primes(n, codes, form))
            found.insert({prime.cube, prime.outputs});
        QVERIFY2(found == expected, qPrintable(describe(codes, form)));
    }
}

void JointMinimizationTest::oneOutputCostsWhatTheExactCoverCosts()
{
    std::mt19937 random(11);
    Minimization minimization;
    for (int round = 0; round < 600; ++round) {
        const int n = 2 + round % 5;
        const Codes codes = randomCodes(random, n, 1, 2 + round % 2);
        const MinimizationForm form = bothForms[static_cast<std::size_t>(round % 2)];
        const JointCover cover = JointMinimization::minimize(n, codes, form);
        const MinimizationResult result = minimization.run(n, codes[0], form);
        const ExactCoverResult exact = ExactCover::solve(result.cellCodes, result.primes);
        const QString context = describe(codes, form);
        QVERIFY2(faultOf(n, codes, cover).isEmpty(), qPrintable(context));
        QVERIFY2(cover.proven, qPrintable(context));
        QCOMPARE(static_cast<int>(cover.products.size()), exact.terms);
        QCOMPARE(cover.literals, exact.literals);
        QCOMPARE(cover.connections, exact.terms);
    }
}

// Beyond the reach of brute force, the branch and bound given all the time
// and the solver given it at once (where the build has one) must agree
// whenever both prove their cover minimal; without a solver both runs are
// the same search and the test only checks the covers. Some functions need
// more connections than each output's own minimum, so the solver's second
// step (the fewest connections at the least cost) is compared too.
void JointMinimizationTest::searchAndSolverAgree()
{
    std::mt19937 random(17);
    JointLimits searchOnly;
    searchOnly.searchWork = std::numeric_limits<std::uint64_t>::max();
    JointLimits solverAtOnce;
    solverAtOnce.searchWork = 0;
    int compared = 0;
    int aboveOwnMinimum = 0;
    for (int round = 0; round < 90; ++round) {
        const int n = round < 60 ? 4 + round % 2 : 5;
        const int k = round < 60 ? 2 + round % 5 : 6 + round % 3;
        const Codes codes = randomCodes(random, n, k, 2 + round % 2);
        const MinimizationForm form = bothForms[static_cast<std::size_t>(round / 2 % 2)];
        const JointCover searched = JointMinimization::minimize(n, codes, form, searchOnly);
        const JointCover solved = JointMinimization::minimize(n, codes, form, solverAtOnce);
        const QString context = describe(codes, form);
        QVERIFY2(faultOf(n, codes, searched).isEmpty(), qPrintable(context));
        QVERIFY2(faultOf(n, codes, solved).isEmpty(), qPrintable(context));
        if (!searched.proven || !solved.proven)
            continue;
        ++compared;
        QCOMPARE(solved.products.size(), searched.products.size());
        QCOMPARE(solved.literals, searched.literals);
        QCOMPARE(solved.connections, searched.connections);
        if (solved.connections >
            SeparateMinimization::minimize(n, codes, form, Minimization::defaultNames())
                .connections)
            ++aboveOwnMinimum;
    }
    QVERIFY(compared > 0);
    QVERIFY(!JointIlp::available() || aboveOwnMinimum > 0);
}

void JointMinimizationTest::plaTextReadsBackToEveryOutput()
{
    // Any cover serves here, so the search gets no time: the first cover found.
    std::mt19937 random(5);
    const std::vector<std::string> inputs = {"x", "y1", "z", "w", "v", "u"};
    for (int round = 0; round < 200; ++round) {
        const int n = 2 + round % 5;
        const int k = 1 + round % 7;
        const Codes codes = randomCodes(random, n, k, 3);
        const MinimizationForm form = bothForms[static_cast<std::size_t>(round % 2)];
        const JointCover cover = JointMinimization::minimize(n, codes, form, {0, nullptr, 0});
        const std::string text = PlaWriter::write(cover, inputs, {"s", "t"});
        // ".p" counts the product lines; in the sum of products they are the
        // cover's products.
        std::istringstream lines(text);
        int productLines = 0;
        int declared = -1;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(".p ", 0) == 0)
                declared = std::stoi(line.substr(3));
            else if (!line.empty() && line[0] != '.')
                ++productLines;
        }
        QCOMPARE(declared, productLines);
        if (form == MinimizationForm::SumOfProducts)
            QCOMPARE(static_cast<std::size_t>(productLines), cover.products.size());
        for (int j = 0; j < k; ++j) {
            const PlaReadResult read = PlaReader::read(text, 4, j);
            QVERIFY2(read.ok(), read.error.message.c_str());
            QCOMPARE(read.function->variableCount, n);
            QCOMPARE(read.function->outputCount, k);
            QCOMPARE(read.function->names,
                     std::vector<std::string>(inputs.begin(), inputs.begin() + n));
            for (int m = 0; m < (1 << n); ++m) {
                const int code = codes[static_cast<std::size_t>(j)][static_cast<std::size_t>(m)];
                const char value = read.function->values[static_cast<std::size_t>(m)];
                QVERIFY2(code == 2 || value == (code == 1 ? '1' : '0'),
                         qPrintable(describe(codes, form) + "\n" + QString::fromStdString(text)));
            }
        }
    }
}

void JointMinimizationTest::searchCutShortStillCovers()
{
    std::mt19937 random(3);
    const std::atomic<bool> cancelled{true};
    for (int round = 0; round < 20; ++round) {
        const Codes codes = randomCodes(random, 6, 8, 2);
        const MinimizationForm form = bothForms[static_cast<std::size_t>(round % 2)];
        const JointCover stopped = JointMinimization::minimize(6, codes, form, {10000, &cancelled});
        QVERIFY(stopped.cancelled);
        QVERIFY(!stopped.proven);
        QVERIFY2(faultOf(6, codes, stopped).isEmpty(), qPrintable(describe(codes, form)));
        const JointCover hurried = JointMinimization::minimize(6, codes, form, {0, nullptr});
        QVERIFY(!hurried.cancelled);
        QVERIFY2(faultOf(6, codes, hurried).isEmpty(), qPrintable(describe(codes, form)));
    }
}

void JointMinimizationTest::refusesBadArguments()
{
    const Codes twoOutputs(2, std::vector<int>(64, 1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             JointMinimization::minimize(1, twoOutputs, bothForms[0]));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             JointMinimization::minimize(7, twoOutputs, bothForms[0]));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             JointMinimization::minimize(4, Codes{}, bothForms[0]));
    QVERIFY_THROWS_EXCEPTION(
        std::invalid_argument,
        JointMinimization::minimize(4, Codes(65, std::vector<int>(16, 1)), bothForms[0]));
    QVERIFY_THROWS_EXCEPTION(
        std::invalid_argument,
        JointMinimization::minimize(5, Codes(2, std::vector<int>(16, 1)), bothForms[0]));
}

// Each output alone, the baseline of the results window: each cover equals
// its output and costs what a one-output joint search proves least; the
// joint cover never needs more products; and every product's own text is 1
// (SOP) or 0 (POS) exactly on its cube.
void JointMinimizationTest::separateCoversAreTheBaseline()
{
    std::mt19937 random(31);
    const VariableNames names = Minimization::defaultNames();
    for (int round = 0; round < 400; ++round) {
        const int n = 2 + round % 4;
        const Codes codes = randomCodes(random, n, 1 + round % 4, 3);
        const MinimizationForm form = bothForms[static_cast<std::size_t>(round % 2)];
        const QString context = describe(codes, form);
        const SeparateCovers separate = SeparateMinimization::minimize(n, codes, form, names);
        QCOMPARE(separate.covers.size(), codes.size());
        std::set<std::string> distinct;
        int connections = 0;
        for (std::size_t k = 0; k < codes.size(); ++k) {
            const MinimizedCover &cover = separate.covers[k];
            for (int m = 0; m < (1 << n); ++m) {
                const int code = codes[k][static_cast<std::size_t>(m)];
                QVERIFY2(code == 2 || valueOf(cover.text, n, m) == (code == 1),
                         qPrintable(context));
            }
            const JointCover alone = JointMinimization::minimize(n, {codes[k]}, form);
            QCOMPARE(static_cast<int>(cover.cubes.size()), static_cast<int>(alone.products.size()));
            distinct.insert(cover.cubes.begin(), cover.cubes.end());
            connections += static_cast<int>(cover.cubes.size());
        }
        QCOMPARE(separate.products, static_cast<int>(distinct.size()));
        QCOMPARE(separate.connections, connections);
        const JointCover joint = JointMinimization::minimize(n, codes, form);
        QVERIFY2(static_cast<int>(joint.products.size()) <= separate.products, qPrintable(context));
        const bool sop = form == MinimizationForm::SumOfProducts;
        for (const JointProduct &product : joint.products) {
            const std::string text = JointMinimization::productText(product, form, names);
            for (int m = 0; m < (1 << n); ++m)
                QVERIFY2(valueOf(text, n, m) == (TestFunctions::cubeHolds(product.cube, m) == sop),
                         qPrintable(context + " " + QString::fromStdString(text)));
        }
    }
}

QTEST_GUILESS_MAIN(JointMinimizationTest)
#include "JointMinimizationTest.moc"
