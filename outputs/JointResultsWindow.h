// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/JointCover.h"
#include "minimize/SeparateMinimization.h"

#include <QFutureWatcher>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <atomic>
#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;

// The results of "Minimize All Outputs": each output minimized alone, the
// joint cover with the products shared between outputs, and the counts of
// both side by side. The search runs on a worker thread, so a hard function
// never freezes the window; a newer function cancels the older search.
class JointResultsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit JointResultsWindow(QWidget *parent = nullptr);
    ~JointResultsWindow() override;

    // The tables show the cover of the function last given, not an older one.
    bool isUpToDate() const { return shown == request; }
    // Longest the joint search may try to prove its minimum.
    void setTimeLimit(int milliseconds) { timeLimit = milliseconds; }

public slots:
    // The function to minimize, as the truth table holds it; minimizes it
    // unless it is the one shown already.
    void setFunction(const QStringList &variableNames, const QStringList &outputNames,
                     const QStringList &columns, bool sumOfProducts);
    // The output the map shows, so that a picked product stays on it where
    // it feeds that output.
    void setShownOutput(int output) { shownOutput = output; }
    // Stops the search; the best cover found so far is shown.
    void cancel();

signals:
    // The map should show `output` with these groups shaded.
    void shadeGroups(int output, const QVector<QVector<int>> &groups);
    // A search ended and its cover is shown.
    void resultsShown();

private:
    struct Outcome
    {
        JointCover joint;
        SeparateCovers separate;
    };
    struct Request
    {
        QStringList variableNames;
        QStringList outputNames;
        QStringList columns;
        bool sumOfProducts = true;

        bool operator==(const Request &other) const;
    };

    static Outcome search(const Request &request, int milliseconds,
                          const std::shared_ptr<std::atomic<bool>> &stop);
    void showOutcome();
    void fillOutputs();
    void fillProducts();
    void fillCounts();
    void showStatus();
    void outputPicked();
    void productPicked();
    QVector<int> groupOf(int product) const;

    QLabel *status = nullptr;
    QPushButton *cancelButton = nullptr;
    QTableWidget *outputsTable = nullptr;
    QTableWidget *productsTable = nullptr;
    QTableWidget *countsTable = nullptr;

    Request request;
    Request shown;
    Outcome outcome;
    int shownOutput = 0;
    int timeLimit = 10000;
    std::shared_ptr<std::atomic<bool>> stop;
    QFutureWatcher<Outcome> watcher;
};
