// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

class QTableWidget;

namespace WidgetLookup {

// The descendant of `root` with that object name; the main window names
// its widgets after their members. A missing widget ends the test run.
template <typename Widget> Widget *named(const QObject &root, const char *name)
{
    auto *widget = root.findChild<Widget *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// The last column of a table (a truth table's outputs) read top to bottom,
// one value after the other: "0110" for a table of four rows.
QString lastColumnText(const QTableWidget &table);

// A map of `count` variables read in minterm order, to compare with a truth
// table's column: "?" for a cell without an item.
QString mapText(const QTableWidget &map, int count);

} // namespace WidgetLookup
