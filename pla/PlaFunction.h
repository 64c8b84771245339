// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputs/MultiOutputFunction.h"

#include <string>
#include <vector>

// A single-output Boolean function as a PLA file describes it: one output of
// the file, the first unless the reader was asked for another.
struct PlaFunction
{
    // Number of variables, 2 ... 6.
    int variableCount = 4;
    // True when the file gave the count on a ".i" line. Such a line starts the
    // function afresh: every minterm no product line sets is "0". Without it
    // only the `assigned` minterms change what the program shows.
    bool countGiven = false;
    // The ".ilb" names, one per variable, position one first; empty when the
    // file names no variables. When a label is not a valid variable name, the
    // names are the default ones (A for position one) and `replacedLabels`
    // holds the labels that could not be used.
    std::vector<std::string> names;
    std::vector<std::string> replacedLabels;
    // One character per minterm, 2^variableCount of them: '0', '1' or 'X'.
    // Minterm m has position one as its most significant bit.
    std::string values;
    // Which minterms the file gave a value (same length as `values`).
    std::vector<bool> assigned;
    // The file declared or used more than one output.
    bool severalOutputs = false;
    // How many outputs the file has: the larger of ".o" and the widest output
    // plane. `output` is the one read (0 for the first); when it is not below
    // `outputCount` no product line gave it a value.
    int outputCount = 1;
    int output = 0;
    // The ".ob" labels as the file writes them; empty without ".ob".
    std::vector<std::string> outputNames;
};

// Every output of a PLA file at once, as PlaReader::readOutputs() finds it.
struct PlaOutputs
{
    // The inputs are the ".ilb" names (the defaults when the file names
    // none or a label could not serve); the outputs are the ".ob" labels,
    // with default names for outputs without one or when a label could not
    // serve.
    MultiOutputFunction function;
    // As in PlaFunction: the file gave ".i", the file gave ".ilb".
    bool countGiven = false;
    bool namesGiven = false;
    // Per output, which minterms the file gave a value.
    std::vector<std::vector<bool>> assigned;
    // The ".ilb" and ".ob" labels that could not serve as names.
    std::vector<std::string> replacedLabels;
    std::vector<std::string> replacedOutputLabels;
};
