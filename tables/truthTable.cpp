// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/truthTable.h"

#include "tables/ValueKeys.h"

#include <QHeaderView>

namespace {

constexpr int sectionSize = 30;

} // namespace

truthTable::truthTable(int rows, int columns, QWidget *parent)
    : ValueGrid(rows, columns, parent), varNames(defaultNames())
{
    for (QTableWidgetItem &item : mintermItems) {
        item.setText(QStringLiteral("0"));
        minterms.append(&item);
    }
    rebuild();
    resizeColumnsToContents();
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

// The marks reach the output of each marked row, whichever column the
// cursor is in.
QVector<truthTable::ValueCell> truthTable::valueCellsIn(const QRect &area) const
{
    QVector<ValueCell> cells;
    const int last = qMin(area.bottom(), rowCountForVariables() - 1);
    for (int r = qMax(0, area.top()); r <= last; ++r)
        cells.append({r, r, outputColumn()});
    return cells;
}

QString truthTable::valueOf(const ValueCell &cell) const
{
    return rowValues[cell.row];
}

void truthTable::assignValue(const ValueCell &cell, const QString &value)
{
    assignOutput(cell.row, value);
}

void truthTable::valuesAssigned()
{
    emit sendMintermList(numElements, minterms);
}

QString truthTable::pasteMismatch(qsizetype values, qsizetype marked) const
{
    return marked > 1 ? tr("The clipboard holds %1 values; the truth table has %2 rows and %3 of "
                           "them are marked.")
                            .arg(values)
                            .arg(rowCountForVariables())
                            .arg(marked)
                      : tr("The clipboard holds %1 values; the truth table has %2 rows.")
                            .arg(values)
                            .arg(rowCountForVariables());
}

void truthTable::moveVertically(int step)
{
    const int row = qBound(0, currentRow() + step, rowCountForVariables() - 1);
    const int column = currentColumn() < 0 ? outputColumn() : currentColumn();
    setCurrentCell(row, column);
}
