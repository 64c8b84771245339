// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTableWidget;

namespace MapShades {

// Each map cell's shade, "" where none: the same picture whatever the cell
// went through before.
QStringList of(const QTableWidget &map);

} // namespace MapShades
