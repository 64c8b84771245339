// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

// A point of the simulator's drawing; wires and ports lie on its 10-unit grid.
struct CircPoint
{
    int x = 0;
    int y = 0;
};

// One placed part: `library` numbers the <lib> entries (0 wiring, 1 gates).
struct CircComponent
{
    int library = 0;
    std::string name; // "Pin", "AND Gate", ...
    CircPoint location;
    std::vector<std::pair<std::string, std::string>> attributes;

    // The value of an attribute, or empty.
    std::string attribute(const std::string &key) const;
};

// A straight wire. The simulator joins wires only where an end meets another
// wire or a port, so crossing wires stay apart.
struct CircWire
{
    CircPoint from;
    CircPoint to;
};

// The one circuit ("main") of a project file of the classic educational
// simulator, version 2.7, with the wiring and gates libraries.
class CircFile
{
public:
    static constexpr int wiringLibrary = 0;
    static constexpr int gatesLibrary = 1;

    std::vector<CircComponent> components;
    std::vector<CircWire> wires;

    // The XML text of the project.
    std::string text() const;

    // Moves every part by (dx, dy), so that files can stand side by side.
    void translate(int dx, int dy);
    // The largest coordinates used.
    CircPoint extent() const;
};
