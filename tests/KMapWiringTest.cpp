// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserInput.h"
#include "app/MainWindow.h"
#include "app/VariableCountManager.h"
#include "minimize/Minimize.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// "red <alpha>" / "darkred" for a group shade, "" for anything else.
QString shadeOf(const QTableWidgetItem *item)
{
    const QBrush brush = item->background();
    if (brush.style() != Qt::SolidPattern)
        return QString();
    if (brush.color() == QColor(Qt::darkRed))
        return QStringLiteral("darkred");
    if (brush.color().red() == 255 && brush.color().alpha() > 0)
        return QStringLiteral("red %1").arg(brush.color().alpha());
    return QString();
}

int countCells(const QTableWidget &table, const std::function<bool(const QTableWidgetItem *)> &pick)
{
    int count = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            count += pick(table.item(row, column)) ? 1 : 0;
    }
    return count;
}

int valuesOtherThanZero(const QTableWidget &map)
{
    return countCells(map, [](const QTableWidgetItem *item) {
        return item->text() == u"1" || item->text() == u"X";
    });
}

int shadedCells(const QTableWidget &map)
{
    return countCells(map, [](const QTableWidgetItem *item) { return !shadeOf(item).isEmpty(); });
}

QString tableOutputs(const truthTable &table)
{
    QString text;
    for (int row = 0; row < table.rowCount(); ++row)
        text += table.item(row, table.columnCount() - 1)->text();
    return text;
}

} // namespace

// The truth table and the map edit one function: each view's clicks reach the
// other view, and no change travels back to where it came from.
class KMapWiringTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mapClickReachesTheTable_data();
    void mapClickReachesTheTable();
    void tableClickReachesTheMap_data();
    void tableClickReachesTheMap();
    void valueFromTheTableClearsOnlyItsShade();
    void countChoiceRebuildsTheMap_data();
    void countChoiceRebuildsTheMap();
    void resetRebuildsTheMap();
    void largerMapFitsInTheWindow();
    void equationFillsTheMap();
    void minimizeShadesTheChosenGroups_data();
    void minimizeShadesTheChosenGroups();

private:
    void chooseCount(int count);
    void clickMinterm(int count, int minterm, int clicks);

    std::unique_ptr<MainWindow> window;
    kMap *map = nullptr;
    truthTable *table = nullptr;
};

void KMapWiringTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    map = window->findChild<kMap *>(QStringLiteral("kMapWidget"));
    table = window->findChild<truthTable *>(QStringLiteral("truthTableWidget"));
    QVERIFY(map && table);
}

void KMapWiringTest::cleanup()
{
    window.reset();
}

// Picks the count in the combo box with the keyboard, as a user can.
void KMapWiringTest::chooseCount(int count)
{
    auto *box = window->findChild<VariableCountManager *>(QStringLiteral("variableCountManager"));
    QVERIFY(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int n = 2; n < count; ++n)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentText(), QStringLiteral("%1 ").arg(count));
}

void KMapWiringTest::mapClickReachesTheTable_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("minterm");

    QTest::newRow("2 variables, cell (1,0) is row 2") << 2 << 1 << 0 << 2;
    QTest::newRow("4 variables, cell (2,1) is row 13") << 4 << 2 << 1 << 13;
    QTest::newRow("5 variables, cell (3,8) is row 26") << 5 << 3 << 8 << 26;
    QTest::newRow("6 variables, cell (6,6) is row 63") << 6 << 6 << 6 << 63;
    QTest::newRow("6 variables, cell (8,0) is row 32") << 6 << 8 << 0 << 32;
}

void KMapWiringTest::mapClickReachesTheTable()
{
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, minterm);

    if (count != 4)
        chooseCount(count);
    QSignalSpy fromMap(map, &kMap::cellModified);
    QSignalSpy fromTable(table, &truthTable::cellModified);
    QSignalSpy mintermList(table, &truthTable::sendMintermList);

    const QStringList values = {"1", "X", "0"};
    for (int i = 0; i < values.size(); ++i) {
        UserInput::clickCell(map, row, column);
        QCOMPARE(map->item(row, column)->text(), values[i]);
        QCOMPARE(table->item(minterm, count + 1)->text(), values[i]);
        QCOMPARE(fromMap.count(), i + 1);
        QCOMPARE(fromTable.count(), 0);
        // The minimizer and the file export see the new value.
        QCOMPARE(mintermList.count(), i + 1);
        const auto minterms = mintermList.last().at(1).value<QList<QTableWidgetItem *>>();
        QCOMPARE(minterms.at(minterm)->text(), values[i]);
    }
    UserInput::clickCell(map, row, column);
    QString expected(1 << count, u'0');
    expected[minterm] = u'1';
    QCOMPARE(tableOutputs(*table), expected);
    QCOMPARE(valuesOtherThanZero(*map), 1);
}

void KMapWiringTest::tableClickReachesTheMap_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minterm");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("3 variables, row 2 is cell (0,3)") << 3 << 2 << 0 << 3;
    QTest::newRow("4 variables, row 13 is cell (2,1)") << 4 << 13 << 2 << 1;
    QTest::newRow("5 variables, row 16 is cell (0,5)") << 5 << 16 << 0 << 5;
    QTest::newRow("6 variables, row 18 is cell (0,5)") << 6 << 18 << 0 << 5;
    QTest::newRow("6 variables, row 40 is cell (5,0)") << 6 << 40 << 5 << 0;
}

void KMapWiringTest::tableClickReachesTheMap()
{
    QFETCH(int, count);
    QFETCH(int, minterm);
    QFETCH(int, row);
    QFETCH(int, column);

    if (count != 4)
        chooseCount(count);
    QSignalSpy fromMap(map, &kMap::cellModified);
    QSignalSpy fromTable(table, &truthTable::cellModified);

    const QStringList values = {"1", "X", "0", "1"};
    for (int i = 0; i < values.size(); ++i) {
        UserInput::clickCell(table, minterm, count + 1);
        QCOMPARE(map->item(row, column)->text(), values[i]);
        QCOMPARE(fromTable.count(), i + 1);
        QCOMPARE(fromMap.count(), 0);
    }
    QCOMPARE(valuesOtherThanZero(*map), 1);
}

void KMapWiringTest::valueFromTheTableClearsOnlyItsShade()
{
    map->updateCircles({{0, 1, 4, 5}, {5, 7}});
    QCOMPARE(shadedCells(*map), 5);

    UserInput::clickCell(table, 5, 5);

    QCOMPARE(map->item(1, 1)->text(), QStringLiteral("1"));
    QCOMPARE(shadeOf(map->item(1, 1)), QString());
    QCOMPARE(shadeOf(map->item(0, 0)), QStringLiteral("red 50"));
    QCOMPARE(shadeOf(map->item(0, 1)), QStringLiteral("red 50"));
    QCOMPARE(shadeOf(map->item(1, 0)), QStringLiteral("red 50"));
    QCOMPARE(shadeOf(map->item(1, 2)), QStringLiteral("red 50"));

    // A click on the map itself keeps the shade of the clicked cell.
    UserInput::clickCell(map, 0, 1);
    QCOMPARE(shadeOf(map->item(0, 1)), QStringLiteral("red 50"));
    QCOMPARE(table->item(1, 5)->text(), QStringLiteral("1"));
}

void KMapWiringTest::countChoiceRebuildsTheMap_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("lastMinterm");

    QTest::newRow("2 variables") << 2 << 2 << 2 << 3;
    QTest::newRow("3 variables") << 3 << 2 << 4 << 6;
    QTest::newRow("5 variables") << 5 << 4 << 9 << 26;
    QTest::newRow("6 variables") << 6 << 9 << 9 << 48;
}

void KMapWiringTest::countChoiceRebuildsTheMap()
{
    QFETCH(int, count);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, lastMinterm);

    UserInput::clickCell(map, 0, 0);
    UserInput::clickCell(table, 15, 5);
    map->updateCircles({{0, 1}});

    chooseCount(count);

    QCOMPARE(map->rowCount(), rows);
    QCOMPARE(map->columnCount(), columns);
    QCOMPARE(valuesOtherThanZero(*map), 0);
    QCOMPARE(shadedCells(*map), 0);

    // The map and the table agree on the new count.
    UserInput::clickCell(map, rows - 1, columns - 1);
    QString expected(1 << count, u'0');
    expected[lastMinterm] = u'1';
    QCOMPARE(tableOutputs(*table), expected);
}

void KMapWiringTest::resetRebuildsTheMap()
{
    chooseCount(6);
    UserInput::clickCell(map, 8, 8);
    map->changeVarNames("P", "Q", "R", "S", "T", "U");
    map->updateCircles({{48, 49}});

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("resetButton")),
                      Qt::LeftButton);

    QCOMPARE(map->rowCount(), 4);
    QCOMPARE(map->columnCount(), 4);
    QCOMPARE(map->verticalHeaderItem(0)->text(), QStringLiteral("A'B'"));
    QCOMPARE(map->horizontalHeaderItem(3)->text(), QStringLiteral("CD'"));
    QCOMPARE(valuesOtherThanZero(*map), 0);
    QCOMPARE(shadedCells(*map), 0);

    // The count of 1 that passes during the reset left a working 4-variable map.
    UserInput::clickCell(map, 2, 1);
    QCOMPARE(table->item(13, 5)->text(), QStringLiteral("1"));
}

void KMapWiringTest::largerMapFitsInTheWindow()
{
    const QSize before = window->size();
    chooseCount(6);
    QCoreApplication::processEvents();

    QVERIFY(window->width() >= before.width());
    // The map shows every cell and the truth table keeps its preferred width.
    const QRect viewport = map->viewport()->rect();
    QVERIFY(viewport.contains(map->visualItemRect(map->item(8, 8))));
    QVERIFY(table->width() >= table->sizeHint().width());
}

void KMapWiringTest::equationFillsTheMap()
{
    map->updateCircles({{0, 1}, {15}});
    QSignalSpy fromMap(map, &kMap::cellModified);
    auto *equation = window->findChild<QLineEdit *>(QStringLiteral("equationManager"));
    QVERIFY(equation);

    equation->setFocus();
    QTest::keyClicks(equation, QStringLiteral("A&B"));
    QTest::keyClick(equation, Qt::Key_Return);

    // A&B is minterms 12 .. 15: the row AB of the map.
    QCOMPARE(tableOutputs(*table), QStringLiteral("0000000000001111"));
    for (int column = 0; column < 4; ++column)
        QCOMPARE(map->item(2, column)->text(), QStringLiteral("1"));
    QCOMPARE(valuesOtherThanZero(*map), 4);
    // Every row was rewritten, so no shade is left, and nothing came back.
    QCOMPARE(shadedCells(*map), 0);
    QCOMPARE(fromMap.count(), 0);
}

void KMapWiringTest::clickMinterm(int count, int minterm, int clicks)
{
    const KarnaughLayout::Cell cell = KarnaughLayout::cellOfMinterm(count, minterm);
    for (int i = 0; i < clicks; ++i)
        UserInput::clickCell(map, cell.row, cell.column);
}

void KMapWiringTest::minimizeShadesTheChosenGroups_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("ones");
    QTest::addColumn<QString>("dontCares");
    // Shaded cells as "row,column=shade"; every other value cell is unshaded.
    QTest::addColumn<QStringList>("shaded");

    QTest::newRow("4 variables, one quad")
        << 4 << false << "0 1 4 5"
        << "" << QStringList{"0,0=red 50", "0,1=red 50", "1,0=red 50", "1,1=red 50"};
    QTest::newRow("4 variables, two groups share minterm 5")
        << 4 << false << "0 1 4 5 7"
        << "" << QStringList{"0,0=red 50", "0,1=red 50", "1,0=red 50", "1,1=red 100", "1,2=red 50"};
    QTest::newRow("4 variables, a don't care completes the quad")
        << 4 << false << "0 1 4"
        << "5" << QStringList{"0,0=red 50", "0,1=red 50", "1,0=red 50", "1,1=red 50"};
    QTest::newRow("2 variables, POS form shades the zero") << 2 << true << "1 2 3"
                                                           << "" << QStringList{"0,0=red 50"};
    QTest::newRow("5 variables, group across both blocks")
        << 5 << false << "0 2 16 18"
        << "" << QStringList{"0,0=red 50", "0,3=red 50", "0,5=red 50", "0,8=red 50"};
    QTest::newRow("6 variables, one corner in each block")
        << 6 << false << "0 16 32 48"
        << "" << QStringList{"0,0=red 50", "0,8=red 50", "8,0=red 50", "8,8=red 50"};
    QTest::newRow("6 variables, POS form of constant 0 shades every cell once")
        << 6 << true << ""
        << "" << QStringList{};
}

void KMapWiringTest::minimizeShadesTheChosenGroups()
{
    QFETCH(int, count);
    QFETCH(bool, pos);
    QFETCH(QString, ones);
    QFETCH(QString, dontCares);
    QFETCH(QStringList, shaded);

    if (count != 4)
        chooseCount(count);
    if (pos)
        QTest::mouseClick(window->findChild<QRadioButton *>(QStringLiteral("posRadio")),
                          Qt::LeftButton);
    for (const QString &m : ones.split(u' ', Qt::SkipEmptyParts))
        clickMinterm(count, m.toInt(), 1);
    for (const QString &m : dontCares.split(u' ', Qt::SkipEmptyParts))
        clickMinterm(count, m.toInt(), 2);
    auto *minimizer = window->findChild<Minimize *>(QStringLiteral("minimizer"));
    QVERIFY(minimizer);
    QSignalSpy circles(minimizer, &Minimize::sendCircles);
    auto *minimizeButton = window->findChild<QPushButton *>(QStringLiteral("minimizeButton"));

    QTest::mouseClick(minimizeButton, Qt::LeftButton);

    // The shading is exactly the group list the minimizer sent: one step of
    // alpha per group that covers a cell.
    QCOMPARE(circles.count(), 1);
    const auto groups = circles.first().at(0).value<QVector<QVector<int>>>();
    QVERIFY(!groups.isEmpty());
    QMap<int, int> cover;
    for (const QVector<int> &group : groups) {
        for (const int m : group)
            ++cover[m];
    }
    for (int row = 0; row < map->rowCount(); ++row) {
        for (int column = 0; column < map->columnCount(); ++column) {
            const int m = KarnaughLayout::mintermAt(count, row, column);
            const QString shade = shadeOf(map->item(row, column));
            if (m == -1) {
                QCOMPARE(map->item(row, column)->background().color(), QColor(Qt::black));
                continue;
            }
            const int n = cover.value(m);
            const QString expected = n == 0   ? QString()
                                     : n == 6 ? QStringLiteral("darkred")
                                              : QStringLiteral("red %1").arg(50 * (n % 6));
            QVERIFY2(shade == expected,
                     qPrintable(QStringLiteral("minterm %1: %2").arg(m).arg(shade)));
        }
    }
    // ... and for the worked examples it is the shading one expects.
    if (!shaded.isEmpty()) {
        QStringList seen;
        for (int row = 0; row < map->rowCount(); ++row) {
            for (int column = 0; column < map->columnCount(); ++column) {
                const QString shade = shadeOf(map->item(row, column));
                if (!shade.isEmpty())
                    seen << QStringLiteral("%1,%2=%3").arg(row).arg(column).arg(shade);
            }
        }
        seen.sort();
        shaded.sort();
        QCOMPARE(seen, shaded);
    }

    // Minimizing again shows the same picture.
    const auto picture = [this] {
        QStringList shades;
        for (int row = 0; row < map->rowCount(); ++row) {
            for (int column = 0; column < map->columnCount(); ++column)
                shades << shadeOf(map->item(row, column));
        }
        return shades;
    };
    const QStringList once = picture();
    QTest::mouseClick(minimizeButton, Qt::LeftButton);
    QCOMPARE(picture(), once);
}

QTEST_MAIN(KMapWiringTest)
#include "KMapWiringTest.moc"
