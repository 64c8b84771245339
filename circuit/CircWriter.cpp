// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircWriter.h"

#include "circuit/VerilogWriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <map>
#include <tuple>
#include <utility>

namespace {

// Medium gates; the inverter keeps the simulator's default (wide) size.
constexpr int gateSize = 50;
constexpr int inverterSize = 30;
constexpr int pinSize = 20;
constexpr int grid = 10;
// Between a column's edge and its first rail, and between bodies.
constexpr int clearance = 20;
constexpr int top = 40;

struct Segment
{
    int net = -1;
    int row = 0;
    int x1 = 0; // x1 < x2
    int x2 = 0;
};

// Where a horizontal wire meets its signal's rail.
struct RailEnd
{
    int net = -1;
    int x = 0;
    int row = 0;
};

struct Body
{
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// A part to place: an input, constant, gate or the output, with its wires
// relative to its row.
struct Part
{
    int node = -1; // -1: the output pin, or an input pin no gate reads
    int variable = -1;
    bool output = false;
    int x = 0; // the location: the output port, or the input port of the output pin
    int left = 0;
    int halfHeight = 0;
    std::vector<int> offsets; // rows of the input ports, relative
    std::vector<int> sources; // the net of each input port
    int row = 0;
    std::string label; // an output pin's
};

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

// Rows of the input ports of a medium gate with `inputs` ports, relative to
// its output, as the simulator spaces them.
std::vector<int> inputOffsets(int inputs)
{
    const bool wide = inputs <= 3;
    const int start = wide ? -10 : -5;
    const int distance = wide ? 20 : 10;
    const int lowerEven = wide ? 20 : 10;
    std::vector<int> offsets;
    for (int i = 0; i < inputs; ++i) {
        if (inputs % 2 == 1) {
            offsets.push_back(start * (inputs - 1) + distance * i);
        } else {
            offsets.push_back(start * inputs + distance * i + (i >= inputs / 2 ? lowerEven : 0));
        }
    }
    return offsets;
}

const char *gateName(GateType type)
{
    switch (type) {
    case GateType::And:
        return "AND Gate";
    case GateType::Or:
        return "OR Gate";
    case GateType::Nand:
        return "NAND Gate";
    case GateType::Nor:
        return "NOR Gate";
    case GateType::Not:
        break;
    }
    return "NOT Gate";
}

int roundToGrid(double value)
{
    return static_cast<int>(value / grid + (value < 0 ? -0.5 : 0.5)) * grid;
}

class Placer
{
public:
    Placer(const Netlist &netlist, std::string outputName);
    CircFile build();

private:
    void computeColumns();
    void computeX();
    void makeParts();
    void place(Part &part, int wish);
    bool fits(const Part &part, int row) const;
    void occupy(const Part &part);
    std::vector<Segment> segmentsOf(const Part &part, int row) const;
    std::vector<RailEnd> railEndsOf(const Part &part, int row) const;
    Body bodyOf(const Part &part, int row) const;
    int outputNet(const Part &part) const;
    // The output pins: the netlist's outputs, or its one output.
    std::vector<NetlistOutput> outputs() const;
    CircComponent componentOf(const Part &part) const;

    const Netlist &netlist;
    std::string outputName;
    std::vector<int> column;
    std::vector<bool> read;
    std::map<int, int> railX;
    std::vector<int> columnLeft;
    int outputColumn = 1;
    int pinX = 0;
    std::vector<Part> parts;
    std::map<int, int> rowOf; // node -> row of its part
    std::vector<Segment> segments;
    std::vector<RailEnd> railEnds;
    std::vector<Body> bodies;
};

Placer::Placer(const Netlist &netlist, std::string outputName)
    : netlist(netlist), outputName(std::move(outputName))
{}

void Placer::computeColumns()
{
    const std::size_t count = netlist.nodes.size();
    std::vector<int> level(count, 0);
    read.assign(count, false);
    int deepest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const NetlistNode &node = netlist.nodes[i];
        if (node.kind != NetlistNode::Kind::Gate)
            continue;
        for (int input : node.inputs) {
            level[i] = std::max(level[i], level[at(input)] + 1);
            read[at(input)] = true;
        }
        level[i] = std::max(level[i], 1);
        deepest = std::max(deepest, level[i]);
    }
    for (const NetlistOutput &output : outputs())
        if (output.node >= 0)
            read[at(output.node)] = true;
    outputColumn = deepest + 1;
    // As late as the readers allow: the first-level gates then share the
    // column before the output gate, whatever their depth.
    column.assign(count, 0);
    std::vector<int> latest(count, outputColumn);
    for (std::size_t i = count; i-- > 0;) {
        const NetlistNode &node = netlist.nodes[i];
        if (node.kind != NetlistNode::Kind::Gate)
            continue;
        column[i] = std::max(level[i], latest[i] - 1);
        for (int input : node.inputs)
            latest[at(input)] = std::min(latest[at(input)], column[i]);
    }
}

void Placer::computeX()
{
    std::size_t longest = 1;
    for (int j = 0; j < netlist.variableCount; ++j)
        longest = std::max(longest, netlist.names[at(j)].size() + 1);
    // Room for the labels, which stand left of the input pins.
    pinX = roundToGrid(pinSize + 8.0 * static_cast<double>(longest)) + 2 * grid;
    columnLeft.assign(at(outputColumn + 1), 0);
    int edge = pinX;
    for (int c = 0; c <= outputColumn; ++c) {
        if (c > 0) {
            columnLeft[at(c)] = edge + clearance;
            edge = columnLeft[at(c)] + gateSize;
        }
        int x = edge + clearance - grid;
        for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
            if (read[i] && column[i] == c) {
                x += grid;
                railX[static_cast<int>(i)] = x;
            }
        }
        edge = std::max(edge, x);
    }
}

void Placer::makeParts()
{
    // Inputs first, each variable's pin before its complement, then the
    // constants, the gates column by column, and the output.
    std::vector<std::tuple<int, int, int>> inputs; // (variable, kind, node)
    std::vector<bool> pinned(at(netlist.variableCount), false);
    for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
        const NetlistNode &node = netlist.nodes[i];
        const int index = static_cast<int>(i);
        if (node.kind == NetlistNode::Kind::Input) {
            inputs.emplace_back(node.variable, 0, index);
            pinned[at(node.variable)] = true;
        } else if (node.kind == NetlistNode::Kind::InvertedInput) {
            inputs.emplace_back(node.variable, 1, index);
        } else if (node.kind == NetlistNode::Kind::Constant) {
            inputs.emplace_back(netlist.variableCount, 2, index);
        }
    }
    // A variable the function does not depend on still gets its pin.
    for (int j = 0; j < netlist.variableCount; ++j) {
        if (!pinned[at(j)])
            inputs.emplace_back(j, 0, -1);
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto &[variable, kind, node] : inputs) {
        Part part;
        part.node = node;
        part.variable = variable;
        part.x = pinX;
        part.left = pinX - pinSize;
        part.halfHeight = pinSize / 2;
        parts.push_back(part);
    }
    for (int c = 1; c < outputColumn; ++c) {
        for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
            const NetlistNode &node = netlist.nodes[i];
            if (node.kind != NetlistNode::Kind::Gate || column[i] != c)
                continue;
            Part part;
            part.node = static_cast<int>(i);
            part.left = columnLeft[at(c)];
            if (node.type == GateType::Not) {
                part.x = part.left + inverterSize;
                part.offsets = {0};
                part.sources = {node.inputs.front()};
                part.halfHeight = 2 * grid;
            } else {
                // The simulator's gates take two inputs at least; a
                // one-input gate reads its signal twice.
                const int shown = std::max(2, static_cast<int>(node.inputs.size()));
                part.x = part.left + gateSize;
                part.offsets = inputOffsets(shown);
                for (int k = 0; k < shown; ++k)
                    part.sources.push_back(
                        node.inputs[at(std::min(k, static_cast<int>(node.inputs.size()) - 1))]);
                part.halfHeight = std::max(3 * grid, part.offsets.back() + grid);
            }
            parts.push_back(part);
        }
    }
    for (const NetlistOutput &named : outputs()) {
        Part output;
        output.output = true;
        output.x = columnLeft[at(outputColumn)];
        output.left = output.x;
        output.halfHeight = pinSize / 2;
        output.label = named.name;
        if (named.node >= 0) {
            output.offsets = {0};
            output.sources = {named.node};
        }
        parts.push_back(output);
    }
}

std::vector<NetlistOutput> Placer::outputs() const
{
    if (netlist.severalOutputs())
        return netlist.outputs;
    return {{netlist.output, outputName}};
}

int Placer::outputNet(const Part &part) const
{
    return part.output || part.node < 0 || !read[at(part.node)] ? -1 : part.node;
}

std::vector<Segment> Placer::segmentsOf(const Part &part, int row) const
{
    std::vector<Segment> result;
    const int inputX = part.output ? part.x : part.left;
    for (std::size_t k = 0; k < part.sources.size(); ++k) {
        const int net = part.sources[k];
        result.push_back({net, row + part.offsets[k], railX.at(net), inputX});
    }
    const int net = outputNet(part);
    if (net >= 0)
        result.push_back({net, row, part.x, railX.at(net)});
    return result;
}

std::vector<RailEnd> Placer::railEndsOf(const Part &part, int row) const
{
    std::vector<RailEnd> result;
    for (std::size_t k = 0; k < part.sources.size(); ++k) {
        const int net = part.sources[k];
        result.push_back({net, railX.at(net), row + part.offsets[k]});
    }
    const int net = outputNet(part);
    if (net >= 0)
        result.push_back({net, railX.at(net), row});
    return result;
}

Body Placer::bodyOf(const Part &part, int row) const
{
    const int right = part.output ? part.x + pinSize : part.x;
    return {part.left, right, row - part.halfHeight, row + part.halfHeight};
}

bool Placer::fits(const Part &part, int row) const
{
    const Body body = bodyOf(part, row);
    for (const Body &other : bodies) {
        if (body.left < other.right && other.left < body.right && body.top < other.bottom + grid &&
            other.top < body.bottom + grid)
            return false;
    }
    const std::vector<Segment> mine = segmentsOf(part, row);
    const std::vector<RailEnd> ends = railEndsOf(part, row);
    auto crosses = [](const Segment &segment, const Body &box) {
        return segment.row > box.top && segment.row < box.bottom && segment.x1 < box.right &&
               box.left < segment.x2;
    };
    auto touches = [](const Segment &segment, const RailEnd &end) {
        return segment.net != end.net && segment.row == end.row && segment.x1 <= end.x &&
               end.x <= segment.x2;
    };
    for (const Segment &segment : mine) {
        for (const Segment &other : segments) {
            if (segment.row == other.row && segment.x1 <= other.x2 && other.x1 <= segment.x2)
                return false;
        }
        for (const Body &other : bodies) {
            if (crosses(segment, other))
                return false;
        }
        for (const RailEnd &end : railEnds) {
            if (touches(segment, end))
                return false;
        }
    }
    for (const Segment &other : segments) {
        if (crosses(other, body))
            return false;
        for (const RailEnd &end : ends) {
            if (touches(other, end))
                return false;
        }
    }
    return true;
}

void Placer::occupy(const Part &part)
{
    const std::vector<Segment> mine = segmentsOf(part, part.row);
    segments.insert(segments.end(), mine.begin(), mine.end());
    const std::vector<RailEnd> ends = railEndsOf(part, part.row);
    railEnds.insert(railEnds.end(), ends.begin(), ends.end());
    bodies.push_back(bodyOf(part, part.row));
    if (part.node >= 0)
        rowOf[part.node] = part.row;
}

void Placer::place(Part &part, int wish)
{
    // The free row nearest the wish; far enough down every row is free.
    const int highest = top + part.halfHeight;
    wish = std::max(wish, highest);
    for (int distance = 0;; distance += grid) {
        for (int row : {wish + distance, wish - distance}) {
            if (row >= highest && fits(part, row)) {
                part.row = row;
                occupy(part);
                return;
            }
        }
    }
}

CircComponent Placer::componentOf(const Part &part) const
{
    CircComponent component;
    component.location = {part.x, part.row};
    component.library = CircFile::wiringLibrary;
    component.name = "Pin";
    const NetlistNode *node = part.node >= 0 ? &netlist.nodes[at(part.node)] : nullptr;
    if (part.output) {
        component.attributes = {
            {"facing", "west"}, {"output", "true"}, {"labelloc", "east"}, {"label", part.label}};
    } else if (node != nullptr && node->kind == NetlistNode::Kind::Gate) {
        component.library = CircFile::gatesLibrary;
        component.name = gateName(node->type);
        if (node->type != GateType::Not)
            component.attributes = {{"size", std::to_string(gateSize)},
                                    {"inputs", std::to_string(part.sources.size())}};
    } else if (node != nullptr && node->kind == NetlistNode::Kind::Constant) {
        component.name = "Constant";
        component.attributes = {{"value", node->value ? "0x1" : "0x0"}};
    } else {
        const bool inverted = node != nullptr && node->kind == NetlistNode::Kind::InvertedInput;
        component.attributes = {
            {"tristate", "false"},
            {"label", netlist.names[at(part.variable)] + (inverted ? "'" : "")}};
    }
    return component;
}

CircFile Placer::build()
{
    computeColumns();
    computeX();
    makeParts();
    int nextInputRow = top + pinSize / 2;
    for (Part &part : parts) {
        int wish = nextInputRow;
        if (!part.sources.empty()) {
            double sum = 0;
            for (int source : part.sources)
                sum += rowOf.at(source);
            wish = roundToGrid(sum / static_cast<double>(part.sources.size()));
        }
        place(part, wish);
        if (part.sources.empty())
            nextInputRow = part.row + pinSize + grid;
    }

    CircFile file;
    std::map<int, std::vector<int>> railRows;
    for (const RailEnd &end : railEnds)
        railRows[end.net].push_back(end.row);
    for (auto &[net, rows] : railRows) {
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        const int x = railX.at(net);
        for (std::size_t i = 1; i < rows.size(); ++i)
            file.wires.push_back({{x, rows[i - 1]}, {x, rows[i]}});
    }
    for (const Segment &segment : segments)
        file.wires.push_back({{segment.x1, segment.row}, {segment.x2, segment.row}});

    for (const Part &part : parts)
        file.components.push_back(componentOf(part));
    return file;
}

} // namespace

CircFile CircWriter::model(const Netlist &netlist)
{
    return Placer(netlist, VerilogWriter::outputName(netlist)).build();
}

std::string CircWriter::write(const Netlist &netlist)
{
    return model(netlist).text();
}
