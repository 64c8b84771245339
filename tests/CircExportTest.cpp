// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator files of the circuits, run by the classic educational
// simulator itself in its command-line mode and compared with the table
// they came from. Many circuits share one file and one run: each input pin
// becomes a tunnel to a clock, and the clocks count through the rows.

#include "JointCircuits.h"
#include "MinimizationFixtures.h"
#include "TestFiles.h"
#include "TestFunctions.h"
#include "circuit/CircWriter.h"
#include "circuit/CircuitCover.h"
#include "circuit/NetlistBuilder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <array>
#include <set>

namespace {

const QString simulatorJar = QStringLiteral("/usr/share/logisim/logisim.jar");
constexpr int clockCount = 6;

struct Case
{
    CircFile file;
    int n = 0;
    // Per output "01X..." of minterm 0 first, in the order of `outputNames`
    // (the output pins' labels; any label for one output).
    std::vector<std::string> cells;
    QString name;
    std::vector<std::string> outputNames;
};

// The monitor of output k of case c.
std::string monitorName(std::size_t c, std::size_t k)
{
    return "o" + std::to_string(c) + "_" + std::to_string(k);
}

const std::array<CircuitStyle, 4> allStyles{CircuitStyle::AndOrInverters,
                                            CircuitStyle::AndOrInvertedInputs,
                                            CircuitStyle::NandNand, CircuitStyle::NorNor};

CircComponent wiring(const std::string &name, CircPoint location,
                     std::vector<std::pair<std::string, std::string>> attributes)
{
    return {CircFile::wiringLibrary, name, location, std::move(attributes)};
}

CircComponent tunnel(CircPoint location, const std::string &label)
{
    return wiring("Tunnel", location, {{"label", label}});
}

// An output pin in the top row; the simulator prints its outputs in the
// order of their places, so the row keeps the order of the columns.
void addMonitor(CircFile &bench, int column, const std::string &label)
{
    const CircPoint at{100 + 10 * column, 10};
    bench.components.push_back(tunnel(at, label));
    bench.components.push_back(
        wiring("Pin", at, {{"facing", "north"}, {"output", "true"}, {"label", label}}));
}

// Clock k counts bit k of the tick; variable j of n variables is bit n-1-j
// of the row, so the first variable is the most significant, as in the table.
CircFile testbench(const std::vector<Case> &cases)
{
    CircFile bench;
    for (int k = 0; k < clockCount; ++k) {
        const std::string duration = std::to_string(1 << k);
        const std::string bit = "b" + std::to_string(k);
        const CircPoint clock{40, 100 + 40 * k};
        bench.components.push_back(
            wiring("Clock", clock, {{"highDuration", duration}, {"lowDuration", duration}}));
        bench.components.push_back(tunnel(clock, bit));
        bench.components.push_back(tunnel({60, clock.y}, bit));
        bench.components.push_back({CircFile::gatesLibrary, "NOT Gate", {90, clock.y}, {}});
        bench.components.push_back(tunnel({90, clock.y}, "n" + bit));
        addMonitor(bench, k, bit);
    }
    const std::string period = std::to_string(1 << clockCount);
    const CircPoint halt{40, 100 + 40 * clockCount};
    bench.components.push_back(
        wiring("Clock", halt, {{"highDuration", period}, {"lowDuration", period}}));
    bench.components.push_back(
        wiring("Pin", halt, {{"facing", "west"}, {"output", "true"}, {"label", "halt"}}));

    const VariableNames names = Minimization::defaultNames();
    int monitors = clockCount;
    int x = 200;
    int y = 500;
    int rowHeight = 0;
    for (std::size_t c = 0; c < cases.size(); ++c) {
        CircFile circuit = cases[c].file;
        for (CircComponent &component : circuit.components) {
            if (component.name != "Pin")
                continue;
            const std::string label = component.attribute("label");
            const std::vector<std::string> &outputs = cases[c].outputNames;
            const auto output = std::find(outputs.begin(), outputs.end(), label);
            std::string replacement =
                monitorName(c, output == outputs.end() ? 0 : std::size_t(output - outputs.begin()));
            for (int j = 0; j < cases[c].n; ++j) {
                const std::string bit = "b" + std::to_string(cases[c].n - 1 - j);
                if (label == names[static_cast<std::size_t>(j)])
                    replacement = bit;
                else if (label == names[static_cast<std::size_t>(j)] + "'")
                    replacement = "n" + bit;
            }
            component = tunnel(component.location, replacement);
        }
        for (std::size_t k = 0; k < cases[c].cells.size(); ++k)
            addMonitor(bench, monitors++, monitorName(c, k));
        const CircPoint size = circuit.extent();
        if (x + size.x > 20000) {
            x = 200;
            y += rowHeight + 100;
            rowHeight = 0;
        }
        circuit.translate(x, y);
        x += size.x + 100;
        rowHeight = std::max(rowHeight, size.y);
        bench.components.insert(bench.components.end(), circuit.components.begin(),
                                circuit.components.end());
        bench.wires.insert(bench.wires.end(), circuit.wires.begin(), circuit.wires.end());
    }
    return bench;
}

// Runs the simulator over the test bench; the printed rows, split into values.
QList<QStringList> simulate(const CircFile &bench)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.circ"));
    if (!TestFiles::writeFile(path, QByteArray::fromStdString(bench.text())))
        return {};
    QProcess run;
    // The simulator keeps its preferences in the home folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.path());
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral("java"),
              {QStringLiteral("-Djava.awt.headless=true"),
               QStringLiteral("-Djava.util.prefs.userRoot=") + folder.path(),
               QStringLiteral("-jar"), simulatorJar, path, QStringLiteral("-tty"),
               QStringLiteral("table")});
    if (!run.waitForFinished(300000) || run.exitCode() != 0) {
        qWarning("%s", run.readAllStandardError().constData());
        return {};
    }
    QList<QStringList> rows;
    for (const QString &line : QString::fromLatin1(run.readAllStandardOutput()).split('\n')) {
        if (!line.trimmed().isEmpty())
            rows.append(line.trimmed().split(QLatin1Char('\t')));
    }
    return rows;
}

// Every printed row agrees with the cells of every circuit wherever a cell is
// not X, and the clocks went through all their rows.
void verifyBatch(const std::vector<Case> &cases)
{
    const QList<QStringList> rows = simulate(testbench(cases));
    QVERIFY2(!rows.isEmpty(), "the simulator printed nothing");
    std::vector<bool> seen(1U << clockCount, false);
    int columns = clockCount;
    for (const Case &one : cases)
        columns += static_cast<int>(one.cells.size());
    for (const QStringList &values : rows) {
        QCOMPARE(values.size(), columns);
        unsigned tick = 0;
        for (int k = 0; k < clockCount; ++k)
            tick |= (values.at(k) == QLatin1String("1") ? 1U : 0U) << k;
        seen[tick] = true;
        int column = clockCount;
        for (const Case &one : cases) {
            const unsigned row = tick & ((1U << one.n) - 1);
            for (std::size_t k = 0; k < one.cells.size(); ++k) {
                const char cell = one.cells[k][row];
                const QString &value = values.at(column++);
                if (cell != 'X' && value != QLatin1Char(cell))
                    QFAIL(qPrintable(
                        one.name +
                        QStringLiteral(", output %1, row %2: %3").arg(k).arg(row).arg(value)));
            }
        }
    }
    QVERIFY(std::all_of(seen.begin(), seen.end(), [](bool row) { return row; }));
}

// The simulator's time grows faster than its file, so the circuits go in
// batches of a few thousand parts, each a start of the program.
void verify(const std::vector<Case> &cases)
{
    constexpr std::size_t partsPerBatch = 20000;
    std::vector<Case> batch;
    std::size_t parts = 0;
    for (std::size_t c = 0; c <= cases.size(); ++c) {
        if (c == cases.size() || parts >= partsPerBatch) {
            verifyBatch(batch);
            if (QTest::currentTestFailed())
                return;
            batch.clear();
            parts = 0;
        }
        if (c < cases.size()) {
            batch.push_back(cases[c]);
            parts += cases[c].file.components.size() + cases[c].file.wires.size();
        }
    }
}

// The circuits of one table in both forms, every style, the given fan-ins.
void addCircuits(std::vector<Case> &cases, int n, const std::string &cells,
                 const std::vector<int> &fanIns)
{
    Minimization minimization;
    const VariableNames names = Minimization::defaultNames();
    for (MinimizationForm form :
         {MinimizationForm::SumOfProducts, MinimizationForm::ProductOfSums}) {
        const MinimizationResult result =
            minimization.run(n, MinimizationFixtures::cells(cells), form, names);
        const MinimizedCover cover =
            CircuitCover::fromSelection(n, form, names, result, result.selection);
        std::set<std::string> texts;
        for (CircuitStyle style : allStyles) {
            for (int fanIn : fanIns) {
                // A fan-in that splits no gate gives the same circuit again.
                CircFile file = CircWriter::model(NetlistBuilder::build(cover, style, fanIn));
                if (!texts.insert(file.text()).second)
                    continue;
                cases.push_back({std::move(file),
                                 n,
                                 {cells},
                                 QString::fromStdString(
                                     cells + " " + circuitStyleKey(style) +
                                     (form == MinimizationForm::ProductOfSums ? " POS" : " SOP") +
                                     " fan-in " + std::to_string(fanIn)),
                                 {}});
            }
        }
    }
}

} // namespace

class CircExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFunctionOfTwoSimulates();
    void randomFunctionsSimulate();
    void jointCircuitsSimulate();
    void filesAreWellFormed();
};

void CircExportTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("java")).isEmpty() ||
        !QFile::exists(simulatorJar))
        QSKIP("java or the simulator (logisim) is missing; scripts/install-deps.sh --dev");
}

void CircExportTest::everyFunctionOfTwoSimulates()
{
    // All 81 tables of 0, 1 and X.
    std::vector<Case> cases;
    for (int code = 0; code < 81; ++code) {
        std::string cells;
        for (int m = 0, rest = code; m < 4; ++m, rest /= 3)
            cells += "01X"[rest % 3];
        addCircuits(cases, 2, cells, {2, 3, 4});
    }
    verify(cases);
}

void CircExportTest::randomFunctionsSimulate()
{
    std::vector<Case> cases;
    for (int i = 0; i < 40; ++i) {
        const int n = 3 + i % 4;
        addCircuits(cases, n,
                    TestFunctions::randomValues(n, "01X01", 24 + static_cast<unsigned>(i)),
                    {2 + i % 3});
    }
    verify(cases);
}

void CircExportTest::jointCircuitsSimulate()
{
    // A few functions of up to 4 outputs in every style: each output pin,
    // found by its label, follows its output.
    std::vector<Case> cases;
    for (const JointCircuitCase &one : JointCircuits::random(9, 8, 2, 5, 4, false)) {
        Case added{CircWriter::model(one.netlist),
                   one.function.inputCount(),
                   {},
                   QString::fromStdString(one.name),
                   one.function.outputNames()};
        for (int k = 0; k < one.function.outputCount(); ++k)
            added.cells.push_back(one.function.values(k));
        cases.push_back(std::move(added));
    }
    verify(cases);
}

void CircExportTest::filesAreWellFormed()
{
    // Names that need escaping in XML stay the pins' labels.
    VariableNames names = Minimization::defaultNames();
    names[0] = "a<b";
    names[1] = "\"q\"&";
    Minimization minimization;
    const MinimizationResult result = minimization.run(2, MinimizationFixtures::cells("0110"),
                                                       MinimizationForm::SumOfProducts, names);
    const MinimizedCover cover = CircuitCover::fromSelection(2, MinimizationForm::SumOfProducts,
                                                             names, result, result.selection);
    for (CircuitStyle style : allStyles) {
        QXmlStreamReader reader(
            QString::fromStdString(CircWriter::write(NetlistBuilder::build(cover, style))));
        QStringList labels;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.name() == QLatin1String("a") &&
                reader.attributes().value(QStringLiteral("name")) == QLatin1String("label"))
                labels.append(reader.attributes().value(QStringLiteral("val")).toString());
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QVERIFY(labels.contains(QString::fromStdString(names[0])));
        QVERIFY(labels.contains(QString::fromStdString(names[1])));
        QVERIFY(labels.contains(QStringLiteral("f")));
    }
}

QTEST_GUILESS_MAIN(CircExportTest)
#include "CircExportTest.moc"
