// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExplanationJson.h"

#include "explain/Explainer.h"
#include "explain/ExplanationDocument.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json coverObject(const Explanation &explanation, const ExplainedCover &cover)
{
    return {{"primes", cover.primes},
            {"terms", cover.terms},
            {"literals", cover.literals},
            {"text", cover.text},
            {"groups", Explainer::groupsOf(explanation, cover.primes)}};
}

Json tabulationArray(const Explanation &explanation)
{
    Json passes = Json::array();
    for (const TabulationPass &pass : explanation.tabulation) {
        Json groups = Json::array();
        for (const TabulationGroup &group : pass.groups) {
            Json cubes = Json::array();
            for (const TabulationCube &cube : group.cubes) {
                Json entry = {{"cube", tabulationCubeText(cube, explanation.variableCount)},
                              {"minterms", tabulationCubeMinterms(cube)},
                              {"checked", cube.checked}};
                if (!cube.checked)
                    entry["prime"] = cube.prime;
                cubes.push_back(std::move(entry));
            }
            groups.push_back({{"ones", group.ones}, {"cubes", std::move(cubes)}});
        }
        passes.push_back({{"groups", std::move(groups)}});
    }
    return passes;
}

Json primesArray(const Explanation &explanation)
{
    Json primes = Json::array();
    for (const ExplainedPrime &prime : explanation.primes) {
        primes.push_back({{"number", prime.number},
                          {"cube", prime.cube},
                          {"term", prime.term},
                          {"literals", prime.literals},
                          {"minterms", prime.minterms},
                          {"essential", prime.essential}});
    }
    return primes;
}

Json chartObject(const Explanation &explanation)
{
    Json essentials = Json::array();
    for (const EssentialPrime &essential : explanation.essentials)
        essentials.push_back({{"prime", essential.prime}, {"minterm", essential.minterm}});
    return {{"minterms", explanation.chartMinterms}, {"essentials", std::move(essentials)}};
}

Json choicesArray(const Explanation &explanation)
{
    Json choices = Json::array();
    for (const CoverStep &step : explanation.choices) {
        Json choice = {{"prime", step.prime}};
        if (step.minterm >= 0)
            choice["minterm"] = step.minterm;
        choice["covered"] = step.covered;
        choice["remaining"] = step.remaining;
        choice["ties"] = step.ties;
        choice["reason"] = choiceReason(explanation, step);
        choices.push_back(std::move(choice));
    }
    return choices;
}

Json solutionsObject(const Explanation &explanation)
{
    const SolutionList &list = explanation.solutions;
    Json covers = Json::array();
    for (const ExplainedCover &cover : list.covers)
        covers.push_back(coverObject(explanation, cover));
    return {{"count", list.count}, {"complete", list.complete}, {"covers", std::move(covers)}};
}

} // namespace

std::string ExplanationJson::text(const std::string &file, const Explanation &explanation)
{
    const auto n = static_cast<std::size_t>(explanation.variableCount);
    Json object = {
        {"file", file},
        {"n", explanation.variableCount},
        {"names", std::vector<std::string>(explanation.names.begin(),
                                           explanation.names.begin() + static_cast<long>(n))},
        {"form", explanation.form == MinimizationForm::ProductOfSums ? "POS" : "SOP"},
        {"tabulation", tabulationArray(explanation)},
        {"primes", primesArray(explanation)},
        {"chart", chartObject(explanation)},
        {"choices", choicesArray(explanation)},
        {"window", coverObject(explanation, explanation.windowCover)},
        {"minimum", coverObject(explanation, explanation.minimum)},
        {"windowIsMinimal", explanation.windowIsMinimal},
        {"solutions", solutionsObject(explanation)},
    };
    if (explanation.hazardFree.searched)
        object["hazardFree"] = coverObject(explanation, explanation.hazardFree.cover);
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}
