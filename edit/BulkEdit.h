// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Edits that change every value of a function at once. Values are '0', '1'
// or 'X', one per minterm.
namespace BulkEdit {

enum class Kind
{
    AllZero,
    AllOne,
    AllDontCare,
    Invert,
    DontCareToZero,
    DontCareToOne
};

std::string apply(Kind kind, const std::string &values);

} // namespace BulkEdit
