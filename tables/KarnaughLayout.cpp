// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/KarnaughLayout.h"

namespace {

constexpr int separator = -1;
constexpr int maxAxisLength = 9;

// One side of the map: the minterm bits it decides and, for each row or
// column, the values of those bits (or a separator).
struct Axis
{
    int mask;
    int length;
    std::array<int, maxAxisLength> values;
};

struct Layout
{
    Axis rows;
    Axis columns;
};

// Two-bit Gray orders: forward 00 01 11 10, backward 10 11 01 00. Within every
// 4-variable block a step to the next row or column, wrapping round, flips one
// bit; the six-variable blocks mirror each other across the separators so that
// cells facing each other differ only in the block variable.
constexpr std::array<Layout, 5> layouts = {{
    // n = 2: A by row, B by column.
    {{0b10, 2, {0b00, 0b10}}, {0b01, 2, {0b00, 0b01}}},
    // n = 3: A by row, BC by column.
    {{0b100, 2, {0b000, 0b100}}, {0b011, 4, {0b000, 0b001, 0b011, 0b010}}},
    // n = 4: AB by row, CD by column.
    {{0b1100, 4, {0b0000, 0b0100, 0b1100, 0b1000}}, {0b0011, 4, {0b0000, 0b0001, 0b0011, 0b0010}}},
    // n = 5: BC by row; A picks the column block, DE in forward order in both.
    {{0b01100, 4, {0b00000, 0b00100, 0b01100, 0b01000}},
     {0b10011,
      9,
      {0b00000, 0b00001, 0b00011, 0b00010, separator, 0b10000, 0b10001, 0b10011, 0b10010}}},
    // n = 6: A picks the row block, CD forward above and backward below; B picks
    // the column block, EF forward on the left and backward on the right.
    {{0b101100,
      9,
      {0b000000, 0b000100, 0b001100, 0b001000, separator, 0b101000, 0b101100, 0b100100, 0b100000}},
     {0b010011,
      9,
      {0b000000, 0b000001, 0b000011, 0b000010, separator, 0b010010, 0b010011, 0b010001, 0b010000}}},
}};

const Layout &layoutFor(int variables)
{
    return layouts[static_cast<std::size_t>(variables - KarnaughLayout::minVariables)];
}

int separatorOf(const Axis &axis)
{
    for (int i = 0; i < axis.length; ++i) {
        if (axis.values[static_cast<std::size_t>(i)] == separator)
            return i;
    }
    return KarnaughLayout::noSeparator;
}

int indexOf(const Axis &axis, int bits)
{
    for (int i = 0; i < axis.length; ++i) {
        if (axis.values[static_cast<std::size_t>(i)] == bits)
            return i;
    }
    return -1;
}

std::vector<std::string> labelsOf(const Axis &axis, int variables,
                                  const KarnaughLayout::Names &names)
{
    std::vector<std::string> labels;
    labels.reserve(static_cast<std::size_t>(axis.length));
    for (int i = 0; i < axis.length; ++i) {
        const int value = axis.values[static_cast<std::size_t>(i)];
        std::string label;
        if (value != separator) {
            // Position one is the most significant of the n bits.
            for (int position = 0; position < variables; ++position) {
                const int bit = 1 << (variables - 1 - position);
                if ((axis.mask & bit) == 0)
                    continue;
                label += names[static_cast<std::size_t>(position)];
                if ((value & bit) == 0)
                    label += '\'';
            }
        }
        labels.push_back(label);
    }
    return labels;
}

} // namespace

bool KarnaughLayout::supports(int variables)
{
    return VariableRules::isCount(variables);
}

KarnaughLayout::Shape KarnaughLayout::shape(int variables)
{
    if (!supports(variables))
        return {};
    const Layout &layout = layoutFor(variables);
    return {layout.rows.length, layout.columns.length, separatorOf(layout.rows),
            separatorOf(layout.columns)};
}

KarnaughLayout::Cell KarnaughLayout::cellOfMinterm(int variables, int minterm)
{
    if (!supports(variables) || minterm < 0 || minterm >= (1 << variables))
        return {};
    const Layout &layout = layoutFor(variables);
    return {indexOf(layout.rows, minterm & layout.rows.mask),
            indexOf(layout.columns, minterm & layout.columns.mask)};
}

int KarnaughLayout::mintermAt(int variables, int row, int column)
{
    if (!supports(variables))
        return -1;
    const Layout &layout = layoutFor(variables);
    if (row < 0 || row >= layout.rows.length || column < 0 || column >= layout.columns.length)
        return -1;
    const int rowBits = layout.rows.values[static_cast<std::size_t>(row)];
    const int columnBits = layout.columns.values[static_cast<std::size_t>(column)];
    if (rowBits == separator || columnBits == separator)
        return -1;
    return rowBits | columnBits;
}

std::vector<std::string> KarnaughLayout::rowLabels(int variables, const Names &names)
{
    if (!supports(variables))
        return {};
    return labelsOf(layoutFor(variables).rows, variables, names);
}

std::vector<std::string> KarnaughLayout::columnLabels(int variables, const Names &names)
{
    if (!supports(variables))
        return {};
    return labelsOf(layoutFor(variables).columns, variables, names);
}

KarnaughLayout::Names KarnaughLayout::defaultNames()
{
    return VariableRules::defaultNames();
}
