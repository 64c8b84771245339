// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/Netlist.h"
#include "cli/CommandLine.h"

#include <string>

// The circuit command: the gates of a PLA file's minimized function, as a
// structural Verilog module or a file of the educational simulator here, as
// an image in tavolin-cli-circuit.
class CircuitCommand
{
public:
    // Reads options.files.front(), minimizes it as the window does (or
    // exactly, or with --joint every output together) and builds the netlist
    // of the chosen style and fan-in.
    static bool netlistFor(const CliOptions &options, Netlist &netlist, std::string &error);

    // The Verilog text to standard output, or to options.output. Returns the
    // exit status.
    static int writeVerilog(const CliOptions &options, std::string &out, std::string &err);

    // The file of the educational simulator (.circ) to standard output, or
    // to options.output. Returns the exit status.
    static int writeCirc(const CliOptions &options, std::string &out, std::string &err);

    // A Verilog identifier from a file name: "half adder.pla" -> "half_adder".
    static std::string moduleName(const std::string &path);

private:
    // --joint: every output of the file minimized together, each shared
    // product built once.
    static bool jointNetlistFor(const CliOptions &options, Netlist &netlist, std::string &error);
    // `text` to standard output, or to options.output.
    static int deliver(const CliOptions &options, const std::string &text, std::string &out,
                       std::string &err);
};
