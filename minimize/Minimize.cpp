// SPDX-License-Identifier: GPL-3.0-or-later
#include "minimize/Minimize.h"

#include "minimize/CoverFinder.h"

#include <QTimer>
#include <QtConcurrent>

#include <cstddef>

Minimize::Minimize(QObject *parent) : QObject(parent)
{
    connect(&hazardWatcher, &QFutureWatcher<std::optional<MinimizedCover>>::finished, this,
            &Minimize::hazardFreeDone);
}

Minimize::~Minimize()
{
    cancelHazardFree();
}

void Minimize::setExactMinimum(bool on)
{
    exactMinimum = on;
}

void Minimize::setHazardFree(bool on)
{
    hazardFree = on;
}

void Minimize::setSOP(bool sumOfProducts)
{
    this->sumOfProducts = sumOfProducts;
}

void Minimize::miniClicked(int size, const QList<QTableWidgetItem *> &minterms)
{
    // A passing count outside 1..6 or a short list cannot be minimized; the
    // minimizer reports nothing.
    if (size < 1 || size > 6 || minterms.size() < (1 << size))
        return;

    minimization.run(size, cellCodesOf(size, minterms), form(), varNames, result);

    cancelHazardFree();
    if (hazardFree) {
        startHazardFree(result);
        return;
    }
    send(exactMinimum ? CoverFinder::exactMinimum(result, varNames)
                      : CoverFinder::windowCover(result, varNames));
}

std::vector<int> Minimize::cellCodesOf(int size, const QList<QTableWidgetItem *> &minterms)
{
    std::vector<int> cells;
    cells.reserve(std::size_t{1} << size);
    for (int m = 0; m < (1 << size); ++m) {
        const QTableWidgetItem *item = minterms.at(m);
        cells.push_back(Minimization::cellCode(item ? item->text().toStdString() : std::string()));
    }
    return cells;
}

MinimizationForm Minimize::form() const
{
    return sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums;
}

void Minimize::send(const MinimizedCover &cover)
{
    QVector<QVector<int>> groups;
    groups.reserve(static_cast<qsizetype>(cover.groups.size()));
    for (const std::vector<int> &group : cover.groups)
        groups.append(QVector<int>(group.begin(), group.end()));
    emit sendCircles(groups);
    emit sendResult(QString::fromStdString(cover.text));
    emit sendCover(cover);
}

// The search runs on copies; the job keeps the result for the fallback. The
// cover is written in the names of this "Minimize!", like the window's own.
void Minimize::startHazardFree(const MinimizationResult &result)
{
    job.result = result;
    job.cancel = std::make_shared<std::atomic<bool>>(hazardFreeCap <= 0);
    const std::shared_ptr<std::atomic<bool>> cancel = job.cancel;
    const VariableNames names = varNames;
    hazardWatcher.setFuture(QtConcurrent::run(
        [result, names, cancel] { return CoverFinder::hazardFree(result, names, cancel.get()); }));
    QTimer::singleShot(hazardFreeCap, &hazardWatcher, [cancel] { *cancel = true; });
}

void Minimize::hazardFreeDone()
{
    // A finish reported for a search replaced since is not this job's.
    if (!job.cancel || !hazardWatcher.isFinished())
        return;
    // Once the cap has passed the search has given up, even if it found its
    // cover in the same moment: the answer does not depend on that race.
    const bool stopped = *job.cancel;
    const std::optional<MinimizedCover> cover = hazardWatcher.result();
    job.cancel.reset();
    // Out of time: the exact minimum stands in.
    send(cover && !stopped ? *cover : CoverFinder::exactMinimum(job.result, varNames));
}

// A search still running is told to stop and forgotten; its result is never
// sent.
void Minimize::cancelHazardFree()
{
    if (!job.cancel)
        return;
    *job.cancel = true;
    job.cancel.reset();
    hazardWatcher.waitForFinished();
}

void Minimize::resetMinimize()
{
    varNames = Minimization::defaultNames();
    sumOfProducts = true;
}

void Minimize::changeVarNames(const QString &one, const QString &two, const QString &three,
                              const QString &four, const QString &five, const QString &six)
{
    varNames = {one.toStdString(),  two.toStdString(),  three.toStdString(),
                four.toStdString(), five.toStdString(), six.toStdString()};
}
