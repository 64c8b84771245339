#include "cli/MinimizeCommand.h"

#include "cli/PlaInput.h"
#include "cli/SolutionFinder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace {

// A fresh window shows four variables; --names stands for a window whose
// names dialog already has that many rows.
int countBeforeImport(const CliOptions &options)
{
    const int named = static_cast<int>(options.names.size());
    return named >= 2 ? named : 4;
}

QJsonArray intArray(const std::vector<int> &values)
{
    QJsonArray array;
    for (const int value : values)
        array.append(value);
    return array;
}

QJsonArray groupArray(const std::vector<std::vector<int>> &groups)
{
    QJsonArray array;
    for (const std::vector<int> &group : groups)
        array.append(intArray(group));
    return array;
}

QJsonObject jsonOf(const std::string &file, int n, const VariableNames &names,
                   const CliOptions &options, const SolvedFunction &solved)
{
    QJsonObject object;
    object.insert(QStringLiteral("file"), QString::fromStdString(file));
    object.insert(QStringLiteral("n"), n);
    QJsonArray nameArray;
    for (int j = 0; j < n; ++j)
        nameArray.append(QString::fromStdString(names[static_cast<std::size_t>(j)]));
    object.insert(QStringLiteral("names"), nameArray);
    object.insert(QStringLiteral("form"),
                  options.productOfSums ? QStringLiteral("POS") : QStringLiteral("SOP"));
    const Solution &first = solved.solutions.front();
    object.insert(QStringLiteral("text"), QString::fromStdString(first.text));
    object.insert(QStringLiteral("groups"), groupArray(first.groups));

    QJsonArray primes;
    for (const PrimeImplicant &prime : solved.result.primes) {
        QJsonObject entry;
        std::string cube = prime.cube;
        if (!cube.empty() && cube.back() == '*')
            cube.pop_back();
        entry.insert(QStringLiteral("cube"), QString::fromStdString(cube));
        entry.insert(QStringLiteral("minterms"), intArray(prime.minterms));
        primes.append(entry);
    }
    object.insert(QStringLiteral("primes"), primes);

    if (solved.exact) {
        object.insert(QStringLiteral("terms"), solved.terms);
        object.insert(QStringLiteral("literals"), solved.literals);
    }
    if (options.all) {
        QJsonArray solutions;
        for (const Solution &solution : solved.solutions) {
            QJsonObject entry;
            entry.insert(QStringLiteral("text"), QString::fromStdString(solution.text));
            entry.insert(QStringLiteral("groups"), groupArray(solution.groups));
            solutions.append(entry);
        }
        object.insert(QStringLiteral("solutions"), solutions);
    }
    return object;
}

} // namespace

int MinimizeCommand::run(const CliOptions &options, std::string &out, std::string &err)
{
    const MinimizationForm form =
        options.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    const bool prefixed = options.files.size() > 1;
    const int startCount = countBeforeImport(options);
    SolutionFinder finder;
    QJsonArray objects;
    int status = 0;

    for (const std::string &file : options.files) {
        PlaFunction function;
        VariableNames names;
        std::string error;
        if (!PlaInput::load(file, startCount, function, error)) {
            err += error + "\n";
            status = 2;
            continue;
        }
        if (!SolutionFinder::namesFor(function, options.names, names, error)) {
            err += PlaInput::shownName(file) + ": " + error + "\n";
            status = 2;
            continue;
        }
        if (function.severalOutputs)
            err += PlaInput::shownName(file) +
                   ": describes several outputs; only the first output was read.\n";

        const SolvedFunction solved =
            finder.solve(function.variableCount, SolutionFinder::cellCodes(function), form, names,
                         options.exact, options.all);
        if (options.json) {
            objects.append(jsonOf(file, function.variableCount, names, options, solved));
            continue;
        }
        for (const Solution &solution : solved.solutions) {
            if (prefixed)
                out += file + ": ";
            out += solution.text;
            out += '\n';
        }
    }

    if (options.json && !objects.isEmpty()) {
        const QJsonDocument document =
            prefixed ? QJsonDocument(objects) : QJsonDocument(objects.first().toObject());
        out += document.toJson(QJsonDocument::Compact).toStdString();
        out += '\n';
    }
    return status;
}
