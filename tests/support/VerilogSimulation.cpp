// SPDX-License-Identifier: GPL-3.0-or-later
#include "VerilogSimulation.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Each row's bits are followed by a space, each module's rows by a newline.
std::string testbench(const std::vector<SimulatedModule> &driven)
{
    std::string text = "module tb;\n  integer i;\n";
    for (std::size_t c = 0; c < driven.size(); ++c) {
        const SimulatedModule &one = driven[c];
        const std::string index = std::to_string(c);
        text += "  reg [" + std::to_string(one.inputs - 1) + ":0] v" + index + ";\n  wire [" +
                std::to_string(one.outputs - 1) + ":0] f" + index + ";\n  " + one.name + " u" +
                index + "(";
        for (int j = one.inputs - 1; j >= 0; --j)
            text += "v" + index + "[" + std::to_string(j) + "], ";
        for (int k = one.outputs - 1; k >= 0; --k)
            text += "f" + index + "[" + std::to_string(k) + "]" + (k > 0 ? ", " : "");
        text += ");\n";
    }
    text += "  initial begin\n";
    for (std::size_t c = 0; c < driven.size(); ++c) {
        const std::string index = std::to_string(c);
        text += "    for (i = 0; i < " + std::to_string(1 << driven[c].inputs) +
                "; i = i + 1) begin v" + index + " = i; #1 $write(\"%b \", f" + index +
                "); end\n    $write(\"\\n\");\n";
    }
    text += "    $finish;\n  end\nendmodule\n";
    return text;
}

// One line per module, its rows separated by spaces.
QStringList simulatedLines(const std::string &modules, const std::vector<SimulatedModule> &driven)
{
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("circuit.v"));
    const QString program = folder.filePath(QStringLiteral("circuit.vvp"));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QByteArray::fromStdString(modules + testbench(driven)));
    file.close();
    QProcess compile;
    compile.start(QStringLiteral("iverilog"), {QStringLiteral("-o"), program, source});
    if (!compile.waitForFinished(60000) || compile.exitCode() != 0) {
        qWarning("%s", compile.readAllStandardError().constData());
        return {};
    }
    QProcess run;
    run.start(QStringLiteral("vvp"), {QStringLiteral("-n"), program});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    QStringList lines = QString::fromLatin1(run.readAllStandardOutput()).split(QLatin1Char('\n'));
    lines.removeIf([](const QString &line) { return line.isEmpty() || line.startsWith("VCD"); });
    return lines;
}

} // namespace

namespace VerilogSimulation {

QStringList outputBits(const std::string &modules, const std::vector<SimulatedModule> &driven)
{
    QStringList lines = simulatedLines(modules, driven);
    for (QString &line : lines)
        line.remove(QLatin1Char(' '));
    return lines;
}

QStringList outputRows(const std::string &modules, const SimulatedModule &driven)
{
    return simulatedLines(modules, {driven}).value(0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace VerilogSimulation
