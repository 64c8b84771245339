// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"

#include <QProcess>

CliRun runCli(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(TAVOLIN_CLI), arguments);
    if (!process.waitForStarted())
        qFatal("cannot start %s", TAVOLIN_CLI);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.outBytes = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
