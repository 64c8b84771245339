// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/VariableRules.h"

#include <array>
#include <string>
#include <vector>

// Where each minterm of a 2..6 variable function sits on the Karnaugh map.
//
// Every row and every column of the map stands for one assignment of a subset
// of the variables (its "axis" bits); the cell at their crossing is the minterm
// that combines both assignments. Maps of five and six variables put a
// separator column (and row) between their 4-variable blocks.
class KarnaughLayout
{
public:
    static constexpr int minVariables = VariableRules::minCount;
    static constexpr int maxVariables = VariableRules::maxCount;
    static constexpr int noSeparator = -1;

    struct Cell
    {
        int row = -1;
        int column = -1;
        bool operator==(const Cell &other) const
        {
            return row == other.row && column == other.column;
        }
        bool operator!=(const Cell &other) const { return !(*this == other); }
    };

    struct Shape
    {
        int rows = 0;
        int columns = 0;
        int separatorRow = noSeparator;
        int separatorColumn = noSeparator;
    };

    using Names = std::array<std::string, maxVariables>;

    static bool supports(int variables);

    // Zero rows and columns for an unsupported count.
    static Shape shape(int variables);

    // {-1, -1} for an unsupported count or a minterm outside 0 .. 2^n - 1.
    static Cell cellOfMinterm(int variables, int minterm);

    // -1 for a separator cell, a position outside the grid or an unsupported count.
    static int mintermAt(int variables, int row, int column);

    // Header texts: the axis variables in position order, each followed by "'"
    // where it is 0; "" for a separator. Empty lists for an unsupported count.
    static std::vector<std::string> rowLabels(int variables, const Names &names);
    static std::vector<std::string> columnLabels(int variables, const Names &names);

    static Names defaultNames();
};
