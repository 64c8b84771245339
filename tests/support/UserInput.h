// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTableWidget;

namespace UserInput {

// Clicks the cell as a user would: a left click on the viewport at the
// centre of the cell's rectangle. The cell must hold an item.
void clickCell(QTableWidget *table, int row, int column);

// Clicks the middle of a column's header, scrolled into view first.
void clickHeader(QTableWidget *table, int column);

} // namespace UserInput
