// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/AnswerVerdict.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Every sentence and phrase a verdict is told in. What each numbered place
// holds is noted beside it; the English patterns are englishPattern()'s.
enum class VerdictPhrase
{
    CorrectMinimal,
    CorrectNotMinimal,           // %1 minimum terms, %2 its literals (phrases), %3, %4 the answer's
    CorrectNotSumOfProducts,     // %1 minimum terms, %2 its literals (phrases)
    CorrectNotProductOfSums,     // %1 minimum sums, %2 its literals (phrases)
    NotEqualExtra,               // %1 the cells (a list)
    NotEqualMissing,             // %1 the cells (a list)
    AlsoMissing,                 // %1 the cells (a list), after NotEqualExtra
    XorInSumOfProducts,          // %1 the position, from 1
    XorInProductOfSums,          // %1 the position
    NegatedGroupInSumOfProducts, // %1 the position
    NegatedGroupInProductOfSums, // %1 the position
    SumInProduct,                // %1 the position
    ProductInSum,                // %1 the position
    ProductNotImplicant,         // %1 the term, %2 a cell
    SumNotImplicate,             // %1 the sum, %2 a cell
    ProductNotPrime,             // %1 the term, %2 the literal
    SumNotPrime,                 // %1 the sum, %2 the literal
    ProductRedundant,            // %1 the term
    SumRedundant,                // %1 the sum
    ProductsIrredundant,
    SumsIrredundant,
    Empty,
    OneTerm,      // %1 the number
    ManyTerms,    // %1 the number
    OneSum,       // %1 the number
    ManySums,     // %1 the number
    OneLiteral,   // %1 the number
    ManyLiterals, // %1 the number
    Cell,         // %1 the cell's number
    CellPair,     // %1, %2 two cells, or the list so far and the last cell
    CellListItem, // %1 the list so far, %2 the next cell
    CellListMore, // %1 the cells listed, %2 how many more there are
};

// Writes a verdict as sentences: the facts are the verdict's, the words come
// from a table of patterns, the English one unless a window hands in its
// translation.
class VerdictText
{
public:
    using Patterns = std::function<std::string(VerdictPhrase)>;

    // At most this many cells are named in a sentence, then "and N more".
    static constexpr int cellsNamed = 8;

    static std::string englishPattern(VerdictPhrase phrase);

    // The verdict's sentences in order: the verdict, why the terms were not
    // analysed, the findings term by term. Empty for a syntax error, which
    // the engine's own exception tells.
    static std::vector<std::string> sentences(const AnswerVerdict &verdict,
                                              const Patterns &patterns = englishPattern);
    // The same parted for a view that lists the terms: the sentences about
    // the whole answer, and the findings on the term at `term`.
    static std::vector<std::string> summary(const AnswerVerdict &verdict,
                                            const Patterns &patterns = englishPattern);
    static std::vector<std::string> findings(const AnswerVerdict &verdict, std::size_t term,
                                             const Patterns &patterns = englishPattern);
};
