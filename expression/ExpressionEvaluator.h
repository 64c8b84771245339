// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression/ExpressionParser.h"

// Computes the value of the current expression under the current variable
// values. The text is parsed once per Set_Expression; every evaluation after
// that is one pass over the postfix sequence.
class ExpressionEvaluator : public ExpressionParser
{
public:
    // Parses first when needed; a syntax error surfaces here as ExpressionException.
    bool Evaluate_Expression();

private:
    bool Get_Token_Boolean_Value_(const ExpressionToken &token) const;
};
