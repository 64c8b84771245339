// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MapRenderer.h"

#include "tables/MapImage.h"
#include "tables/kMap.h"

#include <QTableWidgetItem>

bool MapRenderer::render(int n, const std::array<std::string, 6> &names, const std::string &values,
                         const QVector<QVector<int>> &groups, const QString &fileName,
                         QString &error)
{
    kMap map(4, 4);
    // Laid out at the size it claims, the map needs no scroll bars; without
    // them its claim leaves no room for them either.
    map.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    map.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The same calls the window's wiring makes after an import and "Minimize!".
    map.changeNumberElements(n);
    map.changeVarNames(QString::fromStdString(names[0]), QString::fromStdString(names[1]),
                       QString::fromStdString(names[2]), QString::fromStdString(names[3]),
                       QString::fromStdString(names[4]), QString::fromStdString(names[5]));
    QTableWidgetItem value;
    for (std::size_t m = 0; m < values.size(); ++m) {
        value.setText(QString(QChar::fromLatin1(values[m])));
        map.updateCell(static_cast<int>(m), &value);
    }
    map.updateCircles(groups);

    map.setAttribute(Qt::WA_DontShowOnScreen);
    map.show();
    map.resize(map.minimumSize());
    return MapImage::write(map, map.size(), fileName, error);
}
