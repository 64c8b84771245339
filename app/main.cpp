// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "app/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavolin"));
    // German (or any language with a translation) from the system locale;
    // the English texts are the source texts and need no file.
    Translations::install(app, QLocale());

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QCoreApplication::translate("main", "Minimizes Boolean functions."));
    arguments.addHelpOption();
    arguments.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("main", "A PLA file to import at start."),
        QStringLiteral("[FILE.pla]"));
    arguments.process(app);

    auto *window = new MainWindow();
    window->setStatusBar(new QStatusBar());
    window->restoreSession();
    window->show();
    if (!arguments.positionalArguments().isEmpty())
        window->openFile(arguments.positionalArguments().constFirst());
    const int status = QApplication::exec();
    delete window;
    return status;
}
