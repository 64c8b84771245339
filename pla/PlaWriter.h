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

    // Every output: ".o k", the ".ob" line with every output's name followed
    // by a blank, and one line per minterm where some output is not '0',
    // with one character per output. A single output named "f" is written
    // as above, byte for byte, without ".ob".
    static std::string write(const MultiOutputFunction &function);
};
