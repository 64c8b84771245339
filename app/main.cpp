#include "app/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavolin"));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Minimizes Boolean functions."));
    arguments.addHelpOption();
    arguments.addPositionalArgument(QStringLiteral("file"),
                                    QStringLiteral("A PLA file to import at start."),
                                    QStringLiteral("[FILE.pla]"));
    arguments.process(app);

    auto *window = new MainWindow();
    window->setStatusBar(new QStatusBar());
    window->restoreSession();
    window->show();
    if (!arguments.positionalArguments().isEmpty())
        window->openFile(arguments.positionalArguments().constFirst());
    const int status = app.exec();
    delete window;
    return status;
}
