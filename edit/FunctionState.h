// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// Everything an edit can change: the variable count, the names in use and
// the value of every minterm ('0', '1' or 'X' each).
struct FunctionState
{
    int variableCount = 4;
    QVector<QString> names;
    QString values;

    friend bool operator==(const FunctionState &a, const FunctionState &b)
    {
        return a.variableCount == b.variableCount && a.names == b.names && a.values == b.values;
    }
    friend bool operator!=(const FunctionState &a, const FunctionState &b) { return !(a == b); }
};
