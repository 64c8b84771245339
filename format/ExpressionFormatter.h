// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/OutputFormat.h"
#include "minimize/MinimizedCover.h"

#include <string>
#include <vector>

// Writes a minimized cover in another tool's notation, with the names given
// (not necessarily those the cover was minimized with). A name the target
// cannot take as an identifier, or two names the target cannot tell apart,
// make the formatting fail with a sentence for the user instead of text that
// would mean something else there.
class ExpressionFormatter
{
public:
    // The output of the Verilog and VHDL assignments; "f_out" when a
    // variable of the function has that name.
    static constexpr const char *outputName = "f";

    // Why a name cannot be written in the target.
    enum class NameFault
    {
        None,
        NoName,
        BadFirstCharacter,
        BadCharacter,
        ReservedWord,
        SameName,
        SameNameIgnoringCase,
    };

    struct Result
    {
        bool ok = false;
        std::string text;  // the formatted expression when ok
        std::string error; // why not, when not ok
        NameFault fault = NameFault::None;
        // The values of the fault's sentence: the quoted name, the target's
        // name, the other quoted name (for the faults of two names).
        std::vector<std::string> values;
    };

    // The English sentence of a fault with its numbered places.
    static std::string englishPattern(NameFault fault);

    static Result format(const MinimizedCover &cover, const VariableNames &names,
                         OutputFormat format);

    // The cover's own names.
    static Result format(const MinimizedCover &cover, OutputFormat format);

    // The expression alone, without the assignment Verilog and VHDL wrap
    // around it.
    static Result expression(const MinimizedCover &cover, const VariableNames &names,
                             OutputFormat format);

    // Why the target cannot take `name` as an identifier, or a result
    // without fault; and the fault of two names it cannot tell apart.
    static Result identifierProblem(const std::string &name, OutputFormat format);
    static Result sameNameProblem(const std::string &first, const std::string &second,
                                  OutputFormat format);
};
