// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitLayout.h"

#include "circuit/TextbookLayout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <map>
#include <numeric>
#include <utility>

namespace {

// A vertex of the layered graph: a netlist node, the output, or a slot that
// carries a signal through a column it skips.
struct Vertex
{
    int node = -1; // netlist node; for a slot the node whose signal it carries
    bool slot = false;
    bool output = false;
    int layer = 0;
    double width = 0;
    double height = 0;
    std::vector<int> inputs; // vertices, by pin
    std::vector<int> successors;
    // Where each input enters, top to bottom: gates are commutative, so
    // inputs take the slots in the order of their sources' heights.
    std::vector<std::size_t> slots;
    double order = 0;
    double y = 0;      // centre
    std::string label; // an output's name
};

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

double pinOffset(const Vertex &vertex, std::size_t pin)
{
    if (vertex.slot || vertex.output || vertex.inputs.size() < 2)
        return 0;
    const std::size_t slot = pin < vertex.slots.size() ? vertex.slots[pin] : pin;
    return (static_cast<double>(slot) - (static_cast<double>(vertex.inputs.size()) - 1) / 2) *
           CircuitLayout::pinPitch;
}

// Places centres as close to their wishes as the order and the spacing
// allow.
void placeInOrder(std::vector<Vertex> &vertices, const std::vector<int> &column,
                  const std::vector<double> &wishes)
{
    std::vector<double> heights;
    heights.reserve(column.size());
    for (int v : column)
        heights.push_back(vertices[at(v)].height);
    const std::vector<double> centres = CircuitLayout::placeInOrder(heights, wishes);
    for (std::size_t i = 0; i < column.size(); ++i)
        vertices[at(column[i])].y = centres[i];
}

class LayoutBuilder
{
public:
    LayoutBuilder(const Netlist &netlist, std::string outputName)
        : netlist(netlist), outputName(std::move(outputName))
    {}

    CircuitLayout run()
    {
        makeVertices();
        addSlots();
        orderColumns();
        placeVertically();
        placeHorizontally();
        makeItems();
        routeWires();
        return std::move(layout);
    }

private:
    void makeVertices();
    void addSlots();
    void orderColumns();
    void sortColumn(int layer, bool bySources);
    void placeVertically();
    void placeHorizontally();
    void makeItems();
    void routeWires();
    void routeChannel(int layer);

    const Netlist &netlist;
    std::string outputName;
    std::vector<Vertex> vertices;
    std::vector<std::vector<int>> columns;
    std::vector<double> columnLeft;
    std::vector<double> columnWidth;
    std::vector<std::vector<int>> channelNets; // per channel after a column: source vertices
    CircuitLayout layout;
};

void LayoutBuilder::makeVertices()
{
    int lastLayer = 0;
    for (std::size_t i = 0; i < netlist.nodes.size(); ++i) {
        const NetlistNode &node = netlist.nodes[i];
        Vertex vertex;
        vertex.node = static_cast<int>(i);
        if (node.kind == NetlistNode::Kind::Gate) {
            for (int input : node.inputs) {
                vertex.inputs.push_back(input);
                vertex.layer = std::max(vertex.layer, vertices[at(input)].layer + 1);
            }
            const bool inverter = node.type == GateType::Not;
            vertex.width = inverter ? CircuitLayout::inverterWidth : CircuitLayout::gateWidth;
            vertex.height =
                inverter ? CircuitLayout::inverterHeight
                         : static_cast<double>(std::max<std::size_t>(node.inputs.size(), 2)) *
                               CircuitLayout::pinPitch;
        } else {
            vertex.width = 8 + CircuitLayout::characterWidth *
                                   static_cast<double>(netlist.sourceName(vertex.node).size());
            vertex.height = CircuitLayout::terminalHeight;
        }
        lastLayer = std::max(lastLayer, vertex.layer);
        vertices.push_back(vertex);
    }
    std::vector<NetlistOutput> outputs = netlist.outputs;
    if (outputs.empty())
        outputs.push_back({netlist.output, outputName});
    for (const NetlistOutput &named : outputs) {
        Vertex output;
        output.output = true;
        output.node = named.node;
        output.label = named.name;
        output.layer = lastLayer + 1;
        output.width = 8 + CircuitLayout::characterWidth * static_cast<double>(named.name.size());
        output.height = CircuitLayout::terminalHeight;
        output.inputs.assign(1, named.node);
        vertices.push_back(output);
    }
    columns.resize(at(lastLayer + 2));
}

// A signal read more than one column further on is carried through each
// column between by a slot, one per signal and column, from which the
// readers of the next column branch off.
void LayoutBuilder::addSlots()
{
    const std::size_t realCount = vertices.size();
    std::vector<std::vector<std::pair<int, std::size_t>>> readers(realCount);
    for (std::size_t v = 0; v < realCount; ++v) {
        for (std::size_t pin = 0; pin < vertices[v].inputs.size(); ++pin)
            readers[at(vertices[v].inputs[pin])].emplace_back(static_cast<int>(v), pin);
    }
    for (std::size_t source = 0; source < realCount; ++source) {
        std::map<int, int> carrier; // layer -> vertex carrying the signal out of it
        carrier[vertices[source].layer] = static_cast<int>(source);
        int farthest = vertices[source].layer;
        for (const auto &[reader, pin] : readers[source])
            farthest = std::max(farthest, vertices[at(reader)].layer);
        for (int layer = vertices[source].layer + 1; layer < farthest; ++layer) {
            Vertex slot;
            slot.slot = true;
            slot.node = static_cast<int>(source);
            slot.layer = layer;
            slot.inputs.assign(1, carrier[layer - 1]);
            carrier[layer] = static_cast<int>(vertices.size());
            vertices.push_back(slot);
        }
        for (const auto &[reader, pin] : readers[source])
            vertices[at(reader)].inputs[pin] = carrier[vertices[at(reader)].layer - 1];
    }
    for (std::size_t v = 0; v < vertices.size(); ++v) {
        for (int input : vertices[v].inputs)
            vertices[at(input)].successors.push_back(static_cast<int>(v));
    }
}

void LayoutBuilder::sortColumn(int layer, bool bySources)
{
    std::vector<int> &column = columns[at(layer)];
    std::vector<std::pair<double, int>> keyed;
    for (int v : column) {
        const std::vector<int> &next =
            bySources ? vertices[at(v)].inputs : vertices[at(v)].successors;
        double key = vertices[at(v)].order;
        if (!next.empty()) {
            key = 0;
            for (int other : next)
                key += vertices[at(other)].order;
            key /= static_cast<double>(next.size());
        }
        keyed.emplace_back(key, v);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        column[i] = keyed[i].second;
        vertices[at(keyed[i].second)].order = static_cast<double>(i);
    }
}

// Inputs stay in the order of the variables, each complement below its
// variable; the columns after them are sorted by the mean position of their
// neighbours, a few sweeps each way, to keep crossings few.
void LayoutBuilder::orderColumns()
{
    for (std::size_t v = 0; v < vertices.size(); ++v) {
        Vertex &vertex = vertices[v];
        columns[at(vertex.layer)].push_back(static_cast<int>(v));
        if (vertex.layer == 0 && !vertex.slot) {
            const NetlistNode &node = netlist.nodes[at(vertex.node)];
            const bool inverted = node.kind == NetlistNode::Kind::InvertedInput;
            vertex.order = 2.0 * std::max(0, node.variable) + (inverted ? 1 : 0);
        } else {
            vertex.order = static_cast<double>(columns[at(vertex.layer)].size());
        }
    }
    const int lastLayer = static_cast<int>(columns.size()) - 1;
    std::stable_sort(columns[0].begin(), columns[0].end(),
                     [&](int a, int b) { return vertices[at(a)].order < vertices[at(b)].order; });
    for (std::size_t i = 0; i < columns[0].size(); ++i)
        vertices[at(columns[0][i])].order = static_cast<double>(i);
    for (int round = 0; round < 3; ++round) {
        for (int layer = 1; layer <= lastLayer; ++layer)
            sortColumn(layer, true);
        if (round == 2)
            break;
        for (int layer = lastLayer - 1; layer >= 1; --layer)
            sortColumn(layer, false);
    }
}

void LayoutBuilder::placeVertically()
{
    for (const std::vector<int> &column : columns) {
        std::vector<double> wishes;
        for (int v : column) {
            Vertex &vertex = vertices[at(v)];
            std::vector<double> heights;
            for (int input : vertex.inputs)
                heights.push_back(vertices[at(input)].y);
            vertex.slots = CircuitLayout::pinSlots(heights);
            if (vertex.inputs.empty()) {
                wishes.push_back(0);
                continue;
            }
            double sum = 0;
            for (std::size_t pin = 0; pin < vertex.inputs.size(); ++pin)
                sum += vertices[at(vertex.inputs[pin])].y - pinOffset(vertex, pin);
            wishes.push_back(sum / static_cast<double>(vertex.inputs.size()));
        }
        placeInOrder(vertices, column, wishes);
    }
    double top = std::numeric_limits<double>::max();
    double bottom = std::numeric_limits<double>::lowest();
    for (const Vertex &vertex : vertices) {
        top = std::min(top, vertex.y - vertex.height / 2);
        bottom = std::max(bottom, vertex.y + vertex.height / 2);
    }
    for (Vertex &vertex : vertices)
        vertex.y += CircuitLayout::margin - top;
    layout.height = bottom - top + 2 * CircuitLayout::margin;
}

void LayoutBuilder::placeHorizontally()
{
    channelNets.resize(columns.size());
    double x = CircuitLayout::margin;
    for (std::size_t layer = 0; layer < columns.size(); ++layer) {
        double width = 0;
        for (int v : columns[layer])
            width = std::max(width, vertices[at(v)].width);
        columnLeft.push_back(x);
        columnWidth.push_back(width);
        // Every signal read by the next column takes a track in the channel.
        for (int v : columns[layer]) {
            if (!vertices[at(v)].successors.empty())
                channelNets[layer].push_back(v);
        }
        x += width;
        if (layer + 1 < columns.size())
            x +=
                (static_cast<double>(channelNets[layer].size()) + 1) * CircuitLayout::trackSpacing +
                2 * CircuitLayout::gap;
    }
    layout.width = x + CircuitLayout::margin;
}

void LayoutBuilder::makeItems()
{
    for (const Vertex &vertex : vertices) {
        if (vertex.slot)
            continue;
        LayoutItem item;
        item.node = vertex.output ? -1 : vertex.node;
        const std::size_t layer = at(vertex.layer);
        // The inputs and constants end flush with their column's right edge.
        const double left = vertex.layer == 0
                                ? columnLeft[layer] + columnWidth[layer] - vertex.width
                                : columnLeft[layer];
        item.body = {left, vertex.y - vertex.height / 2, vertex.width, vertex.height};
        for (std::size_t pin = 0; pin < vertex.inputs.size(); ++pin)
            item.pins.push_back({left, vertex.y + pinOffset(vertex, pin)});
        item.out = {left + vertex.width, vertex.y};
        if (vertex.output) {
            item.kind = LayoutItem::Kind::Output;
            item.label = vertex.label;
        } else {
            const NetlistNode &node = netlist.nodes[at(vertex.node)];
            item.type = node.type;
            item.label = netlist.sourceName(vertex.node);
            item.kind = node.kind == NetlistNode::Kind::Gate       ? LayoutItem::Kind::Gate
                        : node.kind == NetlistNode::Kind::Constant ? LayoutItem::Kind::Constant
                                                                   : LayoutItem::Kind::Input;
        }
        layout.items.push_back(item);
    }
}

void LayoutBuilder::routeWires()
{
    for (std::size_t layer = 0; layer + 1 < columns.size(); ++layer)
        routeChannel(static_cast<int>(layer));
}

void LayoutBuilder::routeChannel(int layer)
{
    const std::size_t index = at(layer);
    const double columnRight = columnLeft[index] + columnWidth[index];
    const double nextLeft = columnLeft[index + 1];
    const std::vector<int> &nets = channelNets[index];

    // Pins of the next column, per source vertex.
    std::map<int, std::vector<double>> pinHeights;
    for (int v : columns[index + 1]) {
        const Vertex &reader = vertices[at(v)];
        for (std::size_t pin = 0; pin < reader.inputs.size(); ++pin)
            pinHeights[reader.inputs[pin]].push_back(reader.y + pinOffset(reader, pin));
    }

    // A wire leaving at the height of another signal's pin must turn off
    // before that signal's track starts, or the two would run on top of
    // each other: order the tracks so, else by the height they leave at.
    const auto same = [](double a, double b) { return std::fabs(a - b) < 0.5; };
    std::vector<int> pending(nets.begin(), nets.end());
    std::sort(pending.begin(), pending.end(),
              [&](int a, int b) { return vertices[at(a)].y < vertices[at(b)].y; });
    std::vector<int> tracks;
    while (!pending.empty()) {
        std::size_t chosen = 0;
        for (std::size_t i = 0; i < pending.size(); ++i) {
            bool blocked = false;
            for (std::size_t k = 0; k < pending.size() && !blocked; ++k) {
                if (k == i)
                    continue;
                // pending[k] must come first if it leaves at one of pending[i]'s pins.
                for (double pin : pinHeights[pending[i]])
                    blocked = blocked || same(vertices[at(pending[k])].y, pin);
            }
            if (!blocked) {
                chosen = i;
                break;
            }
        }
        tracks.push_back(pending[chosen]);
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(chosen));
    }

    std::map<int, double> trackOf;
    std::map<double, int> leavingAt; // source height -> source vertex
    std::vector<double> taken;       // heights with a horizontal wire
    for (std::size_t t = 0; t < tracks.size(); ++t) {
        trackOf[tracks[t]] = columnRight + CircuitLayout::gap +
                             CircuitLayout::trackSpacing * static_cast<double>(t + 1);
        leavingAt[vertices[at(tracks[t])].y] = tracks[t];
        taken.push_back(vertices[at(tracks[t])].y);
        for (double pin : pinHeights[tracks[t]])
            taken.push_back(pin);
    }

    for (int net : tracks) {
        const Vertex &source = vertices[at(net)];
        LayoutWire &wire = layout.wireOf(source.node);
        const double y = source.y;
        // Through the source's own column: a slot's full width, or from a
        // narrower gate's output to the column's edge.
        const double start = source.slot ? columnLeft[index] : columnLeft[index] + source.width;
        const double from = layer == 0 && !source.slot ? columnRight : start;
        if (from < columnRight)
            wire.segments.push_back({{from, y}, {columnRight, y}});
        const std::vector<double> &pins = pinHeights[net];
        if (pins.size() == 1 && same(pins.front(), y)) {
            wire.segments.push_back({{columnRight, y}, {nextLeft, y}});
            continue;
        }
        const double trackX = trackOf[net];
        wire.segments.push_back({{columnRight, y}, {trackX, y}});
        std::vector<double> joins{y};
        for (double pin : pins) {
            // Two signals that swap heights cannot both turn first: this
            // one leaves its track a little off the pin's height and
            // reaches the pin past the other's corner.
            const auto other = leavingAt.find(pin);
            if (other == leavingAt.end() || other->second == net ||
                trackOf[other->second] < trackX) {
                joins.push_back(pin);
                wire.segments.push_back({{trackX, pin}, {nextLeft, pin}});
                continue;
            }
            joins.push_back(CircuitLayout::addDetour(wire, trackX, pin, trackOf[other->second],
                                                     nextLeft, taken));
        }
        const double low = *std::min_element(joins.begin(), joins.end());
        const double high = *std::max_element(joins.begin(), joins.end());
        if (high > low)
            wire.segments.push_back({{trackX, low}, {trackX, high}});
        CircuitLayout::addBranchDots(wire, trackX, joins);
    }
}

} // namespace

CircuitLayout CircuitLayout::compute(const Netlist &netlist, const std::string &outputName)
{
    CircuitLayout textbook;
    if (TextbookLayout::compute(netlist, outputName, textbook))
        return textbook;
    return LayoutBuilder(netlist, outputName).run();
}

double CircuitLayout::addDetour(LayoutWire &wire, double track, double pin, double blocker,
                                double to, std::vector<double> &taken)
{
    double detour = pin;
    bool found = false;
    for (int step = 4; !found; step += 2) {
        for (double candidate : {pin + step, pin - step}) {
            const bool free = std::none_of(taken.begin(), taken.end(), [&](double used) {
                return std::fabs(used - candidate) < 2;
            });
            if (free && !found) {
                detour = candidate;
                found = true;
            }
        }
    }
    taken.push_back(detour);
    const double jog = blocker + trackSpacing / 2;
    wire.segments.push_back({{track, detour}, {jog, detour}});
    wire.segments.push_back({{jog, std::min(detour, pin)}, {jog, std::max(detour, pin)}});
    wire.segments.push_back({{jog, pin}, {to, pin}});
    return detour;
}

std::vector<double> CircuitLayout::placeInOrder(const std::vector<double> &heights,
                                                const std::vector<double> &wishes)
{
    const std::size_t count = heights.size();
    std::vector<double> offsets(count, 0);
    for (std::size_t i = 1; i < count; ++i)
        offsets[i] = offsets[i - 1] + (heights[i - 1] + heights[i]) / 2 + gap;
    // Pool adjacent violators: each block sits at the mean of its members'
    // wishes, less their offsets, merged while blocks would overlap.
    struct Block
    {
        double sum;
        int size;
    };
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < count; ++i) {
        blocks.push_back({wishes[i] - offsets[i], 1});
        while (blocks.size() > 1) {
            const Block &last = blocks.back();
            const Block &before = blocks[blocks.size() - 2];
            if (before.sum / before.size <= last.sum / last.size)
                break;
            const Block merged{before.sum + last.sum, before.size + last.size};
            blocks.pop_back();
            blocks.back() = merged;
        }
    }
    // Whole pixels keep pins and the wires that meet them on one height;
    // rounding the blocks keeps their order, so the spacing holds.
    std::vector<double> centres;
    centres.reserve(count);
    std::size_t i = 0;
    for (const Block &block : blocks) {
        const double base = std::round(block.sum / block.size);
        for (int k = 0; k < block.size; ++k, ++i)
            centres.push_back(base + offsets[i]);
    }
    return centres;
}

void CircuitLayout::addBranchDots(LayoutWire &wire, double x, const std::vector<double> &joins)
{
    const auto same = [](double a, double b) { return std::fabs(a - b) < 0.5; };
    const double low = *std::min_element(joins.begin(), joins.end());
    const double high = *std::max_element(joins.begin(), joins.end());
    for (double join : joins) {
        int ends = high <= low ? 0 : (same(join, low) || same(join, high)) ? 1 : 2;
        for (double other : joins)
            ends += same(other, join) ? 1 : 0;
        const bool recorded =
            std::any_of(wire.dots.begin(), wire.dots.end(), [&](const LayoutPoint &dot) {
                return same(dot.x, x) && same(dot.y, join);
            });
        if (ends >= 3 && !recorded)
            wire.dots.push_back({x, join});
    }
}

int CircuitLayout::itemAt(double x, double y) const
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].body.contains(x, y))
            return static_cast<int>(i);
    }
    return -1;
}

LayoutWire &CircuitLayout::wireOf(int source)
{
    for (LayoutWire &wire : wires) {
        if (wire.source == source)
            return wire;
    }
    wires.push_back(LayoutWire{source, {}, {}});
    return wires.back();
}

std::vector<std::size_t> CircuitLayout::pinSlots(const std::vector<double> &keys)
{
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<std::size_t> slots(keys.size(), 0);
    for (std::size_t slot = 0; slot < order.size(); ++slot)
        slots[order[slot]] = slot;
    return slots;
}
