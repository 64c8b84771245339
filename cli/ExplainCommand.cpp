// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExplainCommand.h"

#include "cli/CommandInput.h"
#include "cli/ExplanationJson.h"
#include "cli/PlaInput.h"
#include "cli/SolutionFinder.h"
#include "explain/Explainer.h"
#include "explain/ExplanationRenderer.h"
#include "explain/JointExplainer.h"

namespace {

ExplanationFormat formatOf(const CliOptions &options)
{
    if (options.explainFormat == "markdown")
        return ExplanationFormat::Markdown;
    if (options.explainFormat == "html")
        return ExplanationFormat::Html;
    return ExplanationFormat::Text;
}

// --joint: the chart of every output's joint cover; a cover the search could
// not prove minimal is still explained, with a note as minimize gives it.
int runJoint(const CliOptions &options, std::string &out, std::string &err)
{
    const std::string &file = options.files.front();
    PlaOutputs outputs;
    VariableNames names;
    std::vector<std::string> outputNames;
    if (!CommandInput::loadOutputs(options, file, outputs, names, outputNames, err))
        return 2;
    const MultiOutputFunction &function = outputs.function;
    const std::vector<std::vector<int>> codes = CommandInput::cellCodes(function);
    const JointExplanation explanation = JointExplainer::explain(
        function.inputCount(), codes,
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts,
        names, outputNames);
    if (!explanation.cover.proven)
        err += PlaInput::shownName(file) + ": not proven minimal\n";
    if (options.explainFormat == "json")
        out += ExplanationJson::text(file, explanation);
    else
        out += renderExplanation(explanation, formatOf(options));
    return 0;
}

} // namespace

int ExplainCommand::run(const CliOptions &options, std::string &out, std::string &err)
{
    if (options.joint)
        return runJoint(options, out, err);
    const std::string &file = options.files.front();
    PlaFunction function;
    VariableNames names;
    if (!CommandInput::load(options, file, function, names, err))
        return 2;

    ExplainOptions explainOptions;
    explainOptions.listSolutions = true;
    explainOptions.solutionLimit = options.limit != 0 ? options.limit : defaultLimit;
    explainOptions.countCap = countCap;
    explainOptions.hazardFree = options.hazardFree;
    Explainer explainer;
    const Explanation explanation = explainer.explain(
        function.variableCount, SolutionFinder::cellCodes(function),
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts,
        names, explainOptions);

    if (options.explainFormat == "json")
        out += ExplanationJson::text(file, explanation);
    else
        out += renderExplanation(explanation, formatOf(options));
    return 0;
}
