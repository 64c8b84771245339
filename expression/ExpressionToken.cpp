// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionToken.h"

#include <utility>

ExpressionToken::ExpressionToken() : ExpressionToken(TOKEN_UNDEFINED, 0, std::string(), 0) {}

ExpressionToken::ExpressionToken(int type, int column, std::string text, int value)
    : column_(column), text_(std::move(text)), value_(value), type_(type)
{}

const char *ExpressionToken::Get_Type_Name() const
{
    switch (type_) {
    case TOKEN_VAR:
        return "VAR";
    case TOKEN_CONST:
        return "CONST";
    case TOKEN_LP:
        return "LP";
    case TOKEN_RP:
        return "RP";
    case TOKEN_NOT:
        return "NOT";
    case TOKEN_AND:
        return "AND";
    case TOKEN_OR:
        return "OR";
    case TOKEN_XOR:
        return "XOR";
    case TOKEN_EOL:
        return "EOL";
    default:
        return "?";
    }
}

const char *ExpressionToken::Get_Diagnostic_Tag() const
{
    switch (type_) {
    case TOKEN_VAR:
        return "<VAR>";
    case TOKEN_LP:
        return "<LP>";
    case TOKEN_RP:
        return "<RP>";
    case TOKEN_NOT:
        return "<NOT>";
    case TOKEN_AND:
        return "<AND>";
    case TOKEN_OR:
        return "<OR>";
    case TOKEN_XOR:
        return "<XOR>";
    case TOKEN_EOL:
        return "<EOL>";
    default:
        return "<UNKNOWN>";
    }
}

bool ExpressionToken::Is_Operand() const
{
    return type_ == TOKEN_VAR || type_ == TOKEN_CONST;
}

bool ExpressionToken::Is_Symbol() const
{
    return type_ >= TOKEN_LP && type_ <= TOKEN_EOL;
}

bool ExpressionToken::Is_Binary_Operator() const
{
    return type_ >= TOKEN_AND && type_ <= TOKEN_XOR;
}

bool ExpressionToken::Is_Unary_Prefix_Operator() const
{
    return type_ == TOKEN_LP;
}

bool ExpressionToken::Is_Unary_Suffix_Operator() const
{
    return type_ == TOKEN_RP || type_ == TOKEN_NOT || type_ == TOKEN_EOL;
}

bool ExpressionToken::Is_Operator() const
{
    return type_ >= TOKEN_NOT && type_ <= TOKEN_XOR;
}

bool ExpressionToken::Is_Delimiter() const
{
    return type_ == TOKEN_LP || type_ == TOKEN_RP || type_ == TOKEN_EOL;
}

bool ExpressionToken::Yields_To(const ExpressionToken &incoming) const
{
    const int in = incoming.type_;
    switch (type_) {
    case TOKEN_LP:
        return in == TOKEN_LP || incoming.Is_Operator();
    case TOKEN_RP:
    case TOKEN_EOL:
        return true;
    case TOKEN_AND:
        return in == TOKEN_LP || in == TOKEN_NOT;
    case TOKEN_OR:
        return in == TOKEN_LP || in == TOKEN_NOT || in == TOKEN_AND || in == TOKEN_XOR;
    case TOKEN_XOR:
        return in == TOKEN_LP || in == TOKEN_NOT || in == TOKEN_AND;
    default: // NOT binds tightest; operands and undefined tokens never stay
        return false;
    }
}
