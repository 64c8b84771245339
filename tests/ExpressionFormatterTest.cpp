// SPDX-License-Identifier: GPL-3.0-or-later
// The formatter's notations checked by the tools that read them: every
// expression is compiled or simulated and evaluated on every row of its
// table, and must give each row's 0 or 1 (a don't care may give either).

#include "format/ExpressionFormatter.h"
#include "TestFiles.h"
#include "minimize/CoverFinder.h"
#include "minimize/Minimization.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using TestFiles::writeFile;

namespace {

struct FunctionCase
{
    int n = 0;
    std::string cells; // one of '0', '1', 'X' per minterm
    VariableNames names;
    MinimizedCover cover;
};

MinimizedCover coverOf(int n, const std::string &cells, MinimizationForm form,
                       const VariableNames &names)
{
    Minimization minimization;
    return CoverFinder::windowCover(
        minimization.run(n, Minimization::cellCodes(cells), form, names), names);
}

// For 2 to 6 variables and both forms: the constants, a table of don't
// cares only, and random tables with and without don't cares. Half of the
// cases use names other than the defaults (valid in every target).
std::vector<FunctionCase> functionCases()
{
    const VariableNames otherNames = {"x1", "Cin", "q", "ab", "Z9", "y"};
    std::mt19937 random(20261208);
    std::vector<FunctionCase> cases;
    for (int n = 2; n <= 6; ++n) {
        const std::size_t size = std::size_t{1} << n;
        std::vector<std::string> tables = {std::string(size, '0'), std::string(size, '1'),
                                           std::string(size, 'X')};
        for (int k = 0; k < 4; ++k) {
            std::string cells;
            for (std::size_t m = 0; m < size; ++m)
                cells += "01X"[random() % (k < 2 ? 2 : 3)];
            tables.push_back(cells);
        }
        for (const std::string &cells : tables) {
            for (MinimizationForm form :
                 {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
                const VariableNames names =
                    cases.size() % 2 == 0 ? Minimization::defaultNames() : otherNames;
                cases.push_back({n, cells, names, coverOf(n, cells, form, names)});
            }
        }
    }
    return cases;
}

std::string expressionOf(const FunctionCase &c, OutputFormat format)
{
    const ExpressionFormatter::Result result = ExpressionFormatter::format(c.cover, format);
    if (!result.ok)
        qFatal("not formatted: %s", result.error.c_str());
    return result.text;
}

// The assigned name of "assign f = ...;" or "f <= ...;".
std::string outputOf(const std::string &statement)
{
    const std::size_t start = statement.rfind("assign ", 0) == 0 ? 7 : 0;
    return statement.substr(start, statement.find(' ', start) - start);
}

QString run(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qWarning("%s failed:\n%s", qPrintable(program), process.readAll().constData());
    return QString::fromUtf8(process.readAll());
}

// Lines "CASE ROW VALUE" anywhere in the tool's output (VHDL reports carry a
// prefix, and its values are quoted); every row of every case must appear
// once with the value of its cell.
void compareRows(const QString &output, const std::vector<FunctionCase> &cases)
{
    static const QRegularExpression line(QStringLiteral("(\\d+) (\\d+) '?([01])'?\\s*$"));
    QMap<QPair<int, int>, int> seen;
    for (const QString &text : output.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            seen.insert({match.captured(1).toInt(), match.captured(2).toInt()},
                        match.captured(3).toInt());
    }
    int rows = 0;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const FunctionCase &c = cases[k];
        for (std::size_t m = 0; m < c.cells.size(); ++m, ++rows) {
            const auto found = seen.constFind({int(k), int(m)});
            QVERIFY2(found != seen.constEnd(),
                     qPrintable(QStringLiteral("case %1 row %2 missing in:\n%3")
                                    .arg(k)
                                    .arg(m)
                                    .arg(output.left(2000))));
            if (c.cells[m] == 'X')
                continue;
            QVERIFY2(*found == c.cells[m] - '0',
                     qPrintable(QStringLiteral("case %1 (%2, %3) row %4: %5")
                                    .arg(k)
                                    .arg(QString::fromStdString(c.cells))
                                    .arg(QString::fromStdString(c.cover.text))
                                    .arg(m)
                                    .arg(*found)));
        }
    }
    QCOMPARE(seen.size(), rows);
}

std::string join(const std::vector<std::string> &parts, const std::string &separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? separator : "") + parts[i];
    return text;
}

// The names of the case's variables, first first.
std::vector<std::string> namesOf(const FunctionCase &c)
{
    return std::vector<std::string>(c.names.begin(), c.names.begin() + c.n);
}

// "(i >> 2) & 1" style bit extraction of variable j for a row number i.
std::vector<std::string> rowBits(const FunctionCase &c, const std::string &row)
{
    std::vector<std::string> bits;
    bits.reserve(static_cast<std::size_t>(c.n));
    for (int j = 0; j < c.n; ++j)
        bits.push_back("(" + row + " >> " + std::to_string(c.n - 1 - j) + ") & 1");
    return bits;
}

} // namespace

class ExpressionFormatterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void textMatchesTheMinimizer();
    void verilogSimulated();
    void vhdlSimulated();
    void cCompiledAndRun_data();
    void cCompiledAndRun();
    void pythonEvaluated();
    void latexGroupsBalanced();
    void invalidNamesRefused_data();
    void invalidNamesRefused();
    void outputRenamedAwayFromVariable_data();
    void outputRenamedAwayFromVariable();

private:
    std::vector<FunctionCase> cases;
    QTemporaryDir folder;
};

void ExpressionFormatterTest::initTestCase()
{
    QVERIFY(folder.isValid());
    cases = functionCases();
}

// The window's notation with the names the minimizer used is its own text,
// byte for byte; with other names the same shape.
void ExpressionFormatterTest::textMatchesTheMinimizer()
{
    for (const FunctionCase &c : cases)
        QCOMPARE(expressionOf(c, OutputFormat::Text), c.cover.text);
}

void ExpressionFormatterTest::verilogSimulated()
{
    if (QStandardPaths::findExecutable(QStringLiteral("iverilog")).isEmpty())
        QSKIP("iverilog is not installed (scripts/install-deps.sh --dev)");
    std::string modules;
    std::string bench = "module tb;\n";
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const FunctionCase &c = cases[k];
        const std::string id = std::to_string(k);
        const std::string statement = expressionOf(c, OutputFormat::Verilog);
        modules += "module case" + id + "(input " + join(namesOf(c), ", input ") + ", output " +
                   outputOf(statement) + ");\n  " + statement + "\nendmodule\n";
        bench += "  integer i" + id + ";\n  reg [5:0] in" + id + ";\n  wire out" + id +
                 ";\n  case" + id + " u" + id + "(";
        for (int j = 0; j < c.n; ++j)
            bench += "in" + id + "[" + std::to_string(c.n - 1 - j) + "], ";
        bench += "out" + id + ");\n";
        bench += "  initial for (i" + id + " = 0; i" + id + " < " + std::to_string(c.cells.size()) +
                 "; i" + id + " = i" + id + " + 1) begin\n" + "    in" + id + " = i" + id +
                 "; #1 $display(\"" + id + " %0d %b\", i" + id + ", out" + id + ");\n  end\n";
    }
    bench += "endmodule\n";
    QVERIFY(writeFile(folder.filePath(QStringLiteral("f.v")),
                      QByteArray::fromStdString(modules + bench)));
    run(QStringLiteral("iverilog"),
        {QStringLiteral("-o"), QStringLiteral("f.vvp"), QStringLiteral("f.v")}, folder.path());
    compareRows(
        run(QStringLiteral("vvp"), {QStringLiteral("-n"), QStringLiteral("f.vvp")}, folder.path()),
        cases);
}

void ExpressionFormatterTest::vhdlSimulated()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ghdl")).isEmpty())
        QSKIP("ghdl is not installed (scripts/install-deps.sh --dev)");
    const std::string library = "library ieee;\nuse ieee.std_logic_1164.all;\n";
    std::string text;
    std::string declarations;
    std::string body;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const FunctionCase &c = cases[k];
        const std::string id = std::to_string(k);
        const std::string last = std::to_string(c.n - 1);
        const std::string statement = expressionOf(c, OutputFormat::Vhdl);
        text += library + "entity case" + id + " is\n  port (" + join(namesOf(c), ", ") +
                " : in std_logic; " + outputOf(statement) +
                " : out std_logic);\nend entity;\narchitecture rtl of case" + id +
                " is\nbegin\n  " + statement + "\nend architecture;\n";
        declarations += "  signal in" + id + " : std_logic_vector(" + last + " downto 0);\n" +
                        "  signal out" + id + " : std_logic;\n";
        body += "  u" + id + " : entity work.case" + id + " port map (";
        for (int j = 0; j < c.n; ++j)
            body += "in" + id + "(" + std::to_string(c.n - 1 - j) + "), ";
        body += "out" + id + ");\n";
        body += "  process begin\n    for r in 0 to " + std::to_string(c.cells.size() - 1) +
                " loop\n      in" + id + " <= std_logic_vector(to_unsigned(r, " +
                std::to_string(c.n) + "));\n      wait for 1 ns;\n      report \"" + id +
                " \" & integer'image(r) & \" \" & std_logic'image(out" + id +
                ");\n    end loop;\n    wait;\n  end process;\n";
    }
    text += library + "use ieee.numeric_std.all;\nentity tb is\nend entity;\n" +
            "architecture sim of tb is\n" + declarations + "begin\n" + body + "end architecture;\n";
    QVERIFY(writeFile(folder.filePath(QStringLiteral("f.vhd")), QByteArray::fromStdString(text)));
    run(QStringLiteral("ghdl"), {QStringLiteral("-a"), QStringLiteral("f.vhd")}, folder.path());
    run(QStringLiteral("ghdl"), {QStringLiteral("-e"), QStringLiteral("tb")}, folder.path());
    compareRows(
        run(QStringLiteral("ghdl"), {QStringLiteral("-r"), QStringLiteral("tb")}, folder.path()),
        cases);
}

void ExpressionFormatterTest::cCompiledAndRun_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("compiled as C") << QStringLiteral("c");
    QTest::newRow("compiled as C++") << QStringLiteral("c++");
}

void ExpressionFormatterTest::cCompiledAndRun()
{
    QFETCH(QString, language);
    std::string text = "#include <stdio.h>\n";
    std::string calls;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const FunctionCase &c = cases[k];
        const std::string id = std::to_string(k);
        text += "static int case" + id + "(int " + join(namesOf(c), ", int ") +
                ")\n{\n    return " + expressionOf(c, OutputFormat::C) + ";\n}\n";
        calls += "    for (int i = 0; i < " + std::to_string(c.cells.size()) +
                 "; ++i)\n        printf(\"" + id + " %d %d\\n\", i, case" + id + "(" +
                 join(rowBits(c, "i"), ", ") + ") ? 1 : 0);\n";
    }
    text += "int main(void)\n{\n" + calls + "    return 0;\n}\n";
    QVERIFY(writeFile(folder.filePath(QStringLiteral("f.c")), QByteArray::fromStdString(text)));
    const QString compiler =
        language == QLatin1String("c") ? QStringLiteral("cc") : QStringLiteral("c++");
    run(compiler,
        {QStringLiteral("-x"), language, QStringLiteral("f.c"), QStringLiteral("-o"),
         QStringLiteral("f_") + language.at(1 % language.size())},
        folder.path());
    compareRows(run(folder.filePath(QStringLiteral("f_") + language.at(1 % language.size())), {},
                    folder.path()),
                cases);
}

void ExpressionFormatterTest::pythonEvaluated()
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        QSKIP("python3 is not installed");
    std::string text;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const FunctionCase &c = cases[k];
        const std::string id = std::to_string(k);
        text += "def case" + id + "(" + join(namesOf(c), ", ") + "):\n    return " +
                expressionOf(c, OutputFormat::Python) + "\n";
        text += "for i in range(" + std::to_string(c.cells.size()) + "):\n    print(" + id +
                ", i, 1 if case" + id + "(" + join(rowBits(c, "i"), ", ") + ") else 0)\n";
    }
    QVERIFY(writeFile(folder.filePath(QStringLiteral("f.py")), QByteArray::fromStdString(text)));
    compareRows(run(QStringLiteral("python3"), {QStringLiteral("f.py")}, folder.path()), cases);
}

// Balanced braces and parentheses, and read back (overline as a trailing
// prime, \cdot as &) the same function as the window's text.
void ExpressionFormatterTest::latexGroupsBalanced()
{
    for (const FunctionCase &c : cases) {
        const std::string latex = expressionOf(c, OutputFormat::Latex);
        int braces = 0;
        int parentheses = 0;
        for (char ch : latex) {
            braces += ch == '{' ? 1 : ch == '}' ? -1 : 0;
            parentheses += ch == '(' ? 1 : ch == ')' ? -1 : 0;
            QVERIFY2(braces >= 0 && parentheses >= 0, latex.c_str());
        }
        QVERIFY2(braces == 0 && parentheses == 0, latex.c_str());

        QString read = QString::fromStdString(latex);
        read.replace(QRegularExpression(QStringLiteral("\\\\mathit\\{(\\w+)\\}")),
                     QStringLiteral("\\1"));
        read.replace(QRegularExpression(QStringLiteral("\\\\overline\\{(\\w+)\\}")),
                     QStringLiteral("\\1'"));
        read.replace(QStringLiteral(" \\cdot "), QStringLiteral("&"));
        read.replace(QStringLiteral(" + "), QStringLiteral("+"));
        QString text = QString::fromStdString(c.cover.text);
        // The window parenthesizes every sum; LaTeX only sums of several literals
        // among several factors.
        if (c.cover.form == MinimizationForm::ProductOfSums)
            text.replace(QRegularExpression(QStringLiteral("\\((\\w+'?)\\)")),
                         QStringLiteral("\\1"));
        if (c.cover.form == MinimizationForm::ProductOfSums && c.cover.cubes.size() == 1)
            text.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
        if (c.cover.form == MinimizationForm::SumOfProducts && c.cover.cubes.size() > 1)
            read.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
        QCOMPARE(read, text);
    }
}

void ExpressionFormatterTest::invalidNamesRefused_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("message");

    const auto row = [](const char *scenario, OutputFormat format, const char *names,
                        const char *message) {
        QTest::newRow(scenario) << int(format) << QString::fromUtf8(names)
                                << QString::fromUtf8(message);
    };
    row("Verilog name starting with a digit", OutputFormat::Verilog, "1A",
        "\"1A\" is not a valid name in Verilog: a name there must start with a letter");
    row("VHDL name starting with a digit", OutputFormat::Vhdl, "9", "start with a letter");
    row("C name starting with a digit", OutputFormat::C, "2x", "not a valid name in C/C++");
    row("Python name starting with a digit", OutputFormat::Python, "0b1",
        "not a valid name in Python");
    row("Verilog keyword", OutputFormat::Verilog, "reg", "\"reg\" is a reserved word in Verilog");
    row("VHDL keyword in other case", OutputFormat::Vhdl, "NOR", "reserved word in VHDL");
    row("C++ alternative token", OutputFormat::C, "and", "reserved word in C/C++");
    row("Python keyword", OutputFormat::Python, "def", "reserved word in Python");
    row("non-ASCII letter", OutputFormat::C, "\xc3\xa9", "is not a valid name in C/C++");
    row("non-ASCII letter after an ASCII one", OutputFormat::Python, "x\xc3\xa9",
        "only the letters A-Z, a-z and digits");
    row("VHDL names differing in case only", OutputFormat::Vhdl, "a,A",
        "\"a\" and \"A\" are the same name in VHDL, which ignores case");
}

void ExpressionFormatterTest::invalidNamesRefused()
{
    QFETCH(int, format);
    QFETCH(QString, names);
    QFETCH(QString, message);

    // A'&B with the first variable renamed.
    const MinimizedCover cover =
        coverOf(2, "0100", MinimizationForm::SumOfProducts, Minimization::defaultNames());
    VariableNames renamed = Minimization::defaultNames();
    const QStringList given = names.split(QLatin1Char(','));
    for (int j = 0; j < given.size(); ++j)
        renamed[std::size_t(j)] = given[j].toStdString();
    const ExpressionFormatter::Result result =
        ExpressionFormatter::format(cover, renamed, OutputFormat(format));
    QVERIFY(!result.ok);
    QVERIFY(result.text.empty());
    QVERIFY2(QString::fromStdString(result.error).contains(message), result.error.c_str());

    // The same name is fine where it is not used, and LaTeX takes any name.
    const MinimizedCover onlyB =
        coverOf(2, "0101", MinimizationForm::SumOfProducts, Minimization::defaultNames());
    QVERIFY(ExpressionFormatter::format(onlyB, renamed, OutputFormat(format)).ok);
    QVERIFY(ExpressionFormatter::format(cover, renamed, OutputFormat::Latex).ok);
}

void ExpressionFormatterTest::outputRenamedAwayFromVariable_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Verilog, variable f") << int(OutputFormat::Verilog) << "f,B"
                                         << "assign f_out = ~f & B;";
    QTest::newRow("Verilog, variable F is another name") << int(OutputFormat::Verilog) << "F,B"
                                                         << "assign f = ~F & B;";
    QTest::newRow("VHDL, variable F (the sixth default name)") << int(OutputFormat::Vhdl) << "F,B"
                                                               << "f_out <= not F and B;";
    QTest::newRow("VHDL, f unused") << int(OutputFormat::Vhdl) << "A,B,f"
                                    << "f <= not A and B;";
}

void ExpressionFormatterTest::outputRenamedAwayFromVariable()
{
    QFETCH(int, format);
    QFETCH(QString, names);
    QFETCH(QString, expected);
    const MinimizedCover cover =
        coverOf(2, "0100", MinimizationForm::SumOfProducts, Minimization::defaultNames());
    VariableNames renamed = Minimization::defaultNames();
    const QStringList given = names.split(QLatin1Char(','));
    for (int j = 0; j < given.size(); ++j)
        renamed[std::size_t(j)] = given[j].toStdString();
    const ExpressionFormatter::Result result =
        ExpressionFormatter::format(cover, renamed, OutputFormat(format));
    QVERIFY(result.ok);
    QCOMPARE(QString::fromStdString(result.text), expected);
}

QTEST_GUILESS_MAIN(ExpressionFormatterTest)
#include "ExpressionFormatterTest.moc"
