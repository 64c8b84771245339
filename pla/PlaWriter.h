// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/JointCover.h"
#include "pla/PlaFunction.h"

#include <string>
#include <vector>

// Writes a function as a single-output PLA file: ".i n", ".o 1", the ".ilb"
// line with every name followed by a blank, then one line per minterm whose
// value is not '0', in ascending order. A position without a name gets its
// default letter (A for position one).
class PlaWriter
{
public:
    static std::string write(const PlaFunction &function);

    // Writes a cover of several outputs: ".i", ".o", ".ilb", ".ob", ".p",
    // one line per product with its output plane ('1' for an output it
    // feeds), ".e". A missing input name is the default letter, a missing
    // output name f, f1, f2, ... A product-of-sums cover is written as the
    // type fr: its groups of zeros as lines with '0' for the outputs they
    // feed, then every cell that is 1 in some output (outside all its
    // groups), so that the file describes the whole function again.
    static std::string write(const JointCover &cover, const std::vector<std::string> &inputNames,
                             const std::vector<std::string> &outputNames);
    // Every output: ".o k", the ".ob" line with every output's name followed
    // by a blank, and one line per minterm where some output is not '0',
    // with one character per output. A single output named "f" is written
    // as above, byte for byte, without ".ob".
    static std::string write(const MultiOutputFunction &function);
};
