// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/kMap.h"

#include "tables/KarnaughLayout.h"

#include <QBrush>
#include <QColor>
#include <QLayout>
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

} // namespace

kMap::kMap(int rows, int columns, QWidget *parent)
    : ValueGrid(rows, columns, parent), varNames(defaultNames())
{
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    buildMap();
    resizeColumnsToContents();
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

QVector<kMap::ValueCell> kMap::valueCellsIn(const QRect &area) const
{
    QVector<ValueCell> cells;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        for (int column = area.left(); column <= area.right(); ++column) {
            const int minterm = KarnaughLayout::mintermAt(numElements, row, column);
            if (minterm >= 0 && item(row, column) != nullptr)
                cells.append({minterm, row, column});
        }
    }
    std::sort(cells.begin(), cells.end(),
              [](const ValueCell &a, const ValueCell &b) { return a.minterm < b.minterm; });
    return cells;
}

QString kMap::valueOf(const ValueCell &cell) const
{
    return item(cell.row, cell.column)->text();
}

void kMap::assignValue(const ValueCell &cell, const QString &value)
{
    QTableWidgetItem *shown = item(cell.row, cell.column);
    shown->setText(value);
    emit cellModified(cell.minterm, shown);
}

QString kMap::pasteMismatch(qsizetype values, qsizetype marked) const
{
    const int minterms = 1 << numElements;
    return marked > 1 ? tr("The clipboard holds %1 values; the map has %2 cells and %3 of them are "
                           "marked.")
                            .arg(values)
                            .arg(minterms)
                            .arg(marked)
                      : tr("The clipboard holds %1 values; the map has %2 cells.")
                            .arg(values)
                            .arg(minterms);
}

void kMap::moveVertically(int step)
{
    const int row = qBound(0, currentRow() + step, rowCount() - 1);
    setCurrentCell(row, qMax(0, currentColumn()));
}
