// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/VerdictText.h"

#include "messages/PhraseTemplate.h"

#include <algorithm>
#include <cstddef>

namespace {

class Writer
{
public:
    Writer(const AnswerVerdict &verdict, const VerdictText::Patterns &patterns)
        : verdict_(verdict), patterns_(patterns),
          sum_(verdict.form == MinimizationForm::ProductOfSums)
    {}

    std::vector<std::string> run()
    {
        summary();
        for (const TermVerdict &term : verdict_.terms)
            findings(term);
        return sentences_;
    }

    std::vector<std::string> summary()
    {
        if (verdict_.status == AnswerStatus::Empty)
            say(VerdictPhrase::Empty);
        if (verdict_.status != AnswerStatus::Checked)
            return sentences_;
        headline();
        shape();
        const bool allPrime = std::all_of(verdict_.terms.begin(), verdict_.terms.end(),
                                          [](const TermVerdict &t) { return t.prime; });
        const bool noneRedundant = std::none_of(verdict_.terms.begin(), verdict_.terms.end(),
                                                [](const TermVerdict &t) { return t.redundant; });
        if (verdict_.equivalent && verdict_.inForm && !verdict_.minimal && allPrime &&
            noneRedundant)
            say(sum_ ? VerdictPhrase::SumsIrredundant : VerdictPhrase::ProductsIrredundant);
        return sentences_;
    }

private:
    std::string filled(VerdictPhrase phrase, const std::vector<std::string> &values = {}) const
    {
        return PhraseTemplate::filled(patterns_(phrase), values);
    }

    void say(VerdictPhrase phrase, const std::vector<std::string> &values = {})
    {
        sentences_.push_back(filled(phrase, values));
    }

    std::string counted(int number, VerdictPhrase one, VerdictPhrase many) const
    {
        return filled(number == 1 ? one : many, {std::to_string(number)});
    }

    std::string termCount(int number) const
    {
        return sum_ ? counted(number, VerdictPhrase::OneSum, VerdictPhrase::ManySums)
                    : counted(number, VerdictPhrase::OneTerm, VerdictPhrase::ManyTerms);
    }

    std::string literalCount(int number) const
    {
        return counted(number, VerdictPhrase::OneLiteral, VerdictPhrase::ManyLiterals);
    }

    std::string cell(int number) const
    {
        return filled(VerdictPhrase::Cell, {std::to_string(number)});
    }

    // "m1", "m1 and m3", "m1, m3 and m5", "m1, ..., m8 and 4 more".
    std::string cellList(const std::vector<int> &cells) const
    {
        const std::size_t named = std::min(cells.size(), std::size_t{VerdictText::cellsNamed});
        const bool cut = named < cells.size();
        std::string list = cell(cells.front());
        for (std::size_t i = 1; i < named; ++i) {
            const bool last = i + 1 == named && !cut;
            list = filled(last ? VerdictPhrase::CellPair : VerdictPhrase::CellListItem,
                          {list, cell(cells[i])});
        }
        if (cut)
            list =
                filled(VerdictPhrase::CellListMore, {list, std::to_string(cells.size() - named)});
        return list;
    }

    void headline()
    {
        const AnswerCost &minimum = verdict_.minimum;
        if (verdict_.minimal) {
            say(VerdictPhrase::CorrectMinimal);
        } else if (verdict_.equivalent && verdict_.inForm) {
            say(VerdictPhrase::CorrectNotMinimal,
                {termCount(minimum.terms), literalCount(minimum.literals),
                 std::to_string(verdict_.answer.terms), std::to_string(verdict_.answer.literals)});
        } else if (verdict_.equivalent) {
            say(sum_ ? VerdictPhrase::CorrectNotProductOfSums
                     : VerdictPhrase::CorrectNotSumOfProducts,
                {termCount(minimum.terms), literalCount(minimum.literals)});
        } else if (!verdict_.extra.empty()) {
            say(VerdictPhrase::NotEqualExtra, {cellList(verdict_.extra)});
            if (!verdict_.missing.empty())
                say(VerdictPhrase::AlsoMissing, {cellList(verdict_.missing)});
        } else {
            say(VerdictPhrase::NotEqualMissing, {cellList(verdict_.missing)});
        }
    }

    void shape()
    {
        const std::vector<std::string> position{std::to_string(verdict_.faultColumn + 1)};
        switch (verdict_.shapeFault) {
        case AnswerShapeFault::None:
            break;
        case AnswerShapeFault::Xor:
            say(sum_ ? VerdictPhrase::XorInProductOfSums : VerdictPhrase::XorInSumOfProducts,
                position);
            break;
        case AnswerShapeFault::NegatedGroup:
            say(sum_ ? VerdictPhrase::NegatedGroupInProductOfSums
                     : VerdictPhrase::NegatedGroupInSumOfProducts,
                position);
            break;
        case AnswerShapeFault::SumInProduct:
            say(VerdictPhrase::SumInProduct, position);
            break;
        case AnswerShapeFault::ProductInSum:
            say(VerdictPhrase::ProductInSum, position);
            break;
        }
    }

public:
    std::vector<std::string> findings(const TermVerdict &term)
    {
        if (!term.implicant)
            say(sum_ ? VerdictPhrase::SumNotImplicate : VerdictPhrase::ProductNotImplicant,
                {term.text, cell(term.wrongCell)});
        else if (!term.prime)
            say(sum_ ? VerdictPhrase::SumNotPrime : VerdictPhrase::ProductNotPrime,
                {term.text, term.drop});
        if (term.redundant)
            say(sum_ ? VerdictPhrase::SumRedundant : VerdictPhrase::ProductRedundant, {term.text});
        return sentences_;
    }

private:
    const AnswerVerdict &verdict_;
    const VerdictText::Patterns &patterns_;
    const bool sum_;
    std::vector<std::string> sentences_;
};

} // namespace

std::vector<std::string> VerdictText::sentences(const AnswerVerdict &verdict,
                                                const Patterns &patterns)
{
    return Writer(verdict, patterns).run();
}

std::vector<std::string> VerdictText::summary(const AnswerVerdict &verdict,
                                              const Patterns &patterns)
{
    return Writer(verdict, patterns).summary();
}

std::vector<std::string> VerdictText::findings(const AnswerVerdict &verdict, std::size_t term,
                                               const Patterns &patterns)
{
    return Writer(verdict, patterns).findings(verdict.terms.at(term));
}

std::string VerdictText::englishPattern(VerdictPhrase phrase)
{
    switch (phrase) {
    case VerdictPhrase::CorrectMinimal:
        return "Correct and minimal.";
    case VerdictPhrase::CorrectNotMinimal:
        return "Correct, but not minimal: the minimum has %1 and %2, yours %3 and %4.";
    case VerdictPhrase::CorrectNotSumOfProducts:
        return "Correct, but not a sum of products, so it is not compared with the minimum of %1 "
               "and %2.";
    case VerdictPhrase::CorrectNotProductOfSums:
        return "Correct, but not a product of sums, so it is not compared with the minimum of %1 "
               "and %2.";
    case VerdictPhrase::NotEqualExtra:
        return "Not equal to the function: it is 1 at %1, where the function is 0.";
    case VerdictPhrase::NotEqualMissing:
        return "Not equal to the function: it is 0 at %1, where the function is 1.";
    case VerdictPhrase::AlsoMissing:
        return "It is 0 at %1, where the function is 1.";
    case VerdictPhrase::XorInSumOfProducts:
        return "The ^ at position %1 makes it no sum of products, so its terms are not analysed.";
    case VerdictPhrase::XorInProductOfSums:
        return "The ^ at position %1 makes it no product of sums, so its sums are not analysed.";
    case VerdictPhrase::NegatedGroupInSumOfProducts:
        return "The ' at position %1 negates more than a variable, so it is no sum of products "
               "and its terms are not analysed.";
    case VerdictPhrase::NegatedGroupInProductOfSums:
        return "The ' at position %1 negates more than a variable, so it is no product of sums "
               "and its sums are not analysed.";
    case VerdictPhrase::SumInProduct:
        return "The + at position %1 stands inside a product, so it is no sum of products and "
               "its terms are not analysed.";
    case VerdictPhrase::ProductInSum:
        return "The & at position %1 stands inside a sum, so it is no product of sums and its "
               "sums are not analysed.";
    case VerdictPhrase::ProductNotImplicant:
        return "The term %1 is not an implicant: it is 1 at %2, where the function is 0.";
    case VerdictPhrase::SumNotImplicate:
        return "The sum %1 is not an implicate: it is 0 at %2, where the function is 1.";
    case VerdictPhrase::ProductNotPrime:
        return "The term %1 is not prime: without %2 it still covers no cell where the function "
               "is 0.";
    case VerdictPhrase::SumNotPrime:
        return "The sum %1 is not prime: without %2 it is still 0 on no cell where the function "
               "is 1.";
    case VerdictPhrase::ProductRedundant:
        return "The term %1 is redundant: the other terms alone equal the function.";
    case VerdictPhrase::SumRedundant:
        return "The sum %1 is redundant: the other sums alone equal the function.";
    case VerdictPhrase::ProductsIrredundant:
        return "Every term is prime and none is redundant, but another choice of prime "
               "implicants is cheaper.";
    case VerdictPhrase::SumsIrredundant:
        return "Every sum is prime and none is redundant, but another choice of prime "
               "implicates is cheaper.";
    case VerdictPhrase::Empty:
        return "An empty expression cannot be evaluated.";
    case VerdictPhrase::OneTerm:
        return "%1 term";
    case VerdictPhrase::ManyTerms:
        return "%1 terms";
    case VerdictPhrase::OneSum:
        return "%1 sum";
    case VerdictPhrase::ManySums:
        return "%1 sums";
    case VerdictPhrase::OneLiteral:
        return "%1 literal";
    case VerdictPhrase::ManyLiterals:
        return "%1 literals";
    case VerdictPhrase::Cell:
        return "m%1";
    case VerdictPhrase::CellPair:
        return "%1 and %2";
    case VerdictPhrase::CellListItem:
        return "%1, %2";
    case VerdictPhrase::CellListMore:
        return "%1 and %2 more";
    }
    return std::string();
}
