// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/MinimizeCommand.h"

#include <string>
#include <vector>

// `tavolin-cli minimize --json`: one JSON object per file (file, n, names,
// form, text, groups, primes; with --exact terms and literals, with --all
// every solution, with --limit the count of all), an array of them when the
// call names several files. A file of several outputs keeps file, n, names
// and form and puts the rest into an "outputs" array, one object per output
// with its "name". With --joint the file's keys are followed by "products"
// (each with its "cube", the "outputs" it feeds and whether it is "shared"),
// "productCount", "literals", "connections", "proven" and "outputs" with
// each output's "name" and "text".
class JsonReport
{
public:
    // The document in compact form, followed by a line end; empty when no
    // file could be read.
    static std::string text(const CliOptions &options, const std::vector<FileResult> &results);
};
