// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionVariables.h"

#include "domain/VariableRules.h"
#include "expression/ExpressionInternalError.h"

#include <set>

int ExpressionVariables::Variable_Count() const
{
    return static_cast<int>(variable_names_.size());
}

bool ExpressionVariables::Is_Valid_Variable_Index(int index) const
{
    // A negative index turns into a huge unsigned one and is rejected with the rest.
    return static_cast<std::size_t>(static_cast<unsigned>(index)) < variable_names_.size();
}

bool ExpressionVariables::Is_Name_Character(char ch)
{
    return VariableRules::isNameCharacter(ch);
}

bool ExpressionVariables::Is_Valid_Variable_Name(const std::string &name)
{
    return VariableRules::isName(name);
}

int ExpressionVariables::Find_Variable(const std::string &name) const
{
    for (std::size_t i = 0; i < variable_names_.size(); ++i) {
        if (variable_names_[i] == name)
            return static_cast<int>(i);
    }
    return Variable_Count();
}

bool ExpressionVariables::Get_Variable_Value(int index) const
{
    if (!Is_Valid_Variable_Index(index))
        return false;
    const auto i = static_cast<std::size_t>(index);
    if (i >= variable_values_.size())
        throw ExpressionInternalError("ExpressionVariables::Get_Variable_Value(): no value set");
    return variable_values_[i];
}

bool ExpressionVariables::Set_Variable_Value(int index, bool value)
{
    if (!Is_Valid_Variable_Index(index))
        return false;
    const auto i = static_cast<std::size_t>(index);
    if (i >= variable_values_.size())
        variable_values_.resize(variable_names_.size(), false);
    variable_values_[i] = value;
    return true;
}

std::string ExpressionVariables::Get_Variable_Name(int index) const
{
    if (!Is_Valid_Variable_Index(index))
        return std::string();
    return variable_names_[static_cast<std::size_t>(index)];
}

bool ExpressionVariables::Set_Variable_Name(int index, const std::string &name)
{
    if (!Is_Valid_Variable_Index(index))
        return false;
    variable_names_[static_cast<std::size_t>(index)] = name;
    return true;
}

bool ExpressionVariables::Set_Variable_Names(const std::vector<std::string> &names)
{
    const std::set<std::string> distinct(names.begin(), names.end());
    if (distinct.size() != names.size())
        return false;
    variable_names_ = names;
    return true;
}

bool ExpressionVariables::Set_Variable_Values(const std::vector<bool> &values)
{
    if (values.size() != variable_names_.size())
        return false;
    variable_values_ = values;
    return true;
}
