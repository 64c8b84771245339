// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/MapImage.h"

#include "domain/VariableRules.h"
#include "files/AtomicFile.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// A map drawn for the image alone: its size is that of its cells and
// labels, as the map claims for itself once its headers are up to date.
class MapCopy : public kMap
{
public:
    MapCopy() : kMap(4, 4) {}
    QSize fittedSize()
    {
        updateGeometries();
        return sizeHint();
    }
};

bool isSvgName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

QByteArray svgOf(QWidget &widget, QSize size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QCoreApplication::translate("MapImage", "Karnaugh map"));
    QPainter painter(&generator);
    widget.render(&painter, QPoint(), QRegion(QRect(QPoint(0, 0), size)));
    painter.end();
    return buffer.data();
}

QByteArray pngOf(QWidget &widget, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(QRect(QPoint(0, 0), size)));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

bool MapImage::write(QWidget &widget, QSize size, const QString &fileName, QString &error)
{
    const QByteArray bytes = isSvgName(fileName) ? svgOf(widget, size) : pngOf(widget, size);
    if (bytes.isEmpty()) {
        error = QCoreApplication::translate("MapImage", "the image could not be drawn");
        return false;
    }
    return AtomicFile::write(fileName, bytes, error);
}

bool MapImage::writeShown(const kMap &shown, const QString &fileName, QString &error)
{
    int count = 0;
    for (int n = VariableRules::minCount; n <= VariableRules::maxCount && count == 0; ++n) {
        const KarnaughLayout::Shape shape = KarnaughLayout::shape(n);
        if (shape.rows == shown.rowCount() && shape.columns == shown.columnCount())
            count = n;
    }
    if (count == 0) {
        error = QCoreApplication::translate("MapImage",
                                            "the map has no layout of two to six variables");
        return false;
    }

    MapCopy copy;
    copy.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    copy.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    copy.changeNumberElements(count);
    for (int column = 0; column < shown.columnCount(); ++column) {
        if (const QTableWidgetItem *label = shown.horizontalHeaderItem(column))
            copy.setHorizontalHeaderItem(column, label->clone());
        copy.setColumnWidth(column, shown.columnWidth(column));
    }
    for (int row = 0; row < shown.rowCount(); ++row) {
        if (const QTableWidgetItem *label = shown.verticalHeaderItem(row))
            copy.setVerticalHeaderItem(row, label->clone());
        copy.setRowHeight(row, shown.rowHeight(row));
        for (int column = 0; column < shown.columnCount(); ++column) {
            if (const QTableWidgetItem *cell = shown.item(row, column))
                copy.setItem(row, column, cell->clone());
        }
    }
    copy.setAttribute(Qt::WA_DontShowOnScreen);
    copy.show();
    copy.resize(copy.fittedSize());
    return write(copy, copy.size(), fileName, error);
}
