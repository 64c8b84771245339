// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionParser.h"

#include "expression/ExpressionException.h"

#include <iostream>
#include <list>
#include <utility>

namespace {

// Every stack entry carries a level. An operator pushed at level m needs its
// left operand at level m - 1 and its right operand at level m; comparing the
// levels tells whether an operand is missing or one too many, and the order
// of these checks fixes which token an error names.
struct Operator
{
    ExpressionToken token;
    int level;
};

struct Operand
{
    std::list<ExpressionToken> postfix; // spliced, so long chains stay linear
    int level;
};

struct Stacks
{
    std::vector<Operator> operators;
    std::vector<Operand> operands;

    bool Top_Operand_At(int level) const
    {
        return !operands.empty() && operands.back().level == level;
    }

    std::list<ExpressionToken> Pop_Operand()
    {
        std::list<ExpressionToken> postfix = std::move(operands.back().postfix);
        operands.pop_back();
        return postfix;
    }

    // Applies the top operator; its result goes on the operand stack at `result_level`.
    void Apply_Top_Operator(int result_level)
    {
        const ExpressionToken op = operators.back().token;
        const int m = operators.back().level;
        std::list<ExpressionToken> postfix;
        if (op.Get_Type() == TOKEN_NOT) {
            if (!Top_Operand_At(m - 1))
                throw ExpressionException(MISSING_LHS_OPERAND, op);
            postfix = Pop_Operand();
        } else if (op.Is_Binary_Operator()) {
            if (!Top_Operand_At(m))
                throw ExpressionException(MISSING_RHS_OPERAND, op);
            std::list<ExpressionToken> right = Pop_Operand();
            if (!Top_Operand_At(m - 1))
                throw ExpressionException(MISSING_LHS_OPERAND, op);
            postfix = Pop_Operand();
            postfix.splice(postfix.end(), right);
        } else {
            throw ExpressionException(UNDEFINED_OPERATOR, op);
        }
        postfix.push_back(op);
        operators.pop_back();
        operands.push_back({std::move(postfix), result_level});
    }
};

} // namespace

void ExpressionParser::Set_Expression(const std::string &text)
{
    is_parsed_ = false;
    ExpressionTokenizer::Set_Expression(text);
}

bool ExpressionParser::Parse()
{
    is_parsed_ = false;
    tokens_ = Tokenize();
    if (!tokens_.empty()) {
        postfix_expression_ = Infix_To_Postfix(tokens_);
        if (!postfix_expression_.empty()) {
            is_parsed_ = true;
            return true;
        }
    }
    return false;
}

std::vector<ExpressionToken>
ExpressionParser::Infix_To_Postfix(const std::vector<ExpressionToken> &tokens) const
{
    Stacks stacks;
    int level = 0;

    for (const ExpressionToken &t : tokens) {
        if (t.Is_Operand()) {
            if (stacks.Top_Operand_At(level))
                throw ExpressionException(UNEXPECTED_OPERAND, t);
            stacks.operands.push_back({{t}, level});
            continue;
        }
        if (!t.Is_Symbol())
            throw ExpressionException(UNDEFINED_TOKEN, t);

        switch (t.Get_Type()) {
        case TOKEN_LP:
            ++level;
            stacks.operators.push_back({t, level});
            break;

        case TOKEN_AND:
        case TOKEN_OR:
        case TOKEN_XOR:
        case TOKEN_NOT: {
            int k = level;
            while (!stacks.operators.empty() && !stacks.operators.back().token.Yields_To(t)) {
                stacks.Apply_Top_Operator(k - 1);
                --k;
            }
            if (!stacks.Top_Operand_At(k))
                throw ExpressionException(MISSING_LHS_OPERAND, t);
            level = k + 1;
            stacks.operators.push_back({t, level});
            break;
        }

        case TOKEN_RP: {
            int k = level;
            bool closed = false;
            while (!stacks.operators.empty() && !closed) {
                const Operator top = stacks.operators.back();
                if (top.token.Yields_To(t))
                    throw ExpressionException(UNMATCHED_RIGHT_PARENTHESIS, t);
                if (top.token.Get_Type() == TOKEN_LP) {
                    if (!stacks.Top_Operand_At(top.level))
                        throw ExpressionException(MISSING_RHS_OPERAND, top.token);
                    std::list<ExpressionToken> group = stacks.Pop_Operand();
                    level = k - 1;
                    if (stacks.Top_Operand_At(k - 1))
                        throw ExpressionException(UNEXPECTED_OPERAND, top.token);
                    stacks.operands.push_back({std::move(group), k - 1});
                    stacks.operators.pop_back();
                    closed = true;
                } else {
                    stacks.Apply_Top_Operator(k - 1);
                    level = k - 1;
                    --k;
                }
            }
            if (!closed)
                throw ExpressionException(UNMATCHED_RIGHT_PARENTHESIS, t);
            break;
        }

        case TOKEN_EOL: {
            int k = level;
            while (!stacks.operators.empty()) {
                if (stacks.operators.back().token.Get_Type() == TOKEN_LP)
                    throw ExpressionException(UNMATCHED_LEFT_PARENTHESIS,
                                              stacks.operators.back().token);
                stacks.Apply_Top_Operator(k - 1);
                --k;
            }
            level = k;
            if (!stacks.Top_Operand_At(level))
                throw ExpressionException(MISSING_LHS_OPERAND, t);
            stacks.operands.back().postfix.push_back(t);
            break;
        }

        default:
            throw ExpressionException(UNDEFINED_OPERATOR, t);
        }
    }

    if (stacks.operands.empty())
        return {};
    const std::list<ExpressionToken> &result = stacks.operands.back().postfix;
    return std::vector<ExpressionToken>(result.begin(), result.end());
}

void ExpressionParser::Print_Tokens(const std::vector<ExpressionToken> &tokens)
{
    for (const ExpressionToken &token : tokens)
        std::cout << token.Get_Diagnostic_Tag();
    std::cout << std::endl;
}
