// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/BulkEdit.h"

namespace BulkEdit {

namespace {

char edited(Kind kind, char value)
{
    switch (kind) {
    case Kind::AllZero:
        return '0';
    case Kind::AllOne:
        return '1';
    case Kind::AllDontCare:
        return 'X';
    case Kind::Invert:
        // A don't-care stays one: either value is still allowed.
        return value == '0' ? '1' : value == '1' ? '0' : value;
    case Kind::DontCareToZero:
        return value == 'X' ? '0' : value;
    case Kind::DontCareToOne:
        return value == 'X' ? '1' : value;
    }
    return value;
}

} // namespace

std::string apply(Kind kind, const std::string &values)
{
    std::string result = values;
    for (char &value : result)
        value = edited(kind, value);
    return result;
}

} // namespace BulkEdit
