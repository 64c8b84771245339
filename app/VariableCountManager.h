// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// The combo box that chooses the number of variables, 2 to 6. The count is
// the current index plus 2; every change of the selection is announced once.
class VariableCountManager : public QComboBox
{
    Q_OBJECT
public:
    explicit VariableCountManager(QWidget *parent = nullptr);

signals:
    void signalUpdateVariableCount(int variableCount);

public slots:
    void slotEmitUpdateVariableCount();
    void slotEmitUpdateVariableCount(int /*index*/);
    void slotReset();
    void slotUpdateVariableCount(int variableCount);
    void slotSilentUpdateVariableCount(int variableCount);
};
