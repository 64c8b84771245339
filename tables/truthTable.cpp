// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/truthTable.h"

#include "outputs/MultiOutputFunction.h"
#include "tables/ValueKeys.h"

#include <QHeaderView>

namespace {

constexpr int sectionSize = 30;

QString joined(const QVector<QString> &values)
{
    return values.join(QString());
}

} // namespace

truthTable::truthTable(int rows, int columns, QWidget *parent)
    : ValueGrid(rows, columns, parent), varNames(defaultNames()),
      outputColumns(1), outputNameList{QString::fromLatin1(MultiOutputFunction::firstOutputName)}
{
    for (QTableWidgetItem &item : mintermItems) {
        item.setText(QStringLiteral("0"));
        minterms.append(&item);
    }
    rebuild();
    resizeColumnsToContents();
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { showOutput(outputOfColumn(section)); });
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
    announceValues(true);
}

void truthTable::announceValues(bool shownChanged)
{
    if (shownChanged)
        emit sendMintermList(numElements, minterms);
    emit outputsChanged(numElements, outputNameList, outputColumnTexts());
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
    for (int k = 0; k < outputCount(); ++k)
        insertColumn(outputColumn(k));
    for (int m = 0; m < rows; ++m)
        setItem(m, numElements, newCellItem(QString()));
    setHorizontalHeaderItem(numElements, new QTableWidgetItem(QString()));
    applyOutputHeaders();

    for (int k = 0; k < outputCount(); ++k) {
        outputColumns[k] = QVector<QString>(rows, QStringLiteral("0"));
        for (int m = 0; m < rows; ++m)
            setItem(m, outputColumn(k), newCellItem(QStringLiteral("0")));
    }
    for (int m = 0; m < rows; ++m)
        minterms[m]->setText(QStringLiteral("0"));

    for (int m = 0; m < rows; ++m)
        verticalHeader()->resizeSection(m, sectionSize);
    for (int c = 0; c < columnCount(); ++c)
        horizontalHeader()->resizeSection(c, sectionSize);
    resizeColumnsToContents();
}

// With several outputs the shown one's header is bold, so that the table
// says which output the map and Minimize! work on.
void truthTable::applyOutputHeaders()
{
    for (int k = 0; k < outputCount(); ++k) {
        auto *header = new QTableWidgetItem(outputNameList[k]);
        if (outputCount() > 1 && k == shown) {
            QFont bold = header->font();
            bold.setBold(true);
            header->setFont(bold);
        }
        setHorizontalHeaderItem(outputColumn(k), header);
    }
}

int truthTable::outputOfColumn(int column) const
{
    const int output = column - numElements - 1;
    return output >= 0 && output < outputCount() ? output : -1;
}

QStringList truthTable::outputColumnTexts() const
{
    QStringList texts;
    for (const QVector<QString> &column : outputColumns)
        texts << joined(column);
    return texts;
}

// Every change of the function is followed by the minterm list, so that the
// file export always writes what the table shows.
void truthTable::setCell(int myrow, int mycolumn, const QString &myinfo)
{
    placeCell(myrow, mycolumn, myinfo);
    announceValues(true);
}

void truthTable::placeCell(int myrow, int mycolumn, const QString &myinfo)
{
    const int column = mycolumn - 1;
    if (myrow < 0 || myrow >= rowCount() || column < 0 || column >= columnCount())
        return;
    QTableWidgetItem *item = newCellItem(myinfo);
    setItem(myrow, column, item);
    const int output = outputOfColumn(column);
    if (!isMinterm(myrow) || output < 0)
        return;
    if (output == shown)
        setMinterm(myrow, item);
    // A later click must advance the value the user sees, not an older one.
    outputColumns[output][myrow] = myinfo;
}

void truthTable::setMinterm(int minterm, QTableWidgetItem *value)
{
    if (minterm < 0 || minterm >= maxMinterms || !value)
        return;
    minterms[minterm]->setText(value->text());
}

void truthTable::getCellChanged(int r, int c)
{
    const int output = outputOfColumn(c);
    if (output < 0 || !isMinterm(r))
        return;
    QString &value = outputColumns[output][r];
    value = ValueKeys::advanced(value);
    QTableWidgetItem *cell = item(r, c);
    cell->setText(value);
    if (output == shown)
        emit cellModified(r, cell);
    announceValues(output == shown);
}

void truthTable::updateCell(int row, QTableWidgetItem *value)
{
    if (!value)
        return;
    placeCell(row, outputColumn(shown) + 1, value->text());
    announceValues(true);
}

void truthTable::updateFromParser(const QVector<bool> &values)
{
    const int rows = qMin(int(values.size()), rowCountForVariables());
    for (int i = 0; i < rows; ++i) {
        const QString text = values[i] ? QStringLiteral("1") : QStringLiteral("0");
        QTableWidgetItem *output = item(i, outputColumn(shown));
        output->setText(text);
        minterms[i]->setText(text);
        outputColumns[shown][i] = text;
        emit cellModified(i, output);
    }
    announceValues(true);
}

void truthTable::emitSendMinterms()
{
    minimizedName = outputNameList[shown];
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
    const bool shownMoved = shown != 0;
    outputColumns.resize(1);
    outputNameList = QStringList{QString::fromLatin1(MultiOutputFunction::firstOutputName)};
    shown = 0;
    rebuild();
    if (shownMoved)
        emit shownOutputChanged(shown);
}

void truthTable::changeVarNames(const QString &one, const QString &two, const QString &three,
                                const QString &four, const QString &five, const QString &six)
{
    varNames = {one, two, three, four, five, six};
    setHorizontalHeaderLabels(QStringList(varNames.begin(), varNames.end()));
    setHorizontalHeaderItem(numElements, new QTableWidgetItem(QString()));
    applyOutputHeaders();
    resizeColumnsToContents();
}

QVector<QString> truthTable::variableNames() const
{
    return QVector<QString>(varNames.begin(), varNames.begin() + numElements);
}

QString truthTable::outputValues() const
{
    return joined(outputColumns[0]);
}

void truthTable::setOutputValues(const QString &values)
{
    setColumnValues(0, values);
}

void truthTable::setColumnValues(int output, const QString &values)
{
    if (output < 0 || output >= outputCount())
        return;
    const int rows = qMin(int(values.size()), rowCountForVariables());
    bool changed = false;
    for (int r = 0; r < rows; ++r) {
        const QString value(values.at(r));
        if (outputColumns[output][r] == value)
            continue;
        assignOutput(output, r, value);
        changed = true;
    }
    if (changed)
        announceValues(output == shown);
}

// The same change a click makes, with the value given instead of advanced.
void truthTable::assignOutput(int output, int row, const QString &value)
{
    outputColumns[output][row] = value;
    QTableWidgetItem *cell = item(row, outputColumn(output));
    cell->setText(value);
    if (output != shown)
        return;
    minterms[row]->setText(value);
    emit cellModified(row, cell);
}

void truthTable::refreshShown()
{
    const int rows = rowCountForVariables();
    for (int r = 0; r < rows; ++r) {
        minterms[r]->setText(outputColumns[shown][r]);
        emit cellModified(r, item(r, outputColumn(shown)));
    }
    emit sendMintermList(numElements, minterms);
}

void truthTable::addOutput()
{
    if (outputCount() >= MultiOutputFunction::maxOutputs)
        return;
    std::vector<std::string> inputs;
    for (const QString &name : variableNames())
        inputs.push_back(name.toStdString());
    std::vector<std::string> outputs;
    for (const QString &name : std::as_const(outputNameList))
        outputs.push_back(name.toStdString());
    const std::vector<std::string> named =
        MultiOutputFunction::completedOutputNames(inputs, outputs, outputCount() + 1);
    QStringList names = outputNameList;
    names << QString::fromStdString(named.back());
    QStringList more = outputColumnTexts().mid(1);
    more << QString(rowCountForVariables(), QLatin1Char('0'));
    setOutputs(names, more);
    showOutput(outputCount() - 1);
}

void truthTable::removeShownOutput()
{
    if (outputCount() < 2)
        return;
    QStringList names = outputNameList;
    QStringList columns = outputColumnTexts();
    names.removeAt(shown);
    columns.removeAt(shown);
    const QString first = columns.takeFirst();
    const int next = qMin(shown, outputCount() - 2);
    // The first output may be the one removed: its values move up first.
    setOutputValues(first);
    setOutputs(names, columns);
    showOutput(next);
}

void truthTable::showOutput(int output)
{
    if (output < 0 || output >= outputCount() || output == shown)
        return;
    shown = output;
    applyOutputHeaders();
    refreshShown();
    emit shownOutputChanged(shown);
}

void truthTable::setOutputs(const QStringList &names, const QStringList &moreColumns)
{
    QStringList wanted = names.mid(0, MultiOutputFunction::maxOutputs);
    if (wanted.isEmpty())
        wanted << QString::fromLatin1(MultiOutputFunction::firstOutputName);
    const int rows = rowCountForVariables();
    QStringList columns{outputValues()};
    for (int k = 1; k < wanted.size(); ++k)
        columns << moreColumns.value(k - 1).leftJustified(rows, QLatin1Char('0'), true);
    if (wanted == outputNameList && columns == outputColumnTexts())
        return;

    while (outputCount() < wanted.size()) {
        insertColumn(outputColumn(outputCount()));
        horizontalHeader()->resizeSection(outputColumn(outputCount()), sectionSize);
        outputColumns.append(QVector<QString>(rows, QStringLiteral("0")));
        for (int r = 0; r < rows; ++r)
            setItem(r, outputColumn(outputCount() - 1), newCellItem(QStringLiteral("0")));
    }
    while (outputCount() > wanted.size()) {
        removeColumn(outputColumn(outputCount() - 1));
        outputColumns.removeLast();
    }
    outputNameList = wanted;
    const int before = shown;
    shown = qMin(shown, outputCount() - 1);
    bool shownValuesChanged = shown != before;
    for (int k = 1; k < outputCount(); ++k) {
        for (int r = 0; r < rows; ++r) {
            const QString value(columns[k].at(r));
            if (outputColumns[k][r] == value)
                continue;
            shownValuesChanged = shownValuesChanged || k == shown;
            assignOutput(k, r, value);
        }
    }
    applyOutputHeaders();
    resizeColumnsToContents();
    if (shown != before) {
        refreshShown();
    } else if (shownValuesChanged) {
        emit sendMintermList(numElements, minterms);
    }
    emit outputsChanged(numElements, outputNameList, outputColumnTexts());
    if (shown != before)
        emit shownOutputChanged(shown);
}

void truthTable::renameOutputs(const QStringList &names)
{
    if (names.size() == outputCount())
        setOutputs(names, outputColumnTexts().mid(1));
}

// The marks reach the outputs of the marked columns in each marked row, or
// the shown output when no output column is marked.
QVector<truthTable::ValueCell> truthTable::valueCellsIn(const QRect &area) const
{
    QVector<int> outputs;
    for (int k = 0; k < outputCount(); ++k) {
        if (outputColumn(k) >= area.left() && outputColumn(k) <= area.right())
            outputs << k;
    }
    if (outputs.isEmpty())
        outputs << shown;
    QVector<ValueCell> cells;
    const int last = qMin(area.bottom(), rowCountForVariables() - 1);
    for (const int k : std::as_const(outputs)) {
        for (int r = qMax(0, area.top()); r <= last; ++r)
            cells.append({r, r, outputColumn(k)});
    }
    return cells;
}

// A paste of the whole function fills the output the cursor is in, or the
// shown one.
QVector<truthTable::ValueCell> truthTable::wholeFunctionCells() const
{
    const int current = outputOfColumn(currentColumn());
    const int column = outputColumn(current < 0 ? shown : current);
    return valueCellsIn(QRect(column, 0, 1, rowCount()));
}

QString truthTable::valueOf(const ValueCell &cell) const
{
    return outputColumns[outputOfColumn(cell.column)][cell.row];
}

void truthTable::assignValue(const ValueCell &cell, const QString &value)
{
    assignOutput(outputOfColumn(cell.column), cell.row, value);
}

void truthTable::valuesAssigned()
{
    announceValues(true);
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
    const int column = currentColumn() < 0 ? outputColumn(shown) : currentColumn();
    setCurrentCell(row, column);
}
