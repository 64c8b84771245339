// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// A column of function values as a user pastes it: one value per line (a
// spreadsheet column), or one line of values side by side ("01X1"). A value
// is 0, 1 or a don't-care written X, x or -.
namespace ValueColumn {

struct Parsed
{
    std::string values; // '0', '1' or 'X' per value, in the order given
    std::string error;  // empty when every value was understood
    // Where the first value not understood is: its line (from 1) and text.
    std::size_t errorLine = 0;
    std::string errorText;
};

// The sentence of `error`: %1 is the line, %2 the text found there.
constexpr const char *englishRefusal =
    "Line %1 holds \"%2\"; each value must be 0, 1 or X (x and - mean X as well).";

Parsed parse(const std::string &text);

// The value a typed or pasted character stands for, or '\0' for none.
char valueOf(char c);

} // namespace ValueColumn
