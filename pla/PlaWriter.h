// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pla/PlaFunction.h"

#include <string>

// Writes a function as a single-output PLA file: ".i n", ".o 1", the ".ilb"
// line with every name followed by a blank, then one line per minterm whose
// value is not '0', in ascending order. A position without a name gets its
// default letter (A for position one).
class PlaWriter
{
public:
    static std::string write(const PlaFunction &function);
};
