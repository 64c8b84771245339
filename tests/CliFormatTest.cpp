// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-cli minimize --format: the same texts as the window's "Copy As",
// from the same formatter, and "text" (the default) unchanged.

#include "CliRun.h"
#include "format/ExpressionFormatter.h"
#include "minimize/Minimization.h"

#include <QTemporaryDir>
#include <QTest>

class CliFormatTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formats_data();
    void formats();
    void refusals_data();
    void refusals();

private:
    QString write(const QString &name, const QByteArray &text);
    QTemporaryDir dir;
};

void CliFormatTest::initTestCase()
{
    QVERIFY(dir.isValid());
}

QString CliFormatTest::write(const QString &name, const QByteArray &text)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

void CliFormatTest::formats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("cells");
    for (const OutputFormatName &name : outputFormatNames()) {
        QTest::addRow("%s, SOP", name.key) << name.key << false << "0X10110101110X01";
        QTest::addRow("%s, POS", name.key) << name.key << true << "0X10110101110X01";
        QTest::addRow("%s, constant 1", name.key) << name.key << false << "1111";
        QTest::addRow("%s, constant 0 in POS", name.key) << name.key << true << "00000000";
    }
}

// Each format prints what the formatter makes of the window's cover of the
// file; "text" is byte for byte the output without --format.
void CliFormatTest::formats()
{
    QFETCH(QString, format);
    QFETCH(bool, pos);
    QFETCH(QString, cells);
    int n = 0;
    while ((1 << n) < cells.size())
        ++n;
    QByteArray pla = ".i " + QByteArray::number(n) + "\n.o 1\n";
    for (int m = 0; m < cells.size(); ++m) {
        for (int j = n - 1; j >= 0; --j)
            pla += (m >> j) & 1 ? '1' : '0';
        pla += ' ';
        pla += cells.at(m).toLatin1();
        pla += '\n';
    }
    const QString file = write(QStringLiteral("f.pla"), pla);

    QStringList arguments{QStringLiteral("minimize"), QStringLiteral("--format"), format, file};
    if (pos)
        arguments << QStringLiteral("--pos");
    const CliRun run = runCli(arguments);
    QVERIFY2(run.status == 0, qPrintable(run.err));

    const std::vector<int> codes = Minimization::cellCodes(cells.toStdString());
    const MinimizationForm form =
        pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    Minimization minimization;
    const MinimizationResult result = minimization.run(n, codes, form);
    MinimizedCover cover;
    cover.variableCount = n;
    cover.form = form;
    cover.names = Minimization::defaultNames();
    for (int prime : result.selection)
        cover.cubes.push_back(result.primes[std::size_t(prime - 1)].cube.substr(0, std::size_t(n)));
    cover.text = result.text;
    OutputFormat chosen = OutputFormat::Text;
    QVERIFY(outputFormatFromKey(format.toStdString(), chosen));
    const ExpressionFormatter::Result expected = ExpressionFormatter::format(cover, chosen);
    QVERIFY(expected.ok);
    QCOMPARE(run.out, QString::fromStdString(expected.text) + QLatin1Char('\n'));

    if (chosen == OutputFormat::Text) {
        arguments.removeAt(1);
        arguments.removeAt(1);
        QCOMPARE(runCli(arguments).out, run.out);
    }
}

void CliFormatTest::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown format")
        << QStringList{"minimize", "--format", "cobol", "FILE"} << "cobol";
    QTest::newRow("format without value")
        << QStringList{"minimize", "FILE", "--format"} << "--format";
    QTest::newRow("format with eval")
        << QStringList{"eval", "--vars", "2", "A&B", "--minimize", "--format", "c"}
        << "--format belongs to the minimize";
    QTest::newRow("format with json")
        << QStringList{"minimize", "--json", "--format", "vhdl", "FILE"}
        << "--json and --format exclude each other";
    QTest::newRow("name starting with a digit")
        << QStringList{"minimize", "--format", "verilog", "--names", "1a,b", "FILE"}
        << "\"1a\" is not a valid name in Verilog";
    QTest::newRow("keyword as a name")
        << QStringList{"minimize", "--format", "python", "--names", "if,b", "FILE"}
        << "\"if\" is a reserved word in Python";
    QTest::newRow("output named by a keyword, in a module")
        << QStringList{"minimize", "--format", "verilog", "OUTPUTS"}
        << "\"or\" is a reserved word in Verilog";
    QTest::newRow("an input the expressions do not use, in an entity")
        << QStringList{"minimize", "--format", "vhdl", "--names", "b,B", "OUTPUTS"}
        << "\"b\" and \"B\" are the same name in VHDL";
}

// Refused with a message and status 2; nothing on standard output.
void CliFormatTest::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString file = write(QStringLiteral("r.pla"), ".i 2\n.o 1\n10 1\n11 1\n");
    arguments.replaceInStrings(QStringLiteral("FILE"), file);
    // Both outputs are A: B is a port but in no expression.
    arguments.replaceInStrings(
        QStringLiteral("OUTPUTS"),
        write(QStringLiteral("outputs.pla"), ".i 2\n.o 2\n.ob f or\n10 11\n11 11\n"));
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.out, QString());
}

QTEST_GUILESS_MAIN(CliFormatTest)
#include "CliFormatTest.moc"
