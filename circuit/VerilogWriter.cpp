// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/VerilogWriter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>

namespace {

// The Verilog keywords a name of one to three letters could spell.
constexpr std::array<const char *, 14> shortKeywords{
    "and", "buf", "end", "for", "if", "nor", "not", "or", "reg", "tri", "use", "wor", "xor", "do"};

const char *primitive(GateType type)
{
    switch (type) {
    case GateType::And:
        return "and";
    case GateType::Or:
        return "or";
    case GateType::Nand:
        return "nand";
    case GateType::Nor:
        return "nor";
    case GateType::Not:
        break;
    }
    return "not";
}

} // namespace

std::string VerilogWriter::identifier(const std::string &name)
{
    const bool plain =
        !name.empty() && std::isalpha(static_cast<unsigned char>(name[0])) &&
        std::all_of(
            name.begin(), name.end(),
            [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }) &&
        std::none_of(shortKeywords.begin(), shortKeywords.end(),
                     [&](const char *keyword) { return name == keyword; });
    return plain ? name : "\\" + name + " ";
}

std::string VerilogWriter::outputName(const Netlist &netlist)
{
    if (!netlist.outputName.empty())
        return netlist.outputName;
    for (int j = 0; j < netlist.variableCount; ++j) {
        if (netlist.names[static_cast<std::size_t>(j)] == "f")
            return "f_out";
    }
    return "f";
}

std::string VerilogWriter::write(const Netlist &netlist, const std::string &moduleName)
{
    // Variable names hold no underscore, so "w_<node>" and "<name>_n" never
    // meet a port.
    // The one output's name may be a keyword or start with a digit, as the
    // outputs of several may.
    const std::string output = identifier(outputName(netlist));
    // With several outputs every gate drives a wire and each output is
    // assigned from its signal: outputs may share one.
    const bool several = netlist.severalOutputs();
    const int drivesPort = several ? -1 : netlist.output;
    auto signal = [&](int node) -> std::string {
        const NetlistNode &source = netlist.nodes[static_cast<std::size_t>(node)];
        const std::string name =
            netlist.names[static_cast<std::size_t>(std::max(0, source.variable))];
        switch (source.kind) {
        case NetlistNode::Kind::Input:
            return identifier(name);
        case NetlistNode::Kind::InvertedInput:
            // A name escaped for its first digit stays escaped with the suffix.
            return identifier(name + "_n");
        case NetlistNode::Kind::Constant:
            return source.value ? "1'b1" : "1'b0";
        case NetlistNode::Kind::Gate:
            break;
        }
        return node == drivesPort ? output : "w_" + std::to_string(node);
    };

    std::string text = "module " + moduleName + "(";
    for (int j = 0; j < netlist.variableCount; ++j)
        text += "input " + identifier(netlist.names[static_cast<std::size_t>(j)]) + ", ";
    if (several) {
        for (std::size_t k = 0; k < netlist.outputs.size(); ++k)
            text += "output " + identifier(netlist.outputs[k].name) +
                    (k + 1 < netlist.outputs.size() ? ", " : ");\n");
    } else {
        text += "output " + output + ");\n";
    }

    for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
        const NetlistNode &node = netlist.nodes[i];
        if (node.kind == NetlistNode::Kind::InvertedInput) {
            // Complemented inputs come from outside the gates drawn.
            const std::string &name = netlist.names[static_cast<std::size_t>(node.variable)];
            text += "  wire " + identifier(name + "_n") + " = ~" + identifier(name) + ";\n";
        } else if (node.kind == NetlistNode::Kind::Gate && static_cast<int>(i) != drivesPort) {
            text += "  wire w_" + std::to_string(i) + ";\n";
        }
    }
    int gateNumber = 0;
    for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
        const NetlistNode &node = netlist.nodes[i];
        if (node.kind != NetlistNode::Kind::Gate)
            continue;
        text += "  " + std::string(primitive(node.type)) + " g" + std::to_string(++gateNumber) +
                "(" + signal(static_cast<int>(i));
        for (int input : node.inputs)
            text += ", " + signal(input);
        text += ");\n";
    }
    for (const NetlistOutput &named : netlist.outputs)
        text += "  assign " + identifier(named.name) + " = " + signal(named.node) + ";\n";
    if (!several && netlist.output >= 0 &&
        netlist.nodes[static_cast<std::size_t>(netlist.output)].kind != NetlistNode::Kind::Gate)
        text += "  assign " + output + " = " + signal(netlist.output) + ";\n";
    text += "endmodule\n";
    return text;
}
