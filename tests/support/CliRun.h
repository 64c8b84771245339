// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One finished call of tavolin-cli: its exit status (-1 when it crashed), its
// standard output as written and as UTF-8 text, and its error output.
struct CliRun
{
    int status = -1;
    QByteArray outBytes;
    QString out;
    QString err;
};

// Runs tavolin-cli of this build with `arguments`, writes `input` to its
// standard input and closes it, and waits for the end.
CliRun runCli(const QStringList &arguments, const QByteArray &input = {});
