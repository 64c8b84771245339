// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitPainter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cmath>

namespace {

constexpr double bubble = 7; // diameter of an inverting output's circle

QPointF point(const LayoutPoint &p)
{
    return {p.x, p.y};
}

bool inverting(GateType type)
{
    return type == GateType::Nand || type == GateType::Nor || type == GateType::Not;
}

// The outline of a gate inside its body, the bubble left out.
QPainterPath gateOutline(const LayoutItem &item)
{
    const LayoutRect &body = item.body;
    const double right = body.right() - (inverting(item.type) ? bubble : 0);
    const double top = body.top;
    const double bottom = body.bottom();
    const double middle = (top + bottom) / 2;
    QPainterPath path;
    switch (item.type) {
    case GateType::Not:
        path.moveTo(body.left, top + 2);
        path.lineTo(right, middle);
        path.lineTo(body.left, bottom - 2);
        path.closeSubpath();
        break;
    case GateType::And:
    case GateType::Nand: {
        // A flat back and a half-round front.
        const double radius = std::min(body.height / 2, (right - body.left) / 2);
        path.moveTo(body.left, top);
        path.lineTo(right - radius, top);
        path.arcTo(QRectF(right - 2 * radius, middle - body.height / 2, 2 * radius, body.height),
                   90, -180);
        path.lineTo(body.left, bottom);
        path.closeSubpath();
        break;
    }
    case GateType::Or:
    case GateType::Nor: {
        // A curved back and two arcs meeting in a point.
        const double back = body.width * 0.18;
        path.moveTo(body.left, top);
        path.quadTo(body.left + (right - body.left) * 0.6, top, right, middle);
        path.quadTo(body.left + (right - body.left) * 0.6, bottom, body.left, bottom);
        path.quadTo(body.left + back, middle, body.left, top);
        break;
    }
    }
    return path;
}

// How far into the body an input wire reaches the curved back of an OR.
double backDepth(const LayoutItem &item, double y)
{
    if (item.type != GateType::Or && item.type != GateType::Nor)
        return 0;
    const double t = (y - item.body.top) / item.body.height; // 0..1 along the back
    const double back = item.body.width * 0.18;
    // The quadratic back curve's depth: 2 t (1 - t) * back.
    return 2 * t * (1 - t) * back;
}

void paintGate(QPainter &painter, const LayoutItem &item, bool highlighted)
{
    const QColor fill = highlighted ? QColor(255, 200, 120) : QColor(Qt::white);
    painter.setBrush(fill);
    painter.drawPath(gateOutline(item));
    for (const LayoutPoint &pin : item.pins) {
        const double depth = backDepth(item, pin.y);
        if (depth > 0.5)
            painter.drawLine(QPointF(pin.x, pin.y), QPointF(pin.x + depth, pin.y));
    }
    if (inverting(item.type)) {
        const double middle = item.body.top + item.body.height / 2;
        painter.drawEllipse(
            QRectF(item.body.right() - bubble, middle - bubble / 2, bubble, bubble));
    }
}

void paintTerminal(QPainter &painter, const LayoutItem &item)
{
    const QRectF box(item.body.left, item.body.top, item.body.width, item.body.height);
    if (item.kind == LayoutItem::Kind::Output) {
        painter.drawText(box.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(item.label));
        painter.drawEllipse(QPointF(box.left(), box.center().y()), 2.5, 2.5);
        return;
    }
    painter.drawText(box.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(item.label));
    if (item.kind == LayoutItem::Kind::Constant) {
        // Tied high: a bar above the tie; tied low: a bar below.
        const double x = box.right() - 2;
        const bool high = item.label == "1";
        const double bar = high ? box.top() : box.bottom();
        painter.drawLine(QPointF(x, bar), QPointF(x, box.center().y()));
        painter.drawLine(QPointF(x - 4, bar), QPointF(x + 4, bar));
    } else {
        painter.drawEllipse(QPointF(box.right(), box.center().y()), 2.5, 2.5);
    }
}

} // namespace

void CircuitPainter::paint(QPainter &painter, const CircuitLayout &layout,
                           const std::set<int> &highlighted)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const QPen wirePen(QColor(30, 30, 30), 1.4, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(wirePen);
    for (const LayoutWire &wire : layout.wires) {
        for (const LayoutSegment &segment : wire.segments)
            painter.drawLine(point(segment.from), point(segment.to));
        painter.setBrush(QColor(30, 30, 30));
        for (const LayoutPoint &dot : wire.dots)
            painter.drawEllipse(point(dot), 2.8, 2.8);
    }
    painter.setPen(QPen(Qt::black, 1.6));
    for (const LayoutItem &item : layout.items) {
        painter.setBrush(Qt::white);
        if (item.kind == LayoutItem::Kind::Gate)
            paintGate(painter, item, highlighted.count(item.node) != 0);
        else
            paintTerminal(painter, item);
        if (!item.caption.empty())
            painter.drawText(QPointF(item.out.x + 4, item.out.y - 4),
                             QString::fromStdString(item.caption));
    }
    painter.restore();
}

bool CircuitPainter::writeImage(const CircuitLayout &layout, const QString &fileName,
                                QString &error)
{
    const QSize size(static_cast<int>(std::ceil(layout.width)),
                     static_cast<int>(std::ceil(layout.height)));
    if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly)) {
            error = file.errorString();
            return false;
        }
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QStringLiteral("Circuit"));
        QPainter painter(&generator);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paint(painter, layout);
        painter.end();
        file.close();
        if (file.error() != QFileDevice::NoError) {
            error = file.errorString();
            return false;
        }
        return true;
    }
    QImage image(size * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(2, 2);
        paint(painter, layout);
    }
    if (!image.save(fileName, "PNG")) {
        error = QStringLiteral("the PNG file could not be saved");
        return false;
    }
    return true;
}
