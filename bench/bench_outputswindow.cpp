// SPDX-License-Identifier: GPL-3.0-or-later
// Times the window with six variables and sixteen outputs: a click on an
// output's column header until the map shows that output and the window
// has painted, and a click on "Minimize!" for the output shown until the
// result is painted.

#include "BenchFigures.h"
#include "app/MainWindow.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int outputs = 16;
constexpr int switches = 200;

double msSince(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    window.findChild<QComboBox *>(QStringLiteral("variableCountManager"))->setCurrentIndex(4);
    auto *table = window.findChild<truthTable *>(QStringLiteral("truthTableWidget"));
    auto *add = window.findChild<QAction *>(QStringLiteral("addOutputAction"));
    auto *minimize = window.findChild<QPushButton *>(QStringLiteral("minimizeButton"));
    std::mt19937 random(20261209);
    for (int k = 1; k < outputs; ++k)
        add->trigger();
    for (int k = 0; k < outputs; ++k) {
        QString values;
        for (int m = 0; m < 64; ++m)
            values += QLatin1Char("01X"[random() % 3]);
        table->setColumnValues(k, values);
    }
    QApplication::processEvents();

    std::printf("bench_outputswindow, six variables, %d outputs, %d switches "
                "(target: <= 30 ms each)\n",
                outputs, switches);
    std::vector<double> shown;
    std::vector<double> minimized;
    QHeaderView *header = table->horizontalHeader();
    for (int i = 0; i < switches; ++i) {
        int output = static_cast<int>(random() % outputs);
        if (output == table->shownOutput())
            output = (output + 1) % outputs;
        const int column = table->variableCount() + 1 + output;
        table->scrollTo(table->model()->index(0, column));
        const QPoint middle(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
        window.repaint();
        shown.push_back(msSince(clock));

        clock.restart();
        minimize->click();
        window.repaint();
        minimized.push_back(msSince(clock));
    }
    BenchFigures::report("header click until the map is painted", shown, "ms");
    BenchFigures::report("Minimize! until the result is painted", minimized, "ms");
    return 0;
}
