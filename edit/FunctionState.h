// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Everything an edit can change: the variable count, the names in use and
// the value of every minterm ('0', '1' or 'X' each) of the first output;
// with several outputs, or one not called "f", also every output's name
// and the columns of the outputs after the first.
struct FunctionState
{
    int variableCount = 4;
    QVector<QString> names;
    QString values;
    // Empty for the one output "f".
    QStringList outputNames;
    QStringList moreValues;

    friend bool operator==(const FunctionState &a, const FunctionState &b)
    {
        return a.variableCount == b.variableCount && a.names == b.names && a.values == b.values &&
               a.outputNames == b.outputNames && a.moreValues == b.moreValues;
    }
    friend bool operator!=(const FunctionState &a, const FunctionState &b) { return !(a == b); }
};
