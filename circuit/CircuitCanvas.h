// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitLayout.h"

#include <QWidget>

#include <set>

// Shows a circuit layout and tells which gate the mouse is over.
class CircuitCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit CircuitCanvas(QWidget *parent = nullptr);

    void setCircuit(const CircuitLayout &layout);
    const CircuitLayout &circuit() const { return layout; }
    // The netlist nodes drawn highlighted.
    void setHighlighted(const std::set<int> &nodes);
    const std::set<int> &highlightedNodes() const { return highlighted; }
    // Drawn this many times the layout's natural size.
    void setZoom(double factor);
    double zoom() const { return zoomFactor; }

    QSize sizeHint() const override;

signals:
    // The mouse entered the gate of netlist node `node`.
    void gateHovered(int node);
    // The mouse left the last gate it was over.
    void hoverEnded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void hover(int node);

    CircuitLayout layout;
    std::set<int> highlighted;
    int hoveredNode = -1;
    double zoomFactor = 1;
};
