// SPDX-License-Identifier: GPL-3.0-or-later
// The Minimize menu and the steps window as a user reaches them: the
// options (off at first, remembered), the cover "Minimize!" then shows and
// shades, the steps window's content for worked examples, the shading of a
// selected prime or solution and its restore, saving and copying.

#include "explain/StepsWindow.h"
#include "MapShades.h"
#include "ModalBoxAnswerer.h"
#include "TestFunctions.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "explain/ExplanationRenderer.h"
#include "minimize/ExactCover.h"
#include "minimize/Minimize.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using Groups = QVector<QVector<int>>;

namespace {

// What a fresh map of four variables shows for these groups.
QStringList shadesOf(const Groups &groups)
{
    kMap reference(4, 4);
    reference.updateCircles(groups);
    return MapShades::of(reference);
}

Groups groupsOf(const std::vector<std::vector<int>> &groups)
{
    Groups list;
    for (const auto &group : groups)
        list.append(QVector<int>(group.begin(), group.end()));
    return list;
}

QStringList column(const QTableWidget &table, int c)
{
    QStringList texts;
    for (int r = 0; r < table.rowCount(); ++r)
        texts << (table.item(r, c) ? table.item(r, c)->text() : QString());
    return texts;
}

} // namespace

class StepsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuEntriesAndTheirKeys();
    void optionsStartOffAndPersist_data();
    void optionsStartOffAndPersist();
    void optionChangesTheCoverShownAndShaded_data();
    void optionChangesTheCoverShownAndShaded();
    void workedExampleInTheSteps();
    void shorterAnswerIsReported();
    void selectionShadesAndRestores();
    void editEndsTheSelectionShading();
    void countStopsAtTheCap();
    void tablesFitTheirTextsAndTheirPage();
    void savesAndCopies_data();
    void savesAndCopies();
    void jointCoverPageFollowsTheOutputs();

private:
    template <typename Widget> Widget *child(const char *name)
    {
        return WidgetLookup::named<Widget>(*window, name);
    }
    QAction *action(const char *name) { return child<QAction>(name); }
    // cells: one character over 0, 1, X per output, minterm 0 first.
    void enter(const QString &cells);
    void minimize() { QTest::mouseClick(child<QPushButton>("minimizeButton"), Qt::LeftButton); }
    // Opens the steps window and waits until the counting has finished.
    StepsWindow *openSteps();
    // Shows the tab that holds the table, as a user must, and finds it.
    QTableWidget *stepsTable(const char *name)
    {
        auto *steps = child<StepsWindow>("stepsWindow");
        auto *tabs = WidgetLookup::named<QTabWidget>(*steps, "stepsTabs");
        const QStringList pages{"tabulationTable", "primesTable", "chartTable", "choicesTable"};
        const int page = static_cast<int>(pages.indexOf(QLatin1String(name)));
        tabs->setCurrentIndex(page < 0 ? tabs->count() - 1 : page);
        return WidgetLookup::named<QTableWidget>(*steps, name);
    }
    void selectRow(QTableWidget *table, int row) { UserInput::clickCell(table, row, 0); }

    std::unique_ptr<MainWindow> window;
};

void StepsWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavolin"));
}

void StepsWindowTest::init()
{
    QSettings().clear();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void StepsWindowTest::cleanup()
{
    window.reset();
    QSettings().clear();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void StepsWindowTest::enter(const QString &cells)
{
    auto *table = child<truthTable>("truthTableWidget");
    for (int m = 0; m < cells.size(); ++m) {
        const int clicks = cells[m] == QLatin1Char('1') ? 1 : cells[m] == QLatin1Char('X') ? 2 : 0;
        for (int i = 0; i < clicks; ++i)
            UserInput::clickCell(table, m, table->columnCount() - 1);
    }
}

StepsWindow *StepsWindowTest::openSteps()
{
    auto *steps = child<StepsWindow>("stepsWindow");
    QSignalSpy refreshed(steps, &StepsWindow::refreshed);
    action("showStepsAction")->trigger();
    if (!steps->isVisible())
        qFatal("the steps window did not open");
    while (refreshed.isEmpty() || !refreshed.last().at(0).toBool()) {
        // Long enough for the worker's own time limit to end any count.
        if (!refreshed.wait(60000))
            qFatal("the steps window was not refreshed");
    }
    return steps;
}

void StepsWindowTest::menuEntriesAndTheirKeys()
{
    QStringList entries;
    for (QAction *entry : child<QMenu>("minimizeMenu")->actions()) {
        if (!entry->isSeparator())
            entries << entry->text() + QLatin1Char('=') + entry->shortcut().toString();
    }
    QCOMPARE(entries,
             (QStringList{"Exact Minimum=Ctrl+Shift+E", "Hazard-Free Cover=Ctrl+Shift+H",
                          "Show Steps…=Ctrl+Shift+P", "Check Answer…=Ctrl+Shift+A",
                          "New Exercise…=Ctrl+Shift+N", "Minimize All Outputs…=Ctrl+Shift+O"}));

    const QList<QAction *> help = window->menuBar()->actions().last()->menu()->actions();
    // Right after the six older entries.
    QVERIFY(help.size() >= 7);
    QCOMPARE(help.at(6)->text(), QStringLiteral("Minimize Menu Help"));
    QVERIFY(help.at(6)->shortcut().isEmpty());

    // No key is claimed twice anywhere in the window.
    QStringList keys;
    for (QAction *entry : window->findChildren<QAction *>()) {
        if (!entry->shortcut().isEmpty())
            keys << entry->shortcut().toString();
    }
    keys.sort();
    QCOMPARE(keys.removeDuplicates(), 0);
}

void StepsWindowTest::optionsStartOffAndPersist_data()
{
    QTest::addColumn<QByteArray>("actionName");
    QTest::addColumn<QString>("key");
    QTest::newRow("exact minimum") << QByteArray("exactMinimumAction") << "minimize/exact";
    QTest::newRow("hazard-free cover") << QByteArray("hazardFreeAction") << "minimize/hazardFree";
}

void StepsWindowTest::optionsStartOffAndPersist()
{
    QFETCH(QByteArray, actionName);
    QFETCH(QString, key);
    QAction *option = action(actionName.constData());
    QVERIFY(option->isCheckable());
    QVERIFY(!option->isChecked());

    option->trigger();
    QVERIFY(option->isChecked());
    QCOMPARE(QSettings().value(key).toBool(), true);
    window = std::make_unique<MainWindow>();
    QVERIFY(action(actionName.constData())->isChecked());

    action(actionName.constData())->trigger();
    window = std::make_unique<MainWindow>();
    QVERIFY(!action(actionName.constData())->isChecked());
}

void StepsWindowTest::optionChangesTheCoverShownAndShaded_data()
{
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QByteArray>("option"); // empty: both off
    QTest::newRow("greedy not minimal, both off") << "1101101111000000" << false << QByteArray();
    QTest::newRow("greedy not minimal, exact")
        << "1101101111000000" << false << QByteArray("exactMinimumAction");
    QTest::newRow("POS, exact") << "0010010000111111" << true << QByteArray("exactMinimumAction");
    QTest::newRow("with don't cares, hazard-free")
        << "1101X01111000X00" << false << QByteArray("hazardFreeAction");
    QTest::newRow("POS, hazard-free")
        << "0010010000111111" << true << QByteArray("hazardFreeAction");
}

// The text, the groups sent and the map's shading are those of the chosen
// cover, computed here from the minimizer's own parts.
void StepsWindowTest::optionChangesTheCoverShownAndShaded()
{
    QFETCH(QString, cells);
    QFETCH(bool, pos);
    QFETCH(QByteArray, option);
    if (!option.isEmpty())
        action(option.constData())->trigger();
    if (pos)
        child<QRadioButton>("posRadio")->click();
    enter(cells);
    auto *minimizer = child<Minimize>("minimizer");
    QSignalSpy covers(minimizer, &Minimize::sendCover);
    QSignalSpy circles(minimizer, &Minimize::sendCircles);
    minimize();
    if (covers.isEmpty())
        QVERIFY(covers.wait(30000));

    const std::vector<int> codes = Minimization::cellCodes(cells.toStdString());
    const MinimizationForm form =
        pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    const MinimizationResult run = Minimization().run(4, codes, form);
    std::vector<int> chosen = run.selection;
    if (option == "exactMinimumAction")
        chosen = ExactCover::solve(run.cellCodes, run.primes).solutions.front();
    else if (option == "hazardFreeAction")
        chosen = ExactCover::hazardFree(run.cellCodes, run.primes).solutions.front();
    std::vector<std::vector<int>> groups;
    groups.reserve(chosen.size());
    for (const int prime : chosen)
        groups.push_back(run.primes[static_cast<std::size_t>(prime - 1)].minterms);
    const QString text = QString::fromStdString(
        resultText(run.cellCodes, run.primes, chosen, form, Minimization::defaultNames()));

    QCOMPARE(child<QLineEdit>("resultEdit")->text(), text);
    QCOMPARE(circles.size(), 1);
    QCOMPARE(circles.first().at(0).value<Groups>(), groupsOf(groups));
    QCOMPARE(covers.first().at(0).value<MinimizedCover>().groups, groups);
    QCOMPARE(MapShades::of(*child<kMap>("kMapWidget")), shadesOf(groupsOf(groups)));
    if (option.isEmpty())
        QCOMPARE(text.toStdString(), run.text);
}

// f = Σm(4, 8, 10, 11, 12, 15) + d(9, 14), worked by hand: the primes are
// AC, AD', AB' and BC'D'; BC'D' is essential for 4 and AC for 15; minterm 8
// is left, AD' and AB' tie for it and the earlier wins; either completes one
// of the two minimum covers of 3 terms and 7 literals.
void StepsWindowTest::workedExampleInTheSteps()
{
    enter(QStringLiteral("000010001X1110X1"));
    minimize();
    StepsWindow *steps = openSteps();
    auto *tabs = WidgetLookup::named<QTabWidget>(*steps, "stepsTabs");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, (QStringList{"Tabulation", "Primes", "Chart", "Choices", "Solutions"}));

    QCOMPARE(column(*stepsTable("primesTable"), 2),
             (QStringList{"A&C", "A&D'", "A&B'", "B&C'&D'"}));
    QCOMPARE(column(*stepsTable("primesTable"), 5), (QStringList{"yes", "", "", "yes"}));
    QTableWidget *chart = stepsTable("chartTable");
    QCOMPARE(column(*chart, 0), (QStringList{"4", "8", "10", "11", "12", "15", "chosen"}));
    QCOMPARE(chart->item(0, 4)->text(), QStringLiteral("(X)"));
    QCOMPARE(chart->item(5, 1)->text(), QStringLiteral("(X)"));
    QCOMPARE(chart->horizontalHeaderItem(4)->toolTip(), QStringLiteral("B&C'&D'"));
    QCOMPARE(column(*stepsTable("choicesTable"), 3),
             (QStringList{"essential: the only prime covering minterm 4",
                          "essential: the only prime covering minterm 15",
                          "covers 1 of the 1 remaining minterms, the most; leftmost of 2 tied "
                          "primes"}));
    QCOMPARE(column(*stepsTable("coversTable"), 2), (QStringList{"3", "3"}));
    QCOMPARE(column(*stepsTable("coversTable"), 3), (QStringList{"7", "7"}));
    QCOMPARE(column(*stepsTable("solutionsTable"), 2),
             (QStringList{"A&C+A&D'+B&C'&D'", "A&C+A&B'+B&C'&D'"}));
    const std::string text = renderExplanation(steps->explanation(), ExplanationFormat::Text);
    QVERIFY(text.find("The window's answer is minimal.") != std::string::npos);
    QVERIFY(text.find("There are 2 minimum solutions.") != std::string::npos);
}

void StepsWindowTest::shorterAnswerIsReported()
{
    enter(QStringLiteral("1101101111000000"));
    minimize();
    StepsWindow *steps = openSteps();
    QCOMPARE(column(*stepsTable("coversTable"), 2), (QStringList{"4", "3"}));
    QCOMPARE(column(*stepsTable("coversTable"), 4).first(), child<QLineEdit>("resultEdit")->text());
    const std::string text = renderExplanation(steps->explanation(), ExplanationFormat::Text);
    QVERIFY(text.find("A shorter answer exists: A'&B&D'+A'&C&D+B'&C' (3 terms, 8 literals "
                      "instead of 4 terms, 11 literals).") != std::string::npos);
}

void StepsWindowTest::selectionShadesAndRestores()
{
    enter(QStringLiteral("000010001X1110X1"));
    auto *map = child<kMap>("kMapWidget");
    minimize();
    const QStringList afterMinimize = MapShades::of(*map);
    StepsWindow *steps = openSteps();
    const Explanation &e = steps->explanation();

    auto *tabs = WidgetLookup::named<QTabWidget>(*steps, "stepsTabs");
    tabs->setCurrentIndex(1);
    selectRow(stepsTable("primesTable"), 2);
    QCOMPARE(MapShades::of(*map), shadesOf(groupsOf(Explainer::groupsOf(e, {3}))));

    tabs->setCurrentIndex(4);
    selectRow(stepsTable("solutionsTable"), 1);
    QCOMPARE(MapShades::of(*map),
             shadesOf(groupsOf(Explainer::groupsOf(e, e.solutions.covers[1].primes))));
    QVERIFY(stepsTable("primesTable")->selectedItems().isEmpty());

    stepsTable("solutionsTable")->clearSelection();
    QCOMPARE(MapShades::of(*map), afterMinimize);

    selectRow(stepsTable("solutionsTable"), 1);
    QVERIFY(MapShades::of(*map) != afterMinimize);
    minimize();
    QCOMPARE(MapShades::of(*map), afterMinimize);
}

void StepsWindowTest::editEndsTheSelectionShading()
{
    enter(QStringLiteral("1101101111000000"));
    auto *map = child<kMap>("kMapWidget");
    minimize();
    const QStringList afterMinimize = MapShades::of(*map);
    StepsWindow *steps = openSteps();
    WidgetLookup::named<QTabWidget>(*steps, "stepsTabs")->setCurrentIndex(1);
    selectRow(stepsTable("primesTable"), 0);
    QVERIFY(MapShades::of(*map) != afterMinimize);

    enter(QStringLiteral("0000000000000001"));
    QCOMPARE(MapShades::of(*map), afterMinimize);
    QSignalSpy refreshed(steps, &StepsWindow::refreshed);
    QVERIFY(refreshed.wait(30000));
    QCOMPARE(steps->explanation().chartMinterms, (std::vector<int>{0, 1, 3, 4, 6, 7, 8, 9, 15}));
}

// The six-variable function that is 1 where two or three variables are 1
// has millions of minimum covers: the worker stops at the cap and the window
// says "at least".
void StepsWindowTest::countStopsAtTheCap()
{
    child<QComboBox>("variableCountManager")->setCurrentIndex(4);
    QString cells;
    for (int m = 0; m < 64; ++m) {
        const int ones = __builtin_popcount(static_cast<unsigned>(m));
        cells += ones == 2 || ones == 3 ? QLatin1Char('1') : QLatin1Char('0');
    }
    enter(cells);
    minimize();
    StepsWindow *steps = openSteps();
    // The cap stops the count, or on a slow machine the worker's time limit
    // does first; either way the count is a lower bound and said to be one.
    const SolutionList &solutions = steps->explanation().solutions;
    QVERIFY(!solutions.complete);
    QVERIFY(solutions.count >= StepsWindow::listLimit && solutions.count <= StepsWindow::countCap);
    QCOMPARE(stepsTable("solutionsTable")->rowCount(), static_cast<int>(StepsWindow::listLimit));
    const QString count = QString::number(solutions.count);
    QCOMPARE(WidgetLookup::named<QLabel>(*steps, "stepsStatus")->text(),
             QStringLiteral("Stopped counting at %1 minimum solutions.").arg(count));
    const std::string text = renderExplanation(steps->explanation(), ExplanationFormat::Text);
    QVERIFY(text.find("There are at least " + count.toStdString() + " minimum solutions") !=
            std::string::npos);
}

// Every text fits its column, in a wide window and in one too narrow for the
// texts; no table leaves an empty band beside its columns: the last column
// reaches the right edge, and the chart ends where its columns do.
void StepsWindowTest::tablesFitTheirTextsAndTheirPage()
{
    enter(QStringLiteral("0010111001101111"));
    minimize();
    StepsWindow *steps = openSteps();
    for (const int width : {steps->width(), 320}) {
        steps->resize(width, steps->height());
        for (const char *name : {"tabulationTable", "primesTable", "chartTable", "choicesTable",
                                 "coversTable", "solutionsTable"}) {
            QTableWidget *table = stepsTable(name);
            const QHeaderView *header = table->horizontalHeader();
            // The header stretches its last column once the new page is laid out.
            const int band = qstrcmp(name, "chartTable") == 0
                                 ? table->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                 : 0;
            QTRY_VERIFY2(table->viewport()->width() - header->length() <= band, name);
            for (int c = 0; c < table->columnCount(); ++c) {
                const int needed =
                    std::max(static_cast<const QAbstractItemView *>(table)->sizeHintForColumn(c),
                             header->sectionSizeHint(c));
                QVERIFY2(table->columnWidth(c) >= needed,
                         qPrintable(QStringLiteral("%1, column %2: %3 < %4")
                                        .arg(name)
                                        .arg(c)
                                        .arg(table->columnWidth(c))
                                        .arg(needed)));
            }
        }
    }
}

void StepsWindowTest::savesAndCopies_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("Markdown") << "steps.md" << QByteArray("# Minimizing a function");
    QTest::newRow("HTML") << "steps.html" << QByteArray("<!DOCTYPE html>");
    QTest::newRow("PDF") << "steps.pdf" << QByteArray("%PDF");
}

void StepsWindowTest::savesAndCopies()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, start);
    enter(QStringLiteral("1101101111000000"));
    minimize();
    StepsWindow *steps = openSteps();
    QTemporaryDir folder;
    const QString path = folder.filePath(fileName);

    ModalBoxAnswerer answerer;
    answerer.armFileDialog(path);
    QTest::mouseClick(WidgetLookup::named<QPushButton>(*steps, "saveStepsButton"), Qt::LeftButton);
    QTRY_VERIFY(answerer.answered());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY2(content.startsWith(start), content.left(40).constData());
    if (!fileName.endsWith(QLatin1String(".pdf"))) {
        const ExplanationFormat format = fileName.endsWith(QLatin1String(".md"))
                                             ? ExplanationFormat::Markdown
                                             : ExplanationFormat::Html;
        QCOMPARE(content.toStdString(), renderExplanation(steps->explanation(), format));
    }

    QTest::mouseClick(WidgetLookup::named<QPushButton>(*steps, "copyStepsButton"), Qt::LeftButton);
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text().toStdString(),
             renderExplanation(steps->explanation(), ExplanationFormat::Text));
    QVERIFY(copied->html().contains(QLatin1String("<table>")));
}

// A second output brings a page for the joint cover. Its chart, read as a
// user reads it, marks exactly the primes of the page's primes table whose
// cube holds the row's cell and that may serve the row's output; the rows
// are the cells of value 1 of each output; the products the cover lists
// cover every row for the outputs they feed and are the chart's chosen
// columns. Selecting a product shades its cube on the map; removing the
// output takes the page away.
void StepsWindowTest::jointCoverPageFollowsTheOutputs()
{
    const QStringList values{QStringLiteral("0110100110011110"),
                             QStringLiteral("0001011101111111")};
    enter(values[0]);
    action("addOutputAction")->trigger();
    enter(values[1]);
    minimize();
    StepsWindow *steps = openSteps();
    auto *tabs = WidgetLookup::named<QTabWidget>(*steps, "stepsTabs");
    QCOMPARE(tabs->count(), 6);
    tabs->setCurrentIndex(5);
    auto *primes = WidgetLookup::named<QTableWidget>(*steps, "jointPrimesTable");
    auto *products = WidgetLookup::named<QTableWidget>(*steps, "jointCoverTable");
    const QAbstractItemModel *chart =
        WidgetLookup::named<QTableView>(*steps, "jointChartTable")->model();
    const QStringList names = child<truthTable>("truthTableWidget")->outputNames();
    QCOMPARE(names.size(), 2);

    const QStringList cubes = column(*primes, 1);
    const QStringList served = column(*primes, 4);
    const QStringList chosen = column(*products, 1);
    const QStringList fed = column(*products, 3);
    int row = 0;
    for (int j = 0; j < 2; ++j) {
        for (int m = 0; m < 16; ++m) {
            if (values[j][m] != QLatin1Char('1'))
                continue;
            QCOMPARE(chart->index(row, 0).data().toString(), names[j]);
            QCOMPARE(chart->index(row, 1).data().toInt(), m);
            QStringList on;
            for (int p = 0; p < cubes.size(); ++p) {
                if (TestFunctions::cubeHolds(cubes[p].toStdString(), m) &&
                    served[p].split(QStringLiteral(", ")).contains(names[j]))
                    on << QStringLiteral("P%1").arg(p + 1);
            }
            bool covered = false;
            for (int p = 0; p < cubes.size(); ++p) {
                const QString prime = QStringLiteral("P%1").arg(p + 1);
                const QString mark = !on.contains(prime) ? QString()
                                     : on.size() == 1    ? QStringLiteral("(X)")
                                                         : QStringLiteral("X");
                QCOMPARE(chart->index(row, p + 2).data().toString(), mark);
                const qsizetype product = chosen.indexOf(prime);
                covered = covered || (!mark.isEmpty() && product >= 0 &&
                                      fed[product].split(QStringLiteral(", ")).contains(names[j]));
            }
            QVERIFY2(covered, qPrintable(QStringLiteral("%1 at %2").arg(names[j]).arg(m)));
            ++row;
        }
    }
    QCOMPARE(chart->rowCount(), row + 1);
    for (int p = 0; p < cubes.size(); ++p)
        QCOMPARE(chart->index(row, p + 2).data().toString().isEmpty(),
                 !chosen.contains(QStringLiteral("P%1").arg(p + 1)));

    selectRow(products, 0);
    const QString cube = cubes[chosen.front().mid(1).toInt() - 1];
    QVector<int> cells;
    for (int m = 0; m < 16; ++m) {
        if (TestFunctions::cubeHolds(cube.toStdString(), m))
            cells << m;
    }
    QCOMPARE(MapShades::of(*child<kMap>("kMapWidget")), shadesOf({cells}));

    action("removeOutputAction")->trigger();
    QCOMPARE(tabs->count(), 5);
}

QTEST_MAIN(StepsWindowTest)
#include "StepsWindowTest.moc"
