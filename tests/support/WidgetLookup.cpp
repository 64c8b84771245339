// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetLookup.h"

#include "tables/KarnaughLayout.h"

#include <QTableWidget>

namespace WidgetLookup {

QString lastColumnText(const QTableWidget &table)
{
    QString text;
    const int column = table.columnCount() - 1;
    for (int row = 0; row < table.rowCount(); ++row)
        text += table.item(row, column)->text();
    return text;
}

QString mapText(const QTableWidget &map, int count)
{
    QString text;
    for (int m = 0; m < (1 << count); ++m) {
        const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(count, m);
        const QTableWidgetItem *item = map.item(at.row, at.column);
        text += item ? item->text() : QStringLiteral("?");
    }
    return text;
}

} // namespace WidgetLookup
