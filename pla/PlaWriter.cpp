// SPDX-License-Identifier: GPL-3.0-or-later
#include "pla/PlaWriter.h"

#include "domain/VariableRules.h"

namespace {

std::string binarySpelling(std::size_t value, int width)
{
    std::string digits;
    for (; value > 0; value >>= 1)
        digits.insert(digits.begin(), (value & 1) ? '1' : '0');
    if (static_cast<int>(digits.size()) < width)
        digits.insert(digits.begin(), width - digits.size(), '0');
    return digits;
}

} // namespace

std::string PlaWriter::write(const PlaFunction &function)
{
    const int n = function.variableCount;
    std::string text = ".i " + std::to_string(n) + "\n.o 1\n.ilb ";
    for (int j = 0; j < n; ++j) {
        if (j < static_cast<int>(function.names.size()))
            text += function.names[j];
        else
            text += VariableRules::defaultName(j);
        text += ' ';
    }
    text += '\n';
    for (std::size_t m = 0; m < function.values.size(); ++m) {
        if (function.values[m] == '0')
            continue;
        text += binarySpelling(m, n);
        text += ' ';
        text += function.values[m];
        text += '\n';
    }
    return text;
}

std::string PlaWriter::write(const MultiOutputFunction &function)
{
    const int n = function.inputCount();
    const int k = function.outputCount();
    std::string text = ".i " + std::to_string(n) + "\n.o " + std::to_string(k) + "\n.ilb ";
    for (const std::string &name : function.inputNames())
        text += name + ' ';
    text += '\n';
    if (k > 1 || function.outputName(0) != MultiOutputFunction::firstOutputName) {
        text += ".ob ";
        for (int output = 0; output < k; ++output)
            text += function.outputName(output) + ' ';
        text += '\n';
    }
    std::string plane(static_cast<std::size_t>(k), '0');
    for (std::size_t m = 0; m < function.cellCount(); ++m) {
        for (int output = 0; output < k; ++output)
            plane[static_cast<std::size_t>(output)] = function.cell(output, m);
        if (plane.find_first_not_of('0') == std::string::npos)
            continue;
        text += binarySpelling(m, n);
        text += ' ';
        text += plane;
        text += '\n';
    }
    return text;
}
