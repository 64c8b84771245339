// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QPainter;
class QRect;

// Paints the cells a view has marked for a key press or a paste with a
// translucent highlight over their own background, so a group shade on the
// map stays visible under the mark. The views keep their own marks because
// their cells are not selectable items.
//
// A cell can carry a flag besides: what a check of an answer found there,
// drawn as a frame or a green shade so that it reads apart from the red
// group shades and from the marks.
class MarkedCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    enum Flag
    {
        None = 0,
        Extra = 1,   // the answer is 1, the function 0
        Missing = 2, // the answer is 0, the function 1
        Term = 4,    // a cell of the term pointed at
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    using IsMarked = std::function<bool(const QModelIndex &)>;
    using FlagOf = std::function<Flags(const QModelIndex &)>;

    MarkedCellDelegate(IsMarked isMarked, FlagOf flagOf, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // The flags' drawing inside `rect`; the legend shows the same.
    static void paintFlags(QPainter *painter, const QRect &rect, Flags flags);

private:
    IsMarked isMarked;
    FlagOf flagOf;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(MarkedCellDelegate::Flags)
