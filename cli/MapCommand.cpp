#include "cli/MapCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStringList>

int MapCommand::run(int argc, char **argv, std::string &err)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tavolin-cli-map"));

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(-1)) {
        err += "tavolin-cli: cannot run " + QDir::toNativeSeparators(program).toStdString() + ": " +
               process.errorString().toStdString() + "\n";
        return 2;
    }
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit) {
        err += "tavolin-cli: " + QDir::toNativeSeparators(program).toStdString() + " crashed.\n";
        return 2;
    }
    return process.exitCode();
}
