// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircFile.h"

#include <algorithm>

namespace {

std::string escaped(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string point(CircPoint p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

} // namespace

std::string CircComponent::attribute(const std::string &key) const
{
    for (const auto &[name, value] : attributes) {
        if (name == key)
            return value;
    }
    return {};
}

std::string CircFile::text() const
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<project source=\"2.7.1\" version=\"1.0\">\n"
                      "  <lib desc=\"#Wiring\" name=\"0\"/>\n"
                      "  <lib desc=\"#Gates\" name=\"1\"/>\n"
                      "  <main name=\"main\"/>\n"
                      "  <circuit name=\"main\">\n"
                      "    <a name=\"circuit\" val=\"main\"/>\n";
    for (const CircWire &wire : wires)
        out += "    <wire from=\"" + point(wire.from) + "\" to=\"" + point(wire.to) + "\"/>\n";
    for (const CircComponent &component : components) {
        out += "    <comp lib=\"" + std::to_string(component.library) + "\" loc=\"" +
               point(component.location) + "\" name=\"" + escaped(component.name) + "\"";
        if (component.attributes.empty()) {
            out += "/>\n";
            continue;
        }
        out += ">\n";
        for (const auto &[name, value] : component.attributes)
            out += "      <a name=\"" + escaped(name) + "\" val=\"" + escaped(value) + "\"/>\n";
        out += "    </comp>\n";
    }
    out += "  </circuit>\n</project>\n";
    return out;
}

void CircFile::translate(int dx, int dy)
{
    for (CircComponent &component : components) {
        component.location.x += dx;
        component.location.y += dy;
    }
    for (CircWire &wire : wires) {
        wire.from = {wire.from.x + dx, wire.from.y + dy};
        wire.to = {wire.to.x + dx, wire.to.y + dy};
    }
}

CircPoint CircFile::extent() const
{
    CircPoint most;
    auto widen = [&](CircPoint p) {
        most.x = std::max(most.x, p.x);
        most.y = std::max(most.y, p.y);
    };
    for (const CircComponent &component : components)
        widen(component.location);
    for (const CircWire &wire : wires) {
        widen(wire.from);
        widen(wire.to);
    }
    return most;
}
