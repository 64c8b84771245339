// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"

#include <string>

// `tavolin-cli eval`: the truth table of an expression as the equation field
// fills it, or its minimized form.
class EvalCommand
{
public:
    // Returns the exit status: 0, or 1 with the equation field's error
    // message in `err` when the expression cannot be evaluated.
    static int run(const CliOptions &options, std::string &out, std::string &err);
};
