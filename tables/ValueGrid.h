// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "domain/VariableRules.h"
#include "tables/MarkedCellDelegate.h"
#include "tables/ValueKeyTarget.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <QTableWidget>
#include <QVector>

#include <array>

// A grid whose cells show values of the function: the truth table and the
// map. It owns what both do alike: the marks (from an anchor to the current
// cell, or every value), the mouse and the keys that move and stretch them,
// and what the keys do to the marked values: set, advance, copy, paste. The
// views say only where their values sit.
class ValueGrid : public QTableWidget, private ValueKeyTarget
{
    Q_OBJECT
public:
    ValueGrid(int rows, int columns, QWidget *parent);

signals:
    // A key press or a paste changed values; one per user action.
    void valuesEdited();

public slots:
    // A column of values, one per line, fills every value or exactly the
    // marked ones.
    void pasteValues() override;
    // What a check of an answer found, by minterm; empty clears every flag.
    void setCellFlags(const QHash<int, MarkedCellDelegate::Flags> &byMinterm);

protected:
    // One value the keys reach: its minterm and the cell that shows it. A
    // view with several outputs tells them apart by the cell's column.
    struct ValueCell
    {
        int minterm;
        int row;
        int column;
    };

    // The value cells inside `area` (grid rows and columns), in the order a
    // copy lists them and a paste fills them.
    virtual QVector<ValueCell> valueCellsIn(const QRect &area) const = 0;
    // The values a paste of the whole function fills: every value unless
    // the view says otherwise.
    virtual QVector<ValueCell> wholeFunctionCells() const { return allValueCells(); }
    virtual QString valueOf(const ValueCell &cell) const = 0;
    // Whether the cell shows the output the map shows, the one an answer
    // check is about.
    virtual bool isShownOutput(const ValueCell & /*cell*/) const { return true; }
    // The same change a click makes, with the value given instead of
    // advanced.
    virtual void assignValue(const ValueCell &cell, const QString &value) = 0;
    // Called once after a key or a paste assigned values, before
    // valuesEdited.
    virtual void valuesAssigned() {}
    // Why a paste of `values` values does not fit `marked` marked cells.
    virtual QString pasteMismatch(qsizetype values, qsizetype marked) const = 0;

    using Names = std::array<QString, VariableRules::maxCount>;
    // The names of variable positions one to six before any renaming.
    static Names defaultNames();

    // Forgets the anchor and the marking of every value; for a rebuild.
    void clearMarks();

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

    QVector<ValueCell> allValueCells() const;

private:
    void markAll() override;
    void moveCursorBy(QEvent *event, bool extend) override;
    void setMarked(const QString &value) override;
    void advanceMarked() override;
    void copyMarked() const override;

    // The value cells from the anchor to the current cell, or every value.
    QVector<ValueCell> markedCells() const;
    bool isMarked(const QModelIndex &index) const;
    MarkedCellDelegate::Flags flagOf(const QModelIndex &index) const;
    void finishEdit();

    int anchorRow = -1;
    int anchorColumn = -1;
    bool everyCellMarked = false;
    bool extending = false;
    QHash<int, MarkedCellDelegate::Flags> flags;
};
