// SPDX-License-Identifier: GPL-3.0-or-later
// `tavolin-cli check`: the exit status and the JSON of one answer against the
// checker run in-process, a class's CSV graded in one call with quoted fields,
// blank lines and bad lines, and the CSV reading against a writer of its own.

#include "CliRun.h"
#include "TestFiles.h"
#include "check/AnswerChecker.h"
#include "check/VerdictText.h"
#include "cli/CheckCommand.h"
#include "cli/CsvReader.h"
#include "cli/VerdictJson.h"
#include "minimize/Minimization.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

const std::vector<std::string> names{"A", "B", "C", "D", "E"};

struct Function
{
    int n = 4;
    std::string values;
};

Function randomFunction(std::mt19937 &random)
{
    Function function;
    function.n = 3 + static_cast<int>(random() % 3);
    for (int m = 0; m < (1 << function.n); ++m)
        function.values += "01X0110"[random() % 7];
    return function;
}

QByteArray plaText(const Function &function)
{
    PlaFunction pla;
    pla.variableCount = function.n;
    pla.values = function.values;
    pla.names.assign(names.begin(), names.begin() + function.n);
    return QByteArray::fromStdString(PlaWriter::write(pla));
}

AnswerChecker checkerFor(const Function &function, bool pos)
{
    return AnswerChecker(function.n, Minimization::cellCodes(function.values),
                         pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts,
                         std::vector<std::string>(names.begin(), names.begin() + function.n));
}

// Answers of every verdict: the minimum, the minimum with its first term
// twice, without its last term, a syntax error, and random letters.
std::vector<std::string> answersFor(const std::string &minimum, bool pos, std::mt19937 &random)
{
    const char outer = pos ? '&' : '+';
    std::string first = minimum.substr(0, minimum.find(outer));
    std::vector<std::string> answers{minimum, minimum + outer + first, minimum + "&+"};
    if (minimum.find(outer) != std::string::npos)
        answers.push_back(minimum.substr(0, minimum.rfind(outer)));
    std::string guess = names[random() % 3];
    guess += std::string(1, outer) + names[random() % 3] + "'";
    answers.push_back(guess);
    return answers;
}

QJsonArray cellArray(const std::vector<int> &cells)
{
    QJsonArray array;
    for (const int cell : cells)
        array.append(cell);
    return array;
}

// A field as a spreadsheet writes it, quoted at random even when it need
// not be.
std::string spreadsheetField(const std::string &text, std::mt19937 &random)
{
    const bool needed = text.find_first_of(",\"\r\n") != std::string::npos;
    if (!needed && random() % 3 != 0)
        return text;
    std::string field = text;
    for (std::size_t at = field.find('"'); at != std::string::npos; at = field.find('"', at + 2))
        field.insert(at, 1, '"');
    return '"' + field + '"';
}

} // namespace

class CliCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    // One answer at a time: the exit status follows the verdict, the JSON
    // carries the checker's findings, and the sentences come without --json.
    void oneAnswer()
    {
        std::mt19937 random(12);
        for (int round = 0; round < 12; ++round) {
            const Function function = randomFunction(random);
            const bool pos = round % 2 == 1;
            const QString pla = writeFile("f.pla", plaText(function));
            const AnswerChecker checker = checkerFor(function, pos);
            if (checker.minimum().literals == 0)
                continue;
            for (const std::string &answer : answersFor(checker.minimumText(), pos, random)) {
                const AnswerVerdict verdict = checker.check(answer);
                QStringList arguments{"check", pla, "--answer", QString::fromStdString(answer)};
                if (pos)
                    arguments << "--pos";
                const CliRun plain = runCli(arguments);
                const CliRun json = runCli(arguments << "--json");
                const int expected = verdict.status != AnswerStatus::Checked ? 1
                                     : verdict.minimal                       ? 0
                                     : verdict.equivalent                    ? 3
                                                                             : 4;
                QVERIFY2(plain.status == expected, qPrintable(plain.err));
                QCOMPARE(json.status, expected);
                if (expected == 1) {
                    QVERIFY(plain.out.isEmpty());
                    QVERIFY(
                        plain.err.contains(QString::fromStdString(verdict.error->Get_Message())));
                    continue;
                }
                std::string sentences;
                for (const std::string &sentence : VerdictText::sentences(verdict))
                    sentences += sentence + "\n";
                QCOMPARE(plain.outBytes.toStdString(), sentences);
                QCOMPARE(json.outBytes.toStdString(), VerdictJson::text(verdict) + "\n");
            }
        }
    }

    void usageAndFileErrors()
    {
        const QString pla = writeFile("f.pla", plaText({3, "01101001"}));
        const QList<QStringList> calls{{"check", pla},
                                       {"check", pla, "--answer", "A", "--answers", pla},
                                       {"check", "--answer", "A"},
                                       {"check", dir->filePath("missing.pla"), "--answer", "A"},
                                       {"check", pla, "--answers", dir->filePath("missing.csv")},
                                       {"check", pla, "--answers", dir->path()},
                                       {"check", pla, "--answer", "A", "--output", "2"},
                                       {"check", pla, "--answer", "A", "--vars", "3"}};
        for (const QStringList &call : calls) {
            const CliRun run = runCli(call);
            QVERIFY2(run.status == 2, qPrintable(call.join(' ')));
            QVERIFY(run.out.isEmpty() && !run.err.isEmpty());
        }
        // An empty answer is the answer's fault, not the call's.
        QCOMPARE(runCli({"check", pla, "--answer", ""}).status, 1);
    }

    // A file whose labels cannot serve as names gets the same note from
    // every command that reads it, as the window shows it in a box.
    void labelsNoteFromEveryReader()
    {
        const QByteArray text = ".i 3\n.o 1\n.ilb P Q long\n111 1\n.e\n";
        const PlaReadResult read = PlaReader::read(text.toStdString(), 4);
        const QString note = QString::fromStdString(PlaReader::replacedLabelsNote(*read.function));
        QVERIFY(!note.isEmpty());
        const QString pla = writeFile("labels.pla", text);
        for (const QStringList &call :
             {QStringList{"check", pla, "--answer", "A&B&C"}, QStringList{"explain", pla},
              QStringList{"minimize", pla}}) {
            const CliRun run = runCli(call);
            QCOMPARE(run.status, 0);
            QVERIFY2(run.err.contains(note), qPrintable(call.join(' ') + ": " + run.err));
        }
    }

    // Forty answers in one CSV, as a spreadsheet saves them: a header, quoted
    // fields, blank lines, Windows line ends and a syntax error. Every line
    // gets its row, in order; the bad one says why.
    void gradesAClass()
    {
        std::mt19937 random(40);
        const Function function{4, "0111X0100110X011"};
        const AnswerChecker checker = checkerFor(function, false);
        std::vector<std::pair<std::string, std::string>> lines;
        for (int student = 0; student < 40; ++student) {
            const std::vector<std::string> answers =
                answersFor(checker.minimumText(), false, random);
            std::string id = "s" + std::to_string(student);
            if (student % 7 == 3)
                id = "Doe, \"Jo\" " + std::to_string(student);
            const std::string answer =
                student == 17 ? std::string("A&(B+") : answers[random() % answers.size()];
            lines.emplace_back(id, answer);
        }
        std::string good = "\xEF\xBB\xBFstudent,expression\r\n";
        for (const auto &[id, answer] : lines) {
            if (checker.check(answer).status == AnswerStatus::Checked)
                good +=
                    spreadsheetField(id, random) + "," + spreadsheetField(answer, random) + "\r\n";
        }
        std::string csv = "\xEF\xBB\xBFstudent,expression\r\n";
        for (const auto &[id, answer] : lines) {
            csv += spreadsheetField(id, random) + "," + spreadsheetField(answer, random) + "\r\n";
            if (random() % 5 == 0)
                csv += "\r\n";
        }
        const QString pla = writeFile("f.pla", plaText(function));

        // A line without expression and a quote never closed, at the end.
        csv += "only-an-id\r\nlast,\"A&B\r\n";
        const CliRun json =
            runCli({"check", pla, "--answers", "-", "--json"}, QByteArray::fromStdString(csv));
        QVERIFY2(json.status == 1, qPrintable(json.err));
        const QList<QByteArray> rows = json.outBytes.trimmed().split('\n');
        QCOMPARE(rows.size(), static_cast<qsizetype>(lines.size() + 2));
        for (const QByteArray &bad : {rows[rows.size() - 2], rows.back()})
            QCOMPARE(QJsonDocument::fromJson(bad).object().value("verdict").toString(), "error");
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QJsonObject row =
                QJsonDocument::fromJson(rows[static_cast<qsizetype>(i)]).object();
            QCOMPARE(row.value("id").toString().toStdString(), lines[i].first);
            const AnswerVerdict verdict = checker.check(lines[i].second);
            if (verdict.status == AnswerStatus::SyntaxError) {
                QCOMPARE(row.value("verdict").toString(), QStringLiteral("error"));
                QCOMPARE(row.value("error").toString().toStdString(), verdict.error->Get_Message());
                continue;
            }
            QCOMPARE(
                rows[static_cast<qsizetype>(i)].toStdString(),
                VerdictJson::row(lines[i].first, CheckCommand::verdictWord(verdict), &verdict, ""));
            QCOMPARE(row.value("extra").toArray(), cellArray(verdict.extra));
            QCOMPARE(row.value("missing").toArray(), cellArray(verdict.missing));
        }

        // The CSV report reads back to the same ids, one row each after its
        // header, with the verdicts of the JSON lines.
        const QString answersPath = writeFile("class.csv", QByteArray::fromStdString(csv));
        const CliRun table = runCli({"check", pla, "--answers", answersPath});
        QCOMPARE(table.status, 1);
        const std::vector<CsvRecord> records = CsvReader::read(table.outBytes.toStdString());
        QCOMPARE(records.size(), lines.size() + 3);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const CsvRecord &record = records[i + 1];
            QCOMPARE(record.fields.size(), records.front().fields.size());
            QCOMPARE(record.fields[0], lines[i].first);
            const QJsonObject row =
                QJsonDocument::fromJson(rows[static_cast<qsizetype>(i)]).object();
            QCOMPARE(QString::fromStdString(record.fields[1]), row.value("verdict").toString());
        }
        // Every line graded, whatever the verdicts: status 0.
        QCOMPARE(runCli({"check", pla, "--answers", "-"}, QByteArray::fromStdString(good)).status,
                 0);
    }

    // Fields with commas, quotes and line ends survive a spreadsheet's
    // quoting, whatever the line ends.
    void csvRoundTrip()
    {
        std::mt19937 random(3);
        const std::string alphabet = "ab,\"\r\n '";
        for (int round = 0; round < 500; ++round) {
            std::vector<std::vector<std::string>> table(1 + random() % 4);
            std::string text;
            for (std::vector<std::string> &record : table) {
                record.resize(1 + random() % 3);
                for (std::string &field : record) {
                    for (std::size_t k = random() % 6; k > 0; --k)
                        field += alphabet[random() % alphabet.size()];
                    text +=
                        (&field == &record.front() ? "" : ",") + spreadsheetField(field, random);
                }
                // A record of one empty field would be a blank line.
                if (record.size() == 1 && record[0].empty()) {
                    record[0] = "x";
                    text += "x";
                }
                text += random() % 2 == 0 ? "\r\n" : "\n";
            }
            const std::vector<CsvRecord> read = CsvReader::read(text);
            QCOMPARE(read.size(), table.size());
            for (std::size_t r = 0; r < table.size(); ++r) {
                QVERIFY2(read[r].fields == table[r], text.c_str());
                QVERIFY(!read[r].unterminated);
            }
        }
    }

private:
    QString writeFile(const char *name, const QByteArray &text)
    {
        return TestFiles::writeFileIn(*dir, QString::fromUtf8(name), text);
    }

    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_GUILESS_MAIN(CliCheckTest)
#include "CliCheckTest.moc"
