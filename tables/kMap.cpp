// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/kMap.h"

#include "edit/ValueColumn.h"
#include "tables/KarnaughLayout.h"
#include "tables/MarkedCellDelegate.h"
#include "tables/ValueKeys.h"

#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QColor>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int sectionSize = 40;
constexpr int shadeStep = 50;

QStringList toStringList(const std::vector<std::string> &labels)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(labels.size()));
    for (const std::string &label : labels)
        list.append(QString::fromStdString(label));
    return list;
}

std::array<QString, VariableRules::maxCount> defaultNames()
{
    std::array<QString, VariableRules::maxCount> names;
    for (int p = 0; p < VariableRules::maxCount; ++p)
        names[p] = QString::fromStdString(VariableRules::defaultName(p));
    return names;
}

} // namespace

kMap::kMap(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent), varNames(defaultNames())
{
    setSortingEnabled(false);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    buildMap();
    resizeColumnsToContents();
    setItemDelegate(
        new MarkedCellDelegate([this](const QModelIndex &index) { return isMarked(index); }, this));
}

void kMap::changeNumberElements(int elements)
{
    // The count selector passes through 1 while it resets; a count without a
    // layout leaves the map as it is and keeps the last count.
    if (!KarnaughLayout::supports(elements))
        return;
    numElements = elements;
    buildMap();
}

void kMap::changeVarNames(const QString &one, const QString &two, const QString &three,
                          const QString &four, const QString &five, const QString &six)
{
    varNames = {one, two, three, four, five, six};
    applyLabels();
    resizeColumnsToContents();
    fitToGrid();
}

void kMap::updateCell(int row, QTableWidgetItem *content)
{
    const KarnaughLayout::Cell cell = KarnaughLayout::cellOfMinterm(numElements, row);
    if (cell.row < 0 || content == nullptr)
        return;
    // A new item drops any group shade on the cell: the shown groups no longer
    // describe the changed function. No cellModified, so the value never
    // travels back to its sender.
    putCell(cell.row, cell.column, content->text());
}

void kMap::getCellChanged(int row, int column)
{
    QTableWidgetItem *clicked = item(row, column);
    if (clicked == nullptr)
        return;
    const int minterm = KarnaughLayout::mintermAt(numElements, row, column);
    const QString current = clicked->text();
    QString next;
    if (current == QLatin1String("0"))
        next = QStringLiteral("1");
    else if (current == QLatin1String("1"))
        next = QStringLiteral("X");
    else if (current == QLatin1String("X"))
        next = QStringLiteral("0");
    // The same item keeps its background, so a shade survives the click.
    clicked->setText(next);
    if (minterm != -1)
        emit cellModified(minterm, clicked);
}

void kMap::updateCircles(const QVector<QVector<int>> &implicantes)
{
    // Separators and cells that were never shaded read as black and keep
    // their background; every earlier shade becomes transparent.
    for (int column = 0; column < columnCount(); ++column) {
        for (int row = 0; row < rowCount(); ++row) {
            QTableWidgetItem *cell = item(row, column);
            if (cell != nullptr && cell->background().color() != QColor(Qt::black))
                cell->setBackground(QBrush(Qt::transparent, Qt::SolidPattern));
        }
    }

    // The number of groups covering a cell is kept in the alpha of its red
    // shade; six groups saturate to dark red and a seventh starts over.
    for (const QVector<int> &group : implicantes) {
        for (const int minterm : group) {
            const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(numElements, minterm);
            QTableWidgetItem *cell = at.row < 0 ? nullptr : item(at.row, at.column);
            if (cell == nullptr)
                continue;
            const QColor shade = cell->background().color();
            int alpha = shadeStep;
            if (shade.red() == 255) {
                alpha = shade.alpha() + shadeStep;
                if (alpha > 255) {
                    cell->setBackground(QBrush(Qt::darkRed, Qt::SolidPattern));
                    continue;
                }
            }
            cell->setBackground(QBrush(QColor(255, 0, 0, alpha), Qt::SolidPattern));
        }
    }
}

void kMap::resetMap()
{
    numElements = 4;
    varNames = defaultNames();
    buildMap();
}

void kMap::buildMap()
{
    const KarnaughLayout::Shape shape = KarnaughLayout::shape(numElements);
    if (shape.rows == 0)
        return;
    clearMarks();
    setColumnCount(shape.columns);
    setRowCount(shape.rows);
    applyLabels();

    for (int i = 0; i < columnCount(); ++i)
        setColumnWidth(i, sectionSize);
    for (int i = 0; i < rowCount(); ++i)
        setRowHeight(i, sectionSize);

    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            putCell(row, column, QStringLiteral("0"));
    }

    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (row != shape.separatorRow && column != shape.separatorColumn)
                continue;
            auto *separator = new QTableWidgetItem(QString());
            separator->setFlags(Qt::ItemIsEnabled);
            separator->setBackground(QBrush(Qt::black, Qt::SolidPattern));
            setItem(row, column, separator);
        }
    }

    resizeColumnsToContents();
    fitToGrid();
}

void kMap::applyLabels()
{
    KarnaughLayout::Names names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = varNames[i].toStdString();
    setHorizontalHeaderLabels(toStringList(KarnaughLayout::columnLabels(numElements, names)));
    setVerticalHeaderLabels(toStringList(KarnaughLayout::rowLabels(numElements, names)));
}

// A map is read as a whole, so the widget claims room for every cell: a larger
// map makes the window grow rather than hide cells behind scroll bars.
void kMap::fitToGrid()
{
    // The headers' room is only recomputed lazily; the size hint needs it now.
    updateGeometries();
    setMinimumSize(sizeHint());

    // Grow the window as well, so that the widgets beside the map keep their
    // preferred room; a size the user chose is never shrunk.
    QWidget *top = window();
    if (top == this || !top->isVisible())
        return;
    for (QWidget *w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w->layout() != nullptr)
            w->layout()->activate();
        if (w == top)
            break;
    }
    top->resize(top->size().expandedTo(top->sizeHint()));
}

void kMap::putCell(int row, int column, const QString &text)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    setItem(row, column, cell);
}

QVector<kMap::MarkedCell> kMap::markedCells() const
{
    QVector<MarkedCell> cells;
    int top = 0;
    int bottom = rowCount() - 1;
    int left = 0;
    int right = columnCount() - 1;
    if (!everyCellMarked) {
        const int row = currentRow();
        const int column = currentColumn();
        if (row < 0 || column < 0)
            return cells;
        const bool anchored = anchorRow >= 0 && anchorRow < rowCount() && anchorColumn >= 0 &&
                              anchorColumn < columnCount();
        top = qMin(row, anchored ? anchorRow : row);
        bottom = qMax(row, anchored ? anchorRow : row);
        left = qMin(column, anchored ? anchorColumn : column);
        right = qMax(column, anchored ? anchorColumn : column);
    }
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const int minterm = KarnaughLayout::mintermAt(numElements, row, column);
            if (minterm >= 0 && item(row, column) != nullptr)
                cells.append({minterm, item(row, column)});
        }
    }
    std::sort(cells.begin(), cells.end(),
              [](const MarkedCell &a, const MarkedCell &b) { return a.minterm < b.minterm; });
    return cells;
}

bool kMap::isMarked(const QModelIndex &index) const
{
    if (!hasFocus())
        return false;
    const QVector<MarkedCell> cells = markedCells();
    if (cells.size() < 2)
        return false;
    const QTableWidgetItem *cell = item(index.row(), index.column());
    return std::any_of(cells.begin(), cells.end(),
                       [cell](const MarkedCell &marked) { return marked.item == cell; });
}

void kMap::clearMarks()
{
    anchorRow = -1;
    anchorColumn = -1;
    everyCellMarked = false;
}

// The same change a click makes, with the value given instead of advanced.
void kMap::setValue(const MarkedCell &cell, const QString &value)
{
    cell.item->setText(value);
    emit cellModified(cell.minterm, cell.item);
}

void kMap::setMarked(const QString &value)
{
    bool changed = false;
    for (const MarkedCell &cell : markedCells()) {
        if (cell.item->text() == value)
            continue;
        setValue(cell, value);
        changed = true;
    }
    if (changed)
        emit valuesEdited();
}

void kMap::advanceMarked()
{
    const QVector<MarkedCell> cells = markedCells();
    for (const MarkedCell &cell : cells)
        setValue(cell, ValueKeys::advanced(cell.item->text()));
    if (!cells.isEmpty())
        emit valuesEdited();
}

void kMap::copyMarked() const
{
    QString text;
    for (const MarkedCell &cell : markedCells())
        text += cell.item->text() + QLatin1Char('\n');
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

// A column of values, in minterm order, fills the whole map or exactly the
// marked cells.
void kMap::pasteValues()
{
    const ValueColumn::Parsed pasted =
        ValueColumn::parse(QApplication::clipboard()->text().toStdString());
    if (!pasted.error.empty()) {
        ValueKeys::refusePaste(this, ValueKeys::pasteRefusal(pasted));
        return;
    }
    const QString values = QString::fromStdString(pasted.values);
    const int minterms = 1 << numElements;
    QVector<MarkedCell> targets = markedCells();
    if (values.size() == minterms) {
        targets.clear();
        for (int m = 0; m < minterms; ++m) {
            const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(numElements, m);
            if (at.row >= 0 && item(at.row, at.column) != nullptr)
                targets.append({m, item(at.row, at.column)});
        }
    } else if (targets.size() < 2 || values.size() != targets.size()) {
        const QString reason =
            targets.size() > 1
                ? tr("The clipboard holds %1 values; the map has %2 cells and %3 of them are "
                     "marked.")
                      .arg(values.size())
                      .arg(minterms)
                      .arg(targets.size())
                : tr("The clipboard holds %1 values; the map has %2 cells.")
                      .arg(values.size())
                      .arg(minterms);
        ValueKeys::refusePaste(this, reason);
        return;
    }
    bool changed = false;
    for (int i = 0; i < targets.size(); ++i) {
        const QString value(values.at(i));
        if (targets[i].item->text() == value)
            continue;
        setValue(targets[i], value);
        changed = true;
    }
    if (changed)
        emit valuesEdited();
}

bool kMap::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        ValueKeys::isViewShortcut(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QTableWidget::event(event);
}

void kMap::keyPressEvent(QKeyEvent *event)
{
    ValueKeys::handleKey(*this, event);
}

void kMap::markAll()
{
    everyCellMarked = true;
    viewport()->update();
}

void kMap::moveVertically(int step)
{
    const int row = qBound(0, currentRow() + step, rowCount() - 1);
    setCurrentCell(row, qMax(0, currentColumn()));
}

void kMap::mousePressEvent(QMouseEvent *event)
{
    moveCursorBy(event, (event->modifiers() & Qt::ShiftModifier) != 0);
}

// Shift stretches the marks from where the cursor was; any other move of
// the current cell shrinks them to it.
void kMap::moveCursorBy(QEvent *event, bool extend)
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

void kMap::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableWidget::currentChanged(current, previous);
    everyCellMarked = false;
    if (!extending) {
        anchorRow = current.row();
        anchorColumn = current.column();
    }
}

// Dragging with the left button marks the cells from where it started.
void kMap::mouseMoveEvent(QMouseEvent *event)
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
