// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MinimizeCommand.h"

#include "cli/PlaInput.h"
#include "domain/VariableRules.h"
#include "format/ExpressionFormatter.h"
#include "pla/PlaReader.h"

namespace {

// A fresh window shows four variables; --names stands for a window whose
// names dialog already has that many rows.
int countBeforeImport(const CliOptions &options)
{
    const int named = static_cast<int>(options.names.size());
    return VariableRules::isCount(named) ? named : 4;
}

// "7 minimum solutions, 3 listed."; a count stopped at its cap is a lower
// bound and says so.
std::string countLine(const SolvedFunction &solved)
{
    const std::string count = std::to_string(solved.count);
    const std::string solutions =
        solved.count == 1 && solved.complete ? " minimum solution, " : " minimum solutions, ";
    return (solved.complete ? count : "at least " + count) + solutions +
           std::to_string(solved.solutions.size()) + " listed.";
}

} // namespace

std::vector<FileResult> MinimizeCommand::solveAll(const CliOptions &options, std::string &err,
                                                  int &status)
{
    const MinimizationForm form =
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    const int startCount = countBeforeImport(options);
    SolutionFinder finder;
    std::vector<FileResult> results;
    results.reserve(options.files.size());
    status = 0;

    for (const std::string &file : options.files) {
        PlaFunction function;
        FileResult result;
        std::string error;
        const int output = options.plaOutput > 0 ? options.plaOutput - 1 : 0;
        if (!PlaInput::load(file, startCount, function, error, output)) {
            err += error + "\n";
            status = 2;
            continue;
        }
        if (!SolutionFinder::namesFor(function, options.names, result.names, error)) {
            err += PlaInput::shownName(file) + ": " + error + "\n";
            status = 2;
            continue;
        }
        const std::string labelsNote = PlaReader::replacedLabelsNote(function);
        if (!labelsNote.empty())
            err += PlaInput::shownName(file) + ": " + labelsNote + "\n";
        if (function.severalOutputs && options.plaOutput == 0)
            err += PlaInput::shownName(file) +
                   ": describes several outputs; only the first output was read.\n";

        result.file = file;
        result.n = function.variableCount;
        CoverRequest request;
        request.exact = options.exact;
        request.all = options.all;
        request.limit = options.limit;
        if (options.countAll)
            request.countCap = 0;
        request.hazardFree = options.hazardFree;
        result.solved = finder.solve(result.n, SolutionFinder::cellCodes(function), form,
                                     result.names, request);
        // Standard output stays one solution per line; JSON has the count.
        if (options.limit != 0 && !options.json)
            err += PlaInput::shownName(file) + ": " + countLine(result.solved) + "\n";
        results.push_back(std::move(result));
    }
    return results;
}

std::string MinimizeCommand::plainText(const CliOptions &options,
                                       const std::vector<FileResult> &results)
{
    const bool prefixed = options.files.size() > 1;
    std::string out;
    for (const FileResult &result : results) {
        for (const Solution &solution : result.solved.solutions) {
            if (prefixed)
                out += PlaInput::shownName(result.file) + ": ";
            out += solution.text;
            out += '\n';
        }
    }
    return out;
}

std::string MinimizeCommand::formattedText(const CliOptions &options,
                                           const std::vector<FileResult> &results, std::string &err,
                                           int &status)
{
    if (options.format == OutputFormat::Text)
        return plainText(options, results);
    const bool prefixed = options.files.size() > 1;
    std::string out;
    for (const FileResult &result : results) {
        std::string lines;
        std::string error;
        for (const Solution &solution : result.solved.solutions) {
            MinimizedCover cover;
            cover.variableCount = result.n;
            cover.form = options.productOfSums ? MinimizationForm::ProductOfSums
                                               : MinimizationForm::SumOfProducts;
            cover.names = result.names;
            for (int prime : solution.selection)
                cover.cubes.push_back(
                    result.solved.result.primes[std::size_t(prime - 1)].cube.substr(
                        0, std::size_t(result.n)));
            cover.text = solution.text;
            const ExpressionFormatter::Result formatted =
                ExpressionFormatter::format(cover, options.format);
            if (!formatted.ok) {
                error = formatted.error;
                break;
            }
            lines += (prefixed ? result.file + ": " : std::string()) + formatted.text + '\n';
        }
        if (!error.empty()) {
            err += PlaInput::shownName(result.file) + ": " + error + "\n";
            status = 2;
            continue;
        }
        out += lines;
    }
    return out;
}
