// SPDX-License-Identifier: GPL-3.0-or-later
// The answer checker against a brute-force verdict written here: the value of
// every term and of the answer computed literal by literal, implicants, primes
// and redundant terms by their definitions, and for up to three variables the
// minimum cost by trying every set of prime implicants.

#include "check/AnswerChecker.h"
#include "ExpressionReference.h"
#include "check/Exercise.h"
#include "check/VerdictText.h"
#include "expression/ExpressionEvaluator.h"
#include "minimize/ExactCover.h"
#include "minimize/Minimization.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>

namespace {

struct Literal
{
    int variable = 0;
    bool complemented = false;
};

using Term = std::vector<Literal>;

// A function, its form and its names, as the tests hand them to the checker.
struct Task
{
    int n = 3;
    std::vector<int> codes;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    std::vector<std::string> names;

    bool sum() const { return form == MinimizationForm::ProductOfSums; }
    int cells() const { return 1 << n; }
    bool value(int cell, int variable) const { return (cell >> (n - 1 - variable)) & 1; }

    // A product's or a sum's value on a cell, literal by literal.
    bool termValue(const Term &term, int cell) const
    {
        const auto is = [&](const Literal &l) { return value(cell, l.variable) != l.complemented; };
        return sum() ? std::any_of(term.begin(), term.end(), is)
                     : std::all_of(term.begin(), term.end(), is);
    }

    bool answerValue(const std::vector<Term> &terms, int cell) const
    {
        const auto is = [&](const Term &t) { return termValue(t, cell); };
        return sum() ? std::all_of(terms.begin(), terms.end(), is)
                     : std::any_of(terms.begin(), terms.end(), is);
    }

    // The term stands for the cell: its product is 1 there, or its sum 0.
    bool standsFor(const Term &term, int cell) const { return termValue(term, cell) != sum(); }
    // Cells no term may stand for: zeros of a sum of products, ones of a
    // product of sums.
    bool forbidden(int cell) const
    {
        return codes[static_cast<std::size_t>(cell)] == (sum() ? 1 : 0);
    }

    bool implicant(const Term &term) const
    {
        for (int cell = 0; cell < cells(); ++cell) {
            if (standsFor(term, cell) && forbidden(cell))
                return false;
        }
        return true;
    }

    bool equal(const std::vector<Term> &terms) const
    {
        for (int cell = 0; cell < cells(); ++cell) {
            const int code = codes[static_cast<std::size_t>(cell)];
            if ((code == 0 || code == 1) && answerValue(terms, cell) != (code == 1))
                return false;
        }
        return true;
    }
};

std::string literalText(const Task &task, const Literal &literal)
{
    return task.names[static_cast<std::size_t>(literal.variable)] +
           (literal.complemented ? "'" : "");
}

// The answer in the equation syntax, with parentheses where the form allows
// them at random: around a term, around a literal, around the whole.
std::string written(const Task &task, const std::vector<Term> &terms, std::mt19937 &random)
{
    const char inner = task.sum() ? '+' : '&';
    const char outer = task.sum() ? '&' : '+';
    std::string text;
    for (const Term &term : terms) {
        if (!text.empty())
            text += outer;
        std::string part;
        for (const Literal &literal : term) {
            if (!part.empty())
                part += inner;
            part += random() % 8 == 0 ? "(" + literalText(task, literal) + ")"
                                      : literalText(task, literal);
        }
        const bool needed = task.sum() && term.size() > 1;
        text += needed || random() % 4 == 0 ? "(" + part + ")" : part;
    }
    return random() % 6 == 0 ? "(" + text + ")" : text;
}

Term termOfCube(const std::string &cube, bool sum)
{
    Term term;
    for (std::size_t j = 0; j < cube.size(); ++j) {
        if (cube[j] == '0' || cube[j] == '1')
            // A product of sums covers zeros, so its literals are inverted.
            term.push_back({static_cast<int>(j), (cube[j] == '0') != sum});
    }
    return term;
}

// Every cube of n variables as a term (a product or a sum of its literals).
std::vector<Term> allCubes(const Task &task)
{
    std::vector<Term> cubes;
    int count = 1;
    for (int j = 0; j < task.n; ++j)
        count *= 3;
    for (int index = 0; index < count; ++index) {
        std::string cube;
        for (int j = 0, rest = index; j < task.n; ++j, rest /= 3)
            cube += "01-"[rest % 3];
        cubes.push_back(termOfCube(cube, task.sum()));
    }
    return cubes;
}

using CellSet = std::uint64_t;

CellSet cellsOf(const Task &task, const Term &term)
{
    CellSet set = 0;
    for (int cell = 0; cell < task.cells(); ++cell) {
        if (task.standsFor(term, cell))
            set |= CellSet{1} << cell;
    }
    return set;
}

// The cheapest cover (fewest terms, then literals) among all sets of prime
// implicants, tried by size.
AnswerCost bruteMinimum(const Task &task)
{
    std::vector<Term> implicants;
    for (const Term &cube : allCubes(task)) {
        if (task.implicant(cube))
            implicants.push_back(cube);
    }
    std::vector<std::pair<CellSet, int>> primes;
    for (const Term &a : implicants) {
        const CellSet cells = cellsOf(task, a);
        const bool contained =
            std::any_of(implicants.begin(), implicants.end(), [&](const Term &b) {
                const CellSet other = cellsOf(task, b);
                return other != cells && (other & cells) == cells;
            });
        if (!contained)
            primes.emplace_back(cells, static_cast<int>(a.size()));
    }
    CellSet needed = 0;
    for (int cell = 0; cell < task.cells(); ++cell) {
        if (task.codes[static_cast<std::size_t>(cell)] == (task.sum() ? 0 : 1))
            needed |= CellSet{1} << cell;
    }
    if (needed == 0)
        return {0, 0};
    const std::size_t count = primes.size();
    for (std::size_t size = 1; size <= count; ++size) {
        int best = -1;
        std::vector<bool> pick(count, false);
        std::fill(pick.begin(), pick.begin() + static_cast<std::ptrdiff_t>(size), true);
        do {
            CellSet covered = 0;
            int literals = 0;
            for (std::size_t p = 0; p < count; ++p) {
                if (pick[p]) {
                    covered |= primes[p].first;
                    literals += primes[p].second;
                }
            }
            if ((covered & needed) == needed && (best < 0 || literals < best))
                best = literals;
        } while (std::prev_permutation(pick.begin(), pick.end()));
        if (best >= 0)
            return {static_cast<int>(size), best};
    }
    return {-1, -1};
}

// The cells where the answer, of the values given, differs from the function.
template <typename Value>
void compareCells(const Task &task, const AnswerVerdict &verdict, Value value)
{
    std::vector<int> extra;
    std::vector<int> missing;
    for (int cell = 0; cell < task.cells(); ++cell) {
        const int code = task.codes[static_cast<std::size_t>(cell)];
        if (code == 0 && value(cell))
            extra.push_back(cell);
        if (code == 1 && !value(cell))
            missing.push_back(cell);
    }
    QCOMPARE(verdict.extra, extra);
    QCOMPARE(verdict.missing, missing);
    QCOMPARE(verdict.equivalent, extra.empty() && missing.empty());
}

// The checker's verdict on `terms` against the definitions, term by term.
void compareWithReference(const Task &task, const std::vector<Term> &terms, const std::string &text,
                          const AnswerVerdict &verdict)
{
    const QByteArray context = QByteArray::fromStdString(text);
    QVERIFY2(verdict.status == AnswerStatus::Checked, context);
    QVERIFY2(verdict.inForm, context);
    compareCells(task, verdict, [&](int cell) { return task.answerValue(terms, cell); });
    const bool equal = verdict.equivalent;

    int literals = 0;
    for (const Term &term : terms)
        literals += static_cast<int>(term.size());
    QCOMPARE(verdict.answer.terms, static_cast<int>(terms.size()));
    QCOMPARE(verdict.answer.literals, literals);
    QCOMPARE(verdict.minimal, equal && verdict.answer.terms == verdict.minimum.terms &&
                                  literals == verdict.minimum.literals);

    QCOMPARE(verdict.terms.size(), terms.size());
    for (std::size_t t = 0; t < terms.size(); ++t) {
        const Term &term = terms[t];
        const TermVerdict &found = verdict.terms[t];
        const bool implicant = task.implicant(term);
        QVERIFY2(found.implicant == implicant, context);
        if (!implicant) {
            QVERIFY2(task.standsFor(term, found.wrongCell) && task.forbidden(found.wrongCell),
                     context);
        }
        bool prime = implicant;
        for (std::size_t k = 0; k < term.size() && implicant; ++k) {
            Term shorter = term;
            shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(k));
            if (task.implicant(shorter))
                prime = false;
        }
        QVERIFY2(found.prime == prime, context);
        if (!prime && implicant) {
            const auto named = std::find_if(term.begin(), term.end(), [&](const Literal &l) {
                return literalText(task, l) == found.drop;
            });
            QVERIFY2(named != term.end(), context);
            Term shorter = term;
            shorter.erase(shorter.begin() + (named - term.begin()));
            QVERIFY2(task.implicant(shorter), context);
        }
        if (equal) {
            std::vector<Term> rest = terms;
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(t));
            QVERIFY2(found.redundant == task.equal(rest), context);
        }
    }
}

std::vector<std::string> namesFor(int n, std::mt19937 &random)
{
    static const std::vector<std::vector<std::string>> pools{{"A", "B", "C", "D", "E", "F"},
                                                             {"x1", "x2", "x3", "x4", "x5", "x6"},
                                                             {"p", "Q", "r9", "s", "Tt", "u"}};
    const std::vector<std::string> &pool = pools[random() % pools.size()];
    return std::vector<std::string>(pool.begin(), pool.begin() + n);
}

// A term of random literals, sometimes with a variable twice.
Term randomTerm(const Task &task, std::mt19937 &random)
{
    Term term;
    const int size = 1 + static_cast<int>(random() % static_cast<unsigned>(task.n));
    for (int k = 0; k < size; ++k)
        term.push_back(
            {static_cast<int>(random() % static_cast<unsigned>(task.n)), random() % 2 == 0});
    return term;
}

std::vector<Term> coverTerms(const Task &task, const std::vector<PrimeImplicant> &primes,
                             const std::vector<int> &selection)
{
    std::vector<Term> terms;
    for (const int number : selection) {
        std::string cube = primes[static_cast<std::size_t>(number - 1)].cube;
        cube.pop_back(); // the prime marker
        terms.push_back(termOfCube(cube, task.sum()));
    }
    return terms;
}

} // namespace

class AnswerCheckerTest : public QObject
{
    Q_OBJECT

private slots:
    // Every function of two and three variables with don't cares, both
    // forms: the exact minimum is minimal at the brute-force cost, and
    // answers made of its implicants and of random terms agree with the
    // definitions.
    void everySmallFunction()
    {
        std::mt19937 random(23);
        for (int n = 2; n <= 3; ++n) {
            int count = 1;
            for (int m = 0; m < (1 << n); ++m)
                count *= 3;
            for (int index = 0; index < count; ++index) {
                for (const MinimizationForm form :
                     {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
                    Task task{n, {}, form, namesFor(n, random)};
                    for (int m = 0, rest = index; m < (1 << n); ++m, rest /= 3)
                        task.codes.push_back(rest % 3);
                    const AnswerChecker checker(n, task.codes, form, task.names);
                    const AnswerCost minimum = bruteMinimum(task);
                    QCOMPARE(checker.minimum().terms, minimum.terms);
                    QCOMPARE(checker.minimum().literals, minimum.literals);
                    // A function without a cell to cover prints as a constant.
                    if (minimum.terms > 0 && minimum.literals > 0) {
                        const AnswerVerdict best = checker.check(checker.minimumText());
                        QVERIFY2(best.minimal, checker.minimumText().c_str());
                    }

                    std::vector<Term> implicants;
                    for (const Term &cube : allCubes(task)) {
                        if (task.implicant(cube) && !cube.empty())
                            implicants.push_back(cube);
                    }
                    for (int answer = 0; answer < 3; ++answer) {
                        std::vector<Term> terms;
                        const int size = 1 + static_cast<int>(random() % 4);
                        for (int t = 0; t < size; ++t) {
                            const bool fromImplicants = !implicants.empty() && answer < 2;
                            terms.push_back(fromImplicants
                                                ? implicants[random() % implicants.size()]
                                                : randomTerm(task, random));
                        }
                        const std::string text = written(task, terms, random);
                        compareWithReference(task, terms, text, checker.check(text));
                        if (QTest::currentTestFailed())
                            return;
                    }
                }
            }
        }
    }

    // Random functions of four to six variables, each answered the ways
    // students answer: the window's cover, an exact minimum, one with a
    // redundant term, a term with a literal too many, a term left out and a
    // literal flipped.
    void largerFunctions()
    {
        std::mt19937 random(4);
        for (int n = 4; n <= 6; ++n) {
            for (int round = 0; round < 60; ++round) {
                const MinimizationForm form = round % 2 == 0 ? MinimizationForm::SumOfProducts
                                                             : MinimizationForm::ProductOfSums;
                Task task{n, {}, form, namesFor(n, random)};
                for (int m = 0; m < (1 << n); ++m)
                    task.codes.push_back(random() % 7 == 0 ? 2 : static_cast<int>(random() % 2));
                VariableNames six = Minimization::defaultNames();
                std::copy(task.names.begin(), task.names.end(), six.begin());
                const MinimizationResult result = Minimization().run(n, task.codes, form, six);
                const ExactCoverResult exact = ExactCover::solve(result.cellCodes, result.primes);
                if (exact.literals == 0)
                    continue; // a constant function has no answer with terms

                const AnswerChecker checker(n, task.codes, form, task.names);
                const std::vector<Term> minimum =
                    coverTerms(task, result.primes, exact.solutions.front());
                const std::vector<Term> window = coverTerms(task, result.primes, result.selection);
                QVERIFY(checker.check(checker.minimumText()).minimal);
                QVERIFY(checker.check(result.text).equivalent);

                std::vector<std::vector<Term>> answers{window, minimum};
                // Any prime is an implicant, so another one is redundant.
                std::vector<Term> redundant = minimum;
                const int prime = static_cast<int>(1 + random() % result.primes.size());
                redundant.push_back(coverTerms(task, result.primes, {prime})[0]);
                answers.push_back(redundant);
                std::vector<Term> longer = minimum;
                longer[random() % longer.size()].push_back(
                    {static_cast<int>(random() % static_cast<unsigned>(n)), random() % 2 == 0});
                answers.push_back(longer);
                if (minimum.size() > 1) {
                    std::vector<Term> dropped = minimum;
                    dropped.erase(dropped.begin() +
                                  static_cast<std::ptrdiff_t>(random() % dropped.size()));
                    answers.push_back(dropped);
                }
                std::vector<Term> flipped = minimum;
                Term &changed = flipped[random() % flipped.size()];
                changed[random() % changed.size()].complemented ^= true;
                answers.push_back(flipped);

                for (const std::vector<Term> &terms : answers) {
                    const std::string text = written(task, terms, random);
                    compareWithReference(task, terms, text, checker.check(text));
                    if (QTest::currentTestFailed())
                        return;
                }
            }
        }
    }

    // Expressions outside the form (XOR, a negated group, a sum inside a
    // product or the reverse): equality still follows an independent
    // evaluation, and the terms are left alone.
    void outsideTheForm()
    {
        std::mt19937 random(9);
        const std::vector<std::string> names{"A", "B", "C", "D"};
        // Each shape breaks both forms, whatever the letters.
        const std::vector<std::string> shapes{
            "%a^%b",        "(%a&%b)'+%c",  "%a&(%b+%c)&(%d+%a'&%b)",
            "(%a+%b')'&%c", "%a^%b^%c'+%d", "(%a+%b&%c)&(%d+%a)&%b&%c'+%d"};
        for (int round = 0; round < 300; ++round) {
            std::string text = shapes[random() % shapes.size()];
            for (const char slot : {'a', 'b', 'c', 'd'}) {
                const std::string mark = std::string("%") + slot;
                for (std::size_t at = text.find(mark); at != std::string::npos;
                     at = text.find(mark))
                    text.replace(at, 2, names[random() % names.size()]);
            }
            std::vector<int> codes(16);
            for (int &code : codes)
                code = static_cast<int>(random() % 3);
            for (const MinimizationForm form :
                 {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
                const AnswerVerdict verdict = AnswerChecker(4, codes, form, names).check(text);
                QVERIFY2(verdict.status == AnswerStatus::Checked, text.c_str());
                const Task task{4, codes, form, names};
                compareCells(task, verdict, [&](int cell) {
                    std::vector<bool> values(4);
                    for (int j = 0; j < 4; ++j)
                        values[static_cast<std::size_t>(j)] = task.value(cell, j);
                    return ExpressionReference::Reader(text, names, values).read().value();
                });
                QVERIFY2(!verdict.inForm && !verdict.minimal && verdict.terms.empty(),
                         text.c_str());
                QCOMPARE(text[static_cast<std::size_t>(verdict.faultColumn)],
                         verdict.shapeFault == AnswerShapeFault::Xor            ? '^'
                         : verdict.shapeFault == AnswerShapeFault::NegatedGroup ? '\''
                         : verdict.shapeFault == AnswerShapeFault::SumInProduct ? '+'
                                                                                : '&');
            }
        }
    }

    // An answer of a great many terms, or a term of a great many literals,
    // is graded whole (no walk of its terms may exhaust the stack).
    void longAnswers()
    {
        const AnswerChecker checker(3, Minimization::cellCodes("00010111"),
                                    MinimizationForm::SumOfProducts, {"A", "B", "C"});
        std::string terms;
        for (int t = 0; t < 30000; ++t)
            terms += "A&B+";
        const AnswerVerdict many = checker.check(terms + "A&C+B&C");
        QVERIFY(many.equivalent && many.terms.size() == 30002 && many.terms.front().redundant);
        std::string literals;
        for (int k = 0; k < 30000; ++k)
            literals += "A&";
        const AnswerVerdict longTerm = checker.check(literals + "B+A&C+B&C");
        QVERIFY(longTerm.equivalent && longTerm.terms.front().drop == "A");
    }

    // A syntax error is the engine's own, as the equation field reports it.
    void syntaxErrorsAreTheEngines()
    {
        const std::vector<std::string> names{"A", "B", "C"};
        const AnswerChecker checker(3, {0, 1, 1, 0, 1, 0, 0, 1}, MinimizationForm::SumOfProducts,
                                    names);
        for (const std::string text : {"A&", "A+(B", "A&Q", "A B", "A&&B", "(A+B))", "'A"}) {
            ExpressionEvaluator engine;
            engine.Set_Variable_Names(names);
            engine.Set_Expression(text);
            std::string expected;
            try {
                engine.Evaluate_Expression();
            } catch (const ExpressionException &error) {
                expected = error.Get_Message();
            }
            const AnswerVerdict verdict = checker.check(text);
            QCOMPARE(verdict.status, AnswerStatus::SyntaxError);
            QCOMPARE(verdict.error->Get_Message(), expected);
        }
        QCOMPARE(checker.check("").status, AnswerStatus::Empty);
    }

    // The cells a sentence names are the verdict's, the first few of them
    // and how many more: read back through patterns that show them plainly.
    void sentencesNameTheCells()
    {
        const auto marked = [](VerdictPhrase phrase) {
            switch (phrase) {
            case VerdictPhrase::NotEqualExtra:
            case VerdictPhrase::NotEqualMissing:
            case VerdictPhrase::Cell:
                return std::string("%1");
            case VerdictPhrase::CellListMore:
                return std::string("%1 +%2");
            default:
                return std::string("%1 %2");
            }
        };
        std::mt19937 random(5);
        const std::vector<std::string> names{"A", "B", "C", "D", "E", "F"};
        for (int round = 0; round < 200; ++round) {
            Task task{6, {}, MinimizationForm::SumOfProducts, names};
            for (int m = 0; m < 64; ++m)
                task.codes.push_back(static_cast<int>(random() % 3));
            const std::vector<Term> terms{randomTerm(task, random), randomTerm(task, random)};
            const AnswerVerdict verdict =
                AnswerChecker(6, task.codes, task.form, names).check(written(task, terms, random));
            const std::vector<int> &cells = verdict.extra.empty() ? verdict.missing : verdict.extra;
            std::stringstream list(VerdictText::sentences(verdict, marked).front());
            std::vector<int> named;
            std::size_t more = 0;
            for (std::string word; list >> word;) {
                if (word[0] == '+')
                    more = std::stoul(word.substr(1));
                else
                    named.push_back(std::stoi(word));
            }
            // A view listing the terms tells the same sentences, parted.
            std::vector<std::string> parted = VerdictText::summary(verdict, marked);
            for (std::size_t t = 0; t < verdict.terms.size(); ++t) {
                const std::vector<std::string> more = VerdictText::findings(verdict, t, marked);
                parted.insert(parted.end(), more.begin(), more.end());
            }
            QVERIFY(parted == VerdictText::sentences(verdict, marked));
            QCOMPARE(named.size(), std::min(cells.size(), std::size_t{VerdictText::cellsNamed}));
            QVERIFY(std::equal(named.begin(), named.end(), cells.begin()));
            QCOMPARE(more, cells.size() - named.size());
        }
    }

    // Every seed gives a function worth minimizing, the same one each time,
    // and the seeds give many different ones.
    void exercisesAreSensibleAndRepeatable()
    {
        for (int n = 2; n <= 6; ++n) {
            for (const bool dontCares : {false, true}) {
                for (const MinimizationForm form :
                     {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
                    std::set<std::string> seen;
                    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
                        const Exercise exercise{n, form, dontCares, seed};
                        const std::string cells = exercise.cells();
                        QCOMPARE(cells, exercise.cells());
                        QCOMPARE(cells.size(), std::size_t{1} << n);
                        QVERIFY(cells.find('0') != std::string::npos);
                        QVERIFY(cells.find('1') != std::string::npos);
                        QVERIFY(dontCares || cells.find('X') == std::string::npos);
                        const std::vector<std::string> names(task6Names.begin(),
                                                             task6Names.begin() + n);
                        const AnswerCost minimum =
                            AnswerChecker(n, Minimization::cellCodes(cells), form, names).minimum();
                        QVERIFY(minimum.terms >= 2 && minimum.terms <= n + 1);
                        QVERIFY(minimum.literals > minimum.terms);
                        seen.insert(cells);
                    }
                    // Two variables have only a few such functions.
                    QVERIFY(seen.size() >= (n == 2 ? 2U : 20U));
                }
            }
        }
    }

private:
    const std::vector<std::string> task6Names{"A", "B", "C", "D", "E", "F"};
};

QTEST_GUILESS_MAIN(AnswerCheckerTest)
#include "AnswerCheckerTest.moc"
