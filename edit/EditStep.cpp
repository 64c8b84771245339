// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/EditStep.h"

#include "edit/EditHistory.h"

#include <utility>

EditStep::EditStep(EditHistory &history, FunctionState before, FunctionState after)
    : history(history), before(std::move(before)), after(std::move(after))
{}

void EditStep::undo()
{
    history.apply(before);
}

void EditStep::redo()
{
    if (done) {
        done = false;
        return;
    }
    history.apply(after);
}
