// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-cli-circuit: the circuit images of tavolin-cli, kept in a program
// of its own because drawing needs Qt.

#include "circuit/CircuitLayout.h"
#include "circuit/CircuitPainter.h"
#include "circuit/VerilogWriter.h"
#include "cli/CircuitCommand.h"
#include "cli/CommandLine.h"
#include "cli/ProgramReport.h"
#include "messages/SafeText.h"

#include <QGuiApplication>

#include <string>

namespace {

// Start-up notes of the toolkit are no concern of someone who asked for an
// image; only real errors are shown.
void quietMessages(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        ProgramReport::note(message.toStdString());
}

} // namespace

int main(int argc, char **argv)
{
    CliOptions options;
    if (!CommandLine::parseProgramArguments(argc, argv, options))
        return ProgramReport::failedStatus;
    if (options.command != CliOptions::Command::Circuit)
        return ProgramReport::fail(
            "tavolin-cli-circuit draws circuits only: tavolin-cli circuit FILE.pla -o OUT.svg");

    if (options.verilog || options.circ) {
        // tavolin-cli writes these texts itself; called directly, this program does too.
        std::string out;
        std::string err;
        const int status = options.circ ? CircuitCommand::writeCirc(options, out, err)
                                        : CircuitCommand::writeVerilog(options, out, err);
        return ProgramReport::finish(out, err, status);
    }

    Netlist netlist;
    std::string error;
    if (!CircuitCommand::netlistFor(options, netlist, error))
        return ProgramReport::fail(error);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qInstallMessageHandler(quietMessages);
    QGuiApplication application(argc, argv);

    const CircuitLayout layout =
        CircuitLayout::compute(netlist, VerilogWriter::outputName(netlist));
    QString renderError;
    if (!CircuitPainter::writeImage(layout, QString::fromLocal8Bit(options.output.c_str()),
                                    renderError))
        return ProgramReport::fail(
            SafeText::shown(options.output, SafeText::nameLimit) +
            ": cannot write: " + SafeText::shown(renderError.toStdString(), SafeText::nameLimit));
    return 0;
}
