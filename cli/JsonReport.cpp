// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JsonReport.h"

#include "minimize/JointMinimization.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

Json groupArray(const std::vector<std::vector<int>> &groups)
{
    Json array = Json::array();
    for (const std::vector<int> &group : groups)
        array.push_back(group);
    return array;
}

// What one output adds to its object: text, groups, primes and what the
// options ask for.
void addOutput(const CliOptions &options, const SolvedFunction &solved, Json &object)
{
    const Solution &first = solved.solutions.front();
    object["text"] = first.text;
    object["groups"] = groupArray(first.groups);

    // The cubes without the prime marker the minimizer appends.
    Json primes = Json::array();
    for (const PrimeImplicant &prime : solved.result.primes) {
        std::string cube = prime.cube;
        if (!cube.empty() && cube.back() == '*')
            cube.pop_back();
        primes.push_back({{"cube", cube}, {"minterms", prime.minterms}});
    }
    object["primes"] = std::move(primes);

    if (solved.exact) {
        object["terms"] = solved.terms;
        object["literals"] = solved.literals;
    }
    if (options.all) {
        Json solutions = Json::array();
        for (const Solution &solution : solved.solutions)
            solutions.push_back({{"text", solution.text}, {"groups", groupArray(solution.groups)}});
        object["solutions"] = std::move(solutions);
    }
    if (options.limit != 0) {
        object["count"] = solved.count;
        object["complete"] = solved.complete;
    }
}

// --joint: the distinct products with the outputs each feeds, the cost in
// its three counts, whether the search proved it, and each output's text.
void addJoint(const FileResult &result, Json &object)
{
    const JointResult &joint = *result.joint;
    Json products = Json::array();
    for (const JointProduct &product : joint.cover.products) {
        std::vector<std::string> fed;
        for (std::size_t k = 0; k < joint.outputNames.size(); ++k) {
            if ((product.outputs >> k) & 1U)
                fed.push_back(joint.outputNames[k]);
        }
        const bool shared = fed.size() > 1;
        products.push_back(
            {{"cube", product.cube}, {"outputs", std::move(fed)}, {"shared", shared}});
    }
    object["products"] = std::move(products);
    object["productCount"] = joint.cover.products.size();
    object["literals"] = joint.cover.literals;
    object["connections"] = joint.cover.connections;
    object["proven"] = joint.cover.proven;
    Json outputs = Json::array();
    for (std::size_t k = 0; k < joint.outputNames.size(); ++k)
        outputs.push_back({{"name", joint.outputNames[k]},
                           {"text", JointMinimization::outputText(joint.cover, static_cast<int>(k),
                                                                  result.names)}});
    object["outputs"] = std::move(outputs);
}

// One output: the file's keys and the output's in one object. Several: the
// file's keys and an "outputs" array of the outputs' objects with a "name".
Json objectOf(const CliOptions &options, const FileResult &result)
{
    Json object;
    object["file"] = result.file;
    object["n"] = result.n;
    object["names"] =
        std::vector<std::string>(result.names.begin(), result.names.begin() + result.n);
    object["form"] = options.productOfSums ? "POS" : "SOP";
    if (result.joint) {
        addJoint(result, object);
        return object;
    }
    if (!result.severalOutputs()) {
        addOutput(options, result.solved, object);
        return object;
    }
    Json outputs = Json::array();
    for (std::size_t k = 0; k < result.outputNames.size(); ++k) {
        Json output;
        output["name"] = result.outputNames[k];
        addOutput(options, result.output(k), output);
        outputs.push_back(std::move(output));
    }
    object["outputs"] = std::move(outputs);
    return object;
}

// Compact, keys in order; bytes that are not UTF-8 (a file name in another
// encoding) become U+FFFD instead of failing the call.
std::string compact(const Json &value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

std::string JsonReport::text(const CliOptions &options, const std::vector<FileResult> &results)
{
    if (results.empty())
        return std::string();
    if (options.files.size() == 1)
        return compact(objectOf(options, results.front())) + "\n";
    // One array of objects. Each object is serialized as soon as it is built,
    // so that only one file's tree is alive at a time: with hundreds of files
    // the whole tree would cost more in allocation than the work itself.
    std::string text = "[";
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (i > 0)
            text += ',';
        text += compact(objectOf(options, results[i]));
    }
    text += "]\n";
    return text;
}
