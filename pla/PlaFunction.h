#pragma once

#include <string>
#include <vector>

// A single-output Boolean function as a PLA file describes it.
struct PlaFunction
{
    // Number of variables, 2 ... 6.
    int variableCount = 4;
    // True when the file gave the count on a ".i" line. Such a line starts the
    // function afresh: every minterm no product line sets is "0". Without it
    // only the `assigned` minterms change what the program shows.
    bool countGiven = false;
    // The ".ilb" names, one per variable, position one first; empty when the
    // file names no variables.
    std::vector<std::string> names;
    // One character per minterm, 2^variableCount of them: '0', '1' or 'X'.
    // Minterm m has position one as its most significant bit.
    std::string values;
    // Which minterms a product line set (same length as `values`).
    std::vector<bool> assigned;
    // The file declared or used more than one output; only the first was read.
    bool severalOutputs = false;
};
