// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression/ExpressionEvaluator.h"

#include <QLineEdit>
#include <QString>
#include <QVector>

class ExpressionException;

// The equation field. On request it evaluates the typed expression for every
// assignment of the variables, first name as the most significant bit, and
// sends the results to the truth table in one emission. Syntax errors are
// shown in a warning box with the offending token selected. The engine is a
// base of the field, so it shares the field's life.
class EquationManager : public QLineEdit, public ExpressionEvaluator
{
    Q_OBJECT
public:
    explicit EquationManager(QWidget *parent = nullptr);

    // A syntax error's sentence in the window's language; in English the
    // text tavolin-cli prints.
    static QString describe(const ExpressionException &error);

signals:
    void signalUpdateTruthTableValues(const QVector<bool> &minterms);

    // Public so that the main window can connect to them.
public slots:
    void slotEvaluateEquation();
    void slotResetEquation();
    void slotUpdateVariableCount(int variableCount);
    void slotUpdateVariableNames(const QString &one, const QString &two, const QString &three,
                                 const QString &four, const QString &five, const QString &six);
    void slotUpdateVariableNames(const QVector<QString> &variableNames);

private:
    void Apply_Variable_Names();
    void warn(const QString &text);

    int variable_count_ = 4;
    QVector<QString> stored_names_;
};
