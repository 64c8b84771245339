// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitStyle.h"
#include "circuit/Netlist.h"
#include "minimize/JointCover.h"
#include "minimize/MinimizedCover.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// Turns a minimized cover into a two-level gate netlist of one style. Each
// complemented input is made once and shared; a term of one literal needs no
// gate of its own; a gate with more inputs than the fan-in becomes a tree.
class NetlistBuilder
{
public:
    static constexpr int defaultFanIn = 4;

    // `fanIn` below 2 counts as 2.
    static Netlist build(const MinimizedCover &cover, CircuitStyle style, int fanIn = defaultFanIn);
    // The circuit of several outputs sharing products: each product of the
    // cover is built once and feeds every output gate that uses it; its term
    // number is its place in cover.products. `outputNames` names the outputs
    // in order.
    static Netlist buildJoint(const JointCover &cover, const VariableNames &names,
                              const std::vector<std::string> &outputNames, CircuitStyle style,
                              int fanIn = defaultFanIn);

private:
    NetlistBuilder(int variableCount, const VariableNames &names, CircuitStyle style, int fanIn);

    // What a term hands the second level: its gate, or a lone literal that
    // is made only once its polarity is known; neither for a term without
    // literals.
    struct TermSignal
    {
        int node = -1;
        int variable = -1;
        bool positive = true;
    };

    void buildTwoLevels(const MinimizedCover &cover);
    TermSignal termSignal(const std::string &cube, int term, bool sumOfProducts);
    // The second level over the signals of `terms`: their gate, or the one
    // term itself in the polarity the style needs.
    int secondLevel(const std::vector<TermSignal> &inputSignals, const std::vector<int> &terms,
                    bool sumOfProducts);
    void buildShared(const JointCover &cover, const std::vector<std::string> &outputNames);
    // A constant node, made once per value.
    int constant(bool value);
    // The node giving `variable` (complemented when not `positive`).
    int literal(int variable, bool positive, int term);
    // The complement of a node: a literal's other polarity, else a NOT gate.
    int inverted(int node, const std::vector<int> &terms);
    // A gate of `type` over `inputs`; above the fan-in, a tree whose inner
    // gates are AND or OR and whose root has `type`. `inputTerms[i]` are the
    // terms input i stands for; a gate serves the terms of its inputs.
    int gate(GateType type, std::vector<int> inputs, std::vector<std::vector<int>> inputTerms);
    int addGate(GateType type, std::vector<int> inputs, const std::vector<int> &terms);

    CircuitStyle style;
    int fanIn;
    Netlist netlist;
    std::vector<int> inputNodes;
    // (variable, positive) of the nodes that carry a literal.
    std::map<int, std::pair<int, bool>> literalOfNode;
    std::map<std::pair<int, bool>, int> nodeOfLiteral;
    // Gate node -> the NOT gate already made of it.
    std::map<int, int> inverterOf;
    std::map<bool, int> constants;
};
