// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/Netlist.h"

#include <cstddef>

int Netlist::add(NetlistNode node)
{
    nodes.push_back(std::move(node));
    return static_cast<int>(nodes.size()) - 1;
}

int Netlist::gateCount() const
{
    int count = 0;
    for (const NetlistNode &node : nodes)
        count += node.kind == NetlistNode::Kind::Gate ? 1 : 0;
    return count;
}

int Netlist::gateInputCount() const
{
    int count = 0;
    for (const NetlistNode &node : nodes) {
        if (node.kind == NetlistNode::Kind::Gate)
            count += static_cast<int>(node.inputs.size());
    }
    return count;
}

namespace {

bool gateValue(GateType type, const std::vector<int> &inputs, const std::vector<char> &values)
{
    const bool conjunction = type == GateType::And || type == GateType::Nand;
    bool result = conjunction;
    for (int input : inputs) {
        const bool value = values[static_cast<std::size_t>(input)] != 0;
        result = conjunction ? (result && value) : (result || value);
    }
    const bool inverting = type == GateType::Nand || type == GateType::Nor || type == GateType::Not;
    // A NOT gate has one input: OR of it, inverted.
    return inverting ? !result : result;
}

} // namespace

bool Netlist::evaluate(unsigned row) const
{
    return evaluate(row, 0);
}

bool Netlist::evaluate(unsigned row, int index) const
{
    const int wanted = outputs.empty() ? (index == 0 ? output : -1)
                       : index >= 0 && index < static_cast<int>(outputs.size())
                           ? outputs[static_cast<std::size_t>(index)].node
                           : -1;
    std::vector<char> values(nodes.size(), 0);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const NetlistNode &node = nodes[i];
        const bool bit = node.variable >= 0 && ((row >> (variableCount - 1 - node.variable)) & 1u);
        switch (node.kind) {
        case NetlistNode::Kind::Input:
            values[i] = static_cast<char>(bit);
            break;
        case NetlistNode::Kind::InvertedInput:
            values[i] = static_cast<char>(!bit);
            break;
        case NetlistNode::Kind::Constant:
            values[i] = static_cast<char>(node.value);
            break;
        case NetlistNode::Kind::Gate:
            values[i] = static_cast<char>(gateValue(node.type, node.inputs, values));
            break;
        }
    }
    return wanted >= 0 && values[static_cast<std::size_t>(wanted)] != 0;
}

std::string Netlist::sourceName(int node) const
{
    const NetlistNode &source = nodes[static_cast<std::size_t>(node)];
    switch (source.kind) {
    case NetlistNode::Kind::Input:
        return names[static_cast<std::size_t>(source.variable)];
    case NetlistNode::Kind::InvertedInput:
        return names[static_cast<std::size_t>(source.variable)] + "'";
    case NetlistNode::Kind::Constant:
        return source.value ? "1" : "0";
    case NetlistNode::Kind::Gate:
        break;
    }
    return std::string();
}
