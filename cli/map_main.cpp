// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-cli-map: the map command of tavolin-cli, kept in a program of its
// own because it needs the window's widgets.

#include "cli/CommandLine.h"
#include "cli/MapRenderer.h"
#include "cli/PlaInput.h"
#include "cli/ProgramReport.h"
#include "cli/SolutionFinder.h"
#include "domain/VariableRules.h"
#include "messages/SafeText.h"
#include "pla/PlaReader.h"

#include <QApplication>
#include <QByteArray>
#include <QLoggingCategory>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The toolkit's messages as the tool's own: warnings and errors (a painter
// or an image that fails) are shown, escaped, since they may quote a path.
void toolMessages(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    ProgramReport::note(SafeText::shown(message.toStdString(), SafeText::nameLimit));
}

// While the application starts, the toolkit notes things that are no concern
// of someone who asked for an image (no runtime folder, the platform's
// remarks); only errors get through.
void startUpMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        toolMessages(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    CliOptions options;
    if (!CommandLine::parseProgramArguments(argc, argv, options))
        return ProgramReport::failedStatus;
    if (options.command != CliOptions::Command::Map)
        return ProgramReport::failAbout(
            "tavolin-cli-map draws maps only: tavolin-cli map FILE.pla -o OUT.png");

    const std::string &file = options.files.front();
    std::string error;
    PlaFunction function;
    VariableNames names;
    const int named = static_cast<int>(options.names.size());
    const int startCount = VariableRules::isCount(named) ? named : 4;
    if (!PlaInput::load(file, startCount, function, error))
        return ProgramReport::failAbout(error);
    if (!SolutionFinder::namesFor(function, options.names, names, error))
        return ProgramReport::failAbout(PlaInput::shownName(file) + ": " + error);
    const std::string labelsNote = PlaReader::replacedLabelsNote(function);
    if (!labelsNote.empty())
        ProgramReport::say(PlaInput::shownName(file) + ": " + labelsNote);

    SolutionFinder finder;
    const SolvedFunction solved = finder.solve(
        function.variableCount, SolutionFinder::cellCodes(function),
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts,
        names, options.exact, false);
    QVector<QVector<int>> groups;
    for (const std::vector<int> &group : solved.solutions.front().groups)
        groups.append(QVector<int>(group.begin(), group.end()));

    // Drawing needs no screen: without a platform of the caller's choice the
    // offscreen one is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*.warning=false\nqt.qpa.*.info=false"));
    qInstallMessageHandler(startUpMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(toolMessages);

    QString renderError;
    const QString output = QString::fromLocal8Bit(options.output.c_str());
    if (!MapRenderer::render(function.variableCount, names, function.values, groups, output,
                             renderError))
        return ProgramReport::failAbout(
            SafeText::shown(options.output, SafeText::nameLimit) +
            ": cannot write: " + SafeText::shown(renderError.toStdString(), SafeText::nameLimit));
    return 0;
}
