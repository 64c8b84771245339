// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionException.h"

#include "messages/PhraseTemplate.h"
#include "messages/SafeText.h"

#include <utility>

ExpressionException::ExpressionException(int error_code, ExpressionToken token)
    : token_(std::move(token)), error_code_(error_code)
{}

std::string ExpressionException::Get_Message() const
{
    return PhraseTemplate::filled(English_Pattern(Get_Sentence()), Get_Values());
}

std::vector<std::string> ExpressionException::Get_Values() const
{
    // The token comes from the user's text, which may be a command line.
    return {SafeText::shown(token_.Get_Text()), std::to_string(token_.Get_Column() + 1)};
}

ExpressionSentence ExpressionException::Get_Sentence() const
{
    switch (error_code_) {
    case INVALID_SYMBOL:
        return ExpressionSentence::InvalidSymbol;
    case UNEXPECTED_OPERAND:
        return ExpressionSentence::UnexpectedOperand;
    case UNMATCHED_LEFT_PARENTHESIS:
        return ExpressionSentence::UnmatchedLeftParenthesis;
    case UNMATCHED_RIGHT_PARENTHESIS:
        return ExpressionSentence::UnmatchedRightParenthesis;
    case MISSING_LHS_OPERAND:
        if (token_.Is_Binary_Operator())
            return ExpressionSentence::BinaryOperatorMissingLhs;
        return token_.Is_Unary_Suffix_Operator() ? ExpressionSentence::SuffixOperatorMissingLhs
                                                 : ExpressionSentence::MissingLhs;
    case MISSING_RHS_OPERAND:
        if (token_.Is_Binary_Operator())
            return ExpressionSentence::BinaryOperatorMissingRhs;
        return token_.Is_Unary_Prefix_Operator() ? ExpressionSentence::PrefixOperatorMissingRhs
                                                 : ExpressionSentence::MissingRhs;
    case UNDEFINED_TOKEN:
        return ExpressionSentence::UndefinedToken;
    case UNDEFINED_VARIABLE:
        return ExpressionSentence::UndefinedVariable;
    case UNDEFINED_OPERATOR:
        return ExpressionSentence::UndefinedOperator;
    default:
        return ExpressionSentence::Unknown;
    }
}

std::string ExpressionException::English_Pattern(ExpressionSentence sentence)
{
    switch (sentence) {
    case ExpressionSentence::InvalidSymbol:
        return "Invalid symbol '%1' found starting at character position %2. Valid symbols are: "
               "lower-case letters [a-z], upper-case letters [A-Z], numbers [0-9], [(] (left "
               "parenthesis), [)] (right parenthesis), [+] (plus; logical or), [&] (ampersand; "
               "logical and), [^] (caret; logical xor), and ['] (apostrophe; logical not).";
    case ExpressionSentence::UnexpectedOperand:
        return "Unexpected operand '%1' found starting at character position %2. Did you forget "
               "its operator?";
    case ExpressionSentence::UnmatchedLeftParenthesis:
        return "Unmatched left-parenthesis found in boolean expression starting at character "
               "position %2. Parentheses come in pairs of left-right and must contain an operand "
               "between them.";
    case ExpressionSentence::UnmatchedRightParenthesis:
        return "Unmatched right-parenthesis found in boolean expression starting at character "
               "position %2. Parentheses come in pairs of left-right and must contain an operand "
               "between them.";
    case ExpressionSentence::BinaryOperatorMissingLhs:
        return "Binary infix operator '%1' starting at character position %2 expects two "
               "operands; The left-hand-side (LHS) operand is missing";
    case ExpressionSentence::BinaryOperatorMissingRhs:
        return "Binary infix operator '%1' starting at character position %2 expects two "
               "operands; The right-hand-side (RHS) operand is missing";
    case ExpressionSentence::SuffixOperatorMissingLhs:
        return "Unary suffix operator '%1' starting at character position %2 expects one "
               "operand; The left-hand-side (LHS) operand is missing";
    case ExpressionSentence::PrefixOperatorMissingRhs:
        return "Unary prefix operator '%1' starting at character position %2 expects one "
               "operand; The right-hand-side (RHS) operand is missing";
    case ExpressionSentence::MissingLhs:
        return "The left-hand-side (LHS) operand is missing";
    case ExpressionSentence::MissingRhs:
        return "The right-hand-side (RHS) operand is missing";
    case ExpressionSentence::UndefinedToken:
        return "Undefined token '%1' found starting at character position %2. Suitable action "
               "unknown.";
    case ExpressionSentence::UndefinedVariable:
        return "The variable name '%1' starting at character position %2 is undefined. Did you "
               "make a spelling mistake or forget to set your custom variable names?";
    case ExpressionSentence::UndefinedOperator:
        return "Undefined operator '%1' found starting at character position %2. Suitable action "
               "unknown.";
    case ExpressionSentence::Unknown:
        break;
    }
    return "Undefined exception.";
}
