// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputs/MultiOutputFunction.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QFormLayout;
class QLineEdit;

// The names of the outputs, one field each. Ok takes them only when the
// outputs core accepts them together with the inputs' names; otherwise a
// box names the first name at fault and the dialog stays open.
class OutputNamesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OutputNamesDialog(QWidget *parent = nullptr);

    // One field per output, holding its name now.
    void setNames(const QStringList &inputNames, const QStringList &outputNames);
    // The core's refusal in the window's language; in English the sentence
    // the core writes.
    static QString describe(const MultiOutputFunction::NameRefusal &refusal);

signals:
    void namesAccepted(const QStringList &outputNames);

public slots:
    void accept() override;

private:
    QFormLayout *fields = nullptr;
    QList<QLineEdit *> edits;
    QStringList inputs;
};
