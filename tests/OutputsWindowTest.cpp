// SPDX-License-Identifier: GPL-3.0-or-later
// The window with several outputs, driven as a user drives it: outputs added
// from the Edit menu, cells typed in every output's column, the map's output
// picked by its header or by the selector, Minimize! on each, undo and redo.
// The names come from the outputs core, the results from the minimization
// core, so the window is checked against what it is built on.

#include "ExpressionReference.h"
#include "MapShades.h"
#include "ModalBoxAnswerer.h"
#include "RandomOutputs.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "dialogs/ChangeVarsPopup.h"
#include "dialogs/OutputNamesDialog.h"
#include "minimize/CoverFinder.h"
#include "minimize/Minimization.h"
#include "outputs/JointResultsWindow.h"
#include "outputs/MultiOutputFunction.h"
#include "pla/ImportExport.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <random>

namespace {

// What Minimize! shows for these values with the default names.
QString coverText(int n, const QString &values)
{
    Minimization minimization;
    const MinimizationResult result = minimization.run(
        n, Minimization::cellCodes(values.toStdString()), MinimizationForm::SumOfProducts);
    return QString::fromStdString(
        CoverFinder::windowCover(result, Minimization::defaultNames()).text);
}

QString advanced(QChar value)
{
    if (value == u'0')
        return QStringLiteral("1");
    return value == u'1' ? QStringLiteral("X") : QStringLiteral("0");
}

// The value of an expression over A, B, ... at minterm m.
bool valueAt(const QString &text, int n, int m)
{
    if (text == u'0' || text == u'1')
        return text == u'1';
    const VariableNames defaults = Minimization::defaultNames();
    std::vector<bool> values;
    values.reserve(std::size_t(n));
    for (int v = 0; v < n; ++v)
        values.push_back(((m >> (n - 1 - v)) & 1) != 0);
    return ExpressionReference::Reader(text.toStdString(), {defaults.begin(), defaults.begin() + n},
                                       values)
        .read()
        .value_or(false);
}

std::vector<std::string> toStd(const QStringList &names)
{
    std::vector<std::string> converted(static_cast<std::size_t>(names.size()));
    std::transform(names.begin(), names.end(), converted.begin(),
                   [](const QString &name) { return name.toStdString(); });
    return converted;
}

} // namespace

class OutputsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { window.reset(); }
    void oneOutputKeepsTheWindow();
    void outputsEditShowMinimizeUndo();
    void outputsTravelThroughAFile();
    void tooManyOutputsAreRefused();
    void outputNamesFollowTheCoreRules();
    void allOutputsShadeWhatIsPicked();
    void importTakesNamesTheOldOutputsHad();
    void moreVariablesPassTheOutputsNames();

private:
    template <typename Widget> Widget *child(const char *name) const
    {
        return WidgetLookup::named<Widget>(*window, name);
    }
    // The dialogs are windows of their own.
    template <typename Dialog> static Dialog *topLevel()
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<Dialog *>(top))
                return dialog;
        }
        return nullptr;
    }
    // The header texts after the spacer column, and the cells under them.
    QStringList outputHeaders() const;
    QStringList outputColumns() const;
    QStringList inputHeaders() const;
    int columnOf(int output) const { return table->variableCount() + 1 + output; }
    void chooseCount(int wanted);
    void pickWithSelector(int output);
    void typeColumn(int output, const QString &values);

    // The minterms the map shows shaded.
    QList<int> shadedMinterms() const;

    std::unique_ptr<MainWindow> window;
    truthTable *table = nullptr;
    kMap *map = nullptr;
    QComboBox *selector = nullptr;
};

void OutputsWindowTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    table = child<truthTable>("truthTableWidget");
    map = child<kMap>("kMapWidget");
    selector = child<QComboBox>("outputSelector");
}

QStringList OutputsWindowTest::outputHeaders() const
{
    QStringList names;
    for (int c = columnOf(0); c < table->columnCount(); ++c)
        names << table->horizontalHeaderItem(c)->text();
    return names;
}

QStringList OutputsWindowTest::outputColumns() const
{
    QStringList columns;
    for (int c = columnOf(0); c < table->columnCount(); ++c) {
        QString column;
        for (int r = 0; r < table->rowCount(); ++r)
            column += table->item(r, c)->text();
        columns << column;
    }
    return columns;
}

QStringList OutputsWindowTest::inputHeaders() const
{
    QStringList names;
    for (int c = 0; c < table->variableCount(); ++c)
        names << table->horizontalHeaderItem(c)->text();
    return names;
}

void OutputsWindowTest::chooseCount(int wanted)
{
    auto *count = child<QComboBox>("variableCountManager");
    count->setFocus();
    while (count->currentIndex() + 2 != wanted)
        QTest::keyClick(count, count->currentIndex() + 2 < wanted ? Qt::Key_Down : Qt::Key_Up);
}

void OutputsWindowTest::pickWithSelector(int output)
{
    selector->setFocus();
    while (selector->currentIndex() != output)
        QTest::keyClick(selector, selector->currentIndex() < output ? Qt::Key_Down : Qt::Key_Up);
}

// A click on each cell, then the value's key.
void OutputsWindowTest::typeColumn(int output, const QString &values)
{
    for (int r = 0; r < values.size(); ++r) {
        UserInput::clickCell(table, r, columnOf(output));
        QTest::keyClick(table, values[r].toLatin1());
    }
}

// With one output the selector stays out of sight, the header click changes
// nothing and the result carries no output name.
void OutputsWindowTest::oneOutputKeepsTheWindow()
{
    QVERIFY(!selector->isVisible());
    QVERIFY(!child<QAction>("removeOutputAction")->isEnabled());
    const QString label = child<QLabel>("kMapLabel")->text();
    QSignalSpy shownChanges(table, &truthTable::shownOutputChanged);
    QSignalSpy lists(table, &truthTable::sendMintermList);
    UserInput::clickHeader(table, columnOf(0));
    QCOMPARE(shownChanges.size(), 0);
    QCOMPARE(lists.size(), 0);

    const QString values = QStringLiteral("01X10X0110X1001X");
    typeColumn(0, values);
    child<QPushButton>("minimizeButton")->click();
    QCOMPARE(child<QLineEdit>("resultEdit")->text(), coverText(4, values));
    QCOMPARE(child<QLabel>("kMapLabel")->text(), label);
}

void OutputsWindowTest::outputsEditShowMinimizeUndo()
{
    auto *addOutput = child<QAction>("addOutputAction");
    auto *removeOutput = child<QAction>("removeOutputAction");
    auto *undo = child<QAction>("undoAction");
    auto *redo = child<QAction>("redoAction");
    auto *result = child<QLineEdit>("resultEdit");
    auto *label = child<QLabel>("kMapLabel");
    const QString singleLabel = label->text();
    const QStringList initial = outputColumns();
    std::mt19937 random(22);

    for (int round = 0; round < 4; ++round) {
        const int n = 2 + round;
        const int k = 2 + round % 3;
        chooseCount(n);
        const QStringList start = outputColumns();
        QCOMPARE(start.size(), 1);

        for (int added = 1; added < k; ++added)
            addOutput->trigger();
        QStringList names;
        for (const std::string &name : MultiOutputFunction(n, k).outputNames())
            names << QString::fromStdString(name);
        QCOMPARE(outputHeaders(), names);
        QVERIFY(selector->isVisible());
        QCOMPARE(selector->count(), k);
        QCOMPARE(selector->currentIndex(), k - 1);
        QVERIFY(removeOutput->isEnabled());

        QStringList columns;
        for (int output = 0; output < k; ++output) {
            QString values;
            for (int m = 0; m < (1 << n); ++m)
                values += QStringLiteral("01X").at(static_cast<int>(random() % 3));
            typeColumn(output, values);
            columns << values;
        }
        QCOMPARE(outputColumns(), columns);

        for (int step = 0; step < 2 * k; ++step) {
            const int output = static_cast<int>(random() % k);
            if (step % 2 == 0)
                UserInput::clickHeader(table, columnOf(output));
            else
                pickWithSelector(output);
            QCOMPARE(selector->currentIndex(), output);
            QVERIFY(label->text() != singleLabel && label->text().contains(names[output]));
            QCOMPARE(WidgetLookup::mapText(*map, n), columns[output]);

            child<QPushButton>("minimizeButton")->click();
            QCOMPARE(result->text(),
                     QStringLiteral("%1 = %2").arg(names[output], coverText(n, columns[output])));

            const int minterm = static_cast<int>(random() % (1 << n));
            const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(n, minterm);
            UserInput::clickCell(map, at.row, at.column);
            columns[output].replace(minterm, 1, advanced(columns[output][minterm]));
            QCOMPARE(outputColumns(), columns);
        }

        const int removed = selector->currentIndex();
        removeOutput->trigger();
        QStringList left = columns;
        left.removeAt(removed);
        QCOMPARE(outputColumns(), left);
        QCOMPARE(WidgetLookup::mapText(*map, n), left[selector->currentIndex()]);

        while (undo->isEnabled())
            undo->trigger();
        QCOMPARE(outputColumns(), initial);
        QVERIFY(!selector->isVisible());
        QVERIFY(!removeOutput->isEnabled());
        QCOMPARE(label->text(), singleLabel);

        while (redo->isEnabled())
            redo->trigger();
        QCOMPARE(outputColumns(), left);
        QCOMPARE(WidgetLookup::mapText(*map, n), left[selector->currentIndex()]);
        child<QPushButton>("resetButton")->click();
        QCOMPARE(outputColumns().size(), 1);
    }
}

// Random named functions of several outputs, written by the core's writer,
// come into the window whole, leave it through the export unchanged, and one
// undo takes each import back.
void OutputsWindowTest::outputsTravelThroughAFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    auto *undo = child<QAction>("undoAction");
    auto *pla = child<ImportExport>("importExport");
    std::mt19937 random(7);
    for (int round = 0; round < 8; ++round) {
        const int n = 2 + round % 5;
        const int k = 2 + round % 4;
        const MultiOutputFunction function = RandomOutputs::function(random, n, k, round % 2 == 0);
        const QString in =
            TestFiles::writeFileIn(folder, QStringLiteral("in%1.pla").arg(round),
                                   QByteArray::fromStdString(PlaWriter::write(function)));
        const QStringList before = inputHeaders() + outputHeaders() + outputColumns();
        ModalBoxAnswerer answerer;
        answerer.arm();
        QVERIFY(window->openFile(in));
        QCoreApplication::processEvents();
        QVERIFY(!answerer.answered());

        QStringList inputs;
        for (const std::string &name : function.inputNames())
            inputs << QString::fromStdString(name);
        QStringList names;
        QStringList columns;
        for (int output = 0; output < k; ++output) {
            names << QString::fromStdString(function.outputName(output));
            columns << QString::fromStdString(function.values(output));
        }
        QCOMPARE(inputHeaders(), inputs);
        QCOMPARE(outputHeaders(), names);
        QCOMPARE(outputColumns(), columns);
        QCOMPARE(WidgetLookup::mapText(*map, n), columns.front());

        const QString out = folder.filePath(QStringLiteral("out%1.pla").arg(round));
        QVERIFY(pla->exportTo(out));
        const PlaOutputsResult back =
            PlaReader::readOutputs(TestFiles::readFile(out).toStdString(), 4);
        QVERIFY(back.outputs.has_value());
        QVERIFY(back.outputs->function == function);

        undo->trigger();
        QCOMPARE(inputHeaders() + outputHeaders() + outputColumns(), before);
        QVERIFY(window->openFile(in));
        QCoreApplication::processEvents();
    }
}

void OutputsWindowTest::tooManyOutputsAreRefused()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string text = ".i 2\n.o 65\n00 " + std::string(65, '1') + "\n";
    const QString path =
        TestFiles::writeFileIn(folder, QStringLiteral("wide.pla"), QByteArray::fromStdString(text));
    const QStringList before = outputColumns();
    ModalBoxAnswerer answerer;
    answerer.arm();
    QVERIFY(!window->openFile(path));
    QVERIFY(answerer.answered());
    const PlaOutputsResult read = PlaReader::readOutputs(text, 4);
    QVERIFY(!read.outputs);
    QVERIFY2(answerer.text().contains(ImportExport::describe(read.error)),
             qPrintable(answerer.text()));
    QCOMPARE(outputColumns(), before);
}

// Names typed into the dialog: a random one, an input's or another
// output's. Ok takes exactly what the outputs core accepts, and a refusal
// says what the core says; undo takes every renaming back.
void OutputsWindowTest::outputNamesFollowTheCoreRules()
{
    auto *rename = child<QAction>("outputNamesAction");
    auto *undo = child<QAction>("undoAction");
    auto *dialog = topLevel<OutputNamesDialog>();
    QVERIFY(dialog);
    const QStringList initial = outputHeaders();
    child<QAction>("addOutputAction")->trigger();
    child<QAction>("addOutputAction")->trigger();
    std::mt19937 random(3);
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 60; ++round) {
        const QStringList before = outputHeaders();
        const QStringList inputs = inputHeaders();
        QStringList proposed = before;
        const auto field = static_cast<int>(random() % before.size());
        const unsigned kind = random() % 3;
        if (kind == 0)
            proposed[field] = QString::fromStdString(RandomOutputs::name(random));
        else
            proposed[field] = kind == 1 ? inputs.at(static_cast<int>(random() % inputs.size()))
                                        : before.at(static_cast<int>(random() % before.size()));

        rename->trigger();
        QVERIFY(dialog->isVisible());
        auto *edit = WidgetLookup::named<QLineEdit>(
            *dialog, qPrintable(QStringLiteral("outputName%1").arg(field)));
        edit->selectAll();
        QTest::keyClicks(edit, proposed[field]);
        ModalBoxAnswerer answerer;
        answerer.arm();
        QTest::keyClick(edit, Qt::Key_Return);

        const MultiOutputFunction::NameRefusal refusal =
            MultiOutputFunction::checkNames(toStd(inputs), toStd(proposed));
        if (refusal.ok()) {
            QVERIFY(!answerer.answered());
            QVERIFY(!dialog->isVisible());
            QCOMPARE(outputHeaders(), proposed);
            ++accepted;
        } else {
            QCOMPARE(answerer.text(), QString::fromStdString(refusal.englishSentence()));
            QVERIFY(dialog->isVisible());
            dialog->reject();
            QCOMPARE(outputHeaders(), before);
            ++refused;
        }
    }
    QVERIFY(accepted > 0 && refused > 0);

    // Nor may a variable take an output's name.
    auto *variables = topLevel<ChangeVarsPopup>();
    QVERIFY(variables);
    const QStringList inputs = inputHeaders();
    child<QPushButton>("variablesButton")->click();
    variables->findChildren<QLineEdit *>().front()->setText(outputHeaders().back());
    ModalBoxAnswerer answerer;
    answerer.arm();
    variables->findChildren<QPushButton *>().front()->click();
    QVERIFY(answerer.answered());
    QCOMPARE(inputHeaders(), inputs);
    variables->close();

    while (undo->isEnabled())
        undo->trigger();
    QCOMPARE(outputHeaders(), initial);
}

QList<int> OutputsWindowTest::shadedMinterms() const
{
    const QStringList shades = MapShades::of(*map);
    QList<int> shaded;
    for (int m = 0; m < (1 << table->variableCount()); ++m) {
        const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(table->variableCount(), m);
        if (!shades.value(at.row * map->columnCount() + at.column).isEmpty())
            shaded << m;
    }
    return shaded;
}

// Minimize All Outputs, reached from the menu once there are several
// outputs: each output's joint text equals the output off its don't cares,
// and a picked product shades exactly the cells its own text marks, on the
// map of an output it feeds; the results follow a later edit.
void OutputsWindowTest::allOutputsShadeWhatIsPicked()
{
    auto *minimizeAll = child<QAction>("minimizeAllAction");
    QVERIFY(!minimizeAll->isEnabled());
    auto *results = child<JointResultsWindow>("jointResultsWindow");
    auto *outputsTable = WidgetLookup::named<QTableWidget>(*results, "jointOutputsTable");
    auto *productsTable = WidgetLookup::named<QTableWidget>(*results, "jointProductsTable");
    QTemporaryDir folder;
    std::mt19937 random(17);
    for (int round = 0; round < 4; ++round) {
        const int n = 3 + round % 3;
        const MultiOutputFunction function = RandomOutputs::function(random, n, 2 + round, false);
        const QString in =
            TestFiles::writeFileIn(folder, QStringLiteral("in%1.pla").arg(round),
                                   QByteArray::fromStdString(PlaWriter::write(function)));
        QVERIFY(window->openFile(in));
        const bool sop = round % 2 == 0;
        child<QRadioButton>(sop ? "sopRadio" : "posRadio")->click();
        QSignalSpy shown(results, &JointResultsWindow::resultsShown);
        minimizeAll->trigger();
        QVERIFY(shown.wait());
        QCOMPARE(outputsTable->rowCount(), function.outputCount());
        for (int k = 0; k < function.outputCount(); ++k) {
            const QString text = outputsTable->item(k, 2)->text();
            for (int m = 0; m < (1 << n); ++m) {
                const char cell = function.cell(k, std::size_t(m));
                QVERIFY2(cell == 'X' || valueAt(text, n, m) == (cell == '1'), qPrintable(text));
            }
        }
        for (int row = 0; row < productsTable->rowCount(); ++row) {
            UserInput::clickCell(productsTable, row, 0);
            const QString product = productsTable->item(row, 0)->text();
            QList<int> cells;
            for (int m = 0; m < (1 << n); ++m) {
                if (valueAt(product, n, m) == sop)
                    cells << m;
            }
            QCOMPARE(shadedMinterms(), cells);
            const QStringList fed = productsTable->item(row, 1)->text().split(QStringLiteral(", "));
            QVERIFY(fed.contains(table->outputNames().value(table->shownOutput())));
        }
        // An edit while the results are open brings new ones.
        UserInput::clickCell(table, 0, columnOf(0));
        QTest::keyClick(table, function.cell(0, 0) == '1' ? '0' : '1');
        QVERIFY(shown.wait());
    }
}

// The file's variables may be called what the outputs it replaces were
// called: no box, and the names and values are the file's.
void OutputsWindowTest::importTakesNamesTheOldOutputsHad()
{
    child<QAction>("addOutputAction")->trigger();
    QCOMPARE(table->outputNames().value(1), QStringLiteral("f1"));
    QTemporaryDir folder;
    const QString in = TestFiles::writeFileIn(folder, QStringLiteral("in.pla"),
                                              ".i 2\n.o 1\n.ilb f1 B\n01 1\n.e\n");
    ModalBoxAnswerer answerer;
    answerer.arm();
    QVERIFY(window->openFile(in));
    QCoreApplication::processEvents();
    QVERIFY(!answerer.answered());
    QCOMPARE(inputHeaders(), (QStringList{"f1", "B"}));
    QCOMPARE(outputColumns(), QStringList{"0100"});
}

// A variable added by the count takes the first default letter no output
// has either: an output named E keeps four variables from becoming A..E.
void OutputsWindowTest::moreVariablesPassTheOutputsNames()
{
    child<QAction>("addOutputAction")->trigger();
    child<QAction>("outputNamesAction")->trigger();
    auto *dialog = topLevel<OutputNamesDialog>();
    QVERIFY(dialog != nullptr);
    auto *second = WidgetLookup::named<QLineEdit>(*dialog, "outputName1");
    second->selectAll();
    QTest::keyClicks(second, QStringLiteral("E"));
    QTest::keyClick(second, Qt::Key_Return);
    QCOMPARE(outputHeaders(), (QStringList{"f", "E"}));
    chooseCount(5);
    QCOMPARE(inputHeaders().size(), 5);
    QVERIFY(MultiOutputFunction::checkNames(toStd(inputHeaders()), toStd(outputHeaders())).ok());
}

QTEST_MAIN(OutputsWindowTest)
#include "OutputsWindowTest.moc"
