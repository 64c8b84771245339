// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-cli circuit: the Verilog it prints simulated with iverilog/vvp
// over every row of the file's table, the images it draws read back, and
// the calls it refuses.

#include "CliRun.h"
#include "RandomOutputs.h"
#include "TestFiles.h"
#include "TestFunctions.h"
#include "VerilogSimulation.h"
#include "circuit/CircuitCover.h"
#include "circuit/NetlistBuilder.h"
#include "minimize/Minimization.h"
#include "pla/PlaWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <random>

using TestFiles::writeFileIn;
using TestFunctions::formOf;
using TestFunctions::plaText;

class CircuitCliTest : public QObject
{
    Q_OBJECT

private slots:
    void verilogComputesTheFile_data();
    void verilogComputesTheFile();
    void textGoesToTheOutputFile_data();
    void textGoesToTheOutputFile();
    void verilogToAFullOutputFails_data();
    void verilogToAFullOutputFails();
    void imagesAreWritten_data();
    void imagesAreWritten();
    void refusedCalls_data();
    void refusedCalls();
    void jointVerilogComputesEveryOutput();
    void notesMatchTheOtherCommands();
};

void CircuitCliTest::verilogComputesTheFile_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("options");
    const QString adder = QStringLiteral("00010111");
    const QStringList carry{"x", "y", "Cin"};
    QTest::newRow("default style") << adder << carry << QStringList{};
    QTest::newRow("nand") << adder << carry << QStringList{"--style", "nand"};
    QTest::newRow("nor, pos") << adder << carry << QStringList{"--style", "nor", "--pos"};
    QTest::newRow("inverted inputs, pos")
        << adder << carry << QStringList{"--style=inverted-inputs", "--pos"};
    const QString five = QStringLiteral("0110X0011001011X1001011001101001");
    const QStringList letters{"A", "B", "C", "D", "E"};
    QTest::newRow("five variables, fan-in 2") << five << letters << QStringList{"--fan-in", "2"};
    QTest::newRow("five variables, exact, nor")
        << five << letters << QStringList{"--exact", "--style", "nor", "--fan-in=3"};
    QTest::newRow("constant") << QStringLiteral("1111") << QStringList{"p", "q"} << QStringList{};
}

void CircuitCliTest::verilogComputesTheFile()
{
    QFETCH(QString, values);
    QFETCH(QStringList, names);
    QFETCH(QStringList, options);
    if (QStandardPaths::findExecutable(QStringLiteral("iverilog")).isEmpty())
        QFAIL("iverilog is not installed (scripts/install-deps.sh installs it)");
    QTemporaryDir folder;
    const int n = static_cast<int>(names.size());
    const QString pla = writeFileIn(folder, QStringLiteral("my function.pla"),
                                    plaText(n, values.toStdString(), names));
    const CliRun run = runCli(QStringList{"circuit", pla, "--format", "verilog"} + options);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.startsWith(QLatin1String("module my_function(")));

    const QString bits =
        VerilogSimulation::outputBits(run.out.toStdString(), {{"my_function", n}}).value(0);
    QCOMPARE(bits.size(), values.size());
    for (int m = 0; m < values.size(); ++m) {
        if (values.at(m) != QLatin1Char('X'))
            QVERIFY2(bits.at(m) == values.at(m), qPrintable(bits));
    }
    // As many gates as the library builds for the same call.
    const bool pos = options.contains(QStringLiteral("--pos"));
    const MinimizationForm form = formOf(pos);
    const std::vector<int> cells = Minimization::cellCodes(values.toStdString());
    VariableNames variableNames = Minimization::defaultNames();
    for (int j = 0; j < n; ++j)
        variableNames[static_cast<std::size_t>(j)] = names.at(j).toStdString();
    if (!options.contains(QStringLiteral("--exact"))) {
        const MinimizationResult result = Minimization().run(n, cells, form, variableNames);
        const Netlist netlist = NetlistBuilder::build(
            CircuitCover::fromSelection(n, form, variableNames, result, result.selection),
            options.contains(QStringLiteral("nand"))  ? CircuitStyle::NandNand
            : options.contains(QStringLiteral("nor")) ? CircuitStyle::NorNor
            : options.contains(QStringLiteral("--style=inverted-inputs"))
                ? CircuitStyle::AndOrInvertedInputs
                : CircuitStyle::AndOrInverters,
            options.contains(QStringLiteral("2")) ? 2 : 4);
        const QRegularExpression gateLine(QStringLiteral("^  (and|or|nand|nor|not) g"),
                                          QRegularExpression::MultilineOption);
        QCOMPARE(static_cast<int>(run.out.count(gateLine)), netlist.gateCount());
    }
}

void CircuitCliTest::textGoesToTheOutputFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("verilog") << QStringLiteral("verilog");
    QTest::newRow("circ") << QStringLiteral("circ");
}

void CircuitCliTest::textGoesToTheOutputFile()
{
    QFETCH(QString, format);
    QTemporaryDir folder;
    const QString pla =
        writeFileIn(folder, QStringLiteral("xor.pla"), plaText(2, "0110", {"a", "b"}));
    const CliRun printed = runCli({"circuit", pla, "--format", format});
    QVERIFY(!printed.out.isEmpty());
    const QString output = folder.filePath(QStringLiteral("xor.out"));
    const CliRun written = runCli({"circuit", pla, "--format", format, "-o", output});
    QCOMPARE(written.status, 0);
    QCOMPARE(written.out, QString());
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), printed.out);
}

void CircuitCliTest::verilogToAFullOutputFails_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("tavolin-cli") << QStringLiteral("tavolin-cli");
    // The drawing program, called directly, prints Verilog too.
    QTest::newRow("tavolin-cli-circuit") << QStringLiteral("tavolin-cli-circuit");
}

void CircuitCliTest::verilogToAFullOutputFails()
{
    QFETCH(QString, program);
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this system");
    QTemporaryDir folder;
    const QString pla =
        writeFileIn(folder, QStringLiteral("xor.pla"), plaText(2, "0110", {"a", "b"}));
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QFileInfo(QStringLiteral(TAVOLIN_CLI)).dir().filePath(program),
                  {"circuit", pla, "--format", "verilog"});
    QVERIFY(process.waitForFinished(-1));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("standard output"));
}

void CircuitCliTest::imagesAreWritten_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("svg") << "c.svg" << QStringList{};
    QTest::newRow("svg, nor, pos") << "c.SVG" << QStringList{"--style", "nor", "--pos"};
    QTest::newRow("png, nand") << "c.png" << QStringList{"--style", "nand"};
}

void CircuitCliTest::imagesAreWritten()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QTemporaryDir folder;
    const QString pla = writeFileIn(folder, QStringLiteral("majority.pla"),
                                    plaText(3, "00010111", {"P", "Q", "R"}));
    const QString output = folder.filePath(file);
    const CliRun run = runCli(QStringList{"circuit", pla, "-o", output} + options);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QFile image(output);
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QByteArray content = image.readAll();
    if (file.endsWith(QLatin1String(".png"))) {
        QImage picture;
        QVERIFY(picture.loadFromData(content, "PNG"));
        QVERIFY(picture.width() > picture.height());
        return;
    }
    QXmlStreamReader reader(content);
    QStringList texts;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("text"))
            texts << reader.readElementText().trimmed();
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    // The terminals, and captions: each term of the expression on its gate.
    const bool pos = options.contains("--pos");
    const QString result =
        runCli(pos ? QStringList{"minimize", "--pos", pla} : QStringList{"minimize", pla})
            .out.trimmed();
    const QStringList terminals{"P", "Q", "R", "f"};
    for (const QString &name : terminals)
        QCOMPARE(texts.count(name), 1);
    for (const QString &text : texts)
        QVERIFY2(terminals.contains(text) || result.split(pos ? '&' : '+').contains(text),
                 qPrintable(text + QStringLiteral(" in ") + result));
}

void CircuitCliTest::refusedCalls_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output") << QStringList{"circuit", "f.pla"}
                               << "circuit needs -o OUT.png or -o OUT.svg, or --format verilog.";
    QTest::newRow("unknown style")
        << QStringList{"circuit", "f.pla", "-o", "c.svg", "--style", "xor"}
        << "--style gives \"xor\", but the style must be and-or, inverted-inputs, nand or nor.";
    QTest::newRow("fan-in of one")
        << QStringList{"circuit", "f.pla", "-o", "c.svg", "--fan-in", "1"}
        << "--fan-in gives \"1\", but a gate takes 2 to 16 inputs.";
    QTest::newRow("fan-in not a number")
        << QStringList{"circuit", "f.pla", "-o", "c.svg", "--fan-in", "four"}
        << "--fan-in gives \"four\", but a gate takes 2 to 16 inputs.";
    QTest::newRow("other format") << QStringList{"circuit", "f.pla", "--format", "vhdl"}
                                  << "--format gives \"vhdl\", but the file formats are verilog "
                                     "and circ (images follow the -o "
                                     "ending).";
    QTest::newRow("two files") << QStringList{"circuit", "f.pla", "g.pla", "-o", "c.svg"}
                               << "circuit draws one PLA file (- for standard input).";
    QTest::newRow("joint and exact")
        << QStringList{"circuit", "f.pla", "-o", "c.svg", "--joint", "--exact"}
        << "--joint covers every output together; it takes no --exact.";
    QTest::newRow("style with map") << QStringList{"map", "f.pla", "-o", "m.svg", "--style", "nand"}
                                    << "--style belongs to the circuit command.";
}

void CircuitCliTest::refusedCalls()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err.section(QLatin1Char('\n'), 0, 0), QStringLiteral("tavolin-cli: ") + message);
}

void CircuitCliTest::jointVerilogComputesEveryOutput()
{
    // Files of 2 to 4 outputs with their own names: one module, a port per
    // output, each computing its output wherever the file gives a value.
    QTemporaryDir folder;
    std::mt19937 random(17);
    for (int i = 0; i < 6; ++i) {
        const int n = 2 + i % 4;
        const MultiOutputFunction function = RandomOutputs::function(random, n, 2 + i % 3, true);
        const QString pla = writeFileIn(folder, QStringLiteral("j%1.pla").arg(i),
                                        QByteArray::fromStdString(PlaWriter::write(function)));
        QStringList arguments{"circuit", pla, "--joint", "--format", "verilog"};
        if (i % 2 == 1)
            arguments << "--pos"
                      << "--style"
                      << "nand";
        const CliRun run = runCli(arguments);
        QCOMPARE(run.status, 0);
        const QStringList rows = VerilogSimulation::outputRows(
            run.out.toStdString(), {"j" + std::to_string(i), n, function.outputCount()});
        QCOMPARE(static_cast<std::size_t>(rows.size()), function.cellCount());
        for (std::size_t row = 0; row < function.cellCount(); ++row) {
            for (int k = 0; k < function.outputCount(); ++k) {
                const char cell = function.cell(k, row);
                QVERIFY2(cell == 'X' || rows.at(static_cast<int>(row)).at(k) == QLatin1Char(cell),
                         qPrintable(
                             QStringLiteral("file %1, output %2, row %3").arg(i).arg(k).arg(row)));
            }
        }
    }
}

void CircuitCliTest::notesMatchTheOtherCommands()
{
    // Labels that cannot serve, or outputs left out: the circuit command
    // says so as explain does (the two read files through the same code),
    // in both modes, while the drawing goes on.
    QTemporaryDir folder;
    const QStringList files{
        writeFileIn(folder, QStringLiteral("inputs.pla"), ".i 2\n.o 1\n.ilb a a\n1- 1\n.e\n"),
        writeFileIn(folder, QStringLiteral("outputs.pla"),
                    ".i 2\n.o 2\n.ilb a b\n.ob a x\n1- 11\n-1 01\n.e\n"),
        writeFileIn(folder, QStringLiteral("several.pla"), ".i 2\n.o 2\n1- 10\n-1 01\n.e\n")};
    for (const QString &file : files) {
        // Each file has a note in at least one mode, so that the comparison
        // is not of nothing.
        bool noted = false;
        for (const QStringList &mode : {QStringList{}, QStringList{"--joint"}}) {
            const CliRun explain = runCli(QStringList{"explain", file} + mode);
            const CliRun circuit =
                runCli(QStringList{"circuit", file, "--format", "verilog"} + mode);
            QCOMPARE(circuit.status, 0);
            QVERIFY(circuit.out.startsWith(QLatin1String("module ")));
            QCOMPARE(circuit.err, explain.err);
            noted = noted || !explain.err.isEmpty();
        }
        QVERIFY2(noted, qPrintable(file));
    }
}

QTEST_GUILESS_MAIN(CircuitCliTest)
#include "CircuitCliTest.moc"
