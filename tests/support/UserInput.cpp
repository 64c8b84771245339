// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserInput.h"

#include <QHeaderView>
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

void clickHeader(QTableWidget *table, int column)
{
    table->scrollTo(table->model()->index(0, column));
    QHeaderView *header = table->horizontalHeader();
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
}

} // namespace UserInput
