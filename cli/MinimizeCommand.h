#pragma once

#include "cli/CommandLine.h"

#include <string>

// `tavolin-cli minimize`: the window's "Minimize!" result for each PLA file,
// as plain lines or as JSON.
class MinimizeCommand
{
public:
    // Appends the results to `out` and the messages to `err`; returns the
    // exit status: 0, or 2 when a file could not be read (the others are
    // still minimized).
    static int run(const CliOptions &options, std::string &out, std::string &err);
};
