// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/VariableRules.h"
#include "tables/ValueGrid.h"

#include <QString>
#include <QTableWidget>
#include <QVector>

#include <array>

// The Karnaugh map of a function of 2..6 variables. The map keeps no copy of
// the function besides its cell texts; the truth table holds the reference.
class kMap : public ValueGrid
{
    Q_OBJECT
public:
    kMap(int rows, int columns, QWidget *parent = nullptr);

signals:
    // A click changed the value of minterm numRow; item is the map's own cell.
    void cellModified(int numRow, QTableWidgetItem *item);

public slots:
    void changeNumberElements(int elements);
    void changeVarNames(const QString &one, const QString &two, const QString &three,
                        const QString &four, const QString &five, const QString &six);
    void updateCell(int row, QTableWidgetItem *content);
    void getCellChanged(int row, int column);
    void updateCircles(const QVector<QVector<int>> &implicantes);
    void resetMap();

private:
    QVector<ValueCell> valueCellsIn(const QRect &area) const override;
    QString valueOf(const ValueCell &cell) const override;
    void assignValue(const ValueCell &cell, const QString &value) override;
    QString pasteMismatch(qsizetype values, qsizetype marked) const override;
    void moveVertically(int step) override;

    void buildMap();
    void applyLabels();
    void fitToGrid();
    void putCell(int row, int column, const QString &text);

    int numElements = 4;
    std::array<QString, VariableRules::maxCount> varNames;
};
