// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "edit/FunctionState.h"

#include <QUndoCommand>

class EditHistory;

// One user action: the function before and after it. The action itself
// already happened when the step is pushed, so the first redo does nothing.
class EditStep : public QUndoCommand
{
public:
    EditStep(EditHistory &history, FunctionState before, FunctionState after);

    void undo() override;
    void redo() override;

private:
    EditHistory &history;
    FunctionState before;
    FunctionState after;
    bool done = true;
};
