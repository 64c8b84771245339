// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"
#include "minimize/ResultText.h"
#include "pla/PlaFunction.h"

#include <string>

// A PLA file as a command of tavolin-cli reads it: the output --output picks,
// the names the window would show after importing it into a fresh window
// (the file's, else --names, else A, B, ...), and the notes the window would
// show in a box written to standard error instead.
class CommandInput
{
public:
    // False, with the message naming the file in `err`, when the file cannot
    // be read or --names does not fit it. The notes go to `err` as well.
    static bool load(const CliOptions &options, const std::string &file, PlaFunction &function,
                     VariableNames &names, std::string &err);
};
