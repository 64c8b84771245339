// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetLookup.h"

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

} // namespace WidgetLookup
