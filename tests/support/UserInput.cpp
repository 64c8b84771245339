// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserInput.h"

#include <QTableWidget>
#include <QTest>

namespace UserInput {

void clickCell(QTableWidget *table, int row, int column)
{
    QTableWidgetItem *item = table->item(row, column);
    QVERIFY2(item != nullptr, "clickCell: the cell holds no item");
    table->scrollToItem(item);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualItemRect(item).center());
}

} // namespace UserInput
