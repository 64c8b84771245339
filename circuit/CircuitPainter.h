// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitLayout.h"

#include <QString>

#include <set>

class QPainter;

// Draws a computed circuit layout with the distinctive gate shapes. It reads
// the layout only; positions are never decided here.
class CircuitPainter
{
public:
    // Paints at the layout's natural size; gates whose netlist node is in
    // `highlighted` are filled with the highlight colour.
    static void paint(QPainter &painter, const CircuitLayout &layout,
                      const std::set<int> &highlighted = {});

    // ".svg" writes SVG, anything else PNG (at twice the natural size, for
    // sharp print). False with `error` when the file cannot be written.
    static bool writeImage(const CircuitLayout &layout, const QString &fileName, QString &error);
};
