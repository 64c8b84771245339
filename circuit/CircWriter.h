// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircFile.h"
#include "circuit/Netlist.h"

#include <string>

// Writes a netlist as a project of the classic educational simulator (.circ,
// version 2.7): input pins named after the variables on the left (a
// complemented input that arrives from outside is a pin of its own, "A'"),
// the gates in columns, each as late as its readers allow, so that the
// first-level gates share a column, and the output pin on the right. Every
// signal runs down a vertical rail in the channel after its source; a gate
// taps the rails with horizontal wires at its own rows, and parts are placed
// so that no wire passes through a body or ends on a wire of another signal.
class CircWriter
{
public:
    // The output pin is labelled as the Verilog output: "f", or "f_out" when a
    // variable is called f; a circuit of several outputs has a pin for each,
    // labelled with its name.
    static CircFile model(const Netlist &netlist);
    static std::string write(const Netlist &netlist);
};
