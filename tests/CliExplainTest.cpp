// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-cli explain, minimize --hazard-free and --limit, run as processes:
// the hazard-free cover checked cell by cell, a limited list against the full
// one, and explain's content against the other commands and the renderers.

#include "CliRun.h"
#include "RandomOutputs.h"
#include "TestFiles.h"
#include "TestFunctions.h"
#include "explain/Explainer.h"
#include "explain/ExplanationRenderer.h"
#include "explain/JointExplainer.h"
#include "expression/ExpressionEvaluator.h"
#include "minimize/ExactCover.h"
#include "minimize/Minimization.h"
#include "pla/PlaWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using TestFiles::writeFileIn;
using TestFunctions::formOf;
using TestFunctions::plaText;
using TestFunctions::randomValues;

namespace {

// One cell in five a don't care, the others as often 0 as 1.
constexpr std::string_view withDontCares = "01X01";

// 1 where the number of variables that are 1 is one of `weights`: symmetric
// functions have many minimum covers.
std::string symmetricValues(int n, std::initializer_list<int> weights)
{
    std::string values;
    for (int m = 0; m < (1 << n); ++m) {
        const int ones = __builtin_popcount(static_cast<unsigned>(m));
        values += std::find(weights.begin(), weights.end(), ones) != weights.end() ? '1' : '0';
    }
    return values;
}

std::vector<int> codesOf(const std::string &values)
{
    return Minimization::cellCodes(values);
}

QStringList lines(const QByteArray &out)
{
    QStringList list = QString::fromUtf8(out).split('\n');
    if (!list.isEmpty() && list.back().isEmpty())
        list.removeLast();
    return list;
}

// The value the text gives at minterm m, the first name the top bit.
bool valueAt(const std::string &text, int n, int m)
{
    if (text == "0" || text == "1")
        return text == "1";
    const VariableNames all = Minimization::defaultNames();
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(std::vector<std::string>(all.begin(), all.begin() + n));
    evaluator.Set_Expression(text);
    std::vector<bool> values;
    values.reserve(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j)
        values.push_back((m >> (n - 1 - j)) & 1);
    evaluator.Set_Variable_Values(values);
    return evaluator.Evaluate_Expression();
}

QString compact(const QJsonValue &value)
{
    return QString::fromUtf8(value.isArray()
                                 ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                 : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
}

} // namespace

class CliExplainTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void hazardFreeCover_data();
    void hazardFreeCover();
    void limitCapsTheList_data();
    void limitCapsTheList();
    void limitStopsCountingLikeExplain();
    void explainAgreesWithMinimize_data();
    void explainAgreesWithMinimize();
    void explainRendersTheCore_data();
    void explainRendersTheCore();
    void jsonKeepsUnreadableFileNames_data();
    void jsonKeepsUnreadableFileNames();
    void explainRefusesBadFiles();
    void explainJointAgreesWithMinimize_data();
    void explainJointAgreesWithMinimize();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void CliExplainTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void CliExplainTest::hazardFreeCover_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("pos");

    for (const bool pos : {false, true}) {
        const char *form = pos ? "POS" : "SOP";
        for (int n = 2; n <= 6; ++n) {
            for (const bool dontCares : {false, true})
                QTest::addRow("%s, %d variables%s", form, n, dontCares ? ", don't cares" : "")
                    << n
                    << QString::fromStdString(
                           randomValues(n, dontCares ? withDontCares : "01", 70u * n + dontCares))
                    << pos;
        }
        QTest::addRow("%s, cyclic function: every prime needed", form)
            << 3 << QStringLiteral("11100111") << pos;
        QTest::addRow("%s, constant", form) << 4 << QString(16, '0') << pos;
    }
}

// Every cell the form covers lies in a group, no other cell does except don't
// cares, every two adjacent such cells share a group, the text gives the
// function, and no hazard-free cover is shorter than the library's.
void CliExplainTest::hazardFreeCover()
{
    QFETCH(int, n);
    QFETCH(QString, values);
    QFETCH(bool, pos);

    const std::string cells = values.toStdString();
    const QString path = writeFileIn(*dir, QStringLiteral("h.pla"), plaText(n, cells));
    QStringList arguments{QStringLiteral("minimize"), QStringLiteral("--hazard-free"), path};
    if (pos)
        arguments << QStringLiteral("--pos");
    const CliRun plain = runCli(arguments);
    const CliRun json = runCli(arguments << QStringLiteral("--json"));
    QCOMPARE(plain.status, 0);
    QCOMPARE(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.outBytes).object();
    QCOMPARE(QString::fromUtf8(plain.outBytes), object.value("text").toString() + '\n');

    const char covered = pos ? '0' : '1';
    std::vector<std::vector<int>> groups;
    for (const QJsonValue group : object.value("groups").toArray()) {
        groups.emplace_back();
        for (const QJsonValue m : group.toArray())
            groups.back().push_back(m.toInt());
    }
    const auto inOneGroup = [&](int a, int b) {
        return std::any_of(groups.begin(), groups.end(), [&](const std::vector<int> &g) {
            return std::count(g.begin(), g.end(), a) + std::count(g.begin(), g.end(), b) == 2;
        });
    };
    const std::string text = object.value("text").toString().toStdString();
    for (int m = 0; m < (1 << n); ++m) {
        const char cell = cells[static_cast<std::size_t>(m)];
        for (const std::vector<int> &group : groups)
            QVERIFY2(cell == 'X' || cell == covered ||
                         std::count(group.begin(), group.end(), m) == 0,
                     qPrintable(QStringLiteral("cell %1 lies in a group").arg(m)));
        if (cell != 'X')
            QCOMPARE(valueAt(text, n, m), cell == '1');
        if (cell != covered)
            continue;
        QVERIFY2(inOneGroup(m, m), qPrintable(QStringLiteral("cell %1 uncovered").arg(m)));
        for (int bit = 0; bit < n; ++bit) {
            const int neighbour = m ^ (1 << bit);
            if (neighbour > m && cells[static_cast<std::size_t>(neighbour)] == covered)
                QVERIFY2(inOneGroup(m, neighbour),
                         qPrintable(QStringLiteral("cells %1 and %2 apart").arg(m).arg(neighbour)));
        }
    }

    Minimization minimization;
    const MinimizationResult result = minimization.run(n, codesOf(cells), formOf(pos));
    const ExactCoverResult least = ExactCover::hazardFree(result.cellCodes, result.primes);
    QCOMPARE(static_cast<int>(groups.size()), least.terms);
    // The rest of the object is what plain --json gives.
    QJsonObject window =
        QJsonDocument::fromJson(runCli(QStringList{"minimize", "--json", path}
                                       << (pos ? QStringList{"--pos"} : QStringList{}))
                                    .outBytes)
            .object();
    QCOMPARE(compact(object.value("primes")), compact(window.value("primes")));
    window.insert("text", object.value("text"));
    window.insert("groups", object.value("groups"));
    QCOMPARE(object, window);
}

void CliExplainTest::limitCapsTheList_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<int>("limit");

    QTest::newRow("cyclic function, limit 1 of 2") << 3 << QStringLiteral("11100111") << false << 1;
    QTest::newRow("cyclic function, limit above the count")
        << 3 << QStringLiteral("11100111") << false << 5;
    QTest::newRow("four variables, two or three ones, limit 7")
        << 4 << QString::fromStdString(symmetricValues(4, {2, 3})) << false << 7;
    QTest::newRow("five variables, two ones, POS, limit 4")
        << 5 << QString::fromStdString(symmetricValues(5, {2})) << true << 4;
    QTest::newRow("a single minimum solution")
        << 4 << QStringLiteral("1111000000000000") << false << 3;
    QTest::newRow("six variables, random, limit 1")
        << 6 << QString::fromStdString(randomValues(6, withDontCares, 611)) << false << 1;
}

// The first `limit` lines of the full list, and the full count beside them.
void CliExplainTest::limitCapsTheList()
{
    QFETCH(int, n);
    QFETCH(QString, values);
    QFETCH(bool, pos);
    QFETCH(int, limit);

    const QString path =
        writeFileIn(*dir, QStringLiteral("l.pla"), plaText(n, values.toStdString()));
    QStringList arguments{QStringLiteral("minimize"), QStringLiteral("--exact"),
                          QStringLiteral("--all"), path};
    if (pos)
        arguments << QStringLiteral("--pos");
    const CliRun full = runCli(arguments);
    QCOMPARE(full.status, 0);
    const QStringList every = lines(full.outBytes);

    arguments << QStringLiteral("--limit") << QString::number(limit);
    const CliRun capped = runCli(arguments);
    QCOMPARE(capped.status, 0);
    QCOMPARE(lines(capped.outBytes), every.mid(0, limit));
    QCOMPARE(capped.err, QStringLiteral("%1: %2 minimum solution%3, %4 listed.\n")
                             .arg(path)
                             .arg(every.size())
                             .arg(every.size() == 1 ? "" : "s")
                             .arg(std::min<qsizetype>(limit, every.size())));

    const CliRun json = runCli(arguments << QStringLiteral("--json"));
    QCOMPARE(json.status, 0);
    QCOMPARE(json.err, QString());
    const QJsonObject object = QJsonDocument::fromJson(json.outBytes).object();
    QCOMPARE(object.value("count").toInt(), every.size());
    QCOMPARE(object.value("complete").toBool(), true);
    QStringList listed;
    for (const QJsonValue solution : object.value("solutions").toArray())
        listed << solution.toObject().value("text").toString();
    QCOMPARE(listed, every.mid(0, limit));
    QCOMPARE(object.value("text").toString(), every.front());
}

// Over 26 million minimum covers: the list comes at once, the count stops
// where explain's does and says so, and the listed covers are explain's.
void CliExplainTest::limitStopsCountingLikeExplain()
{
    const QString path =
        writeFileIn(*dir, QStringLiteral("t.pla"), plaText(6, symmetricValues(6, {2, 3})));
    const int limit = 3;
    const QStringList arguments{QStringLiteral("minimize"), QStringLiteral("--exact"),
                                QStringLiteral("--all"),    QStringLiteral("--limit"),
                                QString::number(limit),     path};
    const CliRun capped = runCli(arguments);
    QCOMPARE(capped.status, 0);

    const CliRun explained =
        runCli(QStringList{"explain", "--format", "json", "--limit", QString::number(limit), path});
    QCOMPARE(explained.status, 0);
    const QJsonObject solutions =
        QJsonDocument::fromJson(explained.outBytes).object().value("solutions").toObject();
    QCOMPARE(solutions.value("complete").toBool(), false);
    const auto count = static_cast<qint64>(solutions.value("count").toDouble());
    QCOMPARE(capped.err, QStringLiteral("%1: at least %2 minimum solutions, %3 listed.\n")
                             .arg(path)
                             .arg(count)
                             .arg(limit));
    QStringList listed;
    for (const QJsonValue cover : solutions.value("covers").toArray())
        listed << cover.toObject().value("text").toString();
    QCOMPARE(lines(capped.outBytes), listed);

    const QJsonObject object =
        QJsonDocument::fromJson(runCli(QStringList(arguments) << QStringLiteral("--json")).outBytes)
            .object();
    QCOMPARE(static_cast<qint64>(object.value("count").toDouble()), count);
    QCOMPARE(object.value("complete").toBool(), false);
}

void CliExplainTest::explainAgreesWithMinimize_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("pos");

    for (const bool pos : {false, true}) {
        const char *form = pos ? "POS" : "SOP";
        for (int n = 3; n <= 6; ++n)
            QTest::addRow("%s, %d variables", form, n)
                << n
                << QString::fromStdString(
                       randomValues(n, n % 2 == 0 ? withDontCares : "01", 300u + n))
                << pos;
        QTest::addRow("%s, cyclic function", form) << 3 << QStringLiteral("11100111") << pos;
    }
    QTest::newRow("nothing to cover") << 4 << QString(16, '0') << false;
    QTest::newRow("more minimum solutions than listed")
        << 5 << QString::fromStdString(symmetricValues(5, {2, 3})) << false;
}

// explain --format json tells the same covers as minimize, --exact, --all
// and --hazard-free do, and its chart's essentials are the primes alone on
// a row.
void CliExplainTest::explainAgreesWithMinimize()
{
    QFETCH(int, n);
    QFETCH(QString, values);
    QFETCH(bool, pos);

    const QString path =
        writeFileIn(*dir, QStringLiteral("x.pla"), plaText(n, values.toStdString()));
    const QStringList form = pos ? QStringList{"--pos"} : QStringList{};
    const CliRun explained =
        runCli(QStringList{"explain", path, "--format", "json", "--hazard-free"} << form);
    QCOMPARE(explained.status, 0);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(explained.outBytes, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);

    const auto textOf = [&](const QStringList &flags) {
        return QString::fromUtf8(runCli(QStringList{"minimize", path} << flags << form).outBytes);
    };
    QCOMPARE(object.value("window").toObject().value("text").toString() + '\n', textOf({}));
    QCOMPARE(object.value("minimum").toObject().value("text").toString() + '\n',
             textOf({"--exact"}));
    QCOMPARE(object.value("hazardFree").toObject().value("text").toString() + '\n',
             textOf({"--hazard-free"}));

    const QStringList every = textOf({"--exact", "--all"}).split('\n', Qt::SkipEmptyParts);
    const QJsonObject solutions = object.value("solutions").toObject();
    QCOMPARE(solutions.value("count").toInt(), every.size());
    QVERIFY(solutions.value("complete").toBool());
    QStringList listed;
    for (const QJsonValue cover : solutions.value("covers").toArray())
        listed << cover.toObject().value("text").toString();
    QCOMPARE(listed, every.mid(0, 50));

    // The window's groups as minimize --json gives them.
    const QJsonObject window =
        QJsonDocument::fromJson(runCli(QStringList{"minimize", "--json", path} << form).outBytes)
            .object();
    QCOMPARE(compact(object.value("window").toObject().value("groups")),
             compact(window.value("groups")));

    // Essentials: the primes alone on some chart row, each named with such a row.
    const QJsonArray primes = object.value("primes").toArray();
    QSet<int> alone;
    for (const QJsonValue row : object.value("chart").toObject().value("minterms").toArray()) {
        QList<int> on;
        for (const QJsonValue prime : primes) {
            if (prime.toObject().value("minterms").toArray().contains(row))
                on << prime.toObject().value("number").toInt();
        }
        QVERIFY(!on.isEmpty());
        if (on.size() == 1)
            alone.insert(on.front());
    }
    QSet<int> essentials;
    for (const QJsonValue prime : primes) {
        if (prime.toObject().value("essential").toBool())
            essentials.insert(prime.toObject().value("number").toInt());
    }
    QCOMPARE(essentials, alone);
    QCOMPARE(object.value("chart").toObject().value("essentials").toArray().size(),
             essentials.size());
}

void CliExplainTest::explainRendersTheCore_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<bool>("hazardFree");
    QTest::addColumn<int>("limit");

    QTest::newRow("text by default") << QString() << false << false << 0;
    QTest::newRow("markdown, POS") << "markdown" << true << false << 0;
    QTest::newRow("html with the hazard-free cover") << "html" << false << true << 0;
    QTest::newRow("text listing two solutions") << "text" << false << true << 2;
}

// The file's function, names and options reach the core's renderers.
void CliExplainTest::explainRendersTheCore()
{
    QFETCH(QString, format);
    QFETCH(bool, pos);
    QFETCH(bool, hazardFree);
    QFETCH(int, limit);

    const std::string values = symmetricValues(4, {1, 2});
    const QString path = writeFileIn(*dir, QStringLiteral("r.pla"), plaText(4, values));
    QStringList arguments{QStringLiteral("explain"), path, QStringLiteral("--names"),
                          QStringLiteral("w,x1,Yz,abc")};
    if (!format.isEmpty())
        arguments << QStringLiteral("--format") << format;
    if (pos)
        arguments << QStringLiteral("--pos");
    if (hazardFree)
        arguments << QStringLiteral("--hazard-free");
    if (limit != 0)
        arguments << QStringLiteral("--limit") << QString::number(limit);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);

    VariableNames names = Minimization::defaultNames();
    names[0] = "w";
    names[1] = "x1";
    names[2] = "Yz";
    names[3] = "abc";
    ExplainOptions options;
    options.listSolutions = true;
    options.solutionLimit = limit != 0 ? static_cast<std::size_t>(limit) : 50;
    options.hazardFree = hazardFree;
    Explainer explainer;
    const Explanation explanation =
        explainer.explain(4, codesOf(values), formOf(pos), names, options);
    const ExplanationFormat chosen = format == "markdown" ? ExplanationFormat::Markdown
                                     : format == "html"   ? ExplanationFormat::Html
                                                          : ExplanationFormat::Text;
    QCOMPARE(QString::fromUtf8(run.outBytes),
             QString::fromStdString(renderExplanation(explanation, chosen)));
    QVERIFY(run.outBytes.contains("x1"));
}

void CliExplainTest::jsonKeepsUnreadableFileNames_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::newRow("minimize --json") << QStringList{"minimize", "--json"};
    QTest::newRow("minimize --json, two files") << QStringList{"minimize", "--json", "SECOND"};
    QTest::newRow("explain --format json") << QStringList{"explain", "--format", "json"};
}

// A file name that is not UTF-8 is written with U+FFFD in its place instead
// of ending the call.
void CliExplainTest::jsonKeepsUnreadableFileNames()
{
    QFETCH(QStringList, command);

    const QByteArray text = plaText(3, "10010110");
    const QString second = writeFileIn(*dir, QStringLiteral("second.pla"), text);
    const QByteArray name = QFile::encodeName(dir->path()) + "/bad\xff\xfe.pla";
    {
        QFile file(QFile::decodeName(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    const QStringList files = QDir(dir->path()).entryList({"bad*"});
    QCOMPARE(files.size(), 1);
    command.replaceInStrings(QStringLiteral("SECOND"), second);
    command.insert(1, dir->filePath(files.front()));

    const CliRun run = runCli(command);
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.outBytes, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object =
        document.isArray() ? document.array().first().toObject() : document.object();
    QVERIFY(object.value("file").toString().endsWith(QStringLiteral("/bad\uFFFD\uFFFD.pla")));
    QCOMPARE(object.value("n").toInt(), 3);
}

void CliExplainTest::explainRefusesBadFiles()
{
    const QString missing = dir->filePath(QStringLiteral("missing.pla"));
    const CliRun run = runCli({QStringLiteral("explain"), missing});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.outBytes, QByteArray());
    QVERIFY2(run.err.startsWith(missing + QStringLiteral(": cannot read")), qPrintable(run.err));

    const QString wide = writeFileIn(*dir, QStringLiteral("wide.pla"), ".i 3\n.o 1\n0101 1\n");
    const CliRun malformed = runCli({QStringLiteral("explain"), wide});
    QCOMPARE(malformed.status, 2);
    QVERIFY2(malformed.err.startsWith(wide + QStringLiteral(":3: ")), qPrintable(malformed.err));
}

void CliExplainTest::explainJointAgreesWithMinimize_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("outputs");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("format");

    QTest::newRow("3 inputs, 2 outputs") << 3 << 2 << false << "text";
    QTest::newRow("4 inputs, 3 outputs, POS") << 4 << 3 << true << "markdown";
    QTest::newRow("5 inputs, 4 outputs") << 5 << 4 << false << "html";
    QTest::newRow("6 inputs, 3 outputs, POS") << 6 << 3 << true << "text";
    QTest::newRow("one output") << 4 << 1 << false << "text";
}

// explain --joint --format json gives the cover minimize --joint --json
// gives, a chart whose rows hold exactly the primes that cover their cell
// for their output, and products that cover every row; the other formats
// render the core's explanation of the file with its names.
void CliExplainTest::explainJointAgreesWithMinimize()
{
    QFETCH(int, n);
    QFETCH(int, outputs);
    QFETCH(bool, pos);
    QFETCH(QString, format);

    std::mt19937 random(static_cast<unsigned>(n * 10 + outputs));
    const MultiOutputFunction function = RandomOutputs::function(random, n, outputs, true);
    const QString path = writeFileIn(*dir, QStringLiteral("j.pla"),
                                     QByteArray::fromStdString(PlaWriter::write(function)));
    const QStringList form = pos ? QStringList{"--pos"} : QStringList{};
    const CliRun json = runCli(QStringList{"explain", "--joint", path, "--format", "json"} << form);
    QCOMPARE(json.status, 0);
    QCOMPARE(json.err, QString());
    const QJsonObject object = QJsonDocument::fromJson(json.outBytes).object();
    const QJsonObject minimized =
        QJsonDocument::fromJson(
            runCli(QStringList{"minimize", "--joint", "--json", path} << form).outBytes)
            .object();
    for (const char *key :
         {"n", "names", "form", "productCount", "literals", "connections", "proven", "outputs"})
        QCOMPARE(object.value(key), minimized.value(key));
    const QJsonArray products = object.value("products").toArray();
    QCOMPARE(products.size(), minimized.value("products").toArray().size());
    for (qsizetype i = 0; i < products.size(); ++i) {
        QJsonObject product = products.at(i).toObject();
        product.remove("prime");
        product.remove("term");
        QCOMPARE(product, minimized.value("products").toArray().at(i).toObject());
    }

    const std::vector<std::string> outputNames = function.outputNames();
    const QJsonArray primes = object.value("primes").toArray();
    const QJsonArray rows = object.value("chart").toObject().value("rows").toArray();
    const char covered = pos ? '0' : '1';
    qsizetype expectedRows = 0;
    for (int j = 0; j < outputs; ++j)
        expectedRows += std::count(function.values(j).begin(), function.values(j).end(), covered);
    QCOMPARE(rows.size(), expectedRows);
    for (const QJsonValue value : rows) {
        const QJsonObject row = value.toObject();
        const auto named = std::find(outputNames.begin(), outputNames.end(),
                                     row.value("output").toString().toStdString());
        QVERIFY(named != outputNames.end());
        const int cell = row.value("cell").toInt();
        QCOMPARE(function.cell(static_cast<int>(named - outputNames.begin()),
                               static_cast<std::size_t>(cell)),
                 covered);
        QJsonArray on;
        for (const QJsonValue prime : primes) {
            if (prime.toObject().value("minterms").toArray().contains(cell) &&
                prime.toObject().value("outputs").toArray().contains(row.value("output")))
                on.append(prime.toObject().value("number"));
        }
        QCOMPARE(row.value("primes").toArray(), on);
        QVERIFY(std::any_of(products.begin(), products.end(), [&](const QJsonValue &product) {
            return on.contains(product.toObject().value("prime")) &&
                   product.toObject().value("outputs").toArray().contains(row.value("output"));
        }));
    }

    const CliRun rendered =
        runCli(QStringList{"explain", "--joint", path, "--format", format} << form);
    QCOMPARE(rendered.status, 0);
    std::vector<std::vector<int>> codes;
    codes.reserve(static_cast<std::size_t>(outputs));
    for (int j = 0; j < outputs; ++j)
        codes.push_back(codesOf(function.values(j)));
    VariableNames names = Minimization::defaultNames();
    std::copy(function.inputNames().begin(), function.inputNames().end(), names.begin());
    const JointExplanation explanation =
        JointExplainer::explain(n, codes, formOf(pos), names, outputNames);
    const ExplanationFormat chosen = format == "markdown" ? ExplanationFormat::Markdown
                                     : format == "html"   ? ExplanationFormat::Html
                                                          : ExplanationFormat::Text;
    QCOMPARE(rendered.out, QString::fromStdString(renderExplanation(explanation, chosen)));

    for (const QString &refused : {QStringLiteral("--hazard-free"), QStringLiteral("--limit=2")}) {
        const CliRun run =
            runCli({QStringLiteral("explain"), QStringLiteral("--joint"), path, refused});
        QCOMPARE(run.status, 2);
        QVERIFY(run.outBytes.isEmpty());
    }
}

QTEST_GUILESS_MAIN(CliExplainTest)
#include "CliExplainTest.moc"
