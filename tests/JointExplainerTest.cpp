// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a joint cover against its definition, worked out here from
// the cubes' texts alone: its rows are exactly the cells each output needs
// covered, a row's marks are the primes whose cube holds the cell and that
// may serve the output, the essentials are the primes alone on a row, the
// chosen products cover every row for the outputs they feed, and the counts
// are those of the products. Each term reads back, through an independent
// reader of the expression grammar, as the function of its cube; the
// renderings show the chart mark for mark.

#include "explain/JointExplainer.h"
#include "ExpressionReference.h"
#include "RandomOutputs.h"
#include "TestFunctions.h"
#include "explain/ExplanationRenderer.h"
#include "minimize/Minimization.h"

#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

#include <random>

namespace {

struct Case
{
    int n = 0;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    std::vector<std::vector<int>> codes;
    std::vector<std::string> outputNames;
    VariableNames names = Minimization::defaultNames();
};

Case randomCase(std::mt19937 &random, int n, int k, MinimizationForm form)
{
    const MultiOutputFunction function = RandomOutputs::function(random, n, k, true);
    Case c;
    c.n = n;
    c.form = form;
    for (int j = 0; j < k; ++j)
        c.codes.push_back(Minimization::cellCodes(function.values(j)));
    c.outputNames = function.outputNames();
    for (int v = 0; v < n; ++v)
        c.names[static_cast<std::size_t>(v)] = function.inputNames()[static_cast<std::size_t>(v)];
    return c;
}

JointExplanation explained(const Case &c)
{
    return JointExplainer::explain(c.n, c.codes, c.form, c.names, c.outputNames);
}

// The mark a chart cell must show, from the cube's text and output set.
std::string referenceMark(const JointExplanation &e, const JointChartRow &row,
                          const JointPrime &prime)
{
    const auto on = [&](const JointPrime &p) {
        return TestFunctions::cubeHolds(p.cube, row.cell) && ((p.outputs >> row.output) & 1) != 0;
    };
    if (!on(prime))
        return {};
    const auto count = std::count_if(e.primes.begin(), e.primes.end(), on);
    return count == 1 ? "(X)" : "X";
}

// The term's value at minterm m as the independent reader finds it.
bool termValue(const JointExplanation &e, const std::string &term, int m)
{
    if (term == "0" || term == "1")
        return term == "1";
    std::vector<std::string> names(e.names.begin(), e.names.begin() + e.variableCount);
    std::vector<bool> values;
    values.reserve(names.size());
    for (int v = 0; v < e.variableCount; ++v)
        values.push_back(((m >> (e.variableCount - 1 - v)) & 1) != 0);
    const std::optional<bool> value = ExpressionReference::Reader(term, names, values).read();
    if (!value)
        qFatal("unreadable term %s", term.c_str());
    return *value;
}

std::vector<QTextTable *> tablesOf(const QTextDocument &document)
{
    std::vector<QTextTable *> tables;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables.push_back(table);
    }
    return tables;
}

} // namespace

class JointExplainerTest : public QObject
{
    Q_OBJECT

private slots:
    void chartFollowsItsDefinition();
    void renderingsShowTheChart();
};

void JointExplainerTest::chartFollowsItsDefinition()
{
    std::mt19937 random(22);
    int checked = 0;
    for (int n = 2; n <= 6; ++n) {
        for (int k = 1; k <= 4; ++k) {
            for (const MinimizationForm form :
                 {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
                for (int repeat = 0; repeat < (n < 6 ? 4 : 1); ++repeat) {
                    const Case c = randomCase(random, n, k, form);
                    const JointExplanation e = explained(c);
                    const int covered = form == MinimizationForm::SumOfProducts ? 1 : 0;

                    // Rows: output by output, cell by cell, exactly the cells to cover.
                    std::size_t at = 0;
                    for (int j = 0; j < k; ++j) {
                        for (int m = 0; m < (1 << n); ++m) {
                            if (c.codes[static_cast<std::size_t>(j)][static_cast<std::size_t>(m)] !=
                                covered)
                                continue;
                            QVERIFY(at < e.rows.size());
                            QCOMPARE(e.rows[at].output, j);
                            QCOMPARE(e.rows[at].cell, m);
                            ++at;
                        }
                    }
                    QCOMPARE(e.rows.size(), at);

                    // Marks, essentials and the chosen columns.
                    std::vector<bool> alone(e.primes.size(), false);
                    for (const JointChartRow &row : e.rows) {
                        bool fed = false;
                        for (const JointPrime &prime : e.primes) {
                            const std::string mark = referenceMark(e, row, prime);
                            QCOMPARE(jointChartMark(row, prime.number), mark);
                            if (mark == "(X)")
                                alone[static_cast<std::size_t>(prime.number - 1)] = true;
                            fed = fed || (!mark.empty() && ((prime.feeds >> row.output) & 1) != 0);
                        }
                        QVERIFY2(fed, qPrintable(QStringLiteral("row %1 of output %2 uncovered")
                                                     .arg(row.cell)
                                                     .arg(row.output)));
                    }
                    int literals = 0;
                    int connections = 0;
                    for (const JointPrime &prime : e.primes) {
                        QCOMPARE(prime.essential, bool(alone[std::size_t(prime.number - 1)]));
                        QCOMPARE(prime.feeds & ~prime.outputs, std::uint64_t{0});
                        const bool chosen = std::find(e.chosen.begin(), e.chosen.end(),
                                                      prime.number) != e.chosen.end();
                        QCOMPARE(chosen, prime.feeds != 0);
                        if (chosen) {
                            literals += prime.literals;
                            connections += __builtin_popcountll(prime.feeds);
                        }
                        // The term is the cube: true on it alone as a product,
                        // false on it alone as a sum.
                        for (int m = 0; m < (1 << n); ++m)
                            QCOMPARE(termValue(e, prime.term, m) != (covered == 0),
                                     TestFunctions::cubeHolds(prime.cube, m));
                    }
                    QCOMPARE(e.chosen.size(), e.cover.products.size());
                    QCOMPARE(literals, e.cover.literals);
                    QCOMPARE(connections, e.cover.connections);
                    QCOMPARE(e.outputTexts.size(), std::size_t(k));
                    ++checked;
                }
            }
        }
    }
    QCOMPARE(checked, 4 * 4 * 2 * 4 + 4 * 2);
}

// The HTML is well formed and, read back by a real parser, shows the chart
// of the reference; the Markdown has the same tables; the window's document
// leaves the chart's table out.
void JointExplainerTest::renderingsShowTheChart()
{
    std::mt19937 random(7);
    for (const auto &[n, k, form] : {std::tuple{3, 2, MinimizationForm::SumOfProducts},
                                     std::tuple{4, 3, MinimizationForm::ProductOfSums},
                                     std::tuple{5, 2, MinimizationForm::SumOfProducts}}) {
        const JointExplanation e = explained(randomCase(random, n, k, form));
        const QString html = QString::fromStdString(renderExplanation(e, ExplanationFormat::Html));
        QCOMPARE(TestFunctions::xmlError(html), QString());

        // The primes, the chart, the products, the outputs' expressions.
        QTextDocument page;
        page.setHtml(html);
        QCOMPARE(tablesOf(page).size(), std::size_t{4});
        QTextDocument markdown;
        markdown.setMarkdown(
            QString::fromStdString(renderExplanation(e, ExplanationFormat::Markdown)));
        QCOMPARE(tablesOf(markdown).size(), std::size_t{4});

        QTextTable *chart = tablesOf(page)[1];
        QCOMPARE(chart->rows(), static_cast<int>(e.rows.size()) + 2);
        QCOMPARE(chart->columns(), static_cast<int>(e.primes.size()) + 2);
        const auto cellText = [&](int r, int c) {
            return chart->cellAt(r, c).firstCursorPosition().block().text();
        };
        for (std::size_t r = 0; r < e.rows.size(); ++r) {
            const JointChartRow &row = e.rows[r];
            const int at = static_cast<int>(r) + 1;
            QCOMPARE(cellText(at, 0).toStdString(), e.outputNames[std::size_t(row.output)]);
            QCOMPARE(cellText(at, 1).toStdString(), std::to_string(row.cell));
            for (const JointPrime &prime : e.primes)
                QCOMPARE(cellText(at, prime.number + 1),
                         QString::fromStdString(referenceMark(e, row, prime)));
        }
        for (const JointPrime &prime : e.primes)
            QCOMPARE(cellText(chart->rows() - 1, prime.number + 1).isEmpty(), prime.feeds == 0);

        const ExplanationDocument withChart = explanationDocument(e);
        const ExplanationDocument without = explanationDocument(e, ExplanationPhrases(), false);
        const auto tablesOf = [](const ExplanationDocument &document) {
            int count = 0;
            for (const DocumentSection &section : document.sections)
                for (const DocumentBlock &block : section.blocks)
                    count += block.kind == DocumentBlock::Kind::Table;
            return count;
        };
        QCOMPARE(tablesOf(without), tablesOf(withChart) - 1);
    }
}

QTEST_MAIN(JointExplainerTest)
#include "JointExplainerTest.moc"
