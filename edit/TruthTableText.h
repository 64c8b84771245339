// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The truth table as tab-separated text, the form spreadsheets paste: a
// header line with the variable names and "f", then one line per minterm
// with its input bits (first variable most significant) and its value.
namespace TruthTableText {

std::string tabSeparated(const std::vector<std::string> &names, const std::string &values);
// The same with one value column per output, headed by the output's name;
// every column holds one value per minterm.
std::string tabSeparated(const std::vector<std::string> &names,
                         const std::vector<std::string> &outputNames,
                         const std::vector<std::string> &columns);

} // namespace TruthTableText
