// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitCanvas.h"

#include "circuit/CircuitPainter.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstddef>

CircuitCanvas::CircuitCanvas(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void CircuitCanvas::setCircuit(const CircuitLayout &circuitLayout)
{
    layout = circuitLayout;
    highlighted.clear();
    hoveredNode = -1;
    setFixedSize(sizeHint());
    update();
}

void CircuitCanvas::setZoom(double factor)
{
    if (factor == zoomFactor)
        return;
    zoomFactor = factor;
    setFixedSize(sizeHint());
    update();
}

void CircuitCanvas::setHighlighted(const std::set<int> &nodes)
{
    highlighted = nodes;
    update();
}

QSize CircuitCanvas::sizeHint() const
{
    return {static_cast<int>(std::ceil(layout.width * zoomFactor)),
            static_cast<int>(std::ceil(layout.height * zoomFactor))};
}

void CircuitCanvas::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.scale(zoomFactor, zoomFactor);
    CircuitPainter::paint(painter, layout, highlighted);
}

void CircuitCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position() / zoomFactor;
    const int index = layout.itemAt(at.x(), at.y());
    const bool gate =
        index >= 0 && layout.items[static_cast<std::size_t>(index)].kind == LayoutItem::Kind::Gate;
    hover(gate ? layout.items[static_cast<std::size_t>(index)].node : -1);
}

void CircuitCanvas::leaveEvent(QEvent * /*event*/)
{
    hover(-1);
}

void CircuitCanvas::hover(int node)
{
    if (node == hoveredNode)
        return;
    const bool wasOverGate = hoveredNode >= 0;
    hoveredNode = node;
    if (node >= 0)
        emit gateHovered(node);
    else if (wasOverGate)
        emit hoverEnded();
}
