// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain/JointChartModel.h"

#include "explain/ExplanationDocument.h"

#include <QColor>

namespace {

// The first two columns name the row; the primes follow.
constexpr int labelColumns = 2;

} // namespace

JointChartModel::JointChartModel(JointExplanation explanation, Labels labels, QObject *parent)
    : QAbstractTableModel(parent), explanation(std::move(explanation)), labels(std::move(labels))
{}

int JointChartModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(explanation.rows.size()) + 1;
}

int JointChartModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(explanation.primes.size()) + labelColumns;
}

const JointPrime *JointChartModel::primeOf(int column) const
{
    const int at = column - labelColumns;
    if (at < 0 || at >= static_cast<int>(explanation.primes.size()))
        return nullptr;
    return &explanation.primes[static_cast<std::size_t>(at)];
}

QString JointChartModel::text(int row, int column) const
{
    const JointPrime *prime = primeOf(column);
    if (row == static_cast<int>(explanation.rows.size())) {
        if (column == 0)
            return labels.chosen;
        return prime != nullptr && prime->feeds != 0 ? QStringLiteral("✓") : QString();
    }
    const JointChartRow &chartRow = explanation.rows[static_cast<std::size_t>(row)];
    if (column == 0)
        return QString::fromStdString(
            explanation.outputNames[static_cast<std::size_t>(chartRow.output)]);
    if (column == 1)
        return QString::number(chartRow.cell);
    return prime != nullptr ? QString::fromStdString(jointChartMark(chartRow, prime->number))
                            : QString();
}

QString JointChartModel::primeTip(int column) const
{
    const JointPrime *prime = primeOf(column);
    if (prime == nullptr)
        return {};
    return QStringLiteral("P%1 = %2 (%3)")
        .arg(prime->number)
        .arg(QString::fromStdString(prime->term),
             QString::fromStdString(outputList(explanation, prime->outputs)));
}

QVariant JointChartModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, column);
    case Qt::TextAlignmentRole:
        return column >= labelColumns ? QVariant(Qt::AlignCenter) : QVariant();
    case Qt::ToolTipRole:
        return text(row, column).isEmpty() ? QVariant() : QVariant(primeTip(column));
    case Qt::BackgroundRole: {
        // As the one-output chart tints them: rows a single prime covers,
        // then the columns of the chosen products.
        const bool lastRow = row == static_cast<int>(explanation.rows.size());
        if (!lastRow && explanation.rows[static_cast<std::size_t>(row)].primes.size() == 1)
            return QColor(255, 240, 180);
        const JointPrime *prime = primeOf(column);
        if (prime != nullptr && prime->feeds != 0)
            return QColor(205, 230, 255);
        return {};
    }
    default:
        return {};
    }
}

QVariant JointChartModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::ToolTipRole)
        return primeTip(section);
    if (role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return labels.output;
    if (section == 1)
        return labels.cell;
    return QStringLiteral("P%1").arg(section - labelColumns + 1);
}
