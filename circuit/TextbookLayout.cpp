// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/TextbookLayout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <map>
#include <numeric>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr double rowHeight = CircuitLayout::inverterHeight + CircuitLayout::gap;
constexpr double bandGap = 2 * CircuitLayout::gap;

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

double textWidth(const std::string &text)
{
    return CircuitLayout::characterWidth * static_cast<double>(text.size());
}

// A vertical wire carrying an input or its complement down past the gates.
struct Rail
{
    int node = -1;     // the signal: an input, an inverted input or a NOT of an input
    int inverter = -1; // the NOT gate making it, else -1
    int source = -1;   // for a NOT's rail, the rail its NOT reads
    double x = 0;
    double top = 0;
};

// Something in a column: a gate, the output, or a signal passing through
// the column to a gate further right.
struct Element
{
    int node = -1; // the gate; for a pass, the signal carried; for the output, its source
    bool pass = false;
    bool output = false;
    int column = 0;
    int band = 0;
    // By pin, in the order of the netlist's inputs: elements of the previous
    // column, or rails for the first column (a pass there reads one rail).
    std::vector<int> inputs;
    std::vector<std::size_t> slots; // pin -> position from the top
    double width = 0;
    double height = 0;
    double y = 0;
    std::string caption;
    std::string label; // the output's name
    // With several outputs: the first output it leads to.
    int rank = std::numeric_limits<int>::max();
};

class TextbookBuilder
{
public:
    TextbookBuilder(const Netlist &netlist, std::string outputName)
        : netlist(netlist), outputName(std::move(outputName)), several(netlist.severalOutputs())
    {}

    bool run(CircuitLayout &result)
    {
        if (!findRails() || !(several ? classifyShared() : classifyGates()))
            return false;
        if (several)
            makeSharedElements();
        else
            makeElements();
        placeVertically();
        placeHorizontally();
        makeItems();
        routeRails();
        for (std::size_t column = 1; column < columnLeft.size(); ++column)
            routeChannel(static_cast<int>(column));
        if (!keepsApart())
            return false;
        result = std::move(layout);
        return true;
    }

private:
    bool findRails();
    bool classifyGates();
    bool classifyShared();
    void makeSharedElements();
    int railTerm(int gate, int input) const;
    void collectBlock(int node, int band);
    int level(int node);
    void makeElements();
    int placeNode(int node, int column, int band);
    int columnOf(int node);
    int passChain(int source, bool fromRail, int lastColumn, int band);
    int addElement(Element element);
    void placeVertically();
    void placeHorizontally();
    void makeItems();
    void routeRails();
    void routeChannel(int column);
    template <typename Hop>
    static void branch(LayoutWire &wire, double track, const Hop &hop,
                       const std::vector<double> &blockers, double to, std::vector<double> &taken);
    bool keepsApart() const;
    std::string termText(int node) const;
    std::string railName(int node) const;
    double pinY(const Element &element, std::size_t pin) const;
    double columnRight(int column) const
    {
        return columnLeft[at(column)] + columnWidth[at(column)];
    }

    const Netlist &netlist;
    std::string outputName;
    // Outputs sharing products: every gate is placed once and every signal
    // carried through a column once, whoever reads it.
    bool several = false;
    std::map<int, int> elementOf;                       // gate -> its element
    std::map<std::tuple<bool, int, int>, int> carriers; // (rail, source, column) -> pass
    std::set<int> termRoots;                            // gates forming a term
    std::vector<Rail> rails;
    std::map<int, int> railOf; // netlist node -> rail
    // Each gate's part: the band of the term it helps to form, or -1 for the
    // second level (gates that serve several terms, and the output's inverter).
    std::map<int, int> bandOf;
    std::vector<int> bandResults; // per band, top to bottom: the term's gate or rail
    std::map<int, int> levels;
    bool tree = true;
    int lastTermColumn = 0;
    std::vector<Element> elements;
    std::vector<std::vector<int>> columns;
    std::map<int, double> terminalRow;
    std::vector<double> columnLeft;
    std::vector<double> columnWidth;
    CircuitLayout layout;
};

bool TextbookBuilder::findRails()
{
    std::vector<std::pair<int, int>> keyed; // (2 variable + complemented, node)
    for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
        const NetlistNode &node = netlist.nodes[i];
        const int index = static_cast<int>(i);
        // An output of several may be constant: a rail of its own below
        // the inputs' rails.
        if (node.kind == NetlistNode::Kind::Constant && !several)
            return false;
        if (node.kind == NetlistNode::Kind::Constant)
            keyed.emplace_back(2 * netlist.variableCount + (node.value ? 1 : 0), index);
        else if (node.kind == NetlistNode::Kind::Input)
            keyed.emplace_back(2 * node.variable, index);
        else if (node.kind == NetlistNode::Kind::InvertedInput)
            keyed.emplace_back(2 * node.variable + 1, index);
        else if (node.type == GateType::Not &&
                 netlist.nodes[at(node.inputs.front())].kind == NetlistNode::Kind::Input)
            keyed.emplace_back(2 * netlist.nodes[at(node.inputs.front())].variable + 1, index);
    }
    std::stable_sort(keyed.begin(), keyed.end());
    for (const auto &[key, node] : keyed) {
        Rail rail;
        rail.node = node;
        const NetlistNode &made = netlist.nodes[at(node)];
        if (made.kind == NetlistNode::Kind::Gate) {
            rail.inverter = node;
            rail.source = railOf.at(made.inputs.front());
        }
        railOf[node] = static_cast<int>(rails.size());
        rails.push_back(rail);
    }
    return several || railOf.count(netlist.output) == 0;
}

// The second level is every gate that serves several terms, reached from the
// output; what it reads is a term: a gate of its own band or a lone rail.
bool TextbookBuilder::classifyGates()
{
    std::function<bool(int)> secondLevel = [&](int node) {
        const NetlistNode &gate = netlist.nodes[at(node)];
        bandOf[node] = -1;
        for (int input : gate.inputs) {
            const NetlistNode &read = netlist.nodes[at(input)];
            if (railOf.count(input) != 0 || read.terms.size() == 1) {
                const int band = static_cast<int>(bandResults.size());
                bandResults.push_back(input);
                if (railOf.count(input) == 0)
                    collectBlock(input, band);
            } else if (bandOf.count(input) != 0 || !secondLevel(input)) {
                return false;
            }
        }
        return true;
    };
    const NetlistNode &output = netlist.nodes[at(netlist.output)];
    if (output.terms.size() > 1) {
        if (!secondLevel(netlist.output))
            return false;
    } else {
        bandResults.push_back(netlist.output);
        collectBlock(netlist.output, 0);
    }
    // Every gate has found its place, each once, and some gate reads rails.
    std::size_t gates = 0;
    for (const NetlistNode &node : netlist.nodes)
        gates += node.kind == NetlistNode::Kind::Gate ? 1 : 0;
    std::size_t railGates = 0;
    for (const Rail &rail : rails)
        railGates += rail.inverter >= 0 ? 1 : 0;
    return tree && bandOf.size() + railGates == gates;
}

void TextbookBuilder::collectBlock(int node, int band)
{
    // A gate read twice would make the drawing a graph, not a tree.
    if (bandOf.count(node) != 0) {
        tree = false;
        return;
    }
    bandOf[node] = band;
    for (int input : netlist.nodes[at(node)].inputs) {
        if (railOf.count(input) == 0)
            collectBlock(input, band);
    }
}

// How far right of the first column a gate stands within its own part.
int TextbookBuilder::level(int node)
{
    const auto known = levels.find(node);
    if (known != levels.end())
        return known->second;
    int result = 0;
    const int part = bandOf.at(node);
    for (int input : netlist.nodes[at(node)].inputs) {
        const auto inputPart = bandOf.find(input);
        if (inputPart != bandOf.end() && (part >= 0 || inputPart->second < 0))
            result = std::max(result, level(input) + 1);
    }
    levels[node] = result;
    return result;
}

int TextbookBuilder::addElement(Element element)
{
    const int index = static_cast<int>(elements.size());
    if (columns.size() <= at(element.column))
        columns.resize(at(element.column) + 1);
    columns[at(element.column)].push_back(index);
    elements.push_back(std::move(element));
    return index;
}

// A signal carried from its source up to `lastColumn`, one pass per column:
// from a rail the passes start in the first column, from an element in the
// column after it.
int TextbookBuilder::passChain(int source, bool fromRail, int lastColumn, int band)
{
    int carrier = source;
    const int first = fromRail ? 0 : elements[at(source)].column + 1;
    const int signal = fromRail ? rails[at(source)].node : elements[at(source)].node;
    for (int column = first; column <= lastColumn; ++column) {
        const auto key = std::make_tuple(fromRail, source, column);
        if (several && carriers.count(key) != 0) {
            carrier = carriers.at(key);
            continue;
        }
        Element pass;
        pass.pass = true;
        pass.node = signal;
        pass.column = column;
        pass.band = band;
        pass.height = CircuitLayout::pinPitch;
        pass.inputs = {carrier};
        carrier = addElement(pass);
        if (several)
            carriers[key] = carrier;
    }
    return carrier;
}

// Places a gate and, depth first in the order of its inputs, what it reads:
// the first column fills top to bottom in the order of the expression.
int TextbookBuilder::placeNode(int node, int column, int band)
{
    if (several && elementOf.count(node) != 0)
        return elementOf.at(node);
    const NetlistNode &gate = netlist.nodes[at(node)];
    const bool secondLevel = bandOf.at(node) < 0;
    Element element;
    element.node = node;
    element.column = column;
    element.band = band;
    const bool inverter = gate.type == GateType::Not;
    element.width = inverter ? CircuitLayout::inverterWidth : CircuitLayout::gateWidth;
    element.height = inverter ? CircuitLayout::inverterHeight
                              : static_cast<double>(std::max<std::size_t>(gate.inputs.size(), 2)) *
                                    CircuitLayout::pinPitch;
    for (int input : gate.inputs) {
        if (railOf.count(input) != 0) {
            // A lone literal of the second level is a band of its own.
            const int rail = railOf.at(input);
            const int railBand =
                several ? (secondLevel ? railTerm(node, input) : band)
                : secondLevel
                    ? static_cast<int>(std::find(bandResults.begin(), bandResults.end(), input) -
                                       bandResults.begin())
                    : band;
            element.inputs.push_back(column == 0 ? rail
                                                 : passChain(rail, true, column - 1, railBand));
            continue;
        }
        const int inputBand = bandOf.at(input) >= 0 ? bandOf.at(input) : band;
        const int placed = placeNode(input, columnOf(input), inputBand);
        element.inputs.push_back(passChain(placed, false, column - 1, inputBand));
    }
    const bool termResult =
        several ? termRoots.count(node) != 0
                : std::find(bandResults.begin(), bandResults.end(), node) != bandResults.end();
    if (!secondLevel && (gate.type == GateType::And || gate.type == GateType::Or) && termResult)
        element.caption = termText(node);
    const int added = addElement(element);
    if (several)
        elementOf[node] = added;
    return added;
}

int TextbookBuilder::columnOf(int node)
{
    return bandOf.at(node) >= 0 ? level(node) : lastTermColumn + 1 + level(node);
}

// With several outputs a gate belongs to the term it forms when it serves
// one term, else to the second level; a gate forming a term may feed several
// outputs' gates, and outputs may be terms or rails themselves.
bool TextbookBuilder::classifyShared()
{
    bool anyGate = false;
    for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
        const NetlistNode &node = netlist.nodes[i];
        const int index = static_cast<int>(i);
        if (node.kind != NetlistNode::Kind::Gate || railOf.count(index) != 0)
            continue;
        if (node.terms.empty())
            return false;
        bandOf[index] = node.terms.size() == 1 ? node.terms.front() : -1;
        if (node.terms.size() == 1)
            termRoots.insert(index);
        anyGate = true;
    }
    for (const auto &[node, band] : bandOf) {
        for (int input : netlist.nodes[at(node)].inputs) {
            const auto inputBand = bandOf.find(input);
            if (inputBand == bandOf.end())
                continue;
            // The first level reads rails only; the second level reads terms
            // and its own gates.
            if (band >= 0 && inputBand->second != band)
                return false;
            if (band >= 0)
                termRoots.erase(input);
        }
    }
    return anyGate;
}

// The term a rail stands for where a second-level gate reads it: the gate
// reads its terms in order, each gate input a run of them, each rail one.
int TextbookBuilder::railTerm(int gate, int input) const
{
    const NetlistNode &reader = netlist.nodes[at(gate)];
    std::size_t cursor = 0;
    for (int read : reader.inputs) {
        if (cursor >= reader.terms.size())
            break;
        if (read == input && railOf.count(read) != 0)
            return reader.terms[cursor];
        cursor += railOf.count(read) != 0 ? 1 : netlist.nodes[at(read)].terms.size();
    }
    return reader.terms.empty() ? 0 : reader.terms.back();
}

// Every output's gates from its root, the outputs in order, then the
// output terminals stacked in one column after the last gate.
void TextbookBuilder::makeSharedElements()
{
    for (const auto &[node, band] : bandOf) {
        if (band >= 0)
            lastTermColumn = std::max(lastTermColumn, level(node));
    }
    int outputColumn = lastTermColumn + 1;
    for (const NetlistOutput &output : netlist.outputs) {
        if (railOf.count(output.node) == 0)
            outputColumn = std::max(outputColumn, columnOf(output.node) + 1);
    }
    for (const NetlistOutput &output : netlist.outputs) {
        int carrier = -1;
        if (railOf.count(output.node) != 0) {
            // An output that is a rail passes below the terms.
            carrier = passChain(railOf.at(output.node), true, outputColumn - 1,
                                std::numeric_limits<int>::max());
        } else {
            const int band = std::max(0, bandOf.at(output.node));
            const int placed = placeNode(output.node, columnOf(output.node), band);
            carrier = passChain(placed, false, outputColumn - 1, band);
        }
        Element terminal;
        terminal.output = true;
        terminal.node = output.node;
        terminal.column = outputColumn;
        terminal.width = 8 + textWidth(output.name);
        terminal.height = CircuitLayout::terminalHeight;
        terminal.inputs = {carrier};
        terminal.label = output.name;
        terminal.rank = static_cast<int>(&output - netlist.outputs.data());
        addElement(terminal);
    }
    for (auto column = static_cast<int>(columns.size()) - 1; column > lastTermColumn; --column) {
        for (int index : columns[at(column)]) {
            for (int input : elements[at(index)].inputs)
                elements[at(input)].rank =
                    std::min(elements[at(input)].rank, elements[at(index)].rank);
        }
    }
}

void TextbookBuilder::makeElements()
{
    for (const auto &[node, band] : bandOf) {
        if (band >= 0)
            lastTermColumn = std::max(lastTermColumn, level(node));
    }
    const int root = netlist.output;
    const int rootColumn = columnOf(root);
    const int placed = placeNode(root, rootColumn, std::max(0, bandOf.at(root)));
    Element output;
    output.output = true;
    output.node = root;
    output.column = rootColumn + 1;
    output.width = 8 + textWidth(outputName);
    output.height = CircuitLayout::terminalHeight;
    output.inputs = {placed};
    addElement(output);
}

double TextbookBuilder::pinY(const Element &element, std::size_t pin) const
{
    if (element.pass || element.output || element.inputs.size() < 2)
        return element.y;
    return element.y + (static_cast<double>(element.slots[pin]) -
                        (static_cast<double>(element.inputs.size()) - 1) / 2) *
                           CircuitLayout::pinPitch;
}

// The first column is stacked band by band; every later element sits at the
// mean height of what it reads, pushed down just enough to keep its column
// in order and apart.
void TextbookBuilder::placeVertically()
{
    double top =
        CircuitLayout::margin +
        static_cast<double>(std::count_if(rails.begin(), rails.end(),
                                          [](const Rail &rail) { return rail.inverter < 0; })) *
            rowHeight +
        CircuitLayout::gap;
    std::vector<int> &first = columns.front();
    std::stable_sort(first.begin(), first.end(),
                     [&](int a, int b) { return elements[at(a)].band < elements[at(b)].band; });
    double cursor = top;
    for (std::size_t i = 0; i < first.size(); ++i) {
        Element &element = elements[at(first[i])];
        if (i > 0)
            cursor +=
                elements[at(first[i - 1])].band == element.band ? CircuitLayout::gap : bandGap;
        element.y = cursor + element.height / 2;
        cursor += element.height;
        // Rails enter the pins top to bottom in their own order.
        element.slots = CircuitLayout::pinSlots(
            std::vector<double>(element.inputs.begin(), element.inputs.end()));
    }
    for (std::size_t column = 1; column < columns.size(); ++column) {
        std::vector<int> &list = columns[column];
        for (int index : list) {
            Element &element = elements[at(index)];
            std::vector<double> heights;
            for (int input : element.inputs)
                heights.push_back(elements[at(input)].y);
            element.slots = CircuitLayout::pinSlots(heights);
            const double sum = std::accumulate(heights.begin(), heights.end(), 0.0);
            element.y = std::round(sum / static_cast<double>(element.inputs.size()));
        }
        // After the terms, outputs of several keep their order top to
        // bottom, each with what leads to it.
        const bool ranked = several && static_cast<int>(column) > lastTermColumn;
        std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
            const Element &first = elements[at(a)];
            const Element &second = elements[at(b)];
            if (ranked && first.rank != second.rank)
                return first.rank < second.rank;
            return first.y < second.y;
        });
        if (ranked) {
            // Held in the outputs' order, the column is spread around its
            // wishes rather than pushed below the first.
            std::vector<double> heights;
            std::vector<double> wishes;
            for (int index : list) {
                heights.push_back(elements[at(index)].height);
                wishes.push_back(elements[at(index)].y);
            }
            const std::vector<double> centres = CircuitLayout::placeInOrder(heights, wishes);
            // Never above the drawing's top.
            const double shift =
                std::max(0.0, CircuitLayout::margin - (centres.front() - heights.front() / 2));
            for (std::size_t i = 0; i < list.size(); ++i)
                elements[at(list[i])].y = centres[i] + shift;
            continue;
        }
        for (std::size_t i = 1; i < list.size(); ++i) {
            const Element &above = elements[at(list[i - 1])];
            Element &element = elements[at(list[i])];
            element.y = std::max(element.y, above.y + (above.height + element.height) / 2 +
                                                CircuitLayout::gap);
        }
    }
    double bottom = 0;
    for (const Element &element : elements)
        bottom = std::max(bottom, element.y + element.height / 2);
    layout.height = bottom + CircuitLayout::margin;
}

void TextbookBuilder::placeHorizontally()
{
    double terminalWidth = 0;
    for (const Rail &rail : rails) {
        if (rail.inverter < 0)
            terminalWidth = std::max(terminalWidth, 8 + textWidth(railName(rail.node)));
    }
    double x = CircuitLayout::margin + terminalWidth + 2 * CircuitLayout::gap;
    double row = CircuitLayout::margin + rowHeight / 2;
    for (std::size_t r = 0; r < rails.size(); ++r) {
        Rail &rail = rails[r];
        if (rail.inverter >= 0) {
            const double inverterLeft = rails[at(rail.source)].x + CircuitLayout::gap;
            rail.x = inverterLeft + CircuitLayout::inverterWidth +
                     std::max(2 * CircuitLayout::gap, textWidth(railName(rail.node)) + 6);
            rail.top = terminalRow.at(rails[at(rail.source)].node);
        } else {
            rail.x = r == 0 ? x : rails[r - 1].x + 2 * CircuitLayout::gap;
            terminalRow[rail.node] = row;
            rail.top = row;
            row += rowHeight;
        }
    }
    x = rails.back().x + 2 * CircuitLayout::gap;
    double captions = 0;
    for (const Element &element : elements)
        captions = std::max(captions, textWidth(element.caption));
    columnLeft.assign(columns.size(), 0);
    columnWidth.assign(columns.size(), 0);
    for (std::size_t column = 0; column < columns.size(); ++column) {
        double width = CircuitLayout::gap;
        for (int index : columns[column])
            width = std::max(width, elements[at(index)].width);
        if (column > 0) {
            // Room for the captions of the terms before the second level,
            // then one track per wire that changes height.
            std::vector<std::pair<double, double>> spans;
            for (int index : columns[column]) {
                const Element &element = elements[at(index)];
                for (std::size_t pin = 0; pin < element.inputs.size(); ++pin) {
                    const double from = elements[at(element.inputs[pin])].y;
                    if (std::fabs(from - pinY(element, pin)) > 0.5)
                        spans.emplace_back(std::min(from, pinY(element, pin)),
                                           std::max(from, pinY(element, pin)));
                }
            }
            if (static_cast<int>(column) == lastTermColumn + 1)
                x += captions + (captions > 0 ? 8 : 0);
            x += (static_cast<double>(spans.size()) + 1) * CircuitLayout::trackSpacing +
                 2 * CircuitLayout::gap;
        }
        columnLeft[column] = x;
        columnWidth[column] = width;
        x += width;
    }
    layout.width = x + CircuitLayout::margin;
}

void TextbookBuilder::makeItems()
{
    double terminalRight = rails.front().x - 2 * CircuitLayout::gap;
    for (const Rail &rail : rails) {
        const std::string label = railName(rail.node);
        LayoutItem item;
        item.node = rail.node;
        if (rail.inverter < 0) {
            item.kind = netlist.nodes[at(rail.node)].kind == NetlistNode::Kind::Constant
                            ? LayoutItem::Kind::Constant
                            : LayoutItem::Kind::Input;
            item.label = label;
            const double width = 8 + textWidth(label);
            item.body = {terminalRight - width, rail.top - CircuitLayout::terminalHeight / 2, width,
                         CircuitLayout::terminalHeight};
            item.out = {terminalRight, rail.top};
        } else {
            item.type = GateType::Not;
            item.caption = label;
            const double left = rails[at(rail.source)].x + CircuitLayout::gap;
            item.body = {left, rail.top - CircuitLayout::inverterHeight / 2,
                         CircuitLayout::inverterWidth, CircuitLayout::inverterHeight};
            item.pins = {{left, rail.top}};
            item.out = {left + CircuitLayout::inverterWidth, rail.top};
        }
        layout.items.push_back(item);
    }
    for (const Element &element : elements) {
        if (element.pass)
            continue;
        LayoutItem item;
        const double left = columnLeft[at(element.column)];
        item.body = {left, element.y - element.height / 2, element.width, element.height};
        for (std::size_t pin = 0; pin < element.inputs.size(); ++pin)
            item.pins.push_back({left, pinY(element, pin)});
        item.out = {left + element.width, element.y};
        if (element.output) {
            item.kind = LayoutItem::Kind::Output;
            item.label = several ? element.label : outputName;
        } else {
            item.node = element.node;
            item.type = netlist.nodes[at(element.node)].type;
            item.caption = element.caption;
        }
        layout.items.push_back(item);
    }
}

// Each rail from its terminal or NOT down past the lowest tap of any rail;
// a dot wherever a wire leaves it.
void TextbookBuilder::routeRails()
{
    std::vector<std::vector<std::pair<double, double>>> taps(rails.size()); // (y, end x)
    for (int index : columns.front()) {
        const Element &element = elements[at(index)];
        for (std::size_t pin = 0; pin < element.inputs.size(); ++pin)
            taps[at(element.inputs[pin])].emplace_back(
                pinY(element, pin), element.pass ? columnRight(0) : columnLeft.front());
    }
    double bottom = 0;
    for (const auto &list : taps) {
        for (const auto &[y, end] : list)
            bottom = std::max(bottom, y + CircuitLayout::gap);
    }
    for (std::size_t r = 0; r < rails.size(); ++r) {
        const Rail &rail = rails[r];
        LayoutWire &wire = layout.wireOf(rail.node);
        const double start = rail.inverter >= 0 ? rails[at(rail.source)].x + CircuitLayout::gap +
                                                      CircuitLayout::inverterWidth
                                                : rails.front().x - 2 * CircuitLayout::gap;
        wire.segments.push_back({{start, rail.top}, {rail.x, rail.top}});
        wire.segments.push_back({{rail.x, rail.top}, {rail.x, bottom}});
        for (const auto &[y, end] : taps[r]) {
            wire.segments.push_back({{rail.x, y}, {end, y}});
            wire.dots.push_back({rail.x, y});
        }
    }
    for (const Rail &rail : rails) {
        if (rail.inverter < 0)
            continue;
        const Rail &source = rails[at(rail.source)];
        LayoutWire &wire = layout.wireOf(source.node);
        wire.segments.push_back(
            {{source.x, source.top}, {source.x + CircuitLayout::gap, source.top}});
        wire.dots.push_back({source.x, source.top});
    }
}

void TextbookBuilder::routeChannel(int column)
{
    const double from = columnRight(column - 1);
    const double to = columnLeft[at(column)];
    // The pins one source feeds in this column: several only where outputs
    // share a signal, which then branches on its track.
    struct Hop
    {
        int source;
        double y;
        std::vector<double> pins;
        double low() const { return std::min(y, *std::min_element(pins.begin(), pins.end())); }
    };
    std::vector<Hop> hops;
    std::vector<const Element *> passes;
    for (int index : columns[at(column)]) {
        const Element &element = elements[at(index)];
        for (std::size_t pin = 0; pin < element.inputs.size(); ++pin) {
            const int source = element.inputs[pin];
            const auto known = std::find_if(hops.begin(), hops.end(),
                                            [&](const Hop &hop) { return hop.source == source; });
            if (known != hops.end())
                known->pins.push_back(pinY(element, pin));
            else
                hops.push_back({source, elements[at(source)].y, {pinY(element, pin)}});
        }
        if (element.pass)
            passes.push_back(&element);
    }
    std::stable_sort(hops.begin(), hops.end(),
                     [](const Hop &a, const Hop &b) { return a.low() < b.low(); });
    // Tracks right to left in the order the wires are met, so that no wire
    // runs along another: a wire leaving at the height of another's pin
    // turns off left of that one's track, or the two would run on top of
    // each other there.
    std::vector<Hop> ordered;
    while (!hops.empty()) {
        const auto blocked = [&](const Hop &hop) {
            return std::any_of(hops.begin(), hops.end(), [&](const Hop &other) {
                return &other != &hop &&
                       std::any_of(other.pins.begin(), other.pins.end(),
                                   [&](double pin) { return std::fabs(pin - hop.y) < 0.5; });
            });
        };
        auto next = std::find_if_not(hops.begin(), hops.end(), blocked);
        if (next == hops.end())
            next = hops.begin();
        ordered.push_back(*next);
        hops.erase(next);
    }
    const auto straight = [](const Hop &hop) {
        return hop.pins.size() == 1 && std::fabs(hop.y - hop.pins.front()) < 0.5;
    };
    std::vector<double> tracks(ordered.size(), 0);
    std::vector<double> taken; // heights with a wire across the channel
    double track = to - CircuitLayout::gap - CircuitLayout::trackSpacing;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        taken.push_back(ordered[i].y);
        taken.insert(taken.end(), ordered[i].pins.begin(), ordered[i].pins.end());
        if (straight(ordered[i]))
            continue;
        tracks[i] = track;
        track -= CircuitLayout::trackSpacing;
    }
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        const Hop &hop = ordered[i];
        const Element &source = elements[at(hop.source)];
        LayoutWire &wire = layout.wireOf(source.node);
        const double start = source.pass ? from : columnLeft[at(source.column)] + source.width;
        if (straight(hop)) {
            wire.segments.push_back({{start, hop.y}, {to, hop.y}});
            continue;
        }
        wire.segments.push_back({{start, hop.y}, {tracks[i], hop.y}});
        if (!several) {
            wire.segments.push_back({{tracks[i], hop.y}, {tracks[i], hop.pins.front()}});
            wire.segments.push_back({{tracks[i], hop.pins.front()}, {to, hop.pins.front()}});
            continue;
        }
        // Outputs sharing signals can make two wires swap heights, so
        // that neither can turn first: the one reaching a pin at the height
        // another leaves at passes that one's track before it climbs.
        std::vector<double> blockers;
        for (double pin : hop.pins) {
            double blocker = tracks[i];
            for (std::size_t k = 0; k < ordered.size(); ++k) {
                if (k != i && !straight(ordered[k]) && std::fabs(ordered[k].y - pin) < 0.5)
                    blocker = std::max(blocker, tracks[k]);
            }
            blockers.push_back(blocker);
        }
        branch(wire, tracks[i], hop, blockers, to, taken);
    }
    for (const Element *pass : passes)
        layout.wireOf(pass->node)
            .segments.push_back({{to, pass->y}, {columnRight(column), pass->y}});
}

// A signal arriving on its track and leaving it for every pin, with a dot
// wherever three wire ends meet; a pin whose blocker lies right of the track
// is reached from a free height past the blocker.
template <typename Hop>
void TextbookBuilder::branch(LayoutWire &wire, double track, const Hop &hop,
                             const std::vector<double> &blockers, double to,
                             std::vector<double> &taken)
{
    std::vector<double> joins{hop.y};
    for (std::size_t p = 0; p < hop.pins.size(); ++p) {
        const double pin = hop.pins[p];
        if (blockers[p] <= track) {
            joins.push_back(pin);
            wire.segments.push_back({{track, pin}, {to, pin}});
            continue;
        }
        joins.push_back(CircuitLayout::addDetour(wire, track, pin, blockers[p], to, taken));
    }
    const double low = *std::min_element(joins.begin(), joins.end());
    const double high = *std::max_element(joins.begin(), joins.end());
    if (high > low)
        wire.segments.push_back({{track, low}, {track, high}});
    CircuitLayout::addBranchDots(wire, track, joins);
}

// Whether no wire passes through a body and no two signals share a stretch
// of wire; a drawing that fails gives way to the placement by depth.
bool TextbookBuilder::keepsApart() const
{
    const auto enters = [](const LayoutSegment &segment, const LayoutRect &box) {
        return std::min(segment.from.x, segment.to.x) < box.right() - 0.01 &&
               std::max(segment.from.x, segment.to.x) > box.left + 0.01 &&
               std::min(segment.from.y, segment.to.y) < box.bottom() - 0.01 &&
               std::max(segment.from.y, segment.to.y) > box.top + 0.01;
    };
    const auto overlap = [](double a1, double a2, double b1, double b2) {
        return std::min(std::max(a1, a2), std::max(b1, b2)) -
                   std::max(std::min(a1, a2), std::min(b1, b2)) >
               0.01;
    };
    for (const LayoutWire &wire : layout.wires) {
        for (const LayoutSegment &segment : wire.segments) {
            for (const LayoutItem &item : layout.items) {
                if (enters(segment, item.body))
                    return false;
            }
            for (const LayoutWire &other : layout.wires) {
                if (&other == &wire)
                    continue;
                for (const LayoutSegment &second : other.segments) {
                    const bool flat = segment.from.y == segment.to.y;
                    const bool otherFlat = second.from.y == second.to.y;
                    if (flat && otherFlat && segment.from.y == second.from.y &&
                        overlap(segment.from.x, segment.to.x, second.from.x, second.to.x))
                        return false;
                    if (!flat && !otherFlat && segment.from.x == second.from.x &&
                        overlap(segment.from.y, segment.to.y, second.from.y, second.to.y))
                        return false;
                }
            }
        }
    }
    return true;
}

// "A" and "A'" for the rails of A, whether inverted inside or outside.
std::string TextbookBuilder::railName(int node) const
{
    const NetlistNode &source = netlist.nodes[at(node)];
    if (source.kind == NetlistNode::Kind::Gate)
        return netlist.sourceName(source.inputs.front()) + "'";
    return netlist.sourceName(node);
}

// The term a first-level gate forms, in the window's notation.
std::string TextbookBuilder::termText(int node) const
{
    const NetlistNode &gate = netlist.nodes[at(node)];
    std::vector<std::string> literals;
    std::function<void(int)> collect = [&](int input) {
        if (railOf.count(input) != 0) {
            literals.push_back(railName(input));
            return;
        }
        for (int next : netlist.nodes[at(input)].inputs)
            collect(next);
    };
    collect(node);
    const bool product = gate.type == GateType::And;
    std::string text = product ? "" : "(";
    for (std::size_t i = 0; i < literals.size(); ++i)
        text += (i > 0 ? (product ? "&" : "+") : "") + literals[i];
    return product ? text : text + ")";
}

} // namespace

bool TextbookLayout::compute(const Netlist &netlist, const std::string &outputName,
                             CircuitLayout &layout)
{
    if (netlist.output < 0)
        return false;
    return TextbookBuilder(netlist, outputName).run(layout);
}
