// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/truthTable.h"

#include "edit/ValueColumn.h"
#include "tables/MarkedCellDelegate.h"
#include "tables/ValueKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int sectionSize = 30;

std::array<QString, VariableRules::maxCount> defaultNames()
{
    std::array<QString, VariableRules::maxCount> names;
    for (int p = 0; p < VariableRules::maxCount; ++p)
        names[p] = QString::fromStdString(VariableRules::defaultName(p));
    return names;
}

} // namespace

truthTable::truthTable(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent), varNames(defaultNames())
{
    setSortingEnabled(false);
    for (QTableWidgetItem &item : mintermItems) {
        item.setText(QStringLiteral("0"));
        minterms.append(&item);
    }
    rebuild();
    resizeColumnsToContents();
    setItemDelegate(
        new MarkedCellDelegate([this](const QModelIndex &index) { return isMarked(index); }, this));
}

QTableWidgetItem *truthTable::newCellItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

void truthTable::rebuild()
{
    clearMarks();
    updateTable();
    populateTable();
    emit sendMintermList(numElements, minterms);
}

void truthTable::updateTable()
{
    setColumnCount(numElements);
    setRowCount(rowCountForVariables());
    QStringList rowLabels;
    for (int m = 0; m < maxMinterms; ++m)
        rowLabels << QStringLiteral("m%1").arg(m);
    setVerticalHeaderLabels(rowLabels);
    setHorizontalHeaderLabels(QStringList(varNames.begin(), varNames.end()));
}

void truthTable::populateTable()
{
    const int rows = rowCountForVariables();
    for (int k = 0; k < numElements; ++k) {
        const int blockLength = rows >> (k + 1);
        for (int m = 0; m < rows; ++m) {
            const bool one = (m / blockLength) % 2 == 1;
            setItem(m, k, newCellItem(one ? QStringLiteral("1") : QStringLiteral("0")));
        }
    }

    insertColumn(numElements);
    insertColumn(numElements + 1);
    for (int m = 0; m < rows; ++m)
        setItem(m, numElements, newCellItem(QString()));
    setHorizontalHeaderItem(numElements, new QTableWidgetItem(QString()));
    setHorizontalHeaderItem(numElements + 1, new QTableWidgetItem(QStringLiteral("f")));

    for (int m = 0; m < rows; ++m)
        placeCell(m, numElements + 2, QStringLiteral("0"));
    rowValues = QVector<QString>(rows, QStringLiteral("0"));

    for (int m = 0; m < rows; ++m)
        verticalHeader()->resizeSection(m, sectionSize);
    for (int c = 0; c < columnCount(); ++c)
        horizontalHeader()->resizeSection(c, sectionSize);
    resizeColumnsToContents();
}

// Every change of the function is followed by the minterm list, so that the
// file export always writes what the table shows.
void truthTable::setCell(int myrow, int mycolumn, const QString &myinfo)
{
    placeCell(myrow, mycolumn, myinfo);
    emit sendMintermList(numElements, minterms);
}

void truthTable::placeCell(int myrow, int mycolumn, const QString &myinfo)
{
    const int column = mycolumn - 1;
    if (myrow < 0 || myrow >= rowCount() || column < 0 || column >= columnCount())
        return;
    QTableWidgetItem *item = newCellItem(myinfo);
    setItem(myrow, column, item);
    if (!isMinterm(myrow))
        return;
    setMinterm(myrow, item);
    // A later click must advance the value the user sees, not an older one.
    if (column == outputColumn() && myrow < rowValues.size())
        rowValues[myrow] = myinfo;
}

void truthTable::setMinterm(int minterm, QTableWidgetItem *value)
{
    if (minterm < 0 || minterm >= maxMinterms || !value)
        return;
    minterms[minterm]->setText(value->text());
}

void truthTable::getCellChanged(int r, int c)
{
    if (c != outputColumn() || !isMinterm(r))
        return;
    rowValues[r] = ValueKeys::advanced(rowValues[r]);
    QTableWidgetItem *output = item(r, outputColumn());
    output->setText(rowValues[r]);
    emit cellModified(r, output);
    emit sendMintermList(numElements, minterms);
}

void truthTable::updateCell(int row, QTableWidgetItem *value)
{
    if (!value)
        return;
    placeCell(row, numElements + 2, value->text());
    emit sendMintermList(numElements, minterms);
}

void truthTable::updateFromParser(const QVector<bool> &values)
{
    const int rows = qMin(int(values.size()), rowCountForVariables());
    for (int i = 0; i < rows; ++i) {
        const QString text = values[i] ? QStringLiteral("1") : QStringLiteral("0");
        QTableWidgetItem *output = item(i, outputColumn());
        output->setText(text);
        minterms[i]->setText(text);
        rowValues[i] = text;
        emit cellModified(i, output);
    }
    emit sendMintermList(numElements, minterms);
}

void truthTable::emitSendMinterms()
{
    emit sendMinterms(numElements, minterms);
}

void truthTable::changeNumberElements(int numElements)
{
    // The variable-count selector passes through a count of 1 while it is
    // reset; any count the table cannot show leaves it as it is.
    if (!VariableRules::isCount(numElements))
        return;
    this->numElements = numElements;
    rebuild();
}

void truthTable::resetTable()
{
    varNames = defaultNames();
    numElements = 4;
    rebuild();
}

void truthTable::changeVarNames(const QString &one, const QString &two, const QString &three,
                                const QString &four, const QString &five, const QString &six)
{
    varNames = {one, two, three, four, five, six};
    setHorizontalHeaderLabels(QStringList(varNames.begin(), varNames.end()));
    setHorizontalHeaderItem(numElements, new QTableWidgetItem(QString()));
    setHorizontalHeaderItem(numElements + 1, new QTableWidgetItem(QStringLiteral("f")));
    resizeColumnsToContents();
}

QVector<QString> truthTable::variableNames() const
{
    return QVector<QString>(varNames.begin(), varNames.begin() + numElements);
}

QString truthTable::outputValues() const
{
    return rowValues.join(QString());
}

void truthTable::setOutputValues(const QString &values)
{
    const int rows = qMin(int(values.size()), rowCountForVariables());
    bool changed = false;
    for (int r = 0; r < rows; ++r) {
        const QString value(values.at(r));
        if (rowValues[r] == value)
            continue;
        assignOutput(r, value);
        changed = true;
    }
    if (changed)
        emit sendMintermList(numElements, minterms);
}

// The same change a click makes, with the value given instead of advanced.
void truthTable::assignOutput(int row, const QString &value)
{
    rowValues[row] = value;
    QTableWidgetItem *output = item(row, outputColumn());
    output->setText(value);
    minterms[row]->setText(value);
    emit cellModified(row, output);
}

QVector<int> truthTable::markedRows() const
{
    QVector<int> rows;
    const int last = rowCountForVariables() - 1;
    if (everyRowMarked) {
        for (int r = 0; r <= last; ++r)
            rows << r;
        return rows;
    }
    const int current = currentRow();
    if (current < 0 || current > last)
        return rows;
    const int anchor = anchorRow >= 0 && anchorRow <= last ? anchorRow : current;
    for (int r = qMin(anchor, current); r <= qMax(anchor, current); ++r)
        rows << r;
    return rows;
}

bool truthTable::isMarked(const QModelIndex &index) const
{
    if (index.column() != outputColumn() || !hasFocus())
        return false;
    const QVector<int> rows = markedRows();
    return rows.size() > 1 && rows.contains(index.row());
}

void truthTable::clearMarks()
{
    anchorRow = -1;
    everyRowMarked = false;
}

void truthTable::setMarked(const QString &value)
{
    bool changed = false;
    for (const int r : markedRows()) {
        if (rowValues[r] == value)
            continue;
        assignOutput(r, value);
        changed = true;
    }
    if (!changed)
        return;
    emit sendMintermList(numElements, minterms);
    emit valuesEdited();
}

void truthTable::advanceMarked()
{
    const QVector<int> rows = markedRows();
    if (rows.isEmpty())
        return;
    for (const int r : rows)
        assignOutput(r, ValueKeys::advanced(rowValues[r]));
    emit sendMintermList(numElements, minterms);
    emit valuesEdited();
}

void truthTable::copyMarked() const
{
    QString text;
    for (const int r : markedRows())
        text += rowValues[r] + QLatin1Char('\n');
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

// A column of values fills the whole table, or exactly the marked rows.
void truthTable::pasteValues()
{
    const ValueColumn::Parsed pasted =
        ValueColumn::parse(QApplication::clipboard()->text().toStdString());
    if (!pasted.error.empty()) {
        ValueKeys::refusePaste(this, ValueKeys::pasteRefusal(pasted));
        return;
    }
    const QString values = QString::fromStdString(pasted.values);
    const QVector<int> rows = markedRows();
    const QString before = outputValues();
    if (values.size() == rowCountForVariables()) {
        setOutputValues(values);
    } else if (rows.size() > 1 && values.size() == rows.size()) {
        for (int i = 0; i < rows.size(); ++i) {
            if (rowValues[rows[i]] != QString(values.at(i)))
                assignOutput(rows[i], QString(values.at(i)));
        }
        if (outputValues() != before)
            emit sendMintermList(numElements, minterms);
    } else {
        const QString reason =
            rows.size() > 1
                ? tr("The clipboard holds %1 values; the truth table has %2 rows and %3 of them "
                     "are marked.")
                      .arg(values.size())
                      .arg(rowCountForVariables())
                      .arg(rows.size())
                : tr("The clipboard holds %1 values; the truth table has %2 rows.")
                      .arg(values.size())
                      .arg(rowCountForVariables());
        ValueKeys::refusePaste(this, reason);
        return;
    }
    if (outputValues() != before)
        emit valuesEdited();
}

bool truthTable::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        ValueKeys::isViewShortcut(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QTableWidget::event(event);
}

void truthTable::keyPressEvent(QKeyEvent *event)
{
    ValueKeys::handleKey(*this, event);
}

void truthTable::markAll()
{
    everyRowMarked = true;
    viewport()->update();
}

// Shift stretches the marks from where the cursor was; any other move of
// the current cell shrinks them to it.
void truthTable::moveCursorBy(QEvent *event, bool extend)
{
    if (extend && anchorRow < 0)
        anchorRow = currentRow();
    extending = extend;
    if (event->type() == QEvent::MouseButtonPress)
        QTableWidget::mousePressEvent(static_cast<QMouseEvent *>(event));
    else
        QTableWidget::keyPressEvent(static_cast<QKeyEvent *>(event));
    extending = false;
    viewport()->update();
}

void truthTable::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableWidget::currentChanged(current, previous);
    everyRowMarked = false;
    if (!extending)
        anchorRow = current.row();
}

void truthTable::moveVertically(int step)
{
    const int row = qBound(0, currentRow() + step, rowCountForVariables() - 1);
    const int column = currentColumn() < 0 ? outputColumn() : currentColumn();
    setCurrentCell(row, column);
}

void truthTable::mousePressEvent(QMouseEvent *event)
{
    moveCursorBy(event, (event->modifiers() & Qt::ShiftModifier) != 0);
}

// Dragging with the left button marks the cells from where it started.
void truthTable::mouseMoveEvent(QMouseEvent *event)
{
    const bool dragging = (event->buttons() & Qt::LeftButton) != 0;
    if (dragging && anchorRow < 0)
        anchorRow = currentRow();
    extending = dragging;
    const QModelIndex over = indexAt(event->position().toPoint());
    if (dragging && over.isValid() && over != currentIndex())
        setCurrentIndex(over);
    QTableWidget::mouseMoveEvent(event);
    extending = false;
    viewport()->update();
}
