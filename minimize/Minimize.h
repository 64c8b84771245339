// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/Minimization.h"
#include "minimize/MinimizedCover.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QTableWidgetItem>
#include <QVector>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The window's way into the minimizer. It keeps the chosen form and the
// variable names, runs a minimization when the truth table sends its cells,
// and sends out the chosen groups and the result text. It shows nothing, so
// a plain QObject suffices.
//
// With "exact minimum" on, the cover sent is the exact minimum instead of the
// greedy one; with "hazard-free" on, the hazard-free cover, searched on a
// worker thread and sent when found (a newer "Minimize!" cancels the search).
class Minimize : public QObject
{
    Q_OBJECT
public:
    explicit Minimize(QObject *parent = nullptr);
    ~Minimize() override;

    // Longest a hazard-free search may take before the exact minimum is sent
    // instead.
    static constexpr int hazardFreeCapMilliseconds = 20000;
    // For the next searches; 0 gives up before a search starts.
    void setHazardFreeCap(int milliseconds) { hazardFreeCap = milliseconds; }

    // The cell codes of the first 2^size items' texts, as Minimization
    // reads them; a missing item is a don't care.
    static std::vector<int> cellCodesOf(int size, const QList<QTableWidgetItem *> &minterms);

signals:
    void sendResult(const QString &result);
    void sendCircles(const QVector<QVector<int>> &groups);
    // After sendResult: the same cover for views that draw or convert it.
    void sendCover(const MinimizedCover &cover);

public slots:
    // Stored for the next minimization; nothing is recomputed.
    void setSOP(bool sumOfProducts);
    // Reads the texts of the first 2^size items as cell codes, minimizes and
    // emits sendCircles, then sendResult, then sendCover.
    void miniClicked(int size, const QList<QTableWidgetItem *> &minterms);
    // Back to SOP form and the names A..F; the last run's data stays.
    void resetMinimize();
    // Stored for the next minimization; the shown result keeps the old names.
    void changeVarNames(const QString &one, const QString &two, const QString &three,
                        const QString &four, const QString &five, const QString &six);
    // Stored for the next minimization.
    void setExactMinimum(bool on);
    void setHazardFree(bool on);

private:
    MinimizationForm form() const;
    // Emits the three signals for the cover.
    void send(const MinimizedCover &cover);
    void startHazardFree(const MinimizationResult &result);
    void hazardFreeDone();
    void cancelHazardFree();

    bool exactMinimum = false;
    bool hazardFree = false;
    int hazardFreeCap = hazardFreeCapMilliseconds;
    struct HazardFreeJob
    {
        MinimizationResult result;
        std::shared_ptr<std::atomic<bool>> cancel;
    };
    HazardFreeJob job;
    QFutureWatcher<std::optional<MinimizedCover>> hazardWatcher;

    bool sumOfProducts = true;
    VariableNames varNames = Minimization::defaultNames();

    // Kept between runs for its scratch storage.
    MinimizationResult result;
    Minimization minimization;
};
