// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/MarkedCellDelegate.h"

#include <QPainter>

#include <utility>

namespace {
constexpr int markAlpha = 90;
constexpr int frameWidth = 3;
} // namespace

MarkedCellDelegate::MarkedCellDelegate(IsMarked isMarked, FlagOf flagOf, QObject *parent)
    : QStyledItemDelegate(parent), isMarked(std::move(isMarked)), flagOf(std::move(flagOf))
{}

void MarkedCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    paintFlags(painter, option.rect, flagOf(index));
    if (!isMarked(index))
        return;
    QColor mark = option.palette.color(QPalette::Highlight);
    mark.setAlpha(markAlpha);
    painter->fillRect(option.rect, mark);
}

void MarkedCellDelegate::paintFlags(QPainter *painter, const QRect &rect, Flags flags)
{
    if (flags == None)
        return;
    painter->save();
    if (flags & Term)
        painter->fillRect(rect, QColor(0, 150, 0, 80));
    if (flags & (Extra | Missing)) {
        // Orange for a 1 too many, blue and dashed for a 1 missing, so the
        // two differ without colour as well.
        const bool extra = (flags & Extra) != 0;
        painter->setPen(QPen(extra ? QColor(230, 110, 0) : QColor(20, 80, 200), frameWidth,
                             extra ? Qt::SolidLine : Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        const int inset = (frameWidth + 1) / 2;
        painter->drawRect(rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    painter->restore();
}
