// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExplainCommand.h"

#include "cli/CommandInput.h"
#include "cli/ExplanationJson.h"
#include "cli/SolutionFinder.h"
#include "explain/Explainer.h"
#include "explain/ExplanationRenderer.h"

int ExplainCommand::run(const CliOptions &options, std::string &out, std::string &err)
{
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
    else if (options.explainFormat == "markdown")
        out += renderExplanation(explanation, ExplanationFormat::Markdown);
    else if (options.explainFormat == "html")
        out += renderExplanation(explanation, ExplanationFormat::Html);
    else
        out += renderExplanation(explanation, ExplanationFormat::Text);
    return 0;
}
