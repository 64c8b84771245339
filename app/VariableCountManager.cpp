// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VariableCountManager.h"

#include "domain/VariableRules.h"

namespace {
constexpr int smallestCount = VariableRules::minCount;
constexpr int largestCount = VariableRules::maxCount;
constexpr int startIndex = 2;
} // namespace

VariableCountManager::VariableCountManager(QWidget *parent) : QComboBox(parent)
{
    setStatusTip(tr("Change the number of variables"));
    slotReset();
    // Connected only now, so that filling the list announces nothing.
    connect(this, &QComboBox::currentIndexChanged, this,
            qOverload<int>(&VariableCountManager::slotEmitUpdateVariableCount));
}

void VariableCountManager::slotEmitUpdateVariableCount()
{
    emit signalUpdateVariableCount(currentIndex() + smallestCount);
}

void VariableCountManager::slotEmitUpdateVariableCount(int /*index*/)
{
    slotEmitUpdateVariableCount();
}

void VariableCountManager::slotReset()
{
    clear();
    for (int count = smallestCount; count <= largestCount; ++count)
        addItem(QStringLiteral("%1 ").arg(count));
    setCurrentIndex(startIndex);
}

void VariableCountManager::slotUpdateVariableCount(int variableCount)
{
    if (!VariableRules::isCount(variableCount))
        return;
    setCurrentIndex(variableCount - smallestCount);
}

void VariableCountManager::slotSilentUpdateVariableCount(int variableCount)
{
    blockSignals(true);
    slotUpdateVariableCount(variableCount);
    blockSignals(false);
}
