// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/ModuleWriter.h"

#include <algorithm>

namespace {

// VHDL takes neither two underscores in a row nor one at the end.
std::string vhdlSpelling(const std::string &name)
{
    std::string spelled;
    for (const char c : name) {
        if (c != '_' || (!spelled.empty() && spelled.back() != '_'))
            spelled += c;
    }
    while (!spelled.empty() && spelled.back() == '_')
        spelled.pop_back();
    return spelled;
}

std::string moduleIdentifier(const std::string &wanted, const std::vector<std::string> &ports,
                             OutputFormat format)
{
    std::string name = format == OutputFormat::Vhdl ? vhdlSpelling(wanted) : wanted;
    const bool clash = std::any_of(ports.begin(), ports.end(), [&](const std::string &port) {
        return ExpressionFormatter::sameNameProblem(name, port, format).fault !=
               ExpressionFormatter::NameFault::None;
    });
    // Ports hold no underscore, so a prefixed name never meets one.
    if (clash || ExpressionFormatter::identifierProblem(name, format).fault !=
                     ExpressionFormatter::NameFault::None)
        name = "m_" + name;
    return name;
}

std::string joined(const std::vector<std::string> &names, const std::string &before,
                   const std::string &separator)
{
    std::string text;
    for (const std::string &name : names)
        text += (text.empty() ? "" : separator) + before + name;
    return text;
}

} // namespace

ExpressionFormatter::Result ModuleWriter::write(const std::string &moduleName,
                                                const std::vector<std::string> &inputNames,
                                                const std::vector<Output> &outputs,
                                                OutputFormat format)
{
    using Result = ExpressionFormatter::Result;
    std::vector<std::string> ports = inputNames;
    std::vector<std::string> outputNames;
    outputNames.reserve(outputs.size());
    for (const Output &output : outputs)
        outputNames.push_back(output.name);
    ports.insert(ports.end(), outputNames.begin(), outputNames.end());
    for (std::size_t a = 0; a < ports.size(); ++a) {
        Result problem = ExpressionFormatter::identifierProblem(ports[a], format);
        for (std::size_t b = a + 1;
             problem.fault == ExpressionFormatter::NameFault::None && b < ports.size(); ++b)
            problem = ExpressionFormatter::sameNameProblem(ports[a], ports[b], format);
        if (problem.fault != ExpressionFormatter::NameFault::None)
            return problem;
    }

    VariableNames names{};
    std::copy_n(inputNames.begin(), std::min(inputNames.size(), names.size()), names.begin());
    std::vector<std::string> assignments;
    assignments.reserve(outputs.size());
    for (const Output &output : outputs) {
        Result expression = ExpressionFormatter::expression(output.cover, names, format);
        if (!expression.ok)
            return expression;
        assignments.push_back(format == OutputFormat::Vhdl
                                  ? "  " + output.name + " <= " + expression.text + ";\n"
                                  : "  assign " + output.name + " = " + expression.text + ";\n");
    }

    const std::string name = moduleIdentifier(moduleName, ports, format);
    Result result;
    result.ok = true;
    if (format == OutputFormat::Vhdl) {
        result.text = "library ieee;\nuse ieee.std_logic_1164.all;\n\nentity " + name +
                      " is\n  port (\n    " + joined(inputNames, "", ", ") +
                      " : in std_logic;\n    " + joined(outputNames, "", ", ") +
                      " : out std_logic\n  );\nend entity " + name +
                      ";\n\narchitecture minimized of " + name + " is\nbegin\n" +
                      joined(assignments, "", "") + "end architecture minimized;\n";
    } else {
        result.text = "module " + name + "(" + joined(inputNames, "input ", ", ") + ", " +
                      joined(outputNames, "output ", ", ") + ");\n" + joined(assignments, "", "") +
                      "endmodule\n";
    }
    return result;
}
