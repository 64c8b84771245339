// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/AnswerChecker.h"

#include "check/AnswerTerms.h"
#include "domain/VariableRules.h"
#include "expression/ExpressionEvaluator.h"
#include "minimize/ExactCover.h"
#include "minimize/Minimization.h"

#include <cstddef>
#include <stdexcept>

namespace {

using Mask = std::uint64_t;

constexpr std::size_t noLiteral = static_cast<std::size_t>(-1);

Mask bit(int cell)
{
    return Mask{1} << cell;
}

Mask allCells(int n)
{
    return n >= 6 ? ~Mask{0} : bit(1 << n) - 1;
}

std::vector<int> cellsOf(Mask mask)
{
    std::vector<int> cells;
    for (Mask rest = mask; rest != 0; rest &= rest - 1)
        cells.push_back(__builtin_ctzll(rest));
    return cells;
}

int lowestCell(Mask mask)
{
    return mask == 0 ? -1 : __builtin_ctzll(mask);
}

// The cells where a variable (the first one most significant) is 1.
Mask variableOnes(int n, int variable)
{
    Mask mask = 0;
    for (int cell = 0; cell < (1 << n); ++cell) {
        if ((cell >> (n - 1 - variable)) & 1)
            mask |= bit(cell);
    }
    return mask;
}

// The cells each literal of a term leaves to it: where the literal is 1 in a
// product, where it is 0 in a sum. The term stands for the cells all of them
// leave: where its product is 1, or where its sum is 0.
std::vector<Mask> literalCells(int n, const std::vector<AnswerLiteral> &literals, bool sum)
{
    std::vector<Mask> cells;
    cells.reserve(literals.size());
    for (const AnswerLiteral &literal : literals) {
        const Mask ones = variableOnes(n, literal.variable);
        cells.push_back(((literal.complemented != sum) ? ~ones : ones) & allCells(n));
    }
    return cells;
}

Mask termCells(int n, const std::vector<Mask> &literals)
{
    Mask cells = allCells(n);
    for (const Mask literal : literals)
        cells &= literal;
    return cells;
}

// The first literal the term can do without and still stand for no
// forbidden cell, or noLiteral. The literals before and after each one are
// combined once, so that a long term costs linear time.
std::size_t droppable(int n, const std::vector<Mask> &literals, Mask forbidden)
{
    std::vector<Mask> after(literals.size() + 1, allCells(n));
    for (std::size_t k = literals.size(); k > 0; --k)
        after[k - 1] = after[k] & literals[k - 1];
    Mask before = allCells(n);
    for (std::size_t k = 0; k < literals.size(); ++k) {
        if ((before & after[k + 1] & forbidden) == 0)
            return k;
        before &= literals[k];
    }
    return noLiteral;
}

} // namespace

AnswerChecker::AnswerChecker(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                             const std::vector<std::string> &names)
    : n_(n), form_(form), names_(names)
{
    if (!VariableRules::isCount(n) || cellCodes.size() < (std::size_t{1} << n) ||
        names.size() != static_cast<std::size_t>(n))
        throw std::invalid_argument("AnswerChecker: a function of 2 to 6 named variables");
    for (int cell = 0; cell < (1 << n); ++cell) {
        const int code = cellCodes[static_cast<std::size_t>(cell)];
        if (code == 1)
            ones_ |= bit(cell);
        else if (code == 0)
            zeros_ |= bit(cell);
    }

    VariableNames six = Minimization::defaultNames();
    for (std::size_t j = 0; j < names.size(); ++j)
        six[j] = names[j];
    std::vector<int> codes(cellCodes.begin(), cellCodes.begin() + (1 << n));
    const MinimizationResult result = Minimization().run(n, codes, form, six);
    const ExactCoverResult exact = ExactCover::solve(result.cellCodes, result.primes);
    minimum_ = {exact.terms, exact.literals};
    minimumText_ = exact.solutions.empty() ? result.text
                                           : resultText(result.cellCodes, result.primes,
                                                        exact.solutions.front(), form, six);
}

AnswerVerdict AnswerChecker::check(const std::string &answer) const
{
    AnswerVerdict verdict;
    verdict.form = form_;
    verdict.minimum = minimum_;
    if (answer.empty()) {
        verdict.status = AnswerStatus::Empty;
        return verdict;
    }

    // The value on every cell comes from the engine's evaluator, so that the
    // verdict means what the equation field would fill in; the terms come
    // from the engine's own postfix sequence.
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(names_);
    evaluator.Set_Expression(answer);
    Mask answerOnes = 0;
    std::vector<ExpressionToken> postfix;
    try {
        std::vector<bool> values(static_cast<std::size_t>(n_));
        for (int cell = 0; cell < (1 << n_); ++cell) {
            for (int i = 0; i < n_; ++i)
                values[static_cast<std::size_t>(i)] = (cell >> (n_ - 1 - i)) & 1;
            evaluator.Set_Variable_Values(values);
            if (evaluator.Evaluate_Expression())
                answerOnes |= bit(cell);
        }
        ExpressionParser parser;
        parser.Set_Variable_Names(names_);
        parser.Set_Expression(answer);
        postfix = parser.Infix_To_Postfix(parser.Tokenize());
    } catch (const ExpressionException &error) {
        verdict.status = AnswerStatus::SyntaxError;
        verdict.error = error;
        return verdict;
    }

    verdict.extra = cellsOf(answerOnes & zeros_);
    verdict.missing = cellsOf(~answerOnes & ones_);
    verdict.equivalent = verdict.extra.empty() && verdict.missing.empty();

    const AnswerTermList list = AnswerTerms::split(postfix, form_);
    verdict.shapeFault = list.fault;
    verdict.faultColumn = list.faultColumn;
    verdict.inForm = list.fault == AnswerShapeFault::None;
    if (!verdict.inForm)
        return verdict;

    const bool sum = form_ == MinimizationForm::ProductOfSums;
    std::vector<Mask> masks;
    for (const std::vector<AnswerLiteral> &literals : list.terms) {
        TermVerdict term;
        for (const AnswerLiteral &literal : literals) {
            if (!term.text.empty())
                term.text += sum ? '+' : '&';
            term.text += names_[static_cast<std::size_t>(literal.variable)];
            if (literal.complemented)
                term.text += '\'';
        }
        if (sum && literals.size() > 1)
            term.text = "(" + term.text + ")";
        term.literals = static_cast<int>(literals.size());
        masks.push_back(termCells(n_, literalCells(n_, literals, sum)));
        term.cells = cellsOf(masks.back());
        verdict.answer.terms += 1;
        verdict.answer.literals += term.literals;
        verdict.terms.push_back(std::move(term));
    }
    verdict.minimal = verdict.equivalent && verdict.answer.terms == minimum_.terms &&
                      verdict.answer.literals == minimum_.literals;

    for (std::size_t t = 0; t < list.terms.size(); ++t) {
        TermVerdict &term = verdict.terms[t];
        const Mask forbidden = sum ? ones_ : zeros_;
        term.implicant = (masks[t] & forbidden) == 0;
        term.wrongCell = lowestCell(masks[t] & forbidden);
        if (!term.implicant)
            continue;
        const std::vector<AnswerLiteral> &literals = list.terms[t];
        const std::size_t drop = droppable(n_, literalCells(n_, literals, sum), forbidden);
        term.prime = drop == noLiteral;
        if (!term.prime)
            term.drop = names_[static_cast<std::size_t>(literals[drop].variable)] +
                        (literals[drop].complemented ? "'" : "");
    }
    gradeTerms(verdict, masks);
    return verdict;
}

void AnswerChecker::gradeTerms(AnswerVerdict &verdict, const std::vector<Mask> &masks) const
{
    if (!verdict.equivalent)
        return;
    // The cells the terms must stand for together: the ones of a sum of
    // products, the zeros of a product of sums.
    const Mask needed = form_ == MinimizationForm::ProductOfSums ? zeros_ : ones_;
    // The other terms' cells from the terms before and after each one, so
    // that a long answer costs linear time.
    std::vector<Mask> after(masks.size() + 1, 0);
    for (std::size_t t = masks.size(); t > 0; --t)
        after[t - 1] = after[t] | masks[t - 1];
    Mask before = 0;
    for (std::size_t t = 0; t < masks.size(); ++t) {
        verdict.terms[t].redundant = (needed & ~(before | after[t + 1])) == 0;
        before |= masks[t];
    }
}
