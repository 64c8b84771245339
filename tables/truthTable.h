// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/VariableRules.h"
#include "tables/ValueGrid.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QVector>

#include <array>

// The truth table: one row per minterm, one column per variable, a blank
// spacer column and one column per output, the first "f". It is the
// reference copy of the function; the other widgets learn of its values
// through its signals. One output at a time is the shown one: the minterm
// signals and cellModified carry its values only, so that the map and the
// minimizer follow it; outputsChanged carries every output.
class truthTable : public ValueGrid
{
    Q_OBJECT
public:
    truthTable(int rows, int columns, QWidget *parent = nullptr);

    int variableCount() const { return numElements; }
    // The names in use and the first output's column, one character per row.
    QVector<QString> variableNames() const;
    QString outputValues() const;

    int outputCount() const { return int(outputColumns.size()); }
    QStringList outputNames() const { return outputNameList; }
    // One string per output, one character per row.
    QStringList outputColumnTexts() const;
    int shownOutput() const { return shown; }
    // The output the last Minimize! took.
    QString minimizedOutputName() const { return minimizedName; }

signals:
    void cellModified(int numRow, QTableWidgetItem *content);
    void sendMinterms(int size, QList<QTableWidgetItem *> minterms);
    void sendMintermList(int size, QList<QTableWidgetItem *> minterms);
    // After every change of any output's values or names or of the outputs
    // themselves: each output's name and column.
    void outputsChanged(int count, const QStringList &names, const QStringList &columns);
    void shownOutputChanged(int output);

public slots:
    void changeVarNames(const QString &one, const QString &two, const QString &three,
                        const QString &four, const QString &five, const QString &six);
    void changeNumberElements(int numElements);
    void updateTable();
    void setCell(int myrow, int mycolumn, const QString &myinfo);
    void getCellChanged(int r, int c);
    void emitSendMinterms();
    void setMinterm(int minterm, QTableWidgetItem *value);
    void updateCell(int row, QTableWidgetItem *value);
    void updateFromParser(const QVector<bool> &values);
    void resetTable();
    // Sets every row of the first output whose value differs from `values`
    // (one character per row): one cellModified per changed row when that
    // output is shown, then one minterm list.
    void setOutputValues(const QString &values);
    // The same for any output.
    void setColumnValues(int output, const QString &values);
    // Appends an output with the lowest free name "fK", every value 0, and
    // shows it.
    void addOutput();
    // Removes the shown output unless it is the only one.
    void removeShownOutput();
    void showOutput(int output);
    // Every output's name; the outputs after the first take `moreColumns`,
    // the first keeps its values. For undo and import.
    void setOutputs(const QStringList &names, const QStringList &moreColumns);
    // New names for every output, their values kept.
    void renameOutputs(const QStringList &names);

private:
    QVector<ValueCell> valueCellsIn(const QRect &area) const override;
    QVector<ValueCell> wholeFunctionCells() const override;
    QString valueOf(const ValueCell &cell) const override;
    void assignValue(const ValueCell &cell, const QString &value) override;
    void valuesAssigned() override;
    QString pasteMismatch(qsizetype values, qsizetype marked) const override;
    void moveVertically(int step) override;
    void assignOutput(int output, int row, const QString &value);

    static constexpr int maxMinterms = 64;

    void populateTable();
    void rebuild();
    void placeCell(int myrow, int mycolumn, const QString &myinfo);
    void applyOutputHeaders();
    // The map and the minimizer learn the shown output's every value.
    void refreshShown();
    void announceValues(bool shownChanged);
    int rowCountForVariables() const { return 1 << numElements; }
    int outputColumn(int output) const { return numElements + 1 + output; }
    // The output a table column shows, or -1.
    int outputOfColumn(int column) const;
    bool isShownOutput(const ValueCell &cell) const override
    {
        return outputOfColumn(cell.column) == shown;
    }
    bool isMinterm(int row) const { return row >= 0 && row < rowCountForVariables(); }
    static QTableWidgetItem *newCellItem(const QString &text);

    std::array<QString, VariableRules::maxCount> varNames;
    // Per output, one value per row; the first is the column "f" has always been.
    QVector<QVector<QString>> outputColumns;
    QStringList outputNameList;
    int shown = 0;
    QString minimizedName;
    int numElements = 4;
    std::array<QTableWidgetItem, maxMinterms> mintermItems;
    QList<QTableWidgetItem *> minterms;
};
