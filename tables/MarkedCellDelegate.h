// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Paints the cells a view has marked for a key press or a paste with a
// translucent highlight over their own background, so a group shade on the
// map stays visible under the mark. The views keep their own marks because
// their cells are not selectable items.
class MarkedCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using IsMarked = std::function<bool(const QModelIndex &)>;

    MarkedCellDelegate(IsMarked isMarked, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    IsMarked isMarked;
};
