// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/VariableRules.h"
#include "tables/ValueGrid.h"

#include <QList>
#include <QString>
#include <QTableWidget>
#include <QVector>

#include <array>

// The truth table: one row per minterm, one column per variable, a blank
// spacer column and the output column "f". It is the reference copy of the
// function; the other widgets learn of its values through its signals.
class truthTable : public ValueGrid
{
    Q_OBJECT
public:
    truthTable(int rows, int columns, QWidget *parent = nullptr);

    int variableCount() const { return numElements; }
    // The names in use and the output column, one character per row.
    QVector<QString> variableNames() const;
    QString outputValues() const;

signals:
    void cellModified(int numRow, QTableWidgetItem *content);
    void sendMinterms(int size, QList<QTableWidgetItem *> minterms);
    void sendMintermList(int size, QList<QTableWidgetItem *> minterms);

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
    // Sets every row whose value differs from `values` (one character per
    // row): one cellModified per changed row, then one minterm list.
    void setOutputValues(const QString &values);

private:
    QVector<ValueCell> valueCellsIn(const QRect &area) const override;
    QString valueOf(const ValueCell &cell) const override;
    void assignValue(const ValueCell &cell, const QString &value) override;
    void valuesAssigned() override;
    QString pasteMismatch(qsizetype values, qsizetype marked) const override;
    void moveVertically(int step) override;
    void assignOutput(int row, const QString &value);

    static constexpr int maxMinterms = 64;

    void populateTable();
    void rebuild();
    void placeCell(int myrow, int mycolumn, const QString &myinfo);
    int rowCountForVariables() const { return 1 << numElements; }
    int outputColumn() const { return numElements + 1; }
    bool isMinterm(int row) const { return row >= 0 && row < rowCountForVariables(); }
    static QTableWidgetItem *newCellItem(const QString &text);

    std::array<QString, VariableRules::maxCount> varNames;
    QVector<QString> rowValues;
    int numElements = 4;
    std::array<QTableWidgetItem, maxMinterms> mintermItems;
    QList<QTableWidgetItem *> minterms;
};
