// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression/ExpressionException.h"
#include "minimize/MinimizationForm.h"

#include <optional>
#include <string>
#include <vector>

// Why an answer could not be split into terms of its form. The position is
// that of the operator that breaks the form.
enum class AnswerShapeFault
{
    None,
    Xor,          // a ^ anywhere
    NegatedGroup, // a ' after a parenthesis or after another '
    SumInProduct, // sum of products: a + inside a product
    ProductInSum, // product of sums: a & inside a sum
};

// How an answer went: graded, or not readable at all.
enum class AnswerStatus
{
    Checked,
    Empty,       // nothing typed
    SyntaxError, // the equation engine refused it; see AnswerVerdict::error
};

// Terms and literals of a cover; in the product-of-sums form a term is a sum.
struct AnswerCost
{
    int terms = 0;
    int literals = 0;
};

// One term of the answer: a product in the sum-of-products form, a sum in the
// product-of-sums form.
struct TermVerdict
{
    // The term as a list of its literals in the answer's order, joined by the
    // form's operator; a sum of two or more literals in parentheses.
    std::string text;
    int literals = 0;
    // The cells the term stands for: where the product is 1, or where the
    // sum is 0.
    std::vector<int> cells;
    // Sum of products: the product is 1 on no cell where the function is 0.
    // Product of sums: the sum is 0 on no cell where the function is 1.
    bool implicant = false;
    // An implicant none of whose literals can be dropped.
    bool prime = false;
    // Only known when the answer equals the function: the other terms alone
    // still equal it.
    bool redundant = false;
    // A literal (as written, e.g. "B'") whose removal leaves an implicant;
    // empty for a prime and for a term that is no implicant.
    std::string drop;
    // A cell the term wrongly stands for; -1 for an implicant.
    int wrongCell = -1;
};

// What is right and wrong with an answer to "minimize this function".
struct AnswerVerdict
{
    AnswerStatus status = AnswerStatus::Checked;
    // The engine's own error, with its sentence and position, when the status
    // is SyntaxError.
    std::optional<ExpressionException> error;

    MinimizationForm form = MinimizationForm::SumOfProducts;
    // Equal to the function on every cell that is not a don't care.
    bool equivalent = false;
    // Equal, in the form, and as cheap as the exact minimum.
    bool minimal = false;
    // Cells, in ascending order, where the answer is 1 and the function 0
    // (`extra`) or the answer 0 and the function 1 (`missing`).
    std::vector<int> extra;
    std::vector<int> missing;

    AnswerCost minimum;
    // Whether the answer is a sum of products (a product of sums), so that it
    // has terms, a cost and term findings; if not, `shapeFault` says why and
    // `faultColumn` (counted from 0) where.
    bool inForm = false;
    AnswerShapeFault shapeFault = AnswerShapeFault::None;
    int faultColumn = -1;
    AnswerCost answer;
    std::vector<TermVerdict> terms;
};
