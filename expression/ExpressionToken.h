// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The predicates of ExpressionToken are range tests over these values, so the
// order of the enumerators must not change.
enum ExpressionTokenType
{
    TOKEN_UNDEFINED = 256,
    TOKEN_VAR,
    TOKEN_CONST,
    TOKEN_LP,
    TOKEN_RP,
    TOKEN_NOT,
    TOKEN_AND,
    TOKEN_OR,
    TOKEN_XOR,
    TOKEN_EOL
};

class ExpressionToken
{
public:
    // An undefined token at column 0 with empty text.
    ExpressionToken();
    ExpressionToken(int type, int column, std::string text, int value);

    int Get_Type() const { return type_; }
    int Get_Column() const { return column_; }
    const std::string &Get_Text() const { return text_; }
    int Get_Value() const { return value_; }

    const char *Get_Type_Name() const;
    // The short tag written by the parser's token dump.
    const char *Get_Diagnostic_Tag() const;

    bool Is_Operand() const;
    bool Is_Symbol() const;
    bool Is_Binary_Operator() const;
    bool Is_Unary_Prefix_Operator() const;
    bool Is_Unary_Suffix_Operator() const;
    bool Is_Operator() const;
    bool Is_Delimiter() const;

    // Called on the token at the top of the operator stack: true when it
    // stays there as `incoming` arrives, false when it must be applied first.
    bool Yields_To(const ExpressionToken &incoming) const;

private:
    int column_;
    std::string text_;
    int value_;
    int type_;
};
