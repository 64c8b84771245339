#include "cli/JsonReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace {

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

QJsonObject objectOf(const CliOptions &options, const FileResult &result)
{
    const SolvedFunction &solved = result.solved;
    QJsonObject object;
    object.insert(QStringLiteral("file"), QString::fromStdString(result.file));
    object.insert(QStringLiteral("n"), result.n);
    QJsonArray names;
    for (int j = 0; j < result.n; ++j)
        names.append(QString::fromStdString(result.names[static_cast<std::size_t>(j)]));
    object.insert(QStringLiteral("names"), names);
    object.insert(QStringLiteral("form"),
                  options.productOfSums ? QStringLiteral("POS") : QStringLiteral("SOP"));
    const Solution &first = solved.solutions.front();
    object.insert(QStringLiteral("text"), QString::fromStdString(first.text));
    object.insert(QStringLiteral("groups"), groupArray(first.groups));

    // The cubes without the prime marker the minimizer appends.
    QJsonArray primes;
    for (const PrimeImplicant &prime : solved.result.primes) {
        std::string cube = prime.cube;
        if (!cube.empty() && cube.back() == '*')
            cube.pop_back();
        QJsonObject entry;
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

std::string JsonReport::text(const CliOptions &options, const std::vector<FileResult> &results)
{
    if (results.empty())
        return std::string();
    if (options.files.size() == 1)
        return QJsonDocument(objectOf(options, results.front()))
                   .toJson(QJsonDocument::Compact)
                   .toStdString() +
               "\n";
    // One array of objects. Each object is serialized as soon as it is built,
    // so that only one file's tree is alive at a time: with hundreds of files
    // the whole tree would cost more in allocation than the work itself.
    std::string text = "[";
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (i > 0)
            text += ',';
        text += QJsonDocument(objectOf(options, results[i]))
                    .toJson(QJsonDocument::Compact)
                    .toStdString();
    }
    text += "]\n";
    return text;
}
