#pragma once

#include "pla/PlaFunction.h"

#include <iosfwd>
#include <optional>
#include <string>

// What went wrong in a PLA file: the 1-based line and a sentence for the user.
struct PlaError
{
    int line = 1;
    std::string message;
};

struct PlaReadResult
{
    std::optional<PlaFunction> function;
    PlaError error; // meaningful only when `function` is empty

    bool ok() const { return function.has_value(); }
};

// Reads the text of a PLA file as a whole and either returns the function it
// describes or the first fault, never anything in between.
//
// Understood: ".i n" (2 ... 6; clears the function), ".o k", ".ilb names"
// (one per variable, 1 to 3 letters or digits, all different), comments from
// a word starting with '#' to the end of its line, ".e"/".end" (end of the
// function) and product lines "<input part> <output part>". The input part
// has one character of 0, 1 or '-' per variable, a '-' covering both values;
// the line sets every covered minterm, later lines overriding earlier ones.
// Of the output part only the first character counts: '0' and '1' as they
// are, anything else a don't care. Every other word starting with '.' is a
// directive this program has no use for and is skipped with its line.
class PlaReader
{
public:
    // `currentCount` is the count the program shows now; it applies until a
    // ".i" line says otherwise. A value outside 2 ... 6 counts as 4.
    static PlaReadResult read(const std::string &text, int currentCount);
    static PlaReadResult read(std::istream &in, int currentCount);

    // 1 to 3 letters or digits: the names the names dialog accepts.
    static bool isVariableName(const std::string &name);
};
