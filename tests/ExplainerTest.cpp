// SPDX-License-Identifier: GPL-3.0-or-later
// The explanation against the minimizer and against independent oracles:
// its choices and their reasons must be "Minimize!"'s selection replayed on
// the chart, its essentials those brute force finds, its hazard-free cover
// the cheapest one an exhaustive search over all implicants finds, and its
// renderings must read back through real Markdown and HTML parsers.

#include "explain/Explainer.h"
#include "MinimizationFixtures.h"
#include "TestFunctions.h"
#include "explain/ExplanationRenderer.h"
#include "minimize/ExactCover.h"

#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

#include <random>

using namespace MinimizationFixtures;

namespace {

using CellSet = std::uint64_t;

CellSet cubeCells(std::uint8_t value, std::uint8_t dashes, int n)
{
    CellSet cells = 0;
    for (int m = 0; m < (1 << n); ++m) {
        if ((m & ~dashes) == value)
            cells |= CellSet{1} << m;
    }
    return cells;
}

CellSet setOf(const std::vector<int> &minterms)
{
    CellSet cells = 0;
    for (const int m : minterms)
        cells |= CellSet{1} << m;
    return cells;
}

// The cells of every prime, index p - 1 for prime p.
std::vector<CellSet> primeSets(const Explanation &e)
{
    std::vector<CellSet> sets;
    for (const ExplainedPrime &prime : e.primes)
        sets.push_back(setOf(prime.minterms));
    return sets;
}

CellSet cellsWithCode(const std::vector<int> &codes, int code)
{
    CellSet cells = 0;
    for (std::size_t m = 0; m < codes.size(); ++m) {
        if (codes[m] == code)
            cells |= CellSet{1} << m;
    }
    return cells;
}

int popcount(CellSet set)
{
    return __builtin_popcountll(set);
}

std::vector<int> randomCells(std::mt19937 &random, int n, bool dontCares)
{
    std::vector<int> cells(std::size_t{1} << n);
    const unsigned ones = 10 + random() % 80;
    const unsigned cares = dontCares ? random() % 30 : 0;
    for (int &cell : cells) {
        const unsigned draw = random() % 100;
        cell = draw < cares ? 2 : draw < cares + ones ? 1 : 0;
    }
    return cells;
}

// Replays "Minimize!"'s rule on the chart and checks that every recorded
// reason is what the chart says at that point. Returns "" or a failure.
std::string checkChoices(const Explanation &e, const MinimizationResult &run)
{
    const std::vector<CellSet> sets = primeSets(e);
    std::vector<int> chosen;
    for (const CoverStep &step : e.choices)
        chosen.push_back(step.prime);
    if (chosen != run.selection)
        return "choices " + listText(chosen) + ", Minimize! chose " + listText(run.selection);
    if (e.windowCover.text != run.text)
        return "cover text " + e.windowCover.text + ", Minimize! wrote " + run.text;

    CellSet rows = cellsWithCode(e.cellCodes, 1);
    bool greedyPhase = false;
    for (const CoverStep &step : e.choices) {
        const CellSet cover = sets[static_cast<std::size_t>(step.prime - 1)];
        if (step.covered != popcount(cover & rows) || step.remaining != popcount(rows))
            return "step P" + std::to_string(step.prime) + " reports wrong counts";
        if (step.minterm >= 0) {
            if (greedyPhase)
                return "an essential choice after a greedy one";
            const CellSet bit = CellSet{1} << step.minterm;
            int coverers = 0;
            for (const CellSet cells : sets)
                coverers += (cells & bit) != 0;
            if (!(rows & bit) || !(cover & bit) || coverers != 1)
                return "P" + std::to_string(step.prime) + " is not the only prime on " +
                       std::to_string(step.minterm);
        } else {
            greedyPhase = true;
            int ties = 0;
            for (const ExplainedPrime &prime : e.primes) {
                const int count = popcount(sets[static_cast<std::size_t>(prime.number - 1)] & rows);
                if (count > step.covered)
                    return "P" + std::to_string(prime.number) + " covers more than the choice";
                if (count == step.covered && prime.number < step.prime)
                    return "the earlier P" + std::to_string(prime.number) + " ties and loses";
                ties += count == step.covered && prime.number > step.prime;
            }
            if (ties != step.ties)
                return "ties " + std::to_string(step.ties) + ", chart has " + std::to_string(ties);
        }
        rows &= ~cover;
    }
    return rows == 0 ? "" : "the choices leave rows uncovered";
}

// A prime is essential when the others together miss one of its rows.
std::string checkEssentials(const Explanation &e)
{
    const std::vector<CellSet> sets = primeSets(e);
    const CellSet required = cellsWithCode(e.cellCodes, 1);
    std::vector<int> expected;
    for (const ExplainedPrime &prime : e.primes) {
        CellSet others = 0;
        for (const ExplainedPrime &other : e.primes) {
            if (other.number != prime.number)
                others |= sets[static_cast<std::size_t>(other.number - 1)];
        }
        const bool essential =
            (required & sets[static_cast<std::size_t>(prime.number - 1)] & ~others) != 0;
        if (essential != prime.essential)
            return "P" + std::to_string(prime.number) + " essential flag wrong";
        if (essential)
            expected.push_back(prime.number);
    }
    std::vector<int> listed;
    for (const EssentialPrime &essential : e.essentials) {
        listed.push_back(essential.prime);
        int coverers = 0;
        for (const CellSet cells : sets)
            coverers += (cells >> essential.minterm & 1) != 0;
        if (coverers != 1 || !(required >> essential.minterm & 1))
            return "minterm " + std::to_string(essential.minterm) + " does not make it essential";
    }
    std::sort(listed.begin(), listed.end());
    return listed == expected
               ? ""
               : "essentials " + listText(listed) + ", brute force " + listText(expected);
}

// The minimum's text computes the function, and it is no longer than the
// window's cover, which it is called minimal exactly when it is as short.
std::string checkMinimum(const Explanation &e, const std::vector<int> &cells)
{
    const ResultExpression expression(e.minimum.text, e.variableCount, e.names);
    for (int m = 0; m < (1 << e.variableCount); ++m) {
        const int code = cells[static_cast<std::size_t>(m)];
        if (code < 2 && expression.valueAt(m) != (code == 1))
            return "minimum " + e.minimum.text + " is wrong at minterm " + std::to_string(m);
    }
    const auto minimum = std::make_pair(e.minimum.terms, e.minimum.literals);
    const auto window = std::make_pair(e.windowCover.terms, e.windowCover.literals);
    if (minimum > window || e.windowIsMinimal != (minimum == window))
        return "minimum and window cover compare wrongly";
    return "";
}

// The unchecked cubes of the tabulation are exactly the minimizer's primes.
std::string checkTabulation(const Explanation &e)
{
    std::vector<int> survivors;
    for (const TabulationPass &pass : e.tabulation) {
        for (const TabulationGroup &group : pass.groups) {
            for (const TabulationCube &cube : group.cubes) {
                if (popcount(cube.value) != group.ones)
                    return "a cube in the wrong group";
                if (cube.checked)
                    continue;
                if (cube.prime < 1 ||
                    setOf(e.primes[static_cast<std::size_t>(cube.prime - 1)].minterms) !=
                        cubeCells(cube.value, cube.dashes, e.variableCount))
                    return "survivor " + tabulationCubeText(cube, e.variableCount) + " is no prime";
                survivors.push_back(cube.prime);
            }
        }
    }
    std::sort(survivors.begin(), survivors.end());
    for (std::size_t i = 0; i < survivors.size(); ++i) {
        if (survivors[i] != static_cast<int>(i) + 1)
            return "survivors " + listText(survivors) + " are not the primes once each";
    }
    return survivors.size() == e.primes.size() ? "" : "a prime missing from the tabulation";
}

// Cheapest cover (terms, then literals) over all implicants, not only primes,
// of the cells of code 1 and of every adjacent pair of them, by trying every
// implicant on the first uncovered row.
std::pair<int, int> hazardFreeOracle(int n, const std::vector<int> &codes)
{
    const CellSet zeros = cellsWithCode(codes, 0);
    const CellSet ones = cellsWithCode(codes, 1);
    std::vector<CellSet> rows;
    for (int m = 0; m < (1 << n); ++m) {
        if (ones >> m & 1)
            rows.push_back(CellSet{1} << m);
        for (int bit = 0; bit < n; ++bit) {
            const int other = m ^ (1 << bit);
            if (other > m && (ones >> m & 1) && (ones >> other & 1))
                rows.push_back(CellSet{1} << m | CellSet{1} << other);
        }
    }
    struct Implicant
    {
        CellSet cells;
        int literals;
    };
    std::vector<Implicant> implicants;
    for (int dashes = 0; dashes < (1 << n); ++dashes) {
        for (int value = 0; value < (1 << n); ++value) {
            if ((value & dashes) != 0)
                continue;
            const CellSet cells =
                cubeCells(static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(dashes), n);
            if ((cells & zeros) == 0 && (cells & ones) != 0)
                implicants.push_back({cells, n - popcount(static_cast<CellSet>(dashes))});
        }
    }
    std::pair<int, int> best{1000, 0};
    std::vector<char> done(rows.size(), 0);
    const auto search = [&](auto &&self, std::pair<int, int> cost, std::vector<CellSet> &taken) {
        if (cost >= best)
            return;
        std::size_t open = 0;
        while (open < rows.size()) {
            bool covered = false;
            for (const CellSet cells : taken)
                covered = covered || (cells & rows[open]) == rows[open];
            if (!covered)
                break;
            ++open;
        }
        if (open == rows.size()) {
            best = cost;
            return;
        }
        for (const Implicant &implicant : implicants) {
            if ((implicant.cells & rows[open]) != rows[open])
                continue;
            taken.push_back(implicant.cells);
            self(self, std::make_pair(cost.first + 1, cost.second + implicant.literals), taken);
            taken.pop_back();
        }
    };
    std::vector<CellSet> taken;
    search(search, std::make_pair(0, 0), taken);
    return best;
}

// The cover written as text computes the function on every cared-for cell,
// and every pair of adjacent cells of the covered value lies in one term.
std::string checkHazardFree(const Explanation &e, const std::vector<int> &cells)
{
    if (!e.hazardFree.found)
        return "no hazard-free cover";
    const ExplainedCover &cover = e.hazardFree.cover;
    const int n = e.variableCount;
    const ResultExpression expression(cover.text, n, e.names);
    for (int m = 0; m < (1 << n); ++m) {
        if (cells[static_cast<std::size_t>(m)] < 2 &&
            expression.valueAt(m) != (cells[static_cast<std::size_t>(m)] == 1))
            return cover.text + " is wrong at minterm " + std::to_string(m);
    }
    const CellSet ones = cellsWithCode(e.cellCodes, 1);
    for (int m = 0; m < (1 << n); ++m) {
        for (int bit = 0; bit < n; ++bit) {
            const CellSet pair = CellSet{1} << m | CellSet{1} << (m ^ (1 << bit));
            if ((ones & pair) != pair)
                continue;
            bool together = false;
            for (const int number : cover.primes)
                together =
                    together ||
                    (setOf(e.primes[static_cast<std::size_t>(number - 1)].minterms) & pair) == pair;
            if (!together)
                return "cells " + std::to_string(m) + " and " + std::to_string(m ^ (1 << bit)) +
                       " share no term in " + cover.text;
        }
    }
    return "";
}

ExplainOptions withHazardFree()
{
    ExplainOptions options;
    options.hazardFree = true;
    return options;
}

} // namespace

class TestExplainer : public QObject
{
    Q_OBJECT

private slots:
    void choicesAndChart_data();
    void choicesAndChart();
    void hazardFreeAgainstOracle_data();
    void hazardFreeAgainstOracle();
    void solutionCount_data();
    void solutionCount();
    void workedExample();
    void renderingsParse_data();
    void renderingsParse();
};

void TestExplainer::choicesAndChart_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("sumOfProducts");
    QTest::addColumn<int>("randomCount"); // 0: every function without don't cares
    QTest::newRow("every 4-variable function, SOP") << 4 << true << 0;
    QTest::newRow("every 4-variable function, POS") << 4 << false << 0;
    QTest::newRow("random 5-variable functions, SOP") << 5 << true << 5000;
    QTest::newRow("random 5-variable functions, POS") << 5 << false << 5000;
    QTest::newRow("random 6-variable functions, SOP") << 6 << true << 5000;
    QTest::newRow("random 6-variable functions, POS") << 6 << false << 5000;
}

void TestExplainer::choicesAndChart()
{
    QFETCH(int, n);
    QFETCH(bool, sumOfProducts);
    QFETCH(int, randomCount);
    const MinimizationForm form =
        sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums;
    Explainer explainer;
    Minimization minimization;
    std::mt19937 random(static_cast<unsigned>(n * 2 + sumOfProducts));
    const int total = randomCount == 0 ? 1 << (1 << n) : randomCount;
    for (int f = 0; f < total; ++f) {
        std::vector<int> cells(std::size_t{1} << n);
        if (randomCount == 0) {
            for (std::size_t m = 0; m < cells.size(); ++m)
                cells[m] = f >> m & 1;
        } else {
            cells = randomCells(random, n, f % 2 == 0);
        }
        const Explanation e = explainer.explain(n, cells, form);
        const MinimizationResult run = minimization.run(n, cells, form);
        std::string failure = checkChoices(e, run);
        if (failure.empty())
            failure = checkEssentials(e);
        if (failure.empty())
            failure = checkTabulation(e);
        if (failure.empty())
            failure = checkMinimum(e, cells);
        if (!failure.empty())
            QFAIL((describe(n, cells, form) + ": " + failure).c_str());
    }
}

void TestExplainer::hazardFreeAgainstOracle_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("sumOfProducts");
    QTest::addColumn<int>("randomCount"); // 0: every function with don't cares
    QTest::newRow("every 2-variable function, SOP") << 2 << true << 0;
    QTest::newRow("every 2-variable function, POS") << 2 << false << 0;
    QTest::newRow("every 3-variable function, SOP") << 3 << true << 0;
    QTest::newRow("every 3-variable function, POS") << 3 << false << 0;
    QTest::newRow("random 4-variable functions, SOP") << 4 << true << 1500;
    QTest::newRow("random 4-variable functions, POS") << 4 << false << 1500;
}

void TestExplainer::hazardFreeAgainstOracle()
{
    QFETCH(int, n);
    QFETCH(bool, sumOfProducts);
    QFETCH(int, randomCount);
    const MinimizationForm form =
        sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums;
    Explainer explainer;
    std::mt19937 random(static_cast<unsigned>(n * 2 + sumOfProducts));
    int total = randomCount;
    if (total == 0) {
        total = 1;
        for (int m = 0; m < (1 << n); ++m)
            total *= 3;
    }
    for (int f = 0; f < total; ++f) {
        std::vector<int> cells(std::size_t{1} << n);
        if (randomCount == 0) {
            for (int m = 0, rest = f; m < (1 << n); ++m, rest /= 3)
                cells[static_cast<std::size_t>(m)] = rest % 3;
        } else {
            cells = randomCells(random, n, f % 2 == 0);
        }
        const Explanation e =
            explainer.explain(n, cells, form, Minimization::defaultNames(), withHazardFree());
        std::string failure = checkHazardFree(e, cells);
        if (failure.empty()) {
            const auto [terms, literals] = hazardFreeOracle(n, e.cellCodes);
            const ExplainedCover &cover = e.hazardFree.cover;
            if (cover.terms != terms || cover.literals != literals)
                failure = cover.text + " costs " + std::to_string(cover.terms) + "/" +
                          std::to_string(cover.literals) + ", the oracle finds " +
                          std::to_string(terms) + "/" + std::to_string(literals);
        }
        if (!failure.empty())
            QFAIL((describe(n, cells, form) + ": " + failure).c_str());
    }
}

void TestExplainer::solutionCount_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("cap");

    QTest::newRow("cyclic three-variable function, two covers") << 3 << "11101110" << 10 << 0;
    QTest::newRow("one minimum cover") << 4 << "1100110000000001" << 10 << 0;
    QTest::newRow("list shorter than the count") << 4 << "0111101111011110" << 2 << 0;
    QTest::newRow("count stops at the cap") << 4 << "0111101111011110" << 2 << 3;
    QTest::newRow("no cell to cover") << 3 << "00X00000" << 5 << 0;
}

// The count and the listed covers against the full listing of ExactCover.
void TestExplainer::solutionCount()
{
    QFETCH(int, n);
    QFETCH(QString, cells);
    QFETCH(int, limit);
    QFETCH(int, cap);
    const std::vector<int> codes = MinimizationFixtures::cells(cells.toStdString());
    Explainer explainer;
    ExplainOptions options;
    options.listSolutions = true;
    options.solutionLimit = static_cast<std::size_t>(limit);
    options.countCap = static_cast<std::uint64_t>(cap);
    const Explanation e = explainer.explain(n, codes, MinimizationForm::SumOfProducts,
                                            Minimization::defaultNames(), options);
    const MinimizationResult run = Minimization().run(n, codes, MinimizationForm::SumOfProducts);
    const ExactCoverResult all = ExactCover::solve(run.cellCodes, run.primes, true);

    const std::uint64_t expectedCount =
        cap == 0 ? all.solutions.size() : std::min<std::uint64_t>(cap, all.solutions.size());
    QCOMPARE(e.solutions.count, expectedCount);
    QCOMPARE(e.solutions.complete, cap == 0 || all.solutions.size() < std::size_t(cap));
    const std::size_t listed = std::min<std::size_t>(limit, expectedCount);
    QCOMPARE(e.solutions.covers.size(), listed);
    for (std::size_t i = 0; i < listed; ++i)
        QCOMPARE(e.solutions.covers[i].primes, all.solutions[i]);
    const std::string text = renderExplanation(e, ExplanationFormat::Text);
    const std::string sentence = cap != 0 && !e.solutions.complete ? "at least " : "";
    QVERIFY2(text.find(sentence + std::to_string(expectedCount) + " minimum solution") !=
                     std::string::npos ||
                 (expectedCount == 1 && text.find("exactly one minimum") != std::string::npos),
             text.c_str());
}

// A textbook example worked by hand: f = Σm(0,1,2,5,6,7) of A, B, C has six
// primes of two cells each and no essential one; "Minimize!" takes the first
// prime covering two, then needs two more, while a minimum takes three.
void TestExplainer::workedExample()
{
    Explainer explainer;
    ExplainOptions options;
    options.listSolutions = true;
    const Explanation e = explainer.explain(3, cells("11100111"), MinimizationForm::SumOfProducts,
                                            Minimization::defaultNames(), options);
    QCOMPARE(e.tabulation.size(), std::size_t{2});
    QCOMPARE(e.primes.size(), std::size_t{6});
    QVERIFY(e.essentials.empty());
    QCOMPARE(e.chartMinterms, (std::vector<int>{0, 1, 2, 5, 6, 7}));
    QCOMPARE(e.minimum.terms, 3);
    QCOMPARE(e.minimum.literals, 6);
    QCOMPARE(e.solutions.count, std::uint64_t{2});
    QVERIFY(e.solutions.complete);
    QCOMPARE(e.choices.size(), e.windowCover.primes.size());
    QCOMPARE(e.choices.front().remaining, 6);
    QCOMPARE(e.choices.front().covered, 2);
    QCOMPARE(e.choices.front().ties, 5);

    const std::string text = renderExplanation(e, ExplanationFormat::Text);
    for (const char *expected :
         {"Tabulation", "Prime implicant chart", "No prime is essential.",
          "covers 2 of the 6 remaining minterms, the most; leftmost of 6 tied primes",
          "There are 2 minimum solutions."}) {
        QVERIFY2(text.find(expected) != std::string::npos, expected);
    }
}

void TestExplainer::renderingsParse_data()
{
    QTest::addColumn<bool>("sumOfProducts");
    QTest::addColumn<bool>("hazardFree");
    QTest::newRow("SOP") << true << false;
    QTest::newRow("POS with the hazard-free cover") << false << true;
}

// Markdown and HTML read back by Qt's own parsers: one table per table block,
// the names with Markdown's special characters kept literally.
void TestExplainer::renderingsParse()
{
    QFETCH(bool, sumOfProducts);
    QFETCH(bool, hazardFree);
    ExplainOptions options;
    options.listSolutions = true;
    options.hazardFree = hazardFree;
    const VariableNames names{"x_1", "x_2", "y*", "D", "E", "F"};
    Explainer explainer;
    const Explanation e = explainer.explain(4, cells("1101X0110110X011"),
                                            sumOfProducts ? MinimizationForm::SumOfProducts
                                                          : MinimizationForm::ProductOfSums,
                                            names, options);
    const ExplanationDocument document = explanationDocument(e);
    int tables = 0;
    for (const DocumentSection &section : document.sections) {
        for (const DocumentBlock &block : section.blocks)
            tables += block.kind == DocumentBlock::Kind::Table;
    }
    QCOMPARE(document.sections.size(), std::size_t{hazardFree ? 6u : 5u});

    const auto countTables = [](const QTextDocument &parsed) {
        int count = 0;
        for (QTextFrame *frame : parsed.rootFrame()->childFrames())
            count += qobject_cast<QTextTable *>(frame) != nullptr;
        return count;
    };
    QTextDocument markdown;
    markdown.setMarkdown(QString::fromStdString(renderExplanation(e, ExplanationFormat::Markdown)));
    QCOMPARE(countTables(markdown), tables);
    QVERIFY(markdown.toPlainText().contains(QString::fromStdString(e.windowCover.text)));

    const QString html = QString::fromStdString(renderExplanation(e, ExplanationFormat::Html));
    QCOMPARE(TestFunctions::xmlError(html), QString());
    QTextDocument page;
    page.setHtml(html);
    QCOMPARE(countTables(page), tables);
    QVERIFY(page.toPlainText().contains(QString::fromStdString(e.minimum.text)));
}

QTEST_MAIN(TestExplainer)
#include "ExplainerTest.moc"
