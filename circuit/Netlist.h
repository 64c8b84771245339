// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/ResultText.h"

#include <string>
#include <vector>

enum class GateType
{
    And,
    Or,
    Nand,
    Nor,
    Not,
};

// One signal source of a netlist: a primary input, an inverted input that
// arrives from outside, a constant, or a gate driven by earlier nodes.
struct NetlistNode
{
    enum class Kind
    {
        Input,
        InvertedInput,
        Constant,
        Gate,
    };

    Kind kind = Kind::Gate;
    GateType type = GateType::And;
    int variable = -1;       // Input and InvertedInput
    bool value = false;      // Constant: tied high (true) or low
    std::vector<int> inputs; // Gate: node numbers, each smaller than this node's
    // The cover terms (0-based, in the order of the text) whose value this
    // gate helps to form; the output gate serves every term.
    std::vector<int> terms;
};

// One named output of a circuit of several.
struct NetlistOutput
{
    int node = -1;
    std::string name;
};

// A combinational circuit. Nodes are stored in an order in which every gate
// comes after the nodes it reads.
class Netlist
{
public:
    int variableCount = 0;
    VariableNames names;
    std::vector<NetlistNode> nodes;
    // The output of a circuit of one output, else the first of `outputs`.
    int output = -1;
    // Every output in order, for a circuit of several outputs (a joint
    // cover); empty for one output, which keeps its drawings and files as
    // they always were.
    std::vector<NetlistOutput> outputs;
    // The name of the one output, when it is not the usual f: the map's
    // output of a table of several.
    std::string outputName;

    bool severalOutputs() const { return !outputs.empty(); }

    int add(NetlistNode node);

    int gateCount() const;
    // The inputs of all gates together, inverters included.
    int gateInputCount() const;

    // The output for one row of the truth table: bit n-1-j of `row` is
    // variable j, so the first variable is the most significant bit.
    bool evaluate(unsigned row) const;
    // The value of output `index` of `outputs` (of `output` when there is
    // only one).
    bool evaluate(unsigned row, int index) const;

    // "A", "A'", "1" or "0" for inputs and constants; empty for gates.
    std::string sourceName(int node) const;
};
