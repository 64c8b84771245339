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

std::string nameAt(const std::vector<std::string> &names, int position, const std::string &fallback)
{
    return position < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(position)]
                                                     : fallback;
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

std::string PlaWriter::write(const JointCover &cover, const std::vector<std::string> &inputNames,
                             const std::vector<std::string> &outputNames)
{
    const int n = cover.variableCount;
    const int k = cover.outputCount;
    const bool sumOfProducts = cover.form == MinimizationForm::SumOfProducts;
    std::string lines;
    int lineCount = 0;
    for (const JointProduct &product : cover.products) {
        lines += product.cube;
        lines += ' ';
        for (int j = 0; j < k; ++j) {
            const bool feeds = ((product.outputs >> j) & 1) != 0;
            lines += sumOfProducts ? (feeds ? '1' : '0') : (feeds ? '0' : '~');
        }
        lines += '\n';
        ++lineCount;
    }
    if (!sumOfProducts) {
        // An output is 1 wherever none of its groups of zeros lies.
        std::vector<std::uint64_t> zeros(static_cast<std::size_t>(k), 0);
        for (const JointProduct &product : cover.products) {
            for (int j = 0; j < k; ++j) {
                if (((product.outputs >> j) & 1) == 0)
                    continue;
                for (const int m : product.minterms)
                    zeros[static_cast<std::size_t>(j)] |= std::uint64_t{1} << m;
            }
        }
        for (std::size_t m = 0; m < (std::size_t{1} << n); ++m) {
            std::string plane;
            for (const std::uint64_t outputZeros : zeros)
                plane += ((outputZeros >> m) & 1) != 0 ? '~' : '1';
            if (plane.find('1') == std::string::npos)
                continue;
            lines += binarySpelling(m, n) + ' ' + plane + '\n';
            ++lineCount;
        }
    }

    std::string text = ".i " + std::to_string(n) + "\n.o " + std::to_string(k) + "\n.ilb";
    for (int j = 0; j < n; ++j)
        text += ' ' + nameAt(inputNames, j, VariableRules::defaultName(j));
    text += "\n.ob";
    for (int j = 0; j < k; ++j)
        text += ' ' + nameAt(outputNames, j, j == 0 ? "f" : "f" + std::to_string(j));
    text += '\n';
    if (!sumOfProducts)
        text += ".type fr\n";
    text += ".p " + std::to_string(lineCount) + '\n' + lines + ".e\n";
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
