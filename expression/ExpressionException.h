// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression/ExpressionToken.h"

#include <string>
#include <vector>

enum ExpressionErrorCode
{
    INVALID_SYMBOL = 0,
    UNEXPECTED_OPERAND,
    UNMATCHED_LEFT_PARENTHESIS,
    UNMATCHED_RIGHT_PARENTHESIS,
    MISSING_LHS_OPERAND,
    MISSING_RHS_OPERAND,
    UNDEFINED_TOKEN,
    UNDEFINED_VARIABLE,
    UNDEFINED_OPERATOR
};

// The sentences that tell a syntax error; in each, %1 is the token's text
// and %2 its position.
enum class ExpressionSentence
{
    InvalidSymbol,
    UnexpectedOperand,
    UnmatchedLeftParenthesis,
    UnmatchedRightParenthesis,
    BinaryOperatorMissingLhs,
    BinaryOperatorMissingRhs,
    SuffixOperatorMissingLhs,
    PrefixOperatorMissingRhs,
    MissingLhs,
    MissingRhs,
    UndefinedToken,
    UndefinedVariable,
    UndefinedOperator,
    Unknown
};

// A syntax error in the expression text, thrown by value. The token locates
// the error for the user: its column and its text.
class ExpressionException
{
public:
    ExpressionException(int error_code, ExpressionToken token);

    ExpressionToken Get_Token() const { return token_; }
    int Get_Error_Code() const { return error_code_; }

    // The text shown to the user; positions in it count from 1.
    std::string Get_Message() const;

    // The parts of that text, for a window that shows it in another language:
    // the sentence and its values (the token's text made safe to show, and
    // its position counted from 1).
    ExpressionSentence Get_Sentence() const;
    std::vector<std::string> Get_Values() const;
    static std::string English_Pattern(ExpressionSentence sentence);

private:
    ExpressionToken token_;
    int error_code_;
};
