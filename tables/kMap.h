// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/VariableRules.h"
#include "tables/ValueKeyTarget.h"

#include <QString>
#include <QTableWidget>
#include <QVector>

#include <array>

// The Karnaugh map of a function of 2..6 variables. The map keeps no copy of
// the function besides its cell texts; the truth table holds the reference.
class kMap : public QTableWidget, private ValueKeyTarget
{
    Q_OBJECT
public:
    kMap(int rows, int columns, QWidget *parent = nullptr);

signals:
    // A click changed the value of minterm numRow; item is the map's own cell.
    void cellModified(int numRow, QTableWidgetItem *item);
    // A key press or a paste changed values; one per user action.
    void valuesEdited();

public slots:
    void changeNumberElements(int elements);
    void changeVarNames(const QString &one, const QString &two, const QString &three,
                        const QString &four, const QString &five, const QString &six);
    void updateCell(int row, QTableWidgetItem *content);
    void getCellChanged(int row, int column);
    void updateCircles(const QVector<QVector<int>> &implicantes);
    void resetMap();
    void pasteValues() override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void markAll() override;
    void moveCursorBy(QEvent *event, bool extend) override;
    struct MarkedCell
    {
        int minterm;
        QTableWidgetItem *item;
    };
    // The value cells from the anchor to the current cell, or every value
    // cell, in minterm order.
    QVector<MarkedCell> markedCells() const;
    bool isMarked(const QModelIndex &index) const;
    void clearMarks();
    void setValue(const MarkedCell &cell, const QString &value);
    void setMarked(const QString &value) override;
    void advanceMarked() override;
    void copyMarked() const override;
    void moveVertically(int step) override;

    void buildMap();
    void applyLabels();
    void fitToGrid();
    void putCell(int row, int column, const QString &text);

    int numElements = 4;
    std::array<QString, VariableRules::maxCount> varNames;
    int anchorRow = -1;
    int anchorColumn = -1;
    bool everyCellMarked = false;
    bool extending = false;
};
