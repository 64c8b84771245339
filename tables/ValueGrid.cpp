// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/ValueGrid.h"

#include "edit/ValueColumn.h"
#include "tables/MarkedCellDelegate.h"
#include "tables/ValueKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

ValueGrid::ValueGrid(int rows, int columns, QWidget *parent) : QTableWidget(rows, columns, parent)
{
    setSortingEnabled(false);
    setItemDelegate(
        new MarkedCellDelegate([this](const QModelIndex &index) { return isMarked(index); },
                               [this](const QModelIndex &index) { return flagOf(index); }, this));
}

void ValueGrid::setCellFlags(const QHash<int, MarkedCellDelegate::Flags> &byMinterm)
{
    flags = byMinterm;
    viewport()->update();
}

// Only a cell that shows a value is flagged, not the row around it.
MarkedCellDelegate::Flags ValueGrid::flagOf(const QModelIndex &index) const
{
    if (flags.isEmpty())
        return MarkedCellDelegate::None;
    const QVector<ValueCell> cells = valueCellsIn(QRect(index.column(), index.row(), 1, 1));
    if (cells.isEmpty() || cells.front().column != index.column() || !isShownOutput(cells.front()))
        return MarkedCellDelegate::None;
    return flags.value(cells.front().minterm, MarkedCellDelegate::None);
}

ValueGrid::Names ValueGrid::defaultNames()
{
    Names names;
    for (int p = 0; p < VariableRules::maxCount; ++p)
        names[static_cast<std::size_t>(p)] = QString::fromStdString(VariableRules::defaultName(p));
    return names;
}

QVector<ValueGrid::ValueCell> ValueGrid::allValueCells() const
{
    return valueCellsIn(QRect(0, 0, columnCount(), rowCount()));
}

QVector<ValueGrid::ValueCell> ValueGrid::markedCells() const
{
    if (everyCellMarked)
        return allValueCells();
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < 0)
        return {};
    const bool anchored = anchorRow >= 0 && anchorRow < rowCount() && anchorColumn >= 0 &&
                          anchorColumn < columnCount();
    const int fromRow = anchored ? anchorRow : row;
    const int fromColumn = anchored ? anchorColumn : column;
    return valueCellsIn(QRect(QPoint(qMin(column, fromColumn), qMin(row, fromRow)),
                              QPoint(qMax(column, fromColumn), qMax(row, fromRow))));
}

bool ValueGrid::isMarked(const QModelIndex &index) const
{
    if (!hasFocus())
        return false;
    const QVector<ValueCell> cells = markedCells();
    return cells.size() > 1 &&
           std::any_of(cells.begin(), cells.end(), [&index](const ValueCell &c) {
               return c.row == index.row() && c.column == index.column();
           });
}

void ValueGrid::clearMarks()
{
    anchorRow = -1;
    anchorColumn = -1;
    everyCellMarked = false;
}

void ValueGrid::finishEdit()
{
    valuesAssigned();
    emit valuesEdited();
}

void ValueGrid::setMarked(const QString &value)
{
    bool changed = false;
    for (const ValueCell &cell : markedCells()) {
        if (valueOf(cell) == value)
            continue;
        assignValue(cell, value);
        changed = true;
    }
    if (changed)
        finishEdit();
}

void ValueGrid::advanceMarked()
{
    const QVector<ValueCell> cells = markedCells();
    for (const ValueCell &cell : cells)
        assignValue(cell, ValueKeys::advanced(valueOf(cell)));
    if (!cells.isEmpty())
        finishEdit();
}

void ValueGrid::copyMarked() const
{
    QString text;
    for (const ValueCell &cell : markedCells())
        text += valueOf(cell) + QLatin1Char('\n');
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void ValueGrid::pasteValues()
{
    const ValueColumn::Parsed pasted =
        ValueColumn::parse(QApplication::clipboard()->text().toStdString());
    if (!pasted.error.empty()) {
        ValueKeys::refusePaste(this, ValueKeys::pasteRefusal(pasted));
        return;
    }
    const QString values = QString::fromStdString(pasted.values);
    QVector<ValueCell> targets = wholeFunctionCells();
    if (values.size() != targets.size()) {
        targets = markedCells();
        if (targets.size() < 2 || values.size() != targets.size()) {
            ValueKeys::refusePaste(this, pasteMismatch(values.size(), targets.size()));
            return;
        }
    }
    bool changed = false;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        const QString value(values.at(i));
        if (valueOf(targets[i]) == value)
            continue;
        assignValue(targets[i], value);
        changed = true;
    }
    if (changed)
        finishEdit();
}

bool ValueGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        ValueKeys::isViewShortcut(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QTableWidget::event(event);
}

void ValueGrid::keyPressEvent(QKeyEvent *event)
{
    ValueKeys::handleKey(*this, event);
}

void ValueGrid::markAll()
{
    everyCellMarked = true;
    viewport()->update();
}

void ValueGrid::mousePressEvent(QMouseEvent *event)
{
    moveCursorBy(event, (event->modifiers() & Qt::ShiftModifier) != 0);
}

// Shift stretches the marks from where the cursor was; any other move of
// the current cell shrinks them to it.
void ValueGrid::moveCursorBy(QEvent *event, bool extend)
{
    if (extend && anchorRow < 0) {
        anchorRow = currentRow();
        anchorColumn = currentColumn();
    }
    extending = extend;
    if (event->type() == QEvent::MouseButtonPress)
        QTableWidget::mousePressEvent(static_cast<QMouseEvent *>(event));
    else
        QTableWidget::keyPressEvent(static_cast<QKeyEvent *>(event));
    extending = false;
    viewport()->update();
}

void ValueGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableWidget::currentChanged(current, previous);
    everyCellMarked = false;
    if (!extending) {
        anchorRow = current.row();
        anchorColumn = current.column();
    }
}

// Dragging with the left button marks the cells from where it started.
void ValueGrid::mouseMoveEvent(QMouseEvent *event)
{
    const bool dragging = (event->buttons() & Qt::LeftButton) != 0;
    if (dragging && anchorRow < 0) {
        anchorRow = currentRow();
        anchorColumn = currentColumn();
    }
    extending = dragging;
    const QModelIndex over = indexAt(event->position().toPoint());
    if (dragging && over.isValid() && over != currentIndex())
        setCurrentIndex(over);
    QTableWidget::mouseMoveEvent(event);
    extending = false;
    viewport()->update();
}
