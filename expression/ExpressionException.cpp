// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionException.h"

#include <utility>

#include "messages/SafeText.h"

ExpressionException::ExpressionException(int error_code, ExpressionToken token)
    : token_(std::move(token)), error_code_(error_code)
{}

std::string ExpressionException::Get_Message() const
{
    // The token comes from the user's text, which may be a command line.
    const std::string text = SafeText::shown(token_.Get_Text());
    const std::string position = std::to_string(token_.Get_Column() + 1);
    const std::string at = "' starting at character position " + position;
    const std::string found_at = "' found starting at character position " + position;

    std::string prefix;
    if (token_.Is_Binary_Operator())
        prefix = "Binary infix operator '" + text + at + " expects two operands; ";
    else if (error_code_ == MISSING_LHS_OPERAND && token_.Is_Unary_Suffix_Operator())
        prefix = "Unary suffix operator '" + text + at + " expects one operand; ";
    else if (error_code_ == MISSING_RHS_OPERAND && token_.Is_Unary_Prefix_Operator())
        prefix = "Unary prefix operator '" + text + at + " expects one operand; ";

    switch (error_code_) {
    case INVALID_SYMBOL:
        return "Invalid symbol '" + text + found_at +
               ". Valid symbols are: lower-case letters [a-z], upper-case letters [A-Z], numbers "
               "[0-9], [(] (left parenthesis), [)] (right parenthesis), [+] (plus; logical or), "
               "[&] (ampersand; logical and), [^] (caret; logical xor), and ['] (apostrophe; "
               "logical not).";
    case UNEXPECTED_OPERAND:
        return "Unexpected operand '" + text + found_at + ". Did you forget its operator?";
    case UNMATCHED_LEFT_PARENTHESIS:
        return "Unmatched left-parenthesis found in boolean expression starting at character "
               "position " +
               position +
               ". Parentheses come in pairs of left-right and must contain an operand between "
               "them.";
    case UNMATCHED_RIGHT_PARENTHESIS:
        return "Unmatched right-parenthesis found in boolean expression starting at character "
               "position " +
               position +
               ". Parentheses come in pairs of left-right and must contain an operand between "
               "them.";
    case MISSING_LHS_OPERAND:
        return prefix + "The left-hand-side (LHS) operand is missing";
    case MISSING_RHS_OPERAND:
        return prefix + "The right-hand-side (RHS) operand is missing";
    case UNDEFINED_TOKEN:
        return "Undefined token '" + text + found_at + ". Suitable action unknown.";
    case UNDEFINED_VARIABLE:
        return "The variable name '" + text + at +
               " is undefined. Did you make a spelling mistake or forget to set your custom "
               "variable names?";
    case UNDEFINED_OPERATOR:
        return "Undefined operator '" + text + found_at + ". Suitable action unknown.";
    default:
        return "Undefined exception.";
    }
}
