// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleSimulation.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

bool ran(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000) && process.exitCode() == 0;
    if (!finished)
        qWarning("%s", process.readAllStandardError().constData());
    return finished;
}

} // namespace

QStringList simulateVerilog(const QString &folder, const QString &module, const QString &moduleName,
                            int inputs, int outputs)
{
    QString bench = QStringLiteral("module bench;\n  reg [%1:0] in;\n  wire [%2:0] out;\n"
                                   "  integer row;\n  %3 unit(")
                        .arg(inputs - 1)
                        .arg(outputs - 1)
                        .arg(moduleName);
    for (int j = inputs - 1; j >= 0; --j)
        bench += QStringLiteral("in[%1], ").arg(j);
    for (int k = outputs - 1; k >= 0; --k)
        bench += QStringLiteral("out[%1]%2").arg(k).arg(k > 0 ? ", " : "");
    bench += QStringLiteral(");\n  initial begin\n    for (row = 0; row < %1; row = row + 1) "
                            "begin in = row; #1 $display(\"%b\", out); end\n    $finish;\n"
                            "  end\nendmodule\n")
                 .arg(1 << inputs);

    const QDir dir(folder);
    QFile source(dir.filePath(QStringLiteral("simulated.v")));
    if (!source.open(QIODevice::WriteOnly) || source.write((module + bench).toUtf8()) < 0)
        return {};
    source.close();
    const QString program = dir.filePath(QStringLiteral("simulated.vvp"));
    QProcess compile;
    QProcess run;
    if (!ran(compile, QStringLiteral("iverilog"),
             {QStringLiteral("-o"), program, source.fileName()}) ||
        !ran(run, QStringLiteral("vvp"), {QStringLiteral("-n"), program}))
        return {};
    QStringList rows = QString::fromLatin1(run.readAllStandardOutput()).split(QLatin1Char('\n'));
    rows = rows.mid(0, 1 << inputs);
    return rows;
}
