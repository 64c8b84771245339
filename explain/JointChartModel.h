// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/JointExplanation.h"

#include <QAbstractTableModel>
#include <QString>

// The chart of a joint cover for a table view: a row per (cell, output) pair
// and a last row marking the chosen products, a column for the output, one
// for the cell and one per multi-output prime. The marks are computed as
// they are painted, so that a chart of thousands of rows and primes costs
// no more than the part in view.
class JointChartModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The words of the first two column headers and of the last row's label.
    struct Labels
    {
        QString output;
        QString cell;
        QString chosen;
    };

    JointChartModel(JointExplanation explanation, Labels labels, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(int row, int column) const;
    // "P3 = A&B' (f, f1)": the prime of a column, its term and outputs.
    QString primeTip(int column) const;
    const JointPrime *primeOf(int column) const;

    JointExplanation explanation;
    Labels labels;
};
