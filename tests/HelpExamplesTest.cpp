// SPDX-License-Identifier: GPL-3.0-or-later
// Every equation the help texts show is checked against the program: the
// rows they claim, the equivalences, the error messages word for word and
// the minimized results. A help text that drifts from the program fails here.
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "minimize/Minimization.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <optional>

namespace {

struct HelpTable
{
    QString file;
    QStringList headers;
    QList<QStringList> rows; // cell texts, tags removed, entities decoded
};

QString plainText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html.trimmed();
}

QString readHelp(const QString &name)
{
    QFile file(QDir(QStringLiteral(TAVOLIN_HELP_SOURCE_DIR)).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

const QStringList helpFiles{"TruthtableHelp.txt", "KMapHelp.txt",      "EquationHelp.txt",
                            "VariableHelp.txt",   "VariableHelp2.txt", "SOPHelp.txt",
                            "importHelp.txt"};

QList<HelpTable> tablesOf(const QString &file)
{
    QList<HelpTable> tables;
    const QString html = readHelp(file);
    static const QRegularExpression tablePattern(QStringLiteral("<table[^>]*>(.*?)</table>"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression rowPattern(QStringLiteral("<tr>(.*?)</tr>"),
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cellPattern(QStringLiteral("<t([hd])>(.*?)</t[hd]>"),
                                                QRegularExpression::DotMatchesEverythingOption);
    for (const auto &table : tablePattern.globalMatch(html)) {
        HelpTable parsed{file, {}, {}};
        for (const auto &row : rowPattern.globalMatch(table.captured(1))) {
            QStringList cells;
            bool header = true;
            for (const auto &cell : cellPattern.globalMatch(row.captured(1))) {
                header = header && cell.captured(1) == QLatin1String("h");
                cells << plainText(cell.captured(2));
            }
            if (header && parsed.headers.isEmpty())
                parsed.headers = cells;
            else
                parsed.rows << cells;
        }
        tables << parsed;
    }
    return tables;
}

QList<HelpTable> exampleTables(const QString &lastHeader)
{
    QList<HelpTable> found;
    for (const QString &file : helpFiles)
        for (const HelpTable &table : tablesOf(file))
            if (table.headers.size() >= 3 && table.headers.first() == QLatin1String("Variables") &&
                table.headers.last() == lastHeader)
                found << table;
    return found;
}

// The rows where the expression is true, or the error message.
struct Outcome
{
    QSet<int> trueRows;
    std::optional<QString> error;
};

Outcome evaluate(const QString &names, const QString &expression)
{
    std::vector<std::string> variables;
    for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        variables.push_back(name.toStdString());
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(variables);
    evaluator.Set_Expression(expression.toStdString());
    const int n = int(variables.size());
    Outcome outcome;
    try {
        for (int row = 0; row < (1 << n); ++row) {
            std::vector<bool> values(n);
            for (int i = 0; i < n; ++i)
                values[i] = (row >> (n - 1 - i)) & 1;
            evaluator.Set_Variable_Values(values);
            if (evaluator.Evaluate_Expression())
                outcome.trueRows.insert(row);
        }
    } catch (const ExpressionException &error) {
        outcome.error = QString::fromStdString(error.Get_Message());
    }
    return outcome;
}

QSet<int> rowList(const QString &text)
{
    QSet<int> rows;
    for (QString row : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        row = row.trimmed();
        if (row.startsWith(QLatin1Char('m')))
            rows.insert(row.mid(1).toInt());
    }
    return rows;
}

void addRows(const QString &lastHeader)
{
    QTest::addColumn<QStringList>("cells");
    int count = 0;
    for (const HelpTable &table : exampleTables(lastHeader))
        for (const QStringList &row : table.rows) {
            QTest::addRow("%s: %s", qPrintable(table.file), qPrintable(row.value(1))) << row;
            ++count;
        }
    QVERIFY2(count > 0, "the help texts hold no such examples");
}

} // namespace

class HelpExamplesTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsWhereTrue_data() { addRows(QStringLiteral("1 in rows")); }
    void rowsWhereTrue();
    void rowsWhereFalse_data() { addRows(QStringLiteral("0 in rows")); }
    void rowsWhereFalse();
    void equivalences_data() { addRows(QStringLiteral("Same as")); }
    void equivalences();
    void errorMessages_data() { addRows(QStringLiteral("Message")); }
    void errorMessages();
    void minimizedResults_data() { addRows(QStringLiteral("POS result")); }
    void minimizedResults();
    void everyOtherExampleParses_data();
    void everyOtherExampleParses();
};

void HelpExamplesTest::rowsWhereTrue()
{
    QFETCH(QStringList, cells);
    const Outcome outcome = evaluate(cells.at(0), cells.at(1));
    QVERIFY2(!outcome.error, qPrintable(outcome.error.value_or(QString())));
    QCOMPARE(outcome.trueRows, rowList(cells.at(2)));
}

void HelpExamplesTest::rowsWhereFalse()
{
    QFETCH(QStringList, cells);
    const Outcome outcome = evaluate(cells.at(0), cells.at(1));
    QVERIFY2(!outcome.error, qPrintable(outcome.error.value_or(QString())));
    const int n = int(cells.at(0).split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
    QSet<int> falseRows;
    for (int row = 0; row < (1 << n); ++row)
        if (!outcome.trueRows.contains(row))
            falseRows.insert(row);
    QCOMPARE(falseRows, rowList(cells.at(2)));
}

void HelpExamplesTest::equivalences()
{
    QFETCH(QStringList, cells);
    const Outcome left = evaluate(cells.at(0), cells.at(1));
    const Outcome right = evaluate(cells.at(0), cells.at(2));
    QVERIFY(!left.error && !right.error);
    QCOMPARE(left.trueRows, right.trueRows);
}

void HelpExamplesTest::errorMessages()
{
    QFETCH(QStringList, cells);
    const Outcome outcome = evaluate(cells.at(0), cells.at(1));
    QVERIFY2(outcome.error, "the example is accepted by the program");
    QCOMPARE(*outcome.error, cells.at(2));
}

void HelpExamplesTest::minimizedResults()
{
    QFETCH(QStringList, cells);
    const QStringList names = cells.at(0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<int> codes;
    for (const QString &cell : cells.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        codes.push_back(Minimization::cellCode(cell.toStdString()));
    QCOMPARE(int(codes.size()), 1 << names.size());
    VariableNames variableNames = Minimization::defaultNames();
    for (int i = 0; i < names.size(); ++i)
        variableNames[i] = names.at(i).toStdString();

    Minimization minimization;
    const auto sop =
        minimization.run(int(names.size()), codes, MinimizationForm::SumOfProducts, variableNames);
    const auto pos =
        minimization.run(int(names.size()), codes, MinimizationForm::ProductOfSums, variableNames);
    QCOMPARE(QString::fromStdString(sop.text), cells.at(2));
    QCOMPARE(QString::fromStdString(pos.text), cells.at(3));
}

void HelpExamplesTest::everyOtherExampleParses_data()
{
    QTest::addColumn<QString>("expression");
    static const QRegularExpression codePattern(QStringLiteral("<code>(.*?)</code>"));
    static const QRegularExpression tablePattern(QStringLiteral("<table[^>]*>.*?</table>"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    for (const QString &file : helpFiles) {
        QString html = readHelp(file);
        html.remove(tablePattern);
        for (const auto &code : codePattern.globalMatch(html))
            QTest::addRow("%s: %s", qPrintable(file), qPrintable(plainText(code.captured(1))))
                << plainText(code.captured(1));
    }
}

void HelpExamplesTest::everyOtherExampleParses()
{
    QFETCH(QString, expression);
    const Outcome outcome = evaluate(QStringLiteral("A B C D"), expression);
    QVERIFY2(!outcome.error, qPrintable(outcome.error.value_or(QString())));
}

QTEST_GUILESS_MAIN(HelpExamplesTest)
#include "HelpExamplesTest.moc"
