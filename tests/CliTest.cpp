// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tavolin-cli on generated PLA files and compares what it
// prints with the minimization, exact cover and expression libraries.

#include "CliRun.h"
#include "RandomOutputs.h"
#include "TestFiles.h"
#include "TestFunctions.h"
#include "VerilogSimulation.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "minimize/ExactCover.h"
#include "minimize/Minimization.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using TestFiles::writeFileIn;
using TestFunctions::formOf;
using TestFunctions::plaText;
using TestFunctions::randomValues;

namespace {

// One cell in five a don't care, the others as often 0 as 1.
constexpr std::string_view withDontCares = "0101X";

std::vector<int> codesOf(const std::string &values)
{
    return Minimization::cellCodes(values);
}

VariableNames namesOf(const QStringList &list)
{
    VariableNames names = Minimization::defaultNames();
    for (int j = 0; j < list.size(); ++j)
        names[static_cast<std::size_t>(j)] = list[j].toStdString();
    return names;
}

QString groupsText(const QJsonArray &groups)
{
    return QString::fromUtf8(QJsonDocument(groups).toJson(QJsonDocument::Compact));
}

QString groupsText(const std::vector<std::vector<int>> &groups)
{
    QJsonArray array;
    for (const std::vector<int> &group : groups) {
        QJsonArray inner;
        for (const int m : group)
            inner.append(m);
        array.append(inner);
    }
    return groupsText(array);
}

std::vector<std::string> exactTexts(int n, const std::string &values, bool pos,
                                    const VariableNames &names, bool all)
{
    Minimization minimization;
    const MinimizationResult result = minimization.run(n, codesOf(values), formOf(pos), names);
    const ExactCoverResult cover = ExactCover::solve(result.cellCodes, result.primes, all);
    std::vector<std::vector<int>> selections = cover.solutions;
    if (selections.empty())
        selections.emplace_back();
    std::vector<std::string> texts;
    texts.reserve(selections.size());
    for (const std::vector<int> &selection : selections)
        texts.push_back(resultText(result.cellCodes, result.primes, selection, formOf(pos), names));
    return texts;
}

// Whether `text`, in the window's notation, is `values` off the don't cares.
bool computes(const QString &text, const std::vector<std::string> &names, const std::string &values)
{
    const int n = static_cast<int>(names.size());
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(names);
    evaluator.Set_Expression(text.toStdString());
    for (int row = 0; row < (1 << n); ++row) {
        std::vector<bool> bits;
        bits.reserve(static_cast<std::size_t>(n));
        for (int j = 0; j < n; ++j)
            bits.push_back((row >> (n - 1 - j)) & 1);
        evaluator.Set_Variable_Values(bits);
        const char value = values[static_cast<std::size_t>(row)];
        const bool result = text == QLatin1String("1") ||
                            (text != QLatin1String("0") && evaluator.Evaluate_Expression());
        if (value != 'X' && result != (value == '1'))
            return false;
    }
    return true;
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void minimizeMatchesLibrary_data();
    void minimizeMatchesLibrary();
    void severalFilesArePrefixed();
    void standardInput();
    void jsonParsesBack_data();
    void jsonParsesBack();
    void exactMatchesExactCover_data();
    void exactMatchesExactCover();
    void jsonExactSolutions_data();
    void jsonExactSolutions();
    void evalPrintsTruthTable_data();
    void evalPrintsTruthTable();
    void evalMinimize_data();
    void evalMinimize();
    void evalError_data();
    void evalError();
    void refusesBadInput_data();
    void refusesBadInput();
    void readsOtherToolsFiles_data();
    void readsOtherToolsFiles();
    void messagesShowNoControlCharacters_data();
    void messagesShowNoControlCharacters();
    void helpAndVersion();
    void everyOutputIsMinimized();
    void jointCoversEveryOutput();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void CliTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void CliTest::minimizeMatchesLibrary_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QStringList>("fileNames");
    QTest::addColumn<QStringList>("optionNames");
    QTest::addColumn<bool>("pos");

    for (const bool pos : {false, true}) {
        const char *form = pos ? "POS" : "SOP";
        for (int n = 2; n <= 6; ++n) {
            for (const bool dontCares : {false, true}) {
                const std::string values =
                    randomValues(n, dontCares ? withDontCares : "01", 100u * n + dontCares);
                QTest::addRow("%s, %d variables%s", form, n, dontCares ? ", don't cares" : "")
                    << n << QString::fromStdString(values) << QStringList() << QStringList() << pos;
            }
        }
        QTest::addRow("%s, .ilb names of several letters", form)
            << 4 << QString::fromStdString(randomValues(4, withDontCares, 7))
            << QStringList{"x1", "Yz", "abc", "Q"} << QStringList() << pos;
        QTest::addRow("%s, --names without .ilb", form)
            << 3 << QString::fromStdString(randomValues(3, "01", 8)) << QStringList()
            << QStringList{"P", "Q", "R"} << pos;
        QTest::addRow("%s, .ilb wins over --names", form)
            << 3 << QString::fromStdString(randomValues(3, "01", 9)) << QStringList{"u", "v", "w"}
            << QStringList{"P", "Q", "R"} << pos;
        QTest::addRow("%s, all ones", form)
            << 4 << QString(16, '1') << QStringList() << QStringList() << pos;
        QTest::addRow("%s, all zeros", form)
            << 4 << QString(16, '0') << QStringList() << QStringList() << pos;
        QTest::addRow("%s, don't cares only", form)
            << 5 << QString(32, 'X') << QStringList() << QStringList() << pos;
    }
}

void CliTest::minimizeMatchesLibrary()
{
    QFETCH(int, n);
    QFETCH(QString, values);
    QFETCH(QStringList, fileNames);
    QFETCH(QStringList, optionNames);
    QFETCH(bool, pos);

    const QString path =
        writeFileIn(*dir, QStringLiteral("f.pla"), plaText(n, values.toStdString(), fileNames));
    QStringList arguments{QStringLiteral("minimize"), path};
    if (pos)
        arguments << QStringLiteral("--pos");
    if (!optionNames.isEmpty())
        arguments << QStringLiteral("--names") << optionNames.join(',');
    const CliRun run = runCli(arguments);

    Minimization minimization;
    const MinimizationResult expected =
        minimization.run(n, codesOf(values.toStdString()), formOf(pos),
                         namesOf(fileNames.isEmpty() ? optionNames : fileNames));
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString::fromStdString(expected.text) + '\n');
}

void CliTest::severalFilesArePrefixed()
{
    QStringList arguments{QStringLiteral("minimize")};
    QString expected;
    Minimization minimization;
    for (int i = 0; i < 12; ++i) {
        const int n = 2 + i % 5;
        const std::string values = randomValues(n, i % 2 != 0 ? withDontCares : "01", 500u + i);
        const QString path =
            writeFileIn(*dir, QStringLiteral("f%1.pla").arg(i), plaText(n, values));
        arguments << path;
        expected +=
            path + QStringLiteral(": ") +
            QString::fromStdString(
                minimization.run(n, codesOf(values), MinimizationForm::SumOfProducts).text) +
            '\n';
    }
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
}

void CliTest::standardInput()
{
    const std::string values = randomValues(5, withDontCares, 31);
    const CliRun run =
        runCli({QStringLiteral("minimize"), QStringLiteral("-"), QStringLiteral("--pos")},
               plaText(5, values));
    Minimization minimization;
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out,
             QString::fromStdString(
                 minimization.run(5, codesOf(values), MinimizationForm::ProductOfSums).text) +
                 '\n');
}

void CliTest::jsonParsesBack_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("pos");
    QTest::newRow("one file, SOP: an object") << 1 << false;
    QTest::newRow("one file, POS: an object") << 1 << true;
    QTest::newRow("three files: an array") << 3 << false;
}

void CliTest::jsonParsesBack()
{
    QFETCH(int, files);
    QFETCH(bool, pos);

    QStringList arguments{QStringLiteral("minimize"), QStringLiteral("--json")};
    if (pos)
        arguments << QStringLiteral("--pos");
    std::vector<std::string> values;
    const QStringList names{"a", "b2", "C", "dd", "E"};
    for (int i = 0; i < files; ++i) {
        values.push_back(randomValues(5, withDontCares, 40u + i));
        arguments << writeFileIn(*dir, QStringLiteral("j%1.pla").arg(i),
                                 plaText(5, values.back(), names));
    }
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 0);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.isArray(), files > 1);
    const QJsonArray objects = files > 1 ? document.array() : QJsonArray{document.object()};
    QCOMPARE(objects.size(), files);

    Minimization minimization;
    for (int i = 0; i < files; ++i) {
        const QJsonObject object = objects[i].toObject();
        const MinimizationResult expected = minimization.run(
            5, codesOf(values[static_cast<std::size_t>(i)]), formOf(pos), namesOf(names));
        QCOMPARE(object.value("file").toString(), arguments[i + (pos ? 3 : 2)]);
        QCOMPARE(object.value("n").toInt(), 5);
        QCOMPARE(object.value("names").toVariant().toStringList(), names);
        QCOMPARE(object.value("form").toString(),
                 pos ? QStringLiteral("POS") : QStringLiteral("SOP"));
        QCOMPARE(object.value("text").toString(), QString::fromStdString(expected.text));
        QCOMPARE(groupsText(object.value("groups").toArray()), groupsText(expected.groups));
        const QJsonArray primes = object.value("primes").toArray();
        QCOMPARE(primes.size(), static_cast<qsizetype>(expected.primes.size()));
        for (qsizetype p = 0; p < primes.size(); ++p) {
            const PrimeImplicant &prime = expected.primes[static_cast<std::size_t>(p)];
            QCOMPARE(primes[p].toObject().value("cube").toString() + '*',
                     QString::fromStdString(prime.cube));
            QCOMPARE(groupsText(QJsonArray{primes[p].toObject().value("minterms")}),
                     groupsText({prime.minterms}));
        }
    }
}

void CliTest::exactMatchesExactCover_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("pos");

    // No prime is essential here and several covers of three terms tie.
    QTest::newRow("cyclic function, every minimum") << 3 << QStringLiteral("11100111") << false;
    QTest::newRow("POS of the cyclic function") << 3 << QStringLiteral("00011000") << true;
    QTest::newRow("nothing to cover") << 4 << QString(16, '0') << false;
    for (int n = 4; n <= 6; ++n) {
        for (const bool pos : {false, true})
            QTest::addRow("%d variables, %s", n, pos ? "POS" : "SOP")
                << n << QString::fromStdString(randomValues(n, withDontCares, 900u + n)) << pos;
    }
}

void CliTest::exactMatchesExactCover()
{
    QFETCH(int, n);
    QFETCH(QString, values);
    QFETCH(bool, pos);

    const QString path =
        writeFileIn(*dir, QStringLiteral("e.pla"), plaText(n, values.toStdString()));
    const VariableNames names = Minimization::defaultNames();
    for (const bool all : {false, true}) {
        QStringList arguments{QStringLiteral("minimize"), QStringLiteral("--exact"), path};
        if (all)
            arguments << QStringLiteral("--all");
        if (pos)
            arguments << QStringLiteral("--pos");
        const CliRun run = runCli(arguments);
        QCOMPARE(run.status, 0);
        QString expected;
        for (const std::string &text : exactTexts(n, values.toStdString(), pos, names, all))
            expected += QString::fromStdString(text) + '\n';
        QCOMPARE(run.out, expected);
    }
}

void CliTest::jsonExactSolutions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("pos");
    QTest::newRow("cyclic function, two minimum covers")
        << 3 << QStringLiteral("11100111") << false;
    QTest::newRow("6 variables with don't cares, SOP")
        << 6 << QString::fromStdString(randomValues(6, withDontCares, 4242)) << false;
    QTest::newRow("6 variables, POS")
        << 6 << QString::fromStdString(randomValues(6, "01", 4243)) << true;
}

void CliTest::jsonExactSolutions()
{
    QFETCH(int, n);
    QFETCH(QString, values);
    QFETCH(bool, pos);

    const QString path =
        writeFileIn(*dir, QStringLiteral("x.pla"), plaText(n, values.toStdString()));
    QStringList arguments{QStringLiteral("minimize"), QStringLiteral("--json"),
                          QStringLiteral("--exact"), QStringLiteral("--all"), path};
    if (pos)
        arguments << QStringLiteral("--pos");
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();

    Minimization minimization;
    const MinimizationResult greedy =
        minimization.run(n, codesOf(values.toStdString()), formOf(pos));
    const ExactCoverResult cover = ExactCover::solve(greedy.cellCodes, greedy.primes, true);
    QCOMPARE(object.value("terms").toInt(), cover.terms);
    QCOMPARE(object.value("literals").toInt(), cover.literals);
    // The exact cover is never longer than the window's.
    QVERIFY(cover.terms <= static_cast<int>(greedy.selection.size()));

    const std::vector<std::string> texts =
        exactTexts(n, values.toStdString(), pos, Minimization::defaultNames(), true);
    const QJsonArray solutions = object.value("solutions").toArray();
    QCOMPARE(solutions.size(), static_cast<qsizetype>(texts.size()));
    QCOMPARE(object.value("text").toString(), QString::fromStdString(texts.front()));
    for (qsizetype i = 0; i < solutions.size(); ++i) {
        const QJsonObject solution = solutions[i].toObject();
        QCOMPARE(solution.value("text").toString(),
                 QString::fromStdString(texts[static_cast<std::size_t>(i)]));
        std::vector<std::vector<int>> groups;
        for (const int number : cover.solutions[static_cast<std::size_t>(i)])
            groups.push_back(greedy.primes[static_cast<std::size_t>(number - 1)].minterms);
        QCOMPARE(groupsText(solution.value("groups").toArray()), groupsText(groups));
    }
}

void CliTest::evalPrintsTruthTable_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("expression");
    QTest::newRow("--vars 2, exclusive or") << QStringList{"--vars", "2"} << "A^B";
    QTest::newRow("--vars 4, first name is the top bit") << QStringList{"--vars", "4"} << "A&D'";
    QTest::newRow("--names of several letters")
        << QStringList{"--names", "x1,Yz,abc"} << "(x1+Yz)&abc'";
    QTest::newRow("--vars 6, constant part") << QStringList{"--vars", "6"} << "A+B&C^(D'+E)&F";
}

void CliTest::evalPrintsTruthTable()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, expression);

    const CliRun run = runCli(QStringList{QStringLiteral("eval")} << variables << expression);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);

    std::vector<std::string> names;
    if (variables[0] == QLatin1String("--vars")) {
        for (int j = 0; j < variables[1].toInt(); ++j)
            names.emplace_back(1, static_cast<char>('A' + j));
    } else {
        for (const QString &name : variables[1].split(','))
            names.push_back(name.toStdString());
    }
    const int n = static_cast<int>(names.size());
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(names);
    evaluator.Set_Expression(expression.toStdString());
    QString expected;
    for (int row = 0; row < (1 << n); ++row) {
        std::vector<bool> values;
        values.reserve(static_cast<std::size_t>(n));
        for (int j = 0; j < n; ++j)
            values.push_back((row >> (n - 1 - j)) & 1);
        evaluator.Set_Variable_Values(values);
        expected += QStringLiteral("%1 %2\n")
                        .arg(row, n, 2, QLatin1Char('0'))
                        .arg(evaluator.Evaluate_Expression() ? 1 : 0);
    }
    QCOMPARE(run.out, expected);
}

void CliTest::evalMinimize_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<bool>("exact");
    QTest::newRow("SOP") << QStringList{"--minimize"} << false << false;
    QTest::newRow("POS") << QStringList{"--minimize", "--pos"} << true << false;
    QTest::newRow("exact SOP") << QStringList{"--minimize", "--exact"} << false << true;
}

void CliTest::evalMinimize()
{
    QFETCH(QStringList, flags);
    QFETCH(bool, pos);
    QFETCH(bool, exact);

    // Ones at 0, 1, 2, 5, 6, 7: the cyclic function without essential primes.
    const QString expression = QStringLiteral("A'&B'+A'&C'+B&C'+A&C");
    const CliRun run = runCli(QStringList{"eval", "--names", "A,B,C", expression} << flags);
    QCOMPARE(run.status, 0);
    const std::string values = "11100111";
    const VariableNames names = Minimization::defaultNames();
    Minimization minimization;
    const std::string expected = exact ? exactTexts(3, values, pos, names, false).front()
                                       : minimization.run(3, codesOf(values), formOf(pos)).text;
    QCOMPARE(run.out, QString::fromStdString(expected) + '\n');
}

void CliTest::evalError_data()
{
    QTest::addColumn<QString>("expression");
    QTest::newRow("missing operand") << "A&";
    QTest::newRow("unknown variable") << "A+Q";
    QTest::newRow("unmatched parenthesis") << "(A+B";
    QTest::newRow("invalid symbol") << "A*B";
}

void CliTest::evalError()
{
    QFETCH(QString, expression);
    const CliRun run =
        runCli({QStringLiteral("eval"), QStringLiteral("--vars"), QStringLiteral("3"), expression});

    std::string message;
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names({"A", "B", "C"});
    evaluator.Set_Expression(expression.toStdString());
    try {
        evaluator.Evaluate_Expression();
    } catch (const ExpressionException &e) {
        message = e.Get_Message();
    }
    QVERIFY(!message.empty());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err,
             QStringLiteral("Error detected while parsing and evaluating the expression:\n\n") +
                 QString::fromStdString(message) + '\n');
}

void CliTest::refusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expectedError");

    const QByteArray good = ".i 3\n.o 1\n011 1\n";
    QTest::newRow("count out of range, with file and line")
        << QStringList{"minimize", "FILE"} << QByteArray(".o 1\n.i 7\n") << "FILE:2: ";
    QTest::newRow("input part of the wrong width")
        << QStringList{"minimize", "FILE"} << QByteArray(".i 3\n\n0101 1\n") << "FILE:3: ";
    QTest::newRow("multi-valued file")
        << QStringList{"minimize", "FILE"} << QByteArray(".i 2\n.mv 3 2 4\n") << "FILE:2: ";
    QTest::newRow("--output past the file's outputs")
        << QStringList{"minimize", "--output", "3", "FILE"} << QByteArray(".i 2\n.o 2\n11 10\n")
        << "FILE: has 2 outputs, so there is no output 3.";
    QTest::newRow("more than 64 outputs")
        << QStringList{"minimize", "FILE"} << QByteArray(".i 2\n.o 65\n11 1\n") << "FILE:2: ";
    QTest::newRow("missing file") << QStringList{"minimize", "FILE.missing"} << good
                                  << "FILE.missing: cannot read";
    QTest::newRow("--names too few for the file")
        << QStringList{"minimize", "--names", "P,Q", "FILE"} << good << "FILE: --names gives 2";
    QTest::newRow("--names with a bad character")
        << QStringList{"minimize", "--names", "P,Q-1,R", "FILE"} << good << "\"Q-1\"";
    QTest::newRow("--names repeated")
        << QStringList{"minimize", "--names", "P,Q,P", "FILE"} << good << "used twice";
    QTest::newRow("no command") << QStringList{} << good << "no command";
    QTest::newRow("unknown option")
        << QStringList{"minimize", "--fast", "FILE"} << good << "--fast";
    QTest::newRow("--all without --exact")
        << QStringList{"minimize", "--all", "FILE"} << good << "--all needs --exact";
    QTest::newRow("eval without variables") << QStringList{"eval", "A"} << good << "--vars";
    QTest::newRow("eval --vars out of range")
        << QStringList{"eval", "--vars", "7", "A"} << good << "2 to 6";
    QTest::newRow("map without an image name") << QStringList{"map", "FILE"} << good << "-o";
    QTest::newRow("map to an unknown format")
        << QStringList{"map", "FILE", "-o", "out.gif"} << good << ".png";
}

void CliTest::refusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(QString, expectedError);

    const QString path = writeFileIn(*dir, QStringLiteral("bad.pla"), file);
    for (QString &argument : arguments)
        argument.replace(QLatin1String("FILE"), path);
    expectedError.replace(QLatin1String("FILE"), path);

    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(expectedError), qPrintable(run.err));
}

void CliTest::readsOtherToolsFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expectedOut");
    QTest::addColumn<QString>("expectedError");

    const QByteArray badLabels = ".i 3\n.o 1\n.ilb CWP<6> x_1 c\n1-- 1\n-11 1\n";
    const QString labelsNote = "FILE: The labels \"CWP<6>\", \"x_1\" are not valid variable names "
                               "(1 to 3 letters or digits, all different), so the variables have "
                               "the default names A, B, C.\n";
    QTest::newRow("labels that are not names")
        << QStringList{"minimize", "FILE"} << badLabels << "B&C+A\n"
        << labelsNote;
    QTest::newRow("labels that are not names, --json")
        << QStringList{"minimize", "--json", "FILE"} << badLabels << "\"names\":[\"A\",\"B\",\"C\"]"
        << labelsNote;
    QTest::newRow("labels that are not names, map")
        << QStringList{"map", "FILE", "-o", "FILE.svg"} << badLabels << "" << labelsNote;
    QTest::newRow("planes separated by |")
        << QStringList{"minimize", "FILE"} << QByteArray(".i 2\n.o 1\n11|1\n") << "A&B\n"
        << "";
    QTest::newRow("a 0 for the first output keeps an earlier 1")
        << QStringList{"minimize", "FILE"} << QByteArray(".i 2\n.o 2\n1- 10\n11 01\n") << "f = A\n"
        << "";
    const QByteArray twoOutputs = ".i 2\n.o 2\n.ob f g\n1- 10\n11 01\n0- 01\n";
    QTest::newRow("--output 2 reads the second output")
        << QStringList{"minimize", "--output", "2", "FILE"} << twoOutputs << "A'+B\n"
        << "";
    QTest::newRow("--output 1 is the first, without a note")
        << QStringList{"minimize", "FILE", "--output", "1"} << twoOutputs << "A\n"
        << "";
    QTest::newRow("--output with --json") << QStringList{"minimize", "--json", "--output=2", "FILE"}
                                          << twoOutputs << "\"text\":\"A'+B\""
                                          << "";
    QTest::newRow("type fr") << QStringList{"minimize", "FILE"}
                             << QByteArray(".i 2\n.o 1\n.type fr\n11 1\n0- 0\n") << "A\n"
                             << "";
}

// Files as other tools write them are read, a note on standard error says
// what was adapted, and the call still succeeds.
void CliTest::readsOtherToolsFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(QString, expectedOut);
    QFETCH(QString, expectedError);

    const QString path = writeFileIn(*dir, QStringLiteral("other.pla"), file);
    for (QString &argument : arguments)
        argument.replace(QLatin1String("FILE"), path);
    expectedError.replace(QLatin1String("FILE"), path);

    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(expectedOut), qPrintable(run.out));
    if (expectedError.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.contains(expectedError), qPrintable(run.err));
}

void CliTest::messagesShowNoControlCharacters_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expectedError");

    const QByteArray good = ".i 2\n11 1\n";
    QTest::newRow("escape sequence in a product line")
        << QStringList{"minimize", "FILE"} << "bad.pla" << QByteArray(".i 2\n\x1b]0;owned\x07 1\n")
        << 2 << "\"\\x1b]0;owned\\x07\"";
    QTest::newRow("NUL and invalid UTF-8 in a label")
        << QStringList{"minimize", "FILE"} << "bad.pla"
        << QByteArray(".i 2\n.ilb a\0b \xff\xfe\n11 1\n", 22) << 0 << "\"a\\x00b\", \"\\xff\\xfe\"";
    QByteArray megabyte(".i 2\n");
    while (megabyte.size() < qsizetype{1024} * 1024)
        megabyte += "\x1b[2J\xc3";
    megabyte += " 1\n";
    QTest::newRow("1 MB line") << QStringList{"minimize", "FILE"} << "bad.pla" << megabyte << 2
                               << "FILE:2: The input part \"\\x1b[2J\\xc3\\x1b[2J";
    QTest::newRow("escape sequence in the file name")
        << QStringList{"minimize", "FILE"} << "red\x1b[31m.pla" << QByteArray(".i 9\n") << 2
        << "red\\x1b[31m.pla:1: ";
    QTest::newRow("file name prefixing results")
        << QStringList{"minimize", "FILE", "FILE"} << "line\nbreak.pla" << good << 0 << "";
    QTest::newRow("escape sequence in an unknown option")
        << QStringList{"minimize", "--fast\x1b[2J", "FILE"} << "good.pla" << good << 2
        << "unknown option \"--fast\\x1b[2J\".";
    QTest::newRow("escape sequence in --names")
        << QStringList{"minimize", "--names", "a,\x1b[2J", "FILE"} << "good.pla" << good << 2
        << "\"\\x1b[2J\"";
    // The drawing programs report an unwritable output in their own words,
    // its name escaped as any other.
    for (const char *command : {"map", "circuit"}) {
        QTest::addRow("escape sequence in the %s output name", command)
            << QStringList{command, "FILE", "-o", "/no/folder/\x1b]0;x\x07.svg"} << "good.pla"
            << good << 2 << "/no/folder/\\x1b]0;x\\x07.svg: cannot write";
    }
    QTest::newRow("escape sequence in the Verilog output name")
        << QStringList{"circuit", "FILE", "--format", "verilog", "-o", "/no/folder/\x1b[2J.v"}
        << "good.pla" << good << 2 << "/no/folder/\\x1b[2J.v: cannot write";
    QTest::newRow("escape sequence in an expression")
        << QStringList{"eval", "--vars", "2", "A+\x1b"} << "good.pla" << good << 1
        << "Invalid symbol '\\x1b'";
}

// Nothing from a file, its name or the arguments reaches the terminal as a
// control character: it is escaped, and a long fragment is cut.
void CliTest::messagesShowNoControlCharacters()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, file);
    QFETCH(QString, expectedError);

    const QString path = writeFileIn(*dir, fileName, file);
    for (QString &argument : arguments)
        argument.replace(QLatin1String("FILE"), path);
    expectedError.replace(QLatin1String("FILE"), path);

    const CliRun run = runCli(arguments);
    QTEST(run.status, "status");
    QVERIFY2(run.err.contains(expectedError), qPrintable(run.err));
    QVERIFY2(run.err.size() < 1000, qPrintable(run.err.left(1000)));
    for (const QString &stream : {run.out, run.err}) {
        for (const QChar c : stream) {
            const bool control = (c.unicode() < 0x20 && c != QLatin1Char('\n')) ||
                                 (c.unicode() >= 0x7f && c.unicode() <= 0x9f) ||
                                 c == QChar::ReplacementCharacter;
            QVERIFY2(!control, qPrintable(stream));
        }
    }
}

void CliTest::helpAndVersion()
{
    const CliRun help = runCli({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    for (const char *command : {"minimize", "eval", "map"})
        QVERIFY(help.out.contains(QLatin1String("tavolin-cli ") + command));

    const CliRun version = runCli({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QStringLiteral("tavolin-cli " TAVOLIN_VERSION "\n"));
}

// Random files of several outputs: a line "NAME = EXPR" per output, in the
// file's order, each expression the output off its don't cares and the
// text --output K prints for it; --json holds the same texts; the Verilog
// module computes every output.
void CliTest::everyOutputIsMinimized()
{
    if (QStandardPaths::findExecutable(QStringLiteral("iverilog")).isEmpty())
        QFAIL("iverilog is not installed (scripts/install-deps.sh installs it)");
    const std::vector<QStringList> optionSets{
        {}, {"--pos"}, {"--exact"}, {"--hazard-free"}, {"--exact", "--pos"}};
    std::mt19937 random(2022);
    for (int round = 0; round < 30; ++round) {
        const int n = 2 + round % 5;
        const int k = 2 + static_cast<int>(random() % 4);
        const MultiOutputFunction function = RandomOutputs::function(random, n, k, round % 2 == 0);
        const QString path = writeFileIn(*dir, QStringLiteral("outputs.pla"),
                                         QByteArray::fromStdString(PlaWriter::write(function)));
        const QStringList &options = optionSets[std::size_t(round) % optionSets.size()];
        const CliRun run = runCli(QStringList{"minimize", path} + options);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());

        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), k);
        QStringList texts;
        for (int output = 0; output < k; ++output) {
            const QString name = QString::fromStdString(function.outputName(output));
            QVERIFY2(lines[output].startsWith(name + " = "), qPrintable(run.out));
            texts << lines[output].mid(name.size() + 3);
            const std::string &values = function.values(output);
            QVERIFY2(computes(texts.back(), function.inputNames(), values),
                     qPrintable(lines[output]));
        }
        const int picked = static_cast<int>(random() % static_cast<unsigned>(k));
        const CliRun one = runCli(
            QStringList{"minimize", path, "--output", QString::number(picked + 1)} + options);
        QCOMPARE(one.out, texts[picked] + '\n');

        const CliRun json = runCli(QStringList{"minimize", "--json", path} + options);
        const QJsonArray outputs = QJsonDocument::fromJson(json.outBytes)["outputs"].toArray();
        QCOMPARE(outputs.size(), k);
        for (int output = 0; output < k; ++output) {
            QCOMPARE(outputs[output]["name"].toString(),
                     QString::fromStdString(function.outputName(output)));
            QCOMPARE(outputs[output]["text"].toString(), texts[output]);
        }

        // Random names may be no Verilog ("1a"); the default ones always are.
        if (round % 2 == 0)
            continue;
        const CliRun verilog =
            runCli(QStringList{"minimize", "--format", "verilog", path} + options);
        QCOMPARE(verilog.err, QString());
        const QStringList rows =
            VerilogSimulation::outputRows(verilog.out.toStdString(), {"outputs", n, k});
        QCOMPARE(rows.size(), 1 << n);
        for (int row = 0; row < (1 << n); ++row) {
            for (int output = 0; output < k; ++output) {
                const char value = function.cell(output, std::size_t(row));
                if (value != 'X')
                    QVERIFY2(rows[row][output] == QLatin1Char(value), qPrintable(verilog.out));
            }
        }
    }
}

// Random files with --joint: every line is its output off the don't cares
// and --json holds the same texts; the cover written as PLA reads back to the
// function, and that file, a completion of the first, needs as many products
// when both searches prove their minimum.
void CliTest::jointCoversEveryOutput()
{
    std::mt19937 random(2023);
    int compared = 0;
    for (int round = 0; round < 24; ++round) {
        const int n = 2 + round % 4;
        const int k = 1 + static_cast<int>(random() % 4);
        const MultiOutputFunction function = RandomOutputs::function(random, n, k, round % 2 == 0);
        const QString path = writeFileIn(*dir, QStringLiteral("joint.pla"),
                                         QByteArray::fromStdString(PlaWriter::write(function)));
        const QStringList joint = round % 3 == 0 ? QStringList{"minimize", "--joint", "--pos"}
                                                 : QStringList{"minimize", "--joint"};
        const CliRun run = runCli(joint + QStringList{path});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), k);
        const CliRun json = runCli(joint + QStringList{"--json", path});
        const QJsonObject object = QJsonDocument::fromJson(json.outBytes).object();
        const QJsonArray outputs = object["outputs"].toArray();
        QCOMPARE(outputs.size(), k);
        for (int output = 0; output < k; ++output) {
            const QString name = QString::fromStdString(function.outputName(output));
            const QString prefix = k > 1 ? name + " = " : QString();
            QVERIFY2(lines[output].startsWith(prefix), qPrintable(run.out));
            const QString text = lines[output].mid(prefix.size());
            QVERIFY2(computes(text, function.inputNames(), function.values(output)),
                     qPrintable(run.out));
            QCOMPARE(outputs[output]["text"].toString(), text);
        }

        // Two files in one call: one PLA file each, after a line naming it.
        const CliRun pla = runCli(joint + QStringList{"--format", "pla", path, path});
        QCOMPARE(pla.status, 0);
        const QStringList files = pla.out.split(QStringLiteral(".e\n"), Qt::SkipEmptyParts);
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0], files[1]);
        QVERIFY2(files[0].startsWith("# " + path + "\n"), qPrintable(pla.out));
        const PlaOutputsResult back = PlaReader::readOutputs((files[0] + ".e\n").toStdString(), n);
        QVERIFY2(back.ok(), qPrintable(pla.out));
        const MultiOutputFunction &read = back.outputs->function;
        QCOMPARE(read.outputCount(), k);
        for (int output = 0; output < k; ++output) {
            for (std::size_t row = 0; row < (std::size_t{1} << n); ++row) {
                const char value = function.cell(output, row);
                if (value != 'X')
                    QVERIFY2(read.cell(output, row) == value, qPrintable(pla.out));
            }
        }
        const QString again =
            writeFileIn(*dir, QStringLiteral("again.pla"), (files[0] + ".e\n").toUtf8());
        const QJsonObject second =
            QJsonDocument::fromJson(runCli(joint + QStringList{"--json", again}).outBytes).object();
        if (object["proven"].toBool() && second["proven"].toBool()) {
            QCOMPARE(second["products"].toArray().size(), object["products"].toArray().size());
            ++compared;
        }
    }
    QVERIFY(compared > 0);
}

QTEST_GUILESS_MAIN(CliTest)
#include "CliTest.moc"
