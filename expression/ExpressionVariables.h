// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The table of variable names and their current values; a variable's number
// is its index. Names compare as exact, case-sensitive byte strings.
class ExpressionVariables
{
public:
    int Variable_Count() const;
    bool Is_Valid_Variable_Index(int index) const;
    // The shared variable rules. The tokenizer reads any run of name
    // characters as one word, so a word longer than a name names no variable.
    static bool Is_Name_Character(char ch);
    static bool Is_Valid_Variable_Name(const std::string &name);
    // The number of names when there is no such name.
    int Find_Variable(const std::string &name) const;

    bool Get_Variable_Value(int index) const;
    bool Set_Variable_Value(int index, bool value);
    std::string Get_Variable_Name(int index) const;
    bool Set_Variable_Name(int index, const std::string &name);

    std::vector<std::string> Get_Variable_Names() const { return variable_names_; }
    std::vector<bool> Get_Variable_Values() const { return variable_values_; }
    // Refuses a list with a repeated name; the value list keeps its size.
    bool Set_Variable_Names(const std::vector<std::string> &names);
    // Refuses a list whose length differs from the number of names.
    bool Set_Variable_Values(const std::vector<bool> &values);

private:
    std::vector<std::string> variable_names_;
    std::vector<bool> variable_values_;
};
