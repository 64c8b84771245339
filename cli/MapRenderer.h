// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

#include <array>
#include <string>

// Draws a function's Karnaugh map with its implicant groups into an image
// file, using the window's own map widget, never shown.
class MapRenderer
{
public:
    // `values` holds one character per minterm ('0', '1', 'X'), `names` the
    // six names of the variable positions. The format follows the file name:
    // ".svg" writes SVG, anything else PNG. False with `error` when the file
    // cannot be written.
    static bool render(int n, const std::array<std::string, 6> &names, const std::string &values,
                       const QVector<QVector<int>> &groups, const QString &fileName,
                       QString &error);
};
