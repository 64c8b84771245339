// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionTokenizer.h"

#include "expression/ExpressionException.h"
#include "expression/ExpressionInternalError.h"

ExpressionTokenizer::ExpressionTokenizer() = default;

ExpressionTokenizer::~ExpressionTokenizer() = default;

void ExpressionTokenizer::Set_Expression(const std::string &text)
{
    expression_ = text;
    position_ = 0;
    token_pending_ = false;
}

int ExpressionTokenizer::Expression_Length() const
{
    return static_cast<int>(expression_.size());
}

bool ExpressionTokenizer::Symbols_Remain() const
{
    return position_ != Expression_Length();
}

bool ExpressionTokenizer::Tokens_Remain() const
{
    return token_pending_ || Symbols_Remain();
}

int ExpressionTokenizer::Symbol_Column() const
{
    if (!Symbols_Remain())
        throw ExpressionInternalError("ExpressionTokenizer::Symbol_Column()");
    return position_;
}

char ExpressionTokenizer::Next_Symbol() const
{
    if (position_ < 0 || position_ >= Expression_Length())
        throw ExpressionInternalError("ExpressionTokenizer::Next_Symbol()");
    return expression_[static_cast<std::size_t>(position_)];
}

void ExpressionTokenizer::Discard_Next_Symbol()
{
    if (!Symbols_Remain())
        throw ExpressionInternalError("ExpressionTokenizer::Discard_Next_Symbol()");
    ++position_;
}

bool ExpressionTokenizer::Is_Valid_Symbol(char ch)
{
    switch (ch) {
    case '&':
    case '\'':
    case '(':
    case ')':
    case '+':
    case '^':
        return true;
    default:
        return Is_Name_Character(ch);
    }
}

bool ExpressionTokenizer::Is_Valid_Expression() const
{
    if (expression_.empty())
        return false;
    for (char ch : expression_) {
        if (!Is_Valid_Symbol(ch))
            return false;
    }
    return true;
}

ExpressionToken ExpressionTokenizer::Next_Token()
{
    if (token_pending_)
        return current_token_;
    current_token_ = Read_Token_();
    token_pending_ = true;
    return current_token_;
}

void ExpressionTokenizer::Discard_Token()
{
    token_pending_ = false;
}

ExpressionToken ExpressionTokenizer::Read_Token_()
{
    token_pending_ = false;
    if (!Symbols_Remain())
        throw ExpressionInternalError(
            "Symbols_Remain() returned false, but tokenization was still attempted");

    std::string name;
    const int start = Symbol_Column();
    while (Symbols_Remain()) {
        const int column = Symbol_Column();
        const char ch = Next_Symbol();
        // Checked before anything else, so that a bad character right after a
        // name is reported rather than the name.
        if (!Is_Valid_Symbol(ch))
            throw ExpressionException(
                INVALID_SYMBOL, ExpressionToken(TOKEN_UNDEFINED, column, std::string(1, ch), 0));
        if (!Is_Name_Character(ch)) {
            if (!name.empty())
                break;
            int type = TOKEN_UNDEFINED;
            switch (ch) {
            case '&':
                type = TOKEN_AND;
                break;
            case '\'':
                type = TOKEN_NOT;
                break;
            case '(':
                type = TOKEN_LP;
                break;
            case ')':
                type = TOKEN_RP;
                break;
            case '+':
                type = TOKEN_OR;
                break;
            case '^':
                type = TOKEN_XOR;
                break;
            default:
                throw ExpressionException(
                    UNDEFINED_OPERATOR,
                    ExpressionToken(TOKEN_UNDEFINED, start, std::string(1, ch), 0));
            }
            Discard_Next_Symbol();
            return ExpressionToken(type, start, std::string(1, ch), 0);
        }
        name += ch;
        Discard_Next_Symbol();
    }

    const int index = Find_Variable(name);
    if (!Is_Valid_Variable_Index(index))
        throw ExpressionException(UNDEFINED_VARIABLE, ExpressionToken(TOKEN_VAR, start, name, 0));
    return ExpressionToken(TOKEN_VAR, start, name, index);
}

std::vector<ExpressionToken> ExpressionTokenizer::Tokenize()
{
    std::vector<ExpressionToken> tokens;
    if (token_pending_) {
        tokens.push_back(current_token_);
        token_pending_ = false;
    }
    while (Symbols_Remain()) {
        tokens.push_back(Next_Token());
        token_pending_ = false;
    }
    tokens.emplace_back(TOKEN_EOL, Expression_Length(), std::string(), 0);
    return tokens;
}
