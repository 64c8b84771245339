// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "edit/ValueColumn.h"

#include <QString>

class QKeyEvent;
class QWidget;
class ValueKeyTarget;

// The keys that edit values in the truth table and the map, shared so both
// views read a key press the same way.
namespace ValueKeys {

// "0", "1" or "X" for a key that sets a value (Delete and Backspace set 0),
// an empty string for any other key.
QString valueFor(const QKeyEvent &event);

// Space moves a value one step along the click cycle.
bool advances(const QKeyEvent &event);

// Ctrl+A, Ctrl+C and Ctrl+V belong to a focused value view, not to the
// window's actions with the same keys.
bool isViewShortcut(const QKeyEvent &event);

// The click cycle 0 -> 1 -> X -> 0.
QString advanced(const QString &value);

// Why a pasted column was refused, in the program's language.
QString pasteRefusal(const ValueColumn::Parsed &parsed);

// Reads a key press on a value view and asks `view` for what the key does:
// mark all, copy, paste, set or advance the marked values, move the cursor.
void handleKey(ValueKeyTarget &view, QKeyEvent *event);

// Shows why a paste was refused.
void refusePaste(QWidget *parent, const QString &reason);

} // namespace ValueKeys
