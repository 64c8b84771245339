// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QEvent;
class QString;

// A view of values the keys edit: the truth table and the map. ValueKeys
// reads a key press and calls the one of these the key asks for, so both
// views answer every key the same way.
class ValueKeyTarget
{
public:
    // Ctrl+A: every value becomes marked.
    virtual void markAll() = 0;
    // Ctrl+C
    virtual void copyMarked() const = 0;
    // Ctrl+V
    virtual void pasteValues() = 0;
    // 0, 1, X, Delete or Backspace: the marked values become `value`.
    virtual void setMarked(const QString &value) = 0;
    // Space: each marked value takes its next step along the click cycle.
    virtual void advanceMarked() = 0;
    // Return and Enter: one row down, with Shift one up.
    virtual void moveVertically(int step) = 0;
    // Every other key goes to the view's own cursor handling; `extend`
    // tells whether the marks stretch from where the cursor was.
    virtual void moveCursorBy(QEvent *event, bool extend) = 0;

protected:
    ~ValueKeyTarget() = default;
};
