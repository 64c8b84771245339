// SPDX-License-Identifier: GPL-3.0-or-later
// The minimizer as a user reaches it: cells clicked in the truth table,
// "Minimize!", the form buttons and "Reset" of the main window.

#include "minimize/Minimize.h"
#include "MinimizationFixtures.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "tables/truthTable.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <memory>

using Groups = QVector<QVector<int>>;

class MinimizeTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickedCellsAreMinimized_data();
    void clickedCellsAreMinimized();
    void formChangesOnlyTheNextResult();
    void namesChangeOnlyTheNextResult();
    void resetClearsResultAndRestoresSopAndNames();
    void repeatedMinimizationGivesTheSameResult();
    void cellTextsOtherThanZeroAndOneAreDontCares();
    void newerMinimizeReplacesARunningHazardFreeSearch();
    void hazardFreeSearchGivesUpAtItsCap();

private:
    template <typename Widget> Widget *child(const char *name)
    {
        return WidgetLookup::named<Widget>(*window, name);
    }
    // Clicks the output cell of minterm m `times` times: 1 gives "1", 2 "X".
    void clickOutput(int m, int times);
    void minimize() { QTest::mouseClick(child<QPushButton>("minimizeButton"), Qt::LeftButton); }
    QString shownResult() { return child<QLineEdit>("resultEdit")->text(); }
    // Shows `values` (one per minterm) in a truth table of its own and sends
    // them to `minimizer` as "Minimize!" does.
    static void minimizeValues(Minimize &minimizer, const QString &values);
    // The cover a minimizer with these settings sends for `values` once it
    // is done.
    static MinimizedCover answerOf(const QString &values, bool hazardFree, int capMilliseconds);

    std::unique_ptr<MainWindow> window;
};

void MinimizeTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void MinimizeTest::cleanup()
{
    window.reset();
}

void MinimizeTest::clickOutput(int m, int times)
{
    auto *table = child<truthTable>("truthTableWidget");
    for (int i = 0; i < times; ++i)
        UserInput::clickCell(table, m, table->columnCount() - 1);
}

void MinimizeTest::clickedCellsAreMinimized_data()
{
    // Four variables, as the window starts. "ones" and "dontCares" are the
    // minterms clicked to 1 and to X.
    QTest::addColumn<QList<int>>("ones");
    QTest::addColumn<QList<int>>("dontCares");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("result");
    QTest::addColumn<Groups>("groups");

    QTest::newRow("nothing clicked, SOP")
        << QList<int>{} << QList<int>{} << false << "0" << Groups{};
    QTest::newRow("nothing clicked, POS")
        << QList<int>{} << QList<int>{} << true << "0"
        << Groups{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
    QTest::newRow("one minterm") << QList<int>{5} << QList<int>{} << false << "A'&B&C'&D"
                                 << Groups{{5}};
    QTest::newRow("two adjacent minterms")
        << QList<int>{5, 7} << QList<int>{} << false << "A'&B&D" << Groups{{5, 7}};
    QTest::newRow("a don't care widens the group")
        << QList<int>{5} << QList<int>{7} << false << "A'&B&D" << Groups{{5, 7}};
    QTest::newRow("one minterm, POS: one clause per variable")
        << QList<int>{5} << QList<int>{} << true << "(B)&(D)&(C')&(A')"
        << Groups{{0, 1, 2, 3, 8, 9, 10, 11},
                  {0, 2, 4, 6, 8, 10, 12, 14},
                  {2, 3, 6, 7, 10, 11, 14, 15},
                  {8, 9, 10, 11, 12, 13, 14, 15}};
}

void MinimizeTest::clickedCellsAreMinimized()
{
    QFETCH(QList<int>, ones);
    QFETCH(QList<int>, dontCares);
    QFETCH(bool, pos);
    QFETCH(QString, result);
    QFETCH(Groups, groups);

    for (const int m : ones)
        clickOutput(m, 1);
    for (const int m : dontCares)
        clickOutput(m, 2);
    if (pos)
        QTest::mouseClick(child<QRadioButton>("posRadio"), Qt::LeftButton);

    QSignalSpy circles(child<Minimize>("minimizer"), &Minimize::sendCircles);
    QSignalSpy results(child<Minimize>("minimizer"), &Minimize::sendResult);
    QSignalSpy covers(child<Minimize>("minimizer"), &Minimize::sendCover);
    minimize();
    QCOMPARE(shownResult(), result);
    QCOMPARE(circles.size(), 1);
    QCOMPARE(circles.first().first().value<Groups>(), groups);
    QCOMPARE(results.size(), 1);

    // The cover other views receive is the shown one: its cubes span the
    // shaded groups, term by term.
    QCOMPARE(covers.size(), 1);
    const auto cover = covers.first().first().value<MinimizedCover>();
    QCOMPARE(QString::fromStdString(cover.text), result);
    QCOMPARE(cover.variableCount, 4);
    QCOMPARE(cover.form, pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts);
    QCOMPARE(cover.cubes.size(), static_cast<std::size_t>(groups.size()));
    for (qsizetype g = 0; g < groups.size(); ++g) {
        QList<int> spanned;
        for (int m = 0; m < 16; ++m)
            if (MinimizationFixtures::cubeCovers(cover.cubes[static_cast<std::size_t>(g)], m))
                spanned.append(m);
        QList<int> group = groups[g];
        std::sort(group.begin(), group.end());
        QCOMPARE(spanned, group);
    }
}

void MinimizeTest::formChangesOnlyTheNextResult()
{
    clickOutput(5, 1);
    clickOutput(7, 1);
    minimize();
    QCOMPARE(shownResult(), QStringLiteral("A'&B&D"));

    QTest::mouseClick(child<QRadioButton>("posRadio"), Qt::LeftButton);
    QCOMPARE(shownResult(), QStringLiteral("A'&B&D"));
    minimize();
    const QString pos = shownResult();
    QVERIFY2(pos.startsWith(QLatin1Char('(')), qPrintable(pos));
    const MinimizationFixtures::ResultExpression expression(pos.toStdString(), 4,
                                                            Minimization::defaultNames());
    for (int m = 0; m < 16; ++m)
        QCOMPARE(expression.valueAt(m), m == 5 || m == 7);

    QTest::mouseClick(child<QRadioButton>("sopRadio"), Qt::LeftButton);
    QCOMPARE(shownResult(), pos);
    minimize();
    QCOMPARE(shownResult(), QStringLiteral("A'&B&D"));
}

void MinimizeTest::namesChangeOnlyTheNextResult()
{
    clickOutput(5, 1);
    clickOutput(7, 1);
    minimize();
    child<Minimize>("minimizer")->changeVarNames("In1", "b", "Cc", "x9", "E", "F");
    QCOMPARE(shownResult(), QStringLiteral("A'&B&D"));
    minimize();
    QCOMPARE(shownResult(), QStringLiteral("In1'&b&x9"));
}

void MinimizeTest::resetClearsResultAndRestoresSopAndNames()
{
    child<Minimize>("minimizer")->changeVarNames("P", "Q", "R", "S", "T", "U");
    QTest::mouseClick(child<QRadioButton>("posRadio"), Qt::LeftButton);
    clickOutput(5, 1);
    minimize();
    QVERIFY(!shownResult().isEmpty());

    QTest::mouseClick(child<QPushButton>("resetButton"), Qt::LeftButton);
    QCOMPARE(shownResult(), QString());
    QVERIFY(child<QRadioButton>("sopRadio")->isChecked());

    clickOutput(5, 1);
    clickOutput(7, 1);
    minimize();
    QCOMPARE(shownResult(), QStringLiteral("A'&B&D"));
}

void MinimizeTest::repeatedMinimizationGivesTheSameResult()
{
    for (const int m : {0, 2, 5, 7, 8, 13})
        clickOutput(m, 1);
    clickOutput(10, 2);
    QSignalSpy circles(child<Minimize>("minimizer"), &Minimize::sendCircles);
    minimize();
    const QString first = shownResult();
    minimize();
    QCOMPARE(shownResult(), first);
    QCOMPARE(circles.size(), 2);
    QCOMPARE(circles.at(1).first().value<Groups>(), circles.at(0).first().value<Groups>());
}

// The truth table only ever shows "0", "1" and "X"; other texts still count
// as don't cares.
void MinimizeTest::cellTextsOtherThanZeroAndOneAreDontCares()
{
    Minimize minimizer;
    QSignalSpy results(&minimizer, &Minimize::sendResult);
    QTableWidgetItem one(QStringLiteral("1"));
    QTableWidgetItem empty((QString()));
    QTableWidgetItem mark(QStringLiteral("X"));
    QTableWidgetItem zero(QStringLiteral("0"));
    minimizer.miniClicked(2, {&one, &empty, &mark, &zero});
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().first().toString(), QStringLiteral("B'"));
}

void MinimizeTest::minimizeValues(Minimize &minimizer, const QString &values)
{
    truthTable table(16, 4, nullptr);
    table.changeNumberElements(static_cast<int>(std::log2(values.size())));
    table.setOutputValues(values);
    connect(&table, &truthTable::sendMinterms, &minimizer, &Minimize::miniClicked);
    table.emitSendMinterms();
}

MinimizedCover MinimizeTest::answerOf(const QString &values, bool hazardFree, int capMilliseconds)
{
    Minimize minimizer;
    minimizer.setExactMinimum(true);
    minimizer.setHazardFree(hazardFree);
    minimizer.setHazardFreeCap(capMilliseconds);
    QSignalSpy covers(&minimizer, &Minimize::sendCover);
    minimizeValues(minimizer, values);
    if (covers.isEmpty() && !covers.wait())
        return {};
    return covers.first().first().value<MinimizedCover>();
}

namespace {

// Whether every two ones of `values` that differ in one variable lie in one
// cube of `cover`, so that no single input change can make the output glitch.
bool hazardFree(const MinimizedCover &cover, const QString &values)
{
    const auto n = static_cast<int>(std::log2(values.size()));
    for (int m = 0; m < values.size(); ++m) {
        for (int bit = 0; bit < n; ++bit) {
            const int next = m ^ (1 << bit);
            if (values[m] != QLatin1Char('1') || values[next] != QLatin1Char('1'))
                continue;
            const bool together =
                std::any_of(cover.cubes.begin(), cover.cubes.end(), [m, next](const auto &cube) {
                    return MinimizationFixtures::cubeCovers(cube, m) &&
                           MinimizationFixtures::cubeCovers(cube, next);
                });
            if (!together)
                return false;
        }
    }
    return true;
}

// A'B + AC: its minimum leaves the step between 011 and 111 to two terms.
const QString glitching = QStringLiteral("00110101");

} // namespace

// The older search is stopped and forgotten: only the answer for the newer
// cells is sent, once.
void MinimizeTest::newerMinimizeReplacesARunningHazardFreeSearch()
{
    const MinimizedCover alone = answerOf(glitching, true, Minimize::hazardFreeCapMilliseconds);
    QVERIFY(hazardFree(alone, glitching));

    Minimize minimizer;
    minimizer.setExactMinimum(true);
    minimizer.setHazardFree(true);
    QSignalSpy circles(&minimizer, &Minimize::sendCircles);
    QSignalSpy results(&minimizer, &Minimize::sendResult);
    QSignalSpy covers(&minimizer, &Minimize::sendCover);
    // Six variables, 1 where two or three are 1 and open where four are: a
    // search of seconds.
    QString crowded;
    for (int m = 0; m < 64; ++m) {
        const std::size_t ones = std::bitset<6>(static_cast<unsigned>(m)).count();
        crowded += ones == 2 || ones == 3 ? QLatin1Char('1')
                   : ones == 4            ? QLatin1Char('X')
                                          : QLatin1Char('0');
    }
    minimizeValues(minimizer, crowded);
    minimizeValues(minimizer, glitching);
    QVERIFY(covers.wait());
    QCoreApplication::processEvents();

    QCOMPARE(covers.size(), 1);
    QCOMPARE(results.size(), 1);
    QCOMPARE(circles.size(), 1);
    const auto cover = covers.first().first().value<MinimizedCover>();
    QCOMPARE(cover.variableCount, 3);
    QCOMPARE(cover.cubes, alone.cubes);
    QCOMPARE(results.first().first().toString(), QString::fromStdString(alone.text));
}

// Out of time, the window sends the exact minimum instead; a cap of 0 gives
// up before searching.
void MinimizeTest::hazardFreeSearchGivesUpAtItsCap()
{
    const MinimizedCover exact = answerOf(glitching, false, Minimize::hazardFreeCapMilliseconds);
    const MinimizedCover searched = answerOf(glitching, true, Minimize::hazardFreeCapMilliseconds);
    QVERIFY(!hazardFree(exact, glitching));
    QVERIFY(hazardFree(searched, glitching));

    const MinimizedCover givenUp = answerOf(glitching, true, 0);
    QCOMPARE(givenUp.cubes, exact.cubes);
    QCOMPARE(givenUp.text, exact.text);
    QCOMPARE(givenUp.groups, exact.groups);
}

QTEST_MAIN(MinimizeTest)
#include "MinimizeTest.moc"
