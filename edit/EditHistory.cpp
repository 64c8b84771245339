// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/EditHistory.h"

#include "domain/VariableRules.h"
#include "edit/EditStep.h"

#include <QTableWidgetItem>

EditHistory::EditHistory(const FunctionState &start, QObject *parent)
    : QObject(parent), shown(start), committed(start)
{
    undoStack.setClean();
}

void EditHistory::noteValues(int count, const QList<QTableWidgetItem *> &minterms)
{
    if (!VariableRules::isCount(count))
        return;
    shown.variableCount = count;
    shown.values.clear();
    const int size = qMin(1 << count, int(minterms.size()));
    for (int m = 0; m < size; ++m)
        shown.values += minterms[m] ? minterms[m]->text() : QStringLiteral("0");
    recordLater();
}

void EditHistory::noteOutputs(int count, const QStringList &names, const QStringList &columns)
{
    if (!VariableRules::isCount(count) || columns.isEmpty())
        return;
    shown.variableCount = count;
    shown.values = columns.front();
    const bool onlyF = names.size() == 1 && names.front() == QLatin1String("f");
    shown.outputNames = onlyF ? QStringList() : names;
    shown.moreValues = columns.mid(1);
    recordLater();
}

void EditHistory::noteNames(const QVector<QString> &names)
{
    shown.names = names;
    recordLater();
}

void EditHistory::recordLater()
{
    if (applying || recordPending)
        return;
    recordPending = true;
    QMetaObject::invokeMethod(this, &EditHistory::record, Qt::QueuedConnection);
}

void EditHistory::record()
{
    recordPending = false;
    if (applying || shown == committed)
        return;
    const FunctionState before = committed;
    committed = shown;
    undoStack.push(new EditStep(*this, before, shown));
}

// Count first, since a new count rebuilds the tables with zeros and default
// names for new positions; then the names; then the values; then the other
// outputs.
void EditHistory::apply(const FunctionState &state)
{
    applying = true;
    if (state.variableCount != shown.variableCount)
        emit restoreVariableCount(state.variableCount);
    if (state.names != shown.names)
        emit restoreNames(state.names);
    if (state.values != shown.values)
        emit restoreValues(state.values);
    if (state.outputNames != shown.outputNames || state.moreValues != shown.moreValues)
        emit restoreOutputs(state.outputNames, state.moreValues);
    applying = false;
    committed = state;
}
