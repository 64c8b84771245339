// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandInput.h"

#include "cli/PlaInput.h"
#include "cli/SolutionFinder.h"
#include "domain/VariableRules.h"
#include "pla/PlaReader.h"

bool CommandInput::load(const CliOptions &options, const std::string &file, PlaFunction &function,
                        VariableNames &names, std::string &err)
{
    // A fresh window shows four variables; --names stands for a window whose
    // names dialog already has that many rows.
    const int named = static_cast<int>(options.names.size());
    const int startCount = VariableRules::isCount(named) ? named : 4;
    const int output = options.plaOutput > 0 ? options.plaOutput - 1 : 0;
    std::string error;
    if (!PlaInput::load(file, startCount, function, error, output)) {
        err += error + "\n";
        return false;
    }
    const std::string shown = PlaInput::shownName(file);
    if (!SolutionFinder::namesFor(function, options.names, names, error)) {
        err += shown + ": " + error + "\n";
        return false;
    }
    const std::string labelsNote = PlaReader::replacedLabelsNote(function);
    if (!labelsNote.empty())
        err += shown + ": " + labelsNote + "\n";
    if (function.severalOutputs && options.plaOutput == 0)
        err += shown + ": describes several outputs; only the first output was read.\n";
    return true;
}
