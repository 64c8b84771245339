#include "minimize/Minimize.h"

#include <cstddef>

Minimize::Minimize(QObject *parent) : QObject(parent) {}

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

    std::vector<int> cells;
    cells.reserve(std::size_t{1} << size);
    for (int m = 0; m < (1 << size); ++m) {
        const QTableWidgetItem *item = minterms.at(m);
        cells.push_back(Minimization::cellCode(item ? item->text().toStdString() : std::string()));
    }

    const MinimizationResult result = minimization.run(
        size, cells,
        sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums,
        varNames);

    mintermArray = result.cellCodes;
    implicants.clear();
    implicantMinterms.clear();
    for (const PrimeImplicant &prime : result.primes) {
        implicants.push_back(prime.cube);
        implicantMinterms.push_back(prime.minterms);
    }

    QVector<QVector<int>> groups;
    groups.reserve(static_cast<qsizetype>(result.groups.size()));
    for (const std::vector<int> &group : result.groups)
        groups.append(QVector<int>(group.begin(), group.end()));
    emit sendCircles(groups);
    emit sendResult(QString::fromStdString(result.text));
    emit sendCover(coverOf(size, result));
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
