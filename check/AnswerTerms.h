// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/AnswerVerdict.h"
#include "expression/ExpressionToken.h"
#include "minimize/MinimizationForm.h"

#include <vector>

// A variable as it stands in a term, plain or complemented.
struct AnswerLiteral
{
    int variable = 0;
    bool complemented = false;
};

// The terms of an answer in the order written, or why it has none: a term is
// a product of literals in the sum-of-products form and a sum of literals in
// the product-of-sums form.
struct AnswerTermList
{
    AnswerShapeFault fault = AnswerShapeFault::None;
    int faultColumn = -1;
    std::vector<std::vector<AnswerLiteral>> terms;
};

// Splits an answer into its terms from the equation engine's postfix
// sequence, so that what counts as a term follows the engine's precedence and
// parentheses instead of a second reading of the text. Parentheses that only
// group a term or a literal are welcome; whatever else needs them is outside
// the form.
class AnswerTerms
{
public:
    // `postfix` as the engine's parser makes it, closed by the end marker.
    static AnswerTermList split(const std::vector<ExpressionToken> &postfix, MinimizationForm form);
};
