// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/NetlistBuilder.h"

#include "minimize/JointMinimization.h"

#include <algorithm>
#include <cstddef>

namespace {

bool isInverting(GateType type)
{
    return type == GateType::Nand || type == GateType::Nor || type == GateType::Not;
}

GateType treeType(GateType type)
{
    return type == GateType::And || type == GateType::Nand ? GateType::And : GateType::Or;
}

void addTerms(std::vector<int> &terms, const std::vector<int> &more)
{
    for (int term : more) {
        if (std::find(terms.begin(), terms.end(), term) == terms.end())
            terms.push_back(term);
    }
    std::sort(terms.begin(), terms.end());
}

// What the two levels are made of, for one style and one form.
struct Recipe
{
    GateType first;
    // The first level reads the complements of the term's literals.
    bool firstComplemented;
    // A one-literal term reaches the second level complemented.
    bool singleComplemented;
    GateType second;
    bool outputInverter;
};

Recipe recipeFor(CircuitStyle style, bool sumOfProducts)
{
    switch (style) {
    case CircuitStyle::NandNand:
        // SOP: f = NAND(NAND(term)...). POS: NAND of the complements gives
        // each sum, NAND of the sums is f', an inverter makes f.
        return sumOfProducts ? Recipe{GateType::Nand, false, true, GateType::Nand, false}
                             : Recipe{GateType::Nand, true, false, GateType::Nand, true};
    case CircuitStyle::NorNor:
        return sumOfProducts ? Recipe{GateType::Nor, true, false, GateType::Nor, true}
                             : Recipe{GateType::Nor, false, true, GateType::Nor, false};
    case CircuitStyle::AndOrInverters:
    case CircuitStyle::AndOrInvertedInputs:
        break;
    }
    return sumOfProducts ? Recipe{GateType::And, false, false, GateType::Or, false}
                         : Recipe{GateType::Or, false, false, GateType::And, false};
}

} // namespace

Netlist NetlistBuilder::build(const MinimizedCover &cover, CircuitStyle style, int fanIn)
{
    NetlistBuilder builder(cover.variableCount, cover.names, style, std::max(2, fanIn));
    builder.buildTwoLevels(cover);
    return std::move(builder.netlist);
}

Netlist NetlistBuilder::buildJoint(const JointCover &cover, const VariableNames &names,
                                   const std::vector<std::string> &outputNames, CircuitStyle style,
                                   int fanIn)
{
    NetlistBuilder builder(cover.variableCount, names, style, std::max(2, fanIn));
    builder.buildShared(cover, outputNames);
    return std::move(builder.netlist);
}

NetlistBuilder::NetlistBuilder(int variableCount, const VariableNames &names, CircuitStyle style,
                               int fanIn)
    : style(style), fanIn(fanIn)
{
    netlist.variableCount = variableCount;
    netlist.names = names;
    // Every variable is shown, also one the function does not depend on.
    for (int j = 0; j < variableCount; ++j) {
        NetlistNode input;
        input.kind = NetlistNode::Kind::Input;
        input.variable = j;
        const int node = netlist.add(input);
        inputNodes.push_back(node);
        literalOfNode[node] = {j, true};
        nodeOfLiteral[{j, true}] = node;
    }
}

void NetlistBuilder::buildTwoLevels(const MinimizedCover &cover)
{
    const bool sumOfProducts = cover.form == MinimizationForm::SumOfProducts;
    // A cover without terms, or with a term of no literal, is a constant: no
    // terms cover nothing (SOP 0, POS 1); an empty product is 1, an empty sum 0.
    const bool emptyTerm =
        std::any_of(cover.cubes.begin(), cover.cubes.end(), [](const auto &cube) {
            return cube.find_first_not_of('-') == std::string::npos;
        });
    if (cover.cubes.empty() || emptyTerm) {
        NetlistNode constant;
        constant.kind = NetlistNode::Kind::Constant;
        constant.value = cover.cubes.empty() ? !sumOfProducts : sumOfProducts;
        // A function of don't cares only is written "0" in both forms; the
        // circuit says what the text says.
        if (cover.text == "0" || cover.text == "1")
            constant.value = cover.text == "1";
        netlist.output = netlist.add(constant);
        return;
    }

    std::vector<TermSignal> termSignals;
    std::vector<int> allTerms;
    for (std::size_t t = 0; t < cover.cubes.size(); ++t) {
        const int term = static_cast<int>(t);
        allTerms.push_back(term);
        termSignals.push_back(termSignal(cover.cubes[t], term, sumOfProducts));
    }
    netlist.output = secondLevel(termSignals, allTerms, sumOfProducts);
}

NetlistBuilder::TermSignal NetlistBuilder::termSignal(const std::string &cube, int term,
                                                      bool sumOfProducts)
{
    const Recipe recipe = recipeFor(style, sumOfProducts);
    std::vector<std::pair<int, bool>> literals;
    for (std::size_t j = 0; j < cube.size() && static_cast<int>(j) < netlist.variableCount; ++j) {
        if (cube[j] == '-')
            continue;
        // In a product of sums the cube is a group of zeros; its sum
        // holds the complemented literals.
        literals.emplace_back(static_cast<int>(j), (cube[j] == '1') == sumOfProducts);
    }
    if (literals.empty())
        return {-1, -1, true};
    if (literals.size() == 1)
        return {-1, literals.front().first, literals.front().second != recipe.singleComplemented};
    std::vector<int> inputs;
    inputs.reserve(literals.size());
    for (const auto &[variable, positive] : literals)
        inputs.push_back(literal(variable, positive != recipe.firstComplemented, term));
    return {gate(recipe.first, inputs, std::vector<std::vector<int>>(inputs.size(), {term})), -1,
            true};
}

int NetlistBuilder::secondLevel(const std::vector<TermSignal> &inputSignals,
                                const std::vector<int> &terms, bool sumOfProducts)
{
    const Recipe recipe = recipeFor(style, sumOfProducts);
    if (inputSignals.size() == 1) {
        // No second-level gate of one input: an inverting one is a NOT,
        // which an output inverter would cancel.
        const bool invert = isInverting(recipe.second) != recipe.outputInverter;
        const TermSignal &only = inputSignals.front();
        return only.node < 0 ? literal(only.variable, only.positive != invert, terms.front())
               : invert      ? inverted(only.node, terms)
                             : only.node;
    }
    std::vector<int> inputs;
    std::vector<std::vector<int>> eachTerm;
    for (std::size_t t = 0; t < inputSignals.size(); ++t) {
        const TermSignal &signal = inputSignals[t];
        const int term = terms[t];
        inputs.push_back(signal.node >= 0 ? signal.node
                                          : literal(signal.variable, signal.positive, term));
        eachTerm.push_back({term});
    }
    int result = gate(recipe.second, inputs, eachTerm);
    if (recipe.outputInverter)
        result = inverted(result, terms);
    return result;
}

void NetlistBuilder::buildShared(const JointCover &cover,
                                 const std::vector<std::string> &outputNames)
{
    const bool sumOfProducts = cover.form == MinimizationForm::SumOfProducts;
    // Every product once, before any output reads it.
    std::vector<TermSignal> productSignals;
    for (std::size_t t = 0; t < cover.products.size(); ++t)
        productSignals.push_back(
            termSignal(cover.products[t].cube, static_cast<int>(t), sumOfProducts));
    // Outputs of the same products are one signal.
    std::map<std::vector<int>, int> nodeOfTerms;
    for (int k = 0; k < cover.outputCount; ++k) {
        std::vector<int> used;
        std::vector<TermSignal> usedSignals;
        bool emptyTerm = false;
        for (std::size_t t = 0; t < cover.products.size(); ++t) {
            if (((cover.products[t].outputs >> k) & 1U) == 0)
                continue;
            used.push_back(static_cast<int>(t));
            usedSignals.push_back(productSignals[t]);
            emptyTerm = emptyTerm || (productSignals[t].node < 0 && productSignals[t].variable < 0);
        }
        int node = -1;
        if (used.empty() || emptyTerm) {
            // As for one output: no terms cover nothing, an empty term
            // everything, and an output of don't cares only is what its
            // text says.
            const std::string text = JointMinimization::outputText(cover, k, netlist.names);
            node =
                constant(text == "0" || text == "1" ? text == "1" : used.empty() != sumOfProducts);
        } else if (nodeOfTerms.count(used) != 0) {
            node = nodeOfTerms.at(used);
        } else {
            node = secondLevel(usedSignals, used, sumOfProducts);
            nodeOfTerms[used] = node;
        }
        const auto index = static_cast<std::size_t>(k);
        netlist.outputs.push_back(
            {node, index < outputNames.size() ? outputNames[index] : "f" + std::to_string(k)});
    }
    netlist.output = netlist.outputs.empty() ? -1 : netlist.outputs.front().node;
}

int NetlistBuilder::literal(int variable, bool positive, int term)
{
    const auto known = nodeOfLiteral.find({variable, positive});
    if (known != nodeOfLiteral.end()) {
        NetlistNode &node = netlist.nodes[static_cast<std::size_t>(known->second)];
        if (node.kind == NetlistNode::Kind::Gate)
            addTerms(node.terms, {term});
        return known->second;
    }
    NetlistNode node;
    if (style == CircuitStyle::AndOrInvertedInputs) {
        node.kind = NetlistNode::Kind::InvertedInput;
        node.variable = variable;
    } else {
        node.kind = NetlistNode::Kind::Gate;
        node.type = GateType::Not;
        node.inputs = {inputNodes[static_cast<std::size_t>(variable)]};
        node.terms = {term};
    }
    const int added = netlist.add(node);
    literalOfNode[added] = {variable, positive};
    nodeOfLiteral[{variable, positive}] = added;
    return added;
}

int NetlistBuilder::inverted(int node, const std::vector<int> &terms)
{
    const auto known = literalOfNode.find(node);
    if (known != literalOfNode.end())
        return literal(known->second.first, !known->second.second, terms.front());
    // Two outputs of one shared product invert it once.
    const auto made = inverterOf.find(node);
    if (made != inverterOf.end())
        return made->second;
    const int inverter = addGate(GateType::Not, {node}, terms);
    inverterOf[node] = inverter;
    return inverter;
}

int NetlistBuilder::constant(bool value)
{
    const auto known = constants.find(value);
    if (known != constants.end())
        return known->second;
    NetlistNode node;
    node.kind = NetlistNode::Kind::Constant;
    node.value = value;
    const int added = netlist.add(node);
    constants[value] = added;
    return added;
}

int NetlistBuilder::gate(GateType type, std::vector<int> inputs,
                         std::vector<std::vector<int>> inputTerms)
{
    // Gather groups of fanIn inputs into inner gates until the root can
    // take the rest; the leftovers of a round pass on unchanged. This needs
    // the fewest gates, ceil((n - 1) / (fanIn - 1)).
    const auto size = static_cast<std::size_t>(fanIn);
    while (inputs.size() > size) {
        std::vector<int> next;
        std::vector<std::vector<int>> nextTerms;
        std::size_t start = 0;
        for (; start + size <= inputs.size(); start += size) {
            std::vector<int> group;
            std::vector<int> groupTerms;
            for (std::size_t i = start; i < start + size; ++i) {
                group.push_back(inputs[i]);
                addTerms(groupTerms, inputTerms[i]);
            }
            next.push_back(addGate(treeType(type), group, groupTerms));
            nextTerms.push_back(groupTerms);
        }
        for (; start < inputs.size(); ++start) {
            next.push_back(inputs[start]);
            nextTerms.push_back(inputTerms[start]);
        }
        inputs = std::move(next);
        inputTerms = std::move(nextTerms);
    }
    std::vector<int> terms;
    for (const std::vector<int> &more : inputTerms)
        addTerms(terms, more);
    return addGate(type, inputs, terms);
}

int NetlistBuilder::addGate(GateType type, std::vector<int> inputs, const std::vector<int> &terms)
{
    NetlistNode node;
    node.kind = NetlistNode::Kind::Gate;
    node.type = type;
    node.inputs = std::move(inputs);
    node.terms = terms;
    return netlist.add(node);
}
