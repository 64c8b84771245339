// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// Thrown when the engine's own interface is misused (reading past the end of
// the text, evaluating a broken postfix sequence). No expression text can
// cause it, so the user interface deliberately does not catch it; it is a
// distinct type so that it is never mistaken for a syntax error.
class ExpressionInternalError : public std::logic_error
{
public:
    explicit ExpressionInternalError(const std::string &what);
};
