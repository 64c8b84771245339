// SPDX-License-Identifier: GPL-3.0-or-later
// Times the steps window end to end at six variables: from the click on
// "Minimize!" until the window shows the new explanation (tabs rebuilt), and
// until the worker has counted the minimum solutions. For the function with
// the most minimum covers known (1 where two or three of six variables are
// 1) it also records the longest the event loop went without turning while
// the count ran, which is what a user would feel as a freeze.

#include "BenchFigures.h"
#include "app/MainWindow.h"
#include "explain/StepsWindow.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int functions = 60;

struct Timing
{
    double shown;    // ms until the explanation is on screen, both windows painted
    double complete; // ms until the solutions are counted
    double longestStall;
};

class Bench
{
public:
    Bench()
    {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        window.findChild<QComboBox *>(QStringLiteral("variableCountManager"))->setCurrentIndex(4);
        steps = window.findChild<StepsWindow *>(QStringLiteral("stepsWindow"));
        table = window.findChild<truthTable *>(QStringLiteral("truthTableWidget"));
        button = window.findChild<QPushButton *>(QStringLiteral("minimizeButton"));
    }

    void showSteps(bool on)
    {
        if (on)
            window.findChild<QAction *>(QStringLiteral("showStepsAction"))->trigger();
        else
            steps->hide();
    }

    // "Minimize!" with the steps window closed, until the main window has
    // painted: what the steps window's figures compare with.
    double minimizeAlone(const std::vector<int> &cells)
    {
        enter(cells);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
        return static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }

    Timing run(const std::vector<int> &cells)
    {
        for (int m = 0; m < 64; ++m)
            table->setCell(m, 8,
                           cells[static_cast<std::size_t>(m)] ? QStringLiteral("1")
                                                              : QStringLiteral("0"));
        QApplication::processEvents();
        QSignalSpy refreshed(steps, &StepsWindow::refreshed);
        Timing timing{0, 0, 0};
        QElapsedTimer clock;
        qint64 lastTurn = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
            const qint64 now = clock.nsecsElapsed();
            timing.longestStall =
                std::max(timing.longestStall, static_cast<double>(now - lastTurn) / 1e6);
            lastTurn = now;
        });
        clock.start();
        ticker.start();
        QTest::mouseClick(button, Qt::LeftButton);
        while (refreshed.isEmpty())
            refreshed.wait(10000);
        QApplication::processEvents();
        timing.shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        lastTurn = clock.nsecsElapsed();
        while (!refreshed.last().at(0).toBool())
            refreshed.wait(30000);
        timing.complete = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        return timing;
    }

private:
    void enter(const std::vector<int> &cells)
    {
        for (int m = 0; m < 64; ++m)
            table->setCell(m, 8,
                           cells[static_cast<std::size_t>(m)] ? QStringLiteral("1")
                                                              : QStringLiteral("0"));
        QApplication::processEvents();
    }

    MainWindow window;
    StepsWindow *steps = nullptr;
    truthTable *table = nullptr;
    QPushButton *button = nullptr;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Bench bench;
    std::mt19937 random(20261209);
    std::vector<double> alone;
    std::vector<double> shown;
    std::vector<double> complete;
    std::printf("bench_stepswindow, six variables, %d random functions "
                "(target: the window shows the explanation in < 30 ms)\n",
                functions);
    std::vector<std::vector<int>> inputs;
    for (int f = 0; f < functions; ++f) {
        std::vector<int> cells(64);
        for (int &cell : cells)
            cell = static_cast<int>(random() % 2);
        inputs.push_back(cells);
    }
    bench.showSteps(false);
    alone.reserve(inputs.size());
    for (const auto &cells : inputs)
        alone.push_back(bench.minimizeAlone(cells));
    bench.showSteps(true);
    for (const auto &cells : inputs) {
        const Timing timing = bench.run(cells);
        shown.push_back(timing.shown);
        complete.push_back(timing.complete);
    }
    BenchFigures::report("Minimize!, steps window closed", alone, "ms");
    BenchFigures::report("Minimize! to explanation shown", shown, "ms");
    BenchFigures::report("Minimize! to solutions counted", complete, "ms");

    std::vector<int> twoOrThree(64);
    for (int m = 0; m < 64; ++m) {
        const int ones = __builtin_popcount(static_cast<unsigned>(m));
        twoOrThree[static_cast<std::size_t>(m)] = ones == 2 || ones == 3;
    }
    const Timing worst = bench.run(twoOrThree);
    std::printf("  two or three of six variables are 1 (count stops at %llu)\n",
                static_cast<unsigned long long>(StepsWindow::countCap));
    std::printf("    Minimize! to explanation shown          %8.2f ms\n", worst.shown);
    std::printf("    Minimize! to count stopped              %8.2f ms\n", worst.complete);
    std::printf("    longest event-loop stall while counting %8.2f ms\n", worst.longestStall);
    return 0;
}
