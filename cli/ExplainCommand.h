// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"
#include "minimize/ExactCover.h"

#include <cstddef>
#include <cstdint>
#include <string>

// `tavolin-cli explain`: how "Minimize!" found its result for a PLA file (the
// tabulation, the primes, the chart, the choices) and the minimum solutions,
// as text, Markdown, HTML or JSON; with --joint the chart of the joint cover
// of every output.
class ExplainCommand
{
public:
    // How many minimum solutions are counted and listed unless --limit says.
    static constexpr std::size_t defaultLimit = 50;
    static constexpr std::uint64_t countCap = ExactCover::usualCountCap;

    // Returns the exit status: 0, or 2 with a message in `err` when the file
    // cannot be read.
    static int run(const CliOptions &options, std::string &out, std::string &err);
};
