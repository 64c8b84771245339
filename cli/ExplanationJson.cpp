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

std::vector<std::string> namesOf(const JointExplanation &explanation, std::uint64_t outputs)
{
    std::vector<std::string> names;
    for (std::size_t j = 0; j < explanation.outputNames.size(); ++j) {
        if (((outputs >> j) & 1) != 0)
            names.push_back(explanation.outputNames[j]);
    }
    return names;
}

Json jointPrimesArray(const JointExplanation &explanation)
{
    Json primes = Json::array();
    for (const JointPrime &prime : explanation.primes) {
        primes.push_back({{"number", prime.number},
                          {"cube", prime.cube},
                          {"term", prime.term},
                          {"literals", prime.literals},
                          {"outputs", namesOf(explanation, prime.outputs)},
                          {"minterms", prime.minterms},
                          {"essential", prime.essential}});
    }
    return primes;
}

Json jointRowsArray(const JointExplanation &explanation)
{
    Json rows = Json::array();
    for (const JointChartRow &row : explanation.rows)
        rows.push_back({{"output", explanation.outputNames[static_cast<std::size_t>(row.output)]},
                        {"cell", row.cell},
                        {"primes", row.primes}});
    return rows;
}

Json jointProductsArray(const JointExplanation &explanation)
{
    Json products = Json::array();
    for (const int number : explanation.chosen) {
        const JointPrime &prime = explanation.primes[static_cast<std::size_t>(number - 1)];
        const std::vector<std::string> fed = namesOf(explanation, prime.feeds);
        products.push_back({{"prime", number},
                            {"cube", prime.cube},
                            {"term", prime.term},
                            {"outputs", fed},
                            {"shared", fed.size() > 1}});
    }
    return products;
}

Json namesArray(const VariableNames &names, int n)
{
    return std::vector<std::string>(names.begin(), names.begin() + n);
}

} // namespace

std::string ExplanationJson::text(const std::string &file, const JointExplanation &explanation)
{
    const JointCover &cover = explanation.cover;
    Json outputs = Json::array();
    for (std::size_t j = 0; j < explanation.outputNames.size(); ++j)
        outputs.push_back(
            {{"name", explanation.outputNames[j]}, {"text", explanation.outputTexts[j]}});
    const Json object = {
        {"file", file},
        {"n", explanation.variableCount},
        {"names", namesArray(explanation.names, explanation.variableCount)},
        {"form", explanation.form == MinimizationForm::ProductOfSums ? "POS" : "SOP"},
        {"primes", jointPrimesArray(explanation)},
        {"chart", {{"rows", jointRowsArray(explanation)}}},
        {"products", jointProductsArray(explanation)},
        {"productCount", cover.products.size()},
        {"literals", cover.literals},
        {"connections", cover.connections},
        {"proven", cover.proven},
        {"outputs", std::move(outputs)},
    };
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string ExplanationJson::text(const std::string &file, const Explanation &explanation)
{
    Json object = {
        {"file", file},
        {"n", explanation.variableCount},
        {"names", namesArray(explanation.names, explanation.variableCount)},
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
