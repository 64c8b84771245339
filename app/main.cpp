#include "app/MainWindow.h"

#include <QApplication>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavolin"));
    auto *window = new MainWindow();
    window->setStatusBar(new QStatusBar());
    window->show();
    const int status = app.exec();
    delete window;
    return status;
}
