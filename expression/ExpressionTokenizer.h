// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression/ExpressionToken.h"
#include "expression/ExpressionVariables.h"

#include <string>
#include <vector>

// Splits an expression text into tokens and resolves every name against the
// variable table. There is no whitespace and there are no literal constants:
// a name is the longest run of name characters, digits included.
class ExpressionTokenizer : public ExpressionVariables
{
public:
    ExpressionTokenizer();
    virtual ~ExpressionTokenizer();
    // Stores the text and rewinds to its first character.
    virtual void Set_Expression(const std::string &text);

    std::string Get_Expression() const { return expression_; }
    int Expression_Length() const;

    bool Symbols_Remain() const;
    bool Tokens_Remain() const;
    int Symbol_Column() const;
    char Next_Symbol() const;
    void Discard_Next_Symbol();
    static bool Is_Valid_Symbol(char ch);
    bool Is_Valid_Expression() const;

    // Reads one token, or hands back the pending one unchanged.
    ExpressionToken Next_Token();
    void Discard_Token();
    // The remaining text as tokens, closed by the end marker.
    std::vector<ExpressionToken> Tokenize();

protected:
    std::vector<ExpressionToken> tokens_;

private:
    ExpressionToken Read_Token_();

    std::string expression_;
    int position_ = 0;
    ExpressionToken current_token_;
    bool token_pending_ = false;
};
