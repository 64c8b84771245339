// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SolutionFinder.h"

#include "minimize/CoverFinder.h"

#include <optional>

namespace {

Solution solutionOf(const MinimizedCover &cover)
{
    return {cover.primes, cover.text, cover.groups};
}

} // namespace

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
    minimization.run(n, cellCodes, form, names, solved.result);
    const MinimizationResult &result = solved.result;
    if (request.hazardFree) {
        // Uncancelled, the search always ends with a cover; should it not,
        // the window's cover is still an answer.
        const std::optional<MinimizedCover> cover = CoverFinder::hazardFree(result, names);
        solved.solutions.push_back(
            solutionOf(cover ? *cover : CoverFinder::windowCover(result, names)));
        return solved;
    }
    if (!request.exact) {
        solved.solutions.push_back({result.selection, result.text, result.groups});
        return solved;
    }

    CoverLimits limits = ExactCover::firstOnly();
    if (request.all) {
        limits = CoverLimits();
        if (request.limit != 0) {
            limits.listLimit = request.limit;
            limits.countCap = request.countCap;
        }
    }
    MinimumCovers found = CoverFinder::minimumCovers(result, names, limits);
    solved.exact = true;
    solved.terms = found.terms;
    solved.literals = found.literals;
    solved.count = found.count;
    solved.complete = found.complete;
    // Nothing to cover: the empty cover, written as the window writes it.
    if (found.covers.empty())
        found.covers.push_back(CoverFinder::coverOf(result, {}, names));
    for (const MinimizedCover &cover : found.covers)
        solved.solutions.push_back(solutionOf(cover));
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
