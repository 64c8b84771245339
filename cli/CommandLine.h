// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/OutputFormat.h"

#include "circuit/CircuitStyle.h"
#include <cstddef>

#include <string>
#include <vector>

// What one call of the command-line tool asks for.
struct CliOptions
{
    enum class Command
    {
        None,
        Help,
        Version,
        Minimize,
        Eval,
        Map,
        Explain,
        Circuit,
        Check,
    };

    // Texts and lists first, then numbers, then the switches: the order
    // that leaves the least padding.
    // explain --format: text, markdown, html or json.
    std::string explainFormat = "text";
    // --names, checked against the naming rules; empty when not given.
    std::vector<std::string> names;
    std::vector<std::string> files;
    std::string expression;
    std::string output; // map and circuit -o
    // check: --answer (given, possibly empty) or --answers, the CSV of a class.
    std::string answer;
    std::string answersFile;
    // --limit: the most minimum solutions listed, 0 when not given.
    std::size_t limit = 0;

    Command command = Command::None;
    int variableCount = 0; // eval --vars, 0 when not given
    // minimize --output K: which output of a file of several, 1 for the
    // first; 0 when not given (the first is read).
    int plaOutput = 0;
    // circuit
    CircuitStyle circuitStyle = CircuitStyle::AndOrInverters; // --style
    int fanIn = 4;                                            // --fan-in
    // minimize --format; text (the window's notation) when not given.
    OutputFormat format = OutputFormat::Text;

    bool productOfSums = false; // --pos
    bool json = false;          // --json
    bool exact = false;         // --exact
    bool all = false;           // --all
    bool minimize = false;      // eval --minimize
    bool hazardFree = false;    // --hazard-free
    bool joint = false;         // minimize --joint
    // minimize --count-all: with --limit, count every minimum solution
    // instead of stopping at the usual cap.
    bool countAll = false;
    bool verilog = false; // circuit --format verilog
    bool circ = false;    // circuit --format circ
    bool formatGiven = false;
    // minimize --format pla: the joint cover as a PLA file.
    bool plaFormat = false;
    bool answerGiven = false;
};

// Reads the arguments of tavolin-cli (without the program name). Options may
// stand before, between or after the file names; "--" ends them, and "-" is a
// file name (standard input).
class CommandLine
{
public:
    // False with a sentence for the user when the arguments make no valid call.
    static bool parse(const std::vector<std::string> &arguments, CliOptions &options,
                      std::string &error);

    // parse() on a program's own arguments; a refused call is explained on
    // standard error, as every entry point of the tool words it.
    static bool parseProgramArguments(int argc, char **argv, CliOptions &options);

    // Splits a comma-separated list of names and checks them: 1 to 3 letters
    // or digits each, all different (case-sensitive), at most six.
    static bool parseNames(const std::string &list, std::vector<std::string> &names,
                           std::string &error);

    static std::string usage();
};
