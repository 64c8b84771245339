// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/AnswerVerdict.h"
#include "cli/CommandLine.h"

#include <string>

// `tavolin-cli check`: the verdict on one answer for a PLA file's function,
// or a class's answers graded at once from a CSV file.
class CheckCommand
{
public:
    // The exit statuses of a single answer.
    static constexpr int correctAndMinimal = 0;
    static constexpr int answerError = 1;
    static constexpr int unreadable = 2;
    static constexpr int correctNotMinimal = 3;
    static constexpr int notEqual = 4;

    // Returns the exit status: for one answer that of its verdict; for a
    // class 0 when every line was graded, 1 when some line could not be (its
    // row says why), 2 when the PLA or the CSV file cannot be read.
    static int run(const CliOptions &options, std::string &out, std::string &err);

    static int exitStatus(const AnswerVerdict &verdict);
    // minimal, not-minimal, not-in-form (equal, but not a sum of products or
    // product of sums), not-equal or error.
    static std::string verdictWord(const AnswerVerdict &verdict);
};
