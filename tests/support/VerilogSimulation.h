// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <string>
#include <vector>

// A module to drive in a simulation: its name and its numbers of inputs and
// outputs, the inputs first in its port list, then the outputs.
struct SimulatedModule
{
    std::string name;
    int inputs = 0;
    int outputs = 1;
};

namespace VerilogSimulation {

// Compiles `modules` with a testbench that drives every row through each of
// `driven` by position (the first input the top bit of the row number) and
// runs it with iverilog and vvp. One line of output bits per module, row 0
// first, one bit per row of a module with one output; nothing when a tool
// fails (its errors are printed as a warning).
QStringList outputBits(const std::string &modules, const std::vector<SimulatedModule> &driven);

// The rows of one module of several outputs: one string per row, the first
// output's bit first.
QStringList outputRows(const std::string &modules, const SimulatedModule &driven);

} // namespace VerilogSimulation
