// SPDX-License-Identifier: GPL-3.0-or-later
#include "minimize/Minimize.h"

#include "minimize/ExactCover.h"

#include <QTimer>
#include <QtConcurrent>

#include <cstddef>

Minimize::Minimize(QObject *parent) : QObject(parent)
{
    connect(&hazardWatcher, &QFutureWatcher<std::vector<int>>::finished, this,
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

    const MinimizationResult result = minimization.run(
        size, cellCodesOf(size, minterms),
        sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums,
        varNames);

    mintermArray = result.cellCodes;
    implicants.clear();
    implicantMinterms.clear();
    for (const PrimeImplicant &prime : result.primes) {
        implicants.push_back(prime.cube);
        implicantMinterms.push_back(prime.minterms);
    }

    cancelHazardFree();
    if (hazardFree) {
        startHazardFree(size, result);
        return;
    }
    if (exactMinimum) {
        const ExactCoverResult exact = ExactCover::solve(result.cellCodes, result.primes);
        if (!exact.solutions.empty()) {
            sendChosen(size, result, exact.solutions.front());
            return;
        }
    }

    QVector<QVector<int>> groups;
    groups.reserve(static_cast<qsizetype>(result.groups.size()));
    for (const std::vector<int> &group : result.groups)
        groups.append(QVector<int>(group.begin(), group.end()));
    emit sendCircles(groups);
    emit sendResult(QString::fromStdString(result.text));
    emit sendCover(coverOf(size, result));
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

void Minimize::sendChosen(int size, const MinimizationResult &result,
                          const std::vector<int> &selection)
{
    MinimizationResult chosen = result;
    chosen.selection = selection;
    chosen.groups.clear();
    for (const int prime : selection)
        chosen.groups.push_back(result.primes[static_cast<std::size_t>(prime - 1)].minterms);
    resultText(chosen.cellCodes, chosen.primes, chosen.selection,
               sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums,
               varNames, chosen.text);

    QVector<QVector<int>> groups;
    for (const std::vector<int> &group : chosen.groups)
        groups.append(QVector<int>(group.begin(), group.end()));
    emit sendCircles(groups);
    emit sendResult(QString::fromStdString(chosen.text));
    emit sendCover(coverOf(size, chosen));
}

// The search runs on copies; the job keeps the result to send once it ends.
void Minimize::startHazardFree(int size, const MinimizationResult &result)
{
    job.size = size;
    job.result = result;
    job.cancel = std::make_shared<std::atomic<bool>>(hazardFreeCap <= 0);
    const std::shared_ptr<std::atomic<bool>> cancel = job.cancel;
    const std::vector<int> cells = result.cellCodes;
    const std::vector<PrimeImplicant> primes = result.primes;
    hazardWatcher.setFuture(QtConcurrent::run([cells, primes, cancel] {
        CoverLimits limits = ExactCover::firstOnly();
        limits.cancel = cancel.get();
        const ExactCoverResult cover = ExactCover::hazardFree(cells, primes, limits);
        return cover.solutions.empty() ? std::vector<int>() : cover.solutions.front();
    }));
    QTimer::singleShot(hazardFreeCap, &hazardWatcher, [cancel] { *cancel = true; });
}

void Minimize::hazardFreeDone()
{
    // A finish reported for a search replaced since is not this job's.
    if (!job.cancel || !hazardWatcher.isFinished())
        return;
    const bool stopped = *job.cancel;
    std::vector<int> selection = hazardWatcher.result();
    job.cancel.reset();
    if (stopped || selection.empty()) {
        // Out of time (or nothing to cover): the exact minimum stands in.
        const ExactCoverResult exact = ExactCover::solve(job.result.cellCodes, job.result.primes);
        selection = exact.solutions.empty() ? job.result.selection : exact.solutions.front();
    }
    sendChosen(job.size, job.result, selection);
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

MinimizedCover Minimize::coverOf(int size, const MinimizationResult &result) const
{
    MinimizedCover cover;
    cover.variableCount = size;
    cover.form = sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums;
    cover.names = varNames;
    for (int prime : result.selection) {
        const std::string &cube = result.primes[static_cast<std::size_t>(prime - 1)].cube;
        cover.cubes.push_back(cube.substr(0, static_cast<std::size_t>(size)));
    }
    cover.groups = result.groups;
    cover.text = result.text;
    return cover;
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
