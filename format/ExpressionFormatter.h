// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/OutputFormat.h"
#include "minimize/MinimizedCover.h"

#include <string>

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

    struct Result
    {
        bool ok = false;
        std::string text;  // the formatted expression when ok
        std::string error; // why not, when not ok
    };

    static Result format(const MinimizedCover &cover, const VariableNames &names,
                         OutputFormat format);

    // The cover's own names.
    static Result format(const MinimizedCover &cover, OutputFormat format);
};
