// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/MarkedCellDelegate.h"

#include <QPainter>

#include <utility>

namespace {
constexpr int markAlpha = 90;
}

MarkedCellDelegate::MarkedCellDelegate(IsMarked isMarked, QObject *parent)
    : QStyledItemDelegate(parent), isMarked(std::move(isMarked))
{}

void MarkedCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!isMarked(index))
        return;
    QColor mark = option.palette.color(QPalette::Highlight);
    mark.setAlpha(markAlpha);
    painter->fillRect(option.rect, mark);
}
