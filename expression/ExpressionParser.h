// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression/ExpressionTokenizer.h"

#include <string>
#include <vector>

// Validates the token sequence of the current text and converts it to postfix
// order, closed by the end marker. Every syntax error beyond bad characters
// and unknown names is found here and thrown as an ExpressionException that
// names one token.
class ExpressionParser : public ExpressionTokenizer
{
public:
    // Also marks the parse as stale.
    void Set_Expression(const std::string &text) override;

    // Tokenizes the remaining text and converts it; true when a postfix
    // sequence was produced.
    bool Parse();
    std::vector<ExpressionToken> Infix_To_Postfix(const std::vector<ExpressionToken> &tokens) const;
    static void Print_Tokens(const std::vector<ExpressionToken> &tokens);

protected:
    bool is_parsed_ = false;
    std::vector<ExpressionToken> postfix_expression_;
};
