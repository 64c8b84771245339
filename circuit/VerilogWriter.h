// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/Netlist.h"

#include <string>

// Writes a netlist as a structural Verilog module: one gate primitive per
// gate, the variables as inputs in their order and one output, or every
// output of a circuit of several, named as the netlist names them.
class VerilogWriter
{
public:
    // `moduleName` must be a Verilog identifier; the output port is "f", or
    // "f_out" when a variable is called f.
    static std::string write(const Netlist &netlist, const std::string &moduleName = "circuit");

    // A variable name as a Verilog identifier: kept when it is one, else
    // escaped ("\1 ", "\and ").
    static std::string identifier(const std::string &name);

    // The name of a netlist's one output as drawings and files show it: the
    // netlist's own, else f (f_out beside an input named f). As a Verilog
    // port it goes through identifier() like every other name.
    static std::string outputName(const Netlist &netlist);
};
