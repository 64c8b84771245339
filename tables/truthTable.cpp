#include "tables/truthTable.h"

#include <QHeaderView>

namespace {

const std::array<QString, 6> defaultNames{"A", "B", "C", "D", "E", "F"};
constexpr int sectionSize = 30;

QString advanced(const QString &value)
{
    if (value == QLatin1String("0"))
        return QStringLiteral("1");
    if (value == QLatin1String("1"))
        return QStringLiteral("X");
    if (value == QLatin1String("X"))
        return QStringLiteral("0");
    return value;
}

bool isVariableCount(int count)
{
    return count >= 2 && count <= 6;
}

} // namespace

truthTable::truthTable(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent), varNames(defaultNames)
{
    setSortingEnabled(false);
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
    rowValues[r] = advanced(rowValues[r]);
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
    if (!isVariableCount(numElements))
        return;
    this->numElements = numElements;
    rebuild();
}

void truthTable::resetTable()
{
    varNames = defaultNames;
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
