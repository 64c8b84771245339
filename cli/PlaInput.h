// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pla/PlaFunction.h"

#include <string>

// Reads one PLA file, or standard input for the name "-", into a function.
class PlaInput
{
public:
    // How the file is named in messages: its path, or "(standard input)".
    static std::string shownName(const std::string &path);

    // The bytes of a file, or of standard input for "-"; false with
    // "NAME: cannot read: reason" in `error`.
    static bool readText(const std::string &path, std::string &text, std::string &error);

    // `currentCount` applies to a file without ".i" line; `output` picks the
    // output read, 0 for the first. On failure `error` names the file and, for
    // a malformed file, the line: "FILE:LINE: message".
    static bool load(const std::string &path, int currentCount, PlaFunction &function,
                     std::string &error, int output = 0);

    // Every output of the file, as load() words its faults.
    static bool loadOutputs(const std::string &path, int currentCount, PlaOutputs &outputs,
                            std::string &error);
    // The first output as load() would give it (the ".ob" labels as names).
    static PlaFunction firstOutput(const PlaOutputs &outputs);
};
