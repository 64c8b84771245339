// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionEvaluator.h"

#include "expression/ExpressionInternalError.h"

#include <iostream>
#include <string>

namespace {

[[noreturn]] void Internal_Error_(const std::string &text)
{
    std::cerr << text << std::flush;
    throw ExpressionInternalError(text);
}

const char *const evaluate_context =
    "Error Detected In: 'ExpressionEvaluator::Evaluate_Expression(void)'; ";

} // namespace

bool ExpressionEvaluator::Evaluate_Expression()
{
    if (!is_parsed_ && !Parse())
        return false;

    std::vector<bool> stack;
    stack.reserve(postfix_expression_.size());
    // Guards a sequence that was not made by the parser; a parsed one always
    // has the operands its operators need.
    auto require = [&stack](std::size_t count) {
        if (stack.size() < count)
            Internal_Error_(std::string(evaluate_context) +
                            "Operand missing in postfix_expression_");
    };

    for (const ExpressionToken &token : postfix_expression_) {
        if (token.Is_Operand()) {
            stack.push_back(Get_Token_Boolean_Value_(token));
            continue;
        }
        if (!token.Is_Symbol())
            continue;
        const int type = token.Get_Type();
        if (type == TOKEN_NOT) {
            require(1);
            stack.back() = !stack.back();
        } else if (token.Is_Binary_Operator()) {
            require(2);
            const bool right = stack.back();
            stack.pop_back();
            const bool left = stack.back();
            stack.pop_back();
            if (type == TOKEN_AND)
                stack.push_back(left && right);
            else if (type == TOKEN_OR)
                stack.push_back(left || right);
            else
                stack.push_back(left != right);
        } else if (type == TOKEN_EOL) {
            require(1);
            return stack.back();
        } else {
            Internal_Error_(std::string(evaluate_context) +
                            "Invalid token found in postfix_expression_");
        }
    }
    Internal_Error_(std::string(evaluate_context) + "Reached end of function");
}

bool ExpressionEvaluator::Get_Token_Boolean_Value_(const ExpressionToken &token) const
{
    switch (token.Get_Type()) {
    case TOKEN_VAR:
        return Get_Variable_Value(token.Get_Value());
    case TOKEN_CONST:
        return token.Get_Value() != 0;
    default:
        Internal_Error_(
            "Error Detected In: 'ExpressionEvaluator::Get_Token_Boolean_Value_(const "
            "ExpressionToken &token) const'; Argument is not convertable to a boolean.");
    }
}
