// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapShades.h"

#include <QBrush>
#include <QColor>
#include <QTableWidget>

QStringList MapShades::of(const QTableWidget &map)
{
    QStringList list;
    for (int row = 0; row < map.rowCount(); ++row) {
        for (int column = 0; column < map.columnCount(); ++column) {
            const QTableWidgetItem *cell = map.item(row, column);
            const QBrush brush = cell ? cell->background() : QBrush();
            const bool none = brush.style() == Qt::NoBrush || brush.color().alpha() == 0 ||
                              brush.color() == QColor(Qt::black);
            list << (none ? QString() : brush.color().name(QColor::HexArgb));
        }
    }
    return list;
}
