// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"
#include "cli/SolutionFinder.h"
#include "minimize/JointCover.h"

#include <optional>
#include <string>
#include <vector>

// With --joint: every output of a file covered together, and the outputs'
// names (the file's, or the defaults where they cannot serve).
struct JointResult
{
    JointCover cover;
    std::vector<std::string> outputNames;
};

// The minimization of one file of a `tavolin-cli minimize` call.
struct FileResult
{
    std::string file; // as given on the command line, "-" for standard input
    int n = 0;
    VariableNames names;
    SolvedFunction solved;
    // A file of several outputs read without --output: every output's name,
    // and the outputs after the first (which is `solved`); both empty else.
    std::vector<std::string> outputNames;
    std::vector<SolvedFunction> moreOutputs;
    // Only with --joint, which leaves `solved` and the rest empty.
    std::optional<JointResult> joint;

    bool severalOutputs() const { return !outputNames.empty(); }
    const SolvedFunction &output(std::size_t k) const
    {
        return k == 0 ? solved : moreOutputs[k - 1];
    }
};

// `tavolin-cli minimize`: the window's "Minimize!" result for each PLA file.
class MinimizeCommand
{
public:
    // Reads and minimizes every file of the call. Files that cannot be read
    // are left out, with a message in `err` naming file and line; `status`
    // becomes 2 then (0 otherwise). With --limit and without --json, `err`
    // also tells each file's count of minimum solutions; with --joint, each
    // file whose cover the search could not prove minimal.
    static std::vector<FileResult> solveAll(const CliOptions &options, std::string &err,
                                            int &status);

    // One line per solution; with several files each starts with "FILE: ".
    // With --joint one line per output ("NAME = EXPR" when there are
    // several), or the PLA file of the cover with --format pla.
    static std::string plainText(const CliOptions &options, const std::vector<FileResult> &results);

    // plainText() in the notation of --format. A name the notation cannot
    // take leaves that file out, with a message in `err`; `status` becomes 2.
    static std::string formattedText(const CliOptions &options,
                                     const std::vector<FileResult> &results, std::string &err,
                                     int &status);

    // For a file of several outputs: one line "NAME = EXPR" per output (per
    // solution with --all), in the notation of --format; Verilog and VHDL
    // give one module or entity with every output (the first solution of
    // each). False, with the reason in `error`, when a name does not fit
    // the notation.
    static bool outputsText(const CliOptions &options, const FileResult &result, std::string &text,
                            std::string &error);
};
