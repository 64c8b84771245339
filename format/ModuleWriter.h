// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/ExpressionFormatter.h"

#include <string>
#include <vector>

// Writes every output of a function as one hardware description: a Verilog
// module or a VHDL entity with its architecture, one port per input and per
// output, one assignment per output. Every port must be an identifier of the
// target and no two ports the same name there; otherwise the writing fails
// with the formatter's sentence.
class ModuleWriter
{
public:
    struct Output
    {
        std::string name;
        MinimizedCover cover; // minimized with the inputs' names
    };

    // `format` is Verilog or VHDL; `moduleName` is made an identifier of the
    // target that no port has (prefixed "m_" when it is none).
    static ExpressionFormatter::Result write(const std::string &moduleName,
                                             const std::vector<std::string> &inputNames,
                                             const std::vector<Output> &outputs,
                                             OutputFormat format);
};
