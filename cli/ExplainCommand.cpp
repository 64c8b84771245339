// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExplainCommand.h"

#include "cli/ExplanationJson.h"
#include "cli/PlaInput.h"
#include "cli/SolutionFinder.h"
#include "domain/VariableRules.h"
#include "explain/Explainer.h"
#include "explain/ExplanationRenderer.h"

int ExplainCommand::run(const CliOptions &options, std::string &out, std::string &err)
{
    const std::string &file = options.files.front();
    const int named = static_cast<int>(options.names.size());
    const int startCount = VariableRules::isCount(named) ? named : 4;
    PlaFunction function;
    VariableNames names;
    std::string error;
    if (!PlaInput::load(file, startCount, function, error)) {
        err += error + "\n";
        return 2;
    }
    if (!SolutionFinder::namesFor(function, options.names, names, error)) {
        err += PlaInput::shownName(file) + ": " + error + "\n";
        return 2;
    }
    if (function.severalOutputs)
        err += PlaInput::shownName(file) +
               ": describes several outputs; only the first output was read.\n";

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
    else if (options.explainFormat == "markdown")
        out += renderExplanation(explanation, ExplanationFormat::Markdown);
    else if (options.explainFormat == "html")
        out += renderExplanation(explanation, ExplanationFormat::Html);
    else
        out += renderExplanation(explanation, ExplanationFormat::Text);
    return 0;
}
