// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A column of function values as a user pastes it: one value per line (a
// spreadsheet column), or one line of values side by side ("01X1"). A value
// is 0, 1 or a don't-care written X, x or -.
namespace ValueColumn {

struct Parsed
{
    std::string values; // '0', '1' or 'X' per value, in the order given
    std::string error;  // empty when every value was understood
};

Parsed parse(const std::string &text);

// The value a typed or pasted character stands for, or '\0' for none.
char valueOf(char c);

} // namespace ValueColumn
