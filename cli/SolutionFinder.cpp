// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SolutionFinder.h"

#include "minimize/ExactCover.h"

SolvedFunction SolutionFinder::solve(int n, const std::vector<int> &cellCodes,
                                     MinimizationForm form, const VariableNames &names, bool exact,
                                     bool all)
{
    CoverRequest request;
    request.exact = exact;
    request.all = all;
    return solve(n, cellCodes, form, names, request);
}

SolvedFunction SolutionFinder::solve(int n, const std::vector<int> &cellCodes,
                                     MinimizationForm form, const VariableNames &names,
                                     const CoverRequest &request)
{
    SolvedFunction solved;
    solved.result = minimization.run(n, cellCodes, form, names);
    const MinimizationResult &result = solved.result;
    if (request.hazardFree) {
        ExplainOptions options;
        options.hazardFree = true;
        const Explanation explanation = explainer.explain(n, cellCodes, form, names, options);
        const ExplainedCover &cover = explanation.hazardFree.cover;
        solved.solutions.push_back(
            {cover.primes, cover.text, Explainer::groupsOf(explanation, cover.primes)});
        return solved;
    }
    if (!request.exact) {
        solved.solutions.push_back({result.selection, result.text, result.groups});
        return solved;
    }

    CoverLimits limits = ExactCover::firstOnly();
    if (request.all) {
        limits = CoverLimits();
        if (request.limit != 0)
            limits.listLimit = request.limit;
    }
    const ExactCoverResult cover = ExactCover::solve(result.cellCodes, result.primes, limits);
    solved.exact = true;
    solved.terms = cover.terms;
    solved.literals = cover.literals;
    solved.count = cover.count;
    // Nothing to cover: the empty cover, written as the window writes it.
    std::vector<std::vector<int>> selections = cover.solutions;
    if (selections.empty())
        selections.emplace_back();
    for (const std::vector<int> &selection : selections) {
        Solution solution;
        solution.selection = selection;
        solution.text = resultText(result.cellCodes, result.primes, selection, form, names);
        for (const int number : selection)
            solution.groups.push_back(result.primes[static_cast<std::size_t>(number - 1)].minterms);
        solved.solutions.push_back(std::move(solution));
    }
    return solved;
}

std::vector<int> SolutionFinder::cellCodes(const PlaFunction &function)
{
    return Minimization::cellCodes(function.values);
}

bool SolutionFinder::namesFor(const PlaFunction &function, const std::vector<std::string> &given,
                              VariableNames &names, std::string &error)
{
    names = Minimization::defaultNames();
    const std::vector<std::string> &chosen = function.names.empty() ? given : function.names;
    if (chosen.empty())
        return true;
    if (static_cast<int>(chosen.size()) != function.variableCount) {
        error = "--names gives " + std::to_string(chosen.size()) + " names, but the function has " +
                std::to_string(function.variableCount) + " variables.";
        return false;
    }
    for (std::size_t j = 0; j < chosen.size(); ++j)
        names[j] = chosen[j];
    return true;
}
