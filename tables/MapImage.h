// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QWidget;
class kMap;

// Writes a drawn Karnaugh map to a PNG or SVG file, the format chosen by the
// name's suffix (".svg" is SVG, anything else PNG). The file is replaced only
// once the whole image is written: a failure leaves an earlier file as it was
// and puts the reason in `error`.
class MapImage
{
public:
    // Draws `widget`'s top-left `size` (a map laid out at its own minimum size).
    static bool write(QWidget &widget, QSize size, const QString &fileName, QString &error);

    // The map as shown in a window, values, labels and shades, drawn like a
    // map made for the image alone: without focus frame, selection or the
    // room a window's layout gave it beyond its own size.
    static bool writeShown(const kMap &shown, const QString &fileName, QString &error);
};
