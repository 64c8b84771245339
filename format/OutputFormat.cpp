// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/OutputFormat.h"

const std::vector<OutputFormatName> &outputFormatNames()
{
    static const std::vector<OutputFormatName> names = {
        {OutputFormat::Text, "text", "Text"}, {OutputFormat::Verilog, "verilog", "Verilog"},
        {OutputFormat::Vhdl, "vhdl", "VHDL"}, {OutputFormat::Latex, "latex", "LaTeX"},
        {OutputFormat::C, "c", "C/C++"},      {OutputFormat::Python, "python", "Python"},
    };
    return names;
}

bool outputFormatFromKey(const std::string &key, OutputFormat &format)
{
    for (const OutputFormatName &name : outputFormatNames()) {
        if (key == name.key) {
            format = name.format;
            return true;
        }
    }
    return false;
}
