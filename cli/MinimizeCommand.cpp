// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MinimizeCommand.h"

#include "cli/CircuitCommand.h"
#include "cli/CommandInput.h"
#include "cli/PlaInput.h"
#include "domain/VariableRules.h"
#include "format/ExpressionFormatter.h"
#include "format/ModuleWriter.h"
#include "minimize/JointMinimization.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"

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

// --output K reads that output alone, as the window's import did; without
// it every output is read, `function` being the first.
bool loadFile(const CliOptions &options, const std::string &file, int startCount,
              PlaFunction &function, PlaOutputs &outputs, std::string &error)
{
    if (options.plaOutput > 0)
        return PlaInput::load(file, startCount, function, error, options.plaOutput - 1);
    if (!PlaInput::loadOutputs(file, startCount, outputs, error))
        return false;
    function = PlaInput::firstOutput(outputs);
    return true;
}

std::vector<std::string> inputNamesOf(const FileResult &result)
{
    return {result.names.begin(), result.names.begin() + result.n};
}

std::vector<std::string> outputNamesOf(const PlaOutputs &outputs, const FileResult &result,
                                       std::string &err)
{
    return CommandInput::outputNames(outputs, result.file, inputNamesOf(result), err);
}

// The outputs after the first, minimized with the inputs' names the first
// got.
void solveOtherOutputs(SolutionFinder &finder, MinimizationForm form, const CoverRequest &request,
                       const PlaOutputs &outputs, FileResult &result, std::string &err)
{
    const MultiOutputFunction &function = outputs.function;
    result.outputNames = outputNamesOf(outputs, result, err);
    for (int k = 1; k < function.outputCount(); ++k)
        result.moreOutputs.push_back(finder.solve(
            result.n, Minimization::cellCodes(function.values(k)), form, result.names, request));
}

// --joint: every output at once; a cover the search ran out of time to prove
// is still a correct one, so it is printed with a note.
void solveJoint(MinimizationForm form, const PlaOutputs &outputs, FileResult &result,
                std::string &err)
{
    const MultiOutputFunction &function = outputs.function;
    const std::vector<std::vector<int>> codes = CommandInput::cellCodes(function);
    JointResult joint;
    joint.outputNames = outputNamesOf(outputs, result, err);
    joint.cover = JointMinimization::minimize(result.n, codes, form);
    if (!joint.cover.proven)
        err += PlaInput::shownName(result.file) + ": not proven minimal\n";
    result.joint = std::move(joint);
}

// A --joint result: a line per output, or the cover as a PLA file.
std::string jointText(const CliOptions &options, const FileResult &result)
{
    const JointResult &joint = *result.joint;
    // Several files give one PLA file each, told apart by a comment line
    // that any PLA reader skips.
    if (options.plaFormat)
        return (options.files.size() > 1 ? "# " + PlaInput::shownName(result.file) + "\n"
                                         : std::string()) +
               PlaWriter::write(joint.cover, inputNamesOf(result), joint.outputNames);
    const std::string prefix =
        options.files.size() > 1 ? PlaInput::shownName(result.file) + ": " : std::string();
    const bool named = joint.outputNames.size() > 1;
    std::string lines;
    for (std::size_t k = 0; k < joint.outputNames.size(); ++k)
        lines += prefix + (named ? joint.outputNames[k] + " = " : std::string()) +
                 JointMinimization::outputText(joint.cover, static_cast<int>(k), result.names) +
                 '\n';
    return lines;
}

// With --limit: each output's count of minimum solutions.
std::string limitNotes(const FileResult &result)
{
    std::string notes;
    const std::size_t outputs = std::max<std::size_t>(result.outputNames.size(), 1);
    for (std::size_t k = 0; k < outputs; ++k) {
        const SolvedFunction &solved = result.output(k);
        notes += PlaInput::shownName(result.file) + ": " +
                 (result.severalOutputs() ? result.outputNames[k] + ": " : std::string()) +
                 countLine(solved) + "\n";
    }
    return notes;
}

MinimizedCover coverOf(const CliOptions &options, const FileResult &result,
                       const SolvedFunction &solved, const Solution &solution)
{
    MinimizedCover cover;
    cover.variableCount = result.n;
    cover.form =
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    cover.names = result.names;
    for (int prime : solution.selection)
        cover.cubes.push_back(
            solved.result.primes[std::size_t(prime - 1)].cube.substr(0, std::size_t(result.n)));
    cover.text = solution.text;
    return cover;
}

// A file of one output in the notation of --format: a line per solution.
std::string oneOutputText(const CliOptions &options, const FileResult &result, std::string &error)
{
    const std::string prefix =
        options.files.size() > 1 ? PlaInput::shownName(result.file) + ": " : std::string();
    std::string lines;
    for (const Solution &solution : result.solved.solutions) {
        const ExpressionFormatter::Result formatted = ExpressionFormatter::format(
            coverOf(options, result, result.solved, solution), options.format);
        if (!formatted.ok) {
            error = formatted.error;
            break;
        }
        lines += prefix + formatted.text + '\n';
    }
    return lines;
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
        PlaOutputs outputs;
        FileResult result;
        std::string error;
        if (!loadFile(options, file, startCount, function, outputs, error)) {
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

        result.file = file;
        result.n = function.variableCount;
        if (options.joint) {
            solveJoint(form, outputs, result, err);
            results.push_back(std::move(result));
            continue;
        }
        CoverRequest request;
        request.exact = options.exact;
        request.all = options.all;
        request.limit = options.limit;
        if (options.countAll)
            request.countCap = 0;
        request.hazardFree = options.hazardFree;
        result.solved = finder.solve(result.n, SolutionFinder::cellCodes(function), form,
                                     result.names, request);
        if (function.severalOutputs && options.plaOutput == 0)
            solveOtherOutputs(finder, form, request, outputs, result, err);
        // Standard output stays one solution per line; JSON has the count.
        if (options.limit != 0 && !options.json)
            err += limitNotes(result);
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
        if (result.joint) {
            out += jointText(options, result);
            continue;
        }
        if (result.severalOutputs()) {
            std::string text;
            std::string error;
            outputsText(options, result, text, error);
            out += text;
            continue;
        }
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
    std::string out;
    for (const FileResult &result : results) {
        std::string lines;
        std::string error;
        if (result.severalOutputs())
            outputsText(options, result, lines, error);
        else
            lines = oneOutputText(options, result, error);
        if (!error.empty()) {
            err += PlaInput::shownName(result.file) + ": " + error + "\n";
            status = 2;
            continue;
        }
        out += lines;
    }
    return out;
}

bool MinimizeCommand::outputsText(const CliOptions &options, const FileResult &result,
                                  std::string &text, std::string &error)
{
    const std::string prefix =
        options.files.size() > 1 ? PlaInput::shownName(result.file) + ": " : std::string();
    const bool module =
        options.format == OutputFormat::Verilog || options.format == OutputFormat::Vhdl;
    std::vector<ModuleWriter::Output> ports;
    std::string lines;
    for (std::size_t k = 0; k < result.outputNames.size(); ++k) {
        const SolvedFunction &solved = result.output(k);
        for (const Solution &solution : solved.solutions) {
            const MinimizedCover cover = coverOf(options, result, solved, solution);
            if (module) {
                ports.push_back({result.outputNames[k], cover});
                break;
            }
            const ExpressionFormatter::Result formatted =
                ExpressionFormatter::expression(cover, result.names, options.format);
            if (!formatted.ok) {
                error = formatted.error;
                return false;
            }
            // The window's own text, byte for byte, in the default notation.
            lines += prefix + result.outputNames[k] + " = " +
                     (options.format == OutputFormat::Text ? solution.text : formatted.text) + '\n';
        }
    }
    if (!module) {
        text = lines;
        return true;
    }
    const ExpressionFormatter::Result written = ModuleWriter::write(
        CircuitCommand::moduleName(result.file), inputNamesOf(result), ports, options.format);
    if (!written.ok) {
        error = written.error;
        return false;
    }
    text = written.text;
    return true;
}
