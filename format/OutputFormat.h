// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The notations a minimized function can be written in.
enum class OutputFormat
{
    Text,    // the window's own notation: A&B'+C
    Verilog, // assign f = ...;
    Vhdl,    // f <= ...;
    Latex,   // math mode, \overline for NOT
    C,       // a C or C++ expression
    Python,  // a Python expression
};

// Every format with the name the command line and the menus use for it.
struct OutputFormatName
{
    OutputFormat format;
    const char *key;   // "verilog", as given to --format
    const char *title; // "Verilog", as shown in menus and messages
};

const std::vector<OutputFormatName> &outputFormatNames();

// The format named by `key` ("text", "verilog", ...); false for an unknown key.
bool outputFormatFromKey(const std::string &key, OutputFormat &format);
