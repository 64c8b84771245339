// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/Netlist.h"

#include <string>
#include <vector>

struct LayoutPoint
{
    double x = 0;
    double y = 0;
};

struct LayoutRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool contains(double x, double y) const
    {
        return x >= left && x <= right() && y >= top && y <= bottom();
    }
};

// A horizontal or vertical piece of wire.
struct LayoutSegment
{
    LayoutPoint from;
    LayoutPoint to;
};

// Something drawn with a body: a gate, an input or constant on the left, or
// the output on the right.
struct LayoutItem
{
    enum class Kind
    {
        Gate,
        Input,
        Constant,
        Output,
    };

    Kind kind = Kind::Gate;
    int node = -1; // the netlist node; -1 for the output
    GateType type = GateType::And;
    LayoutRect body;
    std::vector<LayoutPoint> pins; // where the input wires end, in the order of the inputs
    LayoutPoint out;               // where the output wire starts (not for the output)
    std::string label;             // inputs, constants and the output
    // Written above the wire leaving a gate: the term it forms, or the name
    // of the complement an inverter puts on a rail.
    std::string caption;
};

// The wires of one signal: every segment from its source to the pins it drives.
struct LayoutWire
{
    int source = -1; // netlist node
    std::vector<LayoutSegment> segments;
    // Where the wire branches.
    std::vector<LayoutPoint> dots;
};

// Where a netlist's parts go, computed apart from any painting. A two-level
// circuit is drawn as textbooks draw it (TextbookLayout); anything else
// (a constant, a lone literal) by depth: inputs on the
// left, a column per gate level, the output on the right. Wires run
// orthogonally: a signal that skips a level passes it in a slot of its own,
// and changes height only in the channel between two columns, each signal
// on its own vertical track there, so no wire crosses a gate. Coordinates
// are pixels at the natural size, y pointing down.
class CircuitLayout
{
public:
    // A circuit of several outputs names each output as the netlist does;
    // `outputName` names the one output of any other.
    static CircuitLayout compute(const Netlist &netlist, const std::string &outputName = "f");

    std::vector<LayoutItem> items;
    std::vector<LayoutWire> wires;
    double width = 0;
    double height = 0;

    // The item whose body holds the point, or -1.
    int itemAt(double x, double y) const;
    // The wire of a netlist node's signal, added empty when it has none yet.
    LayoutWire &wireOf(int source);
    // Gates are commutative: the pins, top to bottom, take their inputs in
    // the order of these keys (the sources' heights). The slot of each input.
    static std::vector<std::size_t> pinSlots(const std::vector<double> &keys);
    // Centres for bodies of `heights` kept in their order and apart, as
    // close to their `wishes` as that allows (least squares).
    static std::vector<double> placeInOrder(const std::vector<double> &heights,
                                            const std::vector<double> &wishes);
    // A dot wherever three or more wire ends meet on a vertical track at
    // `x` joining the heights `joins`.
    static void addBranchDots(LayoutWire &wire, double x, const std::vector<double> &joins);
    // A wire on its track at `track` reaching the pin at height `pin`,
    // where another signal leaves on a track at `blocker` right of it: from
    // a free height (recorded in `taken`) past the blocker, then up or down
    // to the pin. Returns the height it leaves the track at.
    static double addDetour(LayoutWire &wire, double track, double pin, double blocker, double to,
                            std::vector<double> &taken);

    static constexpr double pinPitch = 16;
    static constexpr double gateWidth = 48;
    static constexpr double inverterWidth = 36;
    static constexpr double characterWidth = 9;
    // Between bodies, around the drawing, between tracks of a channel.
    static constexpr double gap = pinPitch / 2;
    static constexpr double margin = 16;
    static constexpr double trackSpacing = 10;
    static constexpr double terminalHeight = pinPitch;
    static constexpr double inverterHeight = 1.5 * pinPitch;
};
