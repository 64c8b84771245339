// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "edit/FunctionState.h"

#include <QList>
#include <QObject>
#include <QTableWidgetItem>
#include <QUndoStack>

// The undo history of the function. It follows the function through the
// same signals the file export listens to, and turns every change into one
// step: record() closes the step of a user action at once; a change no
// action closed is closed once control returns to the event loop. Undo and
// redo hand the stored state back through the restore signals, which the
// window connects to the slots a user's own choices reach.
class EditHistory : public QObject
{
    Q_OBJECT
public:
    explicit EditHistory(const FunctionState &start, QObject *parent = nullptr);

    QUndoStack *stack() { return &undoStack; }
    const FunctionState &current() const { return shown; }

    // Called by the steps only.
    void apply(const FunctionState &state);

signals:
    void restoreVariableCount(int count);
    void restoreNames(const QVector<QString> &names);
    void restoreValues(const QString &values);
    // Every output's name ("f" alone when `names` is empty) and the columns
    // of the outputs after the first.
    void restoreOutputs(const QStringList &names, const QStringList &moreValues);

public slots:
    void noteValues(int count, const QList<QTableWidgetItem *> &minterms);
    void noteNames(const QVector<QString> &names);
    // Every output's name and column, the first output's column as values.
    void noteOutputs(int count, const QStringList &names, const QStringList &columns);
    void record();

private:
    void recordLater();

    QUndoStack undoStack;
    FunctionState shown;     // what the widgets show now
    FunctionState committed; // what the newest step left
    bool applying = false;
    bool recordPending = false;
};
