// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CircuitCommand.h"

#include "circuit/CircWriter.h"
#include "circuit/CircuitCover.h"
#include "circuit/NetlistBuilder.h"
#include "circuit/VerilogWriter.h"
#include "cli/CommandInput.h"
#include "cli/PlaInput.h"
#include "cli/ProgramReport.h"
#include "cli/SolutionFinder.h"
#include "messages/SafeText.h"
#include "minimize/JointMinimization.h"

#include <cctype>
#include <fstream>

namespace {

// The notes CommandInput words as the window's boxes, to standard error
// while the drawing goes on.
void sayEach(const std::string &notes)
{
    std::size_t start = 0;
    for (std::size_t end = notes.find('\n'); end != std::string::npos;
         start = end + 1, end = notes.find('\n', start))
        ProgramReport::say(std::string_view(notes).substr(start, end - start));
}

// A refused file: CommandInput's message (nothing else is written before
// it) as the netlist's error, without its closing line break.
bool failed(const std::string &notes, std::string &error)
{
    error = notes;
    if (!error.empty() && error.back() == '\n')
        error.pop_back();
    return false;
}

} // namespace

bool CircuitCommand::netlistFor(const CliOptions &options, Netlist &netlist, std::string &error)
{
    if (options.joint)
        return jointNetlistFor(options, netlist, error);
    const std::string &file = options.files.front();
    PlaFunction function;
    VariableNames names;
    std::string notes;
    if (!CommandInput::load(options, file, function, names, notes))
        return failed(notes, error);
    sayEach(notes);
    const MinimizationForm form =
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    SolutionFinder finder;
    const SolvedFunction solved =
        finder.solve(function.variableCount, SolutionFinder::cellCodes(function), form, names,
                     options.exact, false);
    const MinimizedCover cover = CircuitCover::fromSelection(
        function.variableCount, form, names, solved.result, solved.solutions.front().selection);
    netlist = NetlistBuilder::build(cover, options.circuitStyle, options.fanIn);
    return true;
}

bool CircuitCommand::jointNetlistFor(const CliOptions &options, Netlist &netlist,
                                     std::string &error)
{
    const std::string &file = options.files.front();
    PlaOutputs outputs;
    VariableNames names;
    std::vector<std::string> outputNames;
    std::string notes;
    if (!CommandInput::loadOutputs(options, file, outputs, names, outputNames, notes))
        return failed(notes, error);
    sayEach(notes);
    const MultiOutputFunction &function = outputs.function;
    const int n = function.inputCount();
    const std::vector<std::vector<int>> codes = CommandInput::cellCodes(function);
    const MinimizationForm form =
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    const JointCover cover = JointMinimization::minimize(n, codes, form);
    if (!cover.proven)
        ProgramReport::say(PlaInput::shownName(file) + ": not proven minimal");
    netlist =
        NetlistBuilder::buildJoint(cover, names, outputNames, options.circuitStyle, options.fanIn);
    return true;
}

int CircuitCommand::writeVerilog(const CliOptions &options, std::string &out, std::string &err)
{
    Netlist netlist;
    std::string error;
    if (!netlistFor(options, netlist, error)) {
        err = "tavolin-cli: " + error + "\n";
        return 2;
    }
    return deliver(options, VerilogWriter::write(netlist, moduleName(options.files.front())), out,
                   err);
}

int CircuitCommand::writeCirc(const CliOptions &options, std::string &out, std::string &err)
{
    Netlist netlist;
    std::string error;
    if (!netlistFor(options, netlist, error)) {
        err = "tavolin-cli: " + error + "\n";
        return 2;
    }
    return deliver(options, CircWriter::write(netlist), out, err);
}

int CircuitCommand::deliver(const CliOptions &options, const std::string &text, std::string &out,
                            std::string &err)
{
    if (options.output.empty()) {
        out = text;
        return 0;
    }
    std::ofstream file(options.output, std::ios::binary);
    file << text;
    file.close();
    if (!file) {
        err = "tavolin-cli: " + SafeText::shown(options.output, SafeText::nameLimit) +
              ": cannot write the file.\n";
        return 2;
    }
    return 0;
}

std::string CircuitCommand::moduleName(const std::string &path)
{
    std::string base = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0)
        base.resize(dot);
    std::string name;
    for (char c : base)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    if (name.empty() || path == "-")
        return "circuit";
    if (!std::isalpha(static_cast<unsigned char>(name[0])))
        name = "m_" + name;
    return name;
}
