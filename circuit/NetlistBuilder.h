// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitStyle.h"
#include "circuit/Netlist.h"
#include "minimize/MinimizedCover.h"

#include <map>
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

private:
    NetlistBuilder(const MinimizedCover &cover, CircuitStyle style, int fanIn);

    void buildTwoLevels();
    // The node giving `variable` (complemented when not `positive`).
    int literal(int variable, bool positive, int term);
    // The complement of a node: a literal's other polarity, else a NOT gate.
    int inverted(int node, const std::vector<int> &terms);
    // A gate of `type` over `inputs`; above the fan-in, a tree whose inner
    // gates are AND or OR and whose root has `type`. `inputTerms[i]` are the
    // terms input i stands for; a gate serves the terms of its inputs.
    int gate(GateType type, std::vector<int> inputs, std::vector<std::vector<int>> inputTerms);
    int addGate(GateType type, std::vector<int> inputs, const std::vector<int> &terms);

    const MinimizedCover &cover;
    CircuitStyle style;
    int fanIn;
    Netlist netlist;
    std::vector<int> inputNodes;
    // (variable, positive) of the nodes that carry a literal.
    std::map<int, std::pair<int, bool>> literalOfNode;
    std::map<std::pair<int, bool>, int> nodeOfLiteral;
};
