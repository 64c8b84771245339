// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandInput.h"

#include "cli/PlaInput.h"
#include "cli/SolutionFinder.h"
#include "domain/VariableRules.h"
#include "minimize/Minimization.h"
#include "pla/PlaReader.h"

namespace {

// A fresh window shows four variables; --names stands for a window whose
// names dialog already has that many rows.
int countBeforeImport(const CliOptions &options)
{
    const int named = static_cast<int>(options.names.size());
    return VariableRules::isCount(named) ? named : 4;
}

// The names the function's inputs take, and the note on labels that gave way.
bool nameInputs(const CliOptions &options, const std::string &file, const PlaFunction &function,
                VariableNames &names, std::string &err)
{
    std::string error;
    const std::string shown = PlaInput::shownName(file);
    if (!SolutionFinder::namesFor(function, options.names, names, error)) {
        err += shown + ": " + error + "\n";
        return false;
    }
    const std::string labelsNote = PlaReader::replacedLabelsNote(function);
    if (!labelsNote.empty())
        err += shown + ": " + labelsNote + "\n";
    return true;
}

} // namespace

bool CommandInput::load(const CliOptions &options, const std::string &file, PlaFunction &function,
                        VariableNames &names, std::string &err)
{
    const int output = options.plaOutput > 0 ? options.plaOutput - 1 : 0;
    std::string error;
    if (!PlaInput::load(file, countBeforeImport(options), function, error, output)) {
        err += error + "\n";
        return false;
    }
    if (!nameInputs(options, file, function, names, err))
        return false;
    if (function.severalOutputs && options.plaOutput == 0)
        err += PlaInput::shownName(file) +
               ": describes several outputs; only the first output was read.\n";
    return true;
}

bool CommandInput::loadOutputs(const CliOptions &options, const std::string &file,
                               PlaOutputs &outputs, VariableNames &names,
                               std::vector<std::string> &outputNames, std::string &err)
{
    std::string error;
    if (!PlaInput::loadOutputs(file, countBeforeImport(options), outputs, error)) {
        err += error + "\n";
        return false;
    }
    const PlaFunction first = PlaInput::firstOutput(outputs);
    if (!nameInputs(options, file, first, names, err))
        return false;
    outputNames = CommandInput::outputNames(
        outputs, file, {names.begin(), names.begin() + first.variableCount}, err);
    return true;
}

std::vector<std::string> CommandInput::outputNames(const PlaOutputs &outputs,
                                                   const std::string &file,
                                                   const std::vector<std::string> &inputNames,
                                                   std::string &err)
{
    const MultiOutputFunction &function = outputs.function;
    const std::string note = PlaReader::replacedOutputLabelsNote(outputs);
    if (!note.empty())
        err += PlaInput::shownName(file) + ": " + note + "\n";
    std::vector<std::string> names = function.outputNames();
    if (!MultiOutputFunction::checkNames(inputNames, names).ok())
        names = MultiOutputFunction::completedOutputNames(inputNames, {}, function.outputCount());
    return names;
}

std::vector<std::vector<int>> CommandInput::cellCodes(const MultiOutputFunction &function)
{
    std::vector<std::vector<int>> codes;
    codes.reserve(static_cast<std::size_t>(function.outputCount()));
    for (int k = 0; k < function.outputCount(); ++k)
        codes.push_back(Minimization::cellCodes(function.values(k)));
    return codes;
}
