// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"
#include "minimize/ResultText.h"
#include "outputs/MultiOutputFunction.h"
#include "pla/PlaFunction.h"

#include <string>
#include <vector>

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

    // Every output of the file at once: the inputs' names as load() gives
    // them, and the outputs' names (see outputNames()). Faults and notes as
    // load() words them.
    static bool loadOutputs(const CliOptions &options, const std::string &file, PlaOutputs &outputs,
                            VariableNames &names, std::vector<std::string> &outputNames,
                            std::string &err);

    // The outputs' names beside the inputs' names the first output got: the
    // file's, unless one of them meets an input's name (given by --names),
    // when every output takes its default name. A note on ".ob" labels
    // that could not serve goes to `err`.
    static std::vector<std::string> outputNames(const PlaOutputs &outputs, const std::string &file,
                                                const std::vector<std::string> &inputNames,
                                                std::string &err);

    // Each output's cell codes, as the joint minimization takes them.
    static std::vector<std::vector<int>> cellCodes(const MultiOutputFunction &function);
};
