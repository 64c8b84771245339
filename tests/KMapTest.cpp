// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/kMap.h"

#include "UserInput.h"

#include <QHBoxLayout>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <array>

namespace {

const std::array<QString, 6> sixNames{"P", "Q", "R", "S", "T", "U"};

// "none" for a cell that never got a background, "clear" for the transparent
// brush left by an earlier shading, "black" for a separator, "red <alpha>" and
// "darkred" for group shades.
QString shadeOf(const QTableWidgetItem *item)
{
    if (item == nullptr)
        return QStringLiteral("no item");
    const QBrush brush = item->background();
    if (brush.style() == Qt::NoBrush)
        return QStringLiteral("none");
    if (brush.style() != Qt::SolidPattern)
        return QStringLiteral("pattern %1").arg(brush.style());
    const QColor color = brush.color();
    if (color == QColor(Qt::black))
        return QStringLiteral("black");
    if (color == QColor(Qt::transparent))
        return QStringLiteral("clear");
    if (color == QColor(Qt::darkRed))
        return QStringLiteral("darkred");
    if (color.red() == 255 && color.green() == 0 && color.blue() == 0)
        return QStringLiteral("red %1").arg(color.alpha());
    return color.name(QColor::HexArgb);
}

bool isUnshaded(const QString &shade)
{
    return shade == u"none" || shade == u"clear";
}

// Every cell as "text[shade]", one line per row, so that a whole map is
// compared in one go.
QString dumpCells(const QTableWidget &table)
{
    QStringList lines;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem *item = table.item(row, column);
            cells << (item ? item->text() : QStringLiteral("?")) + u'[' + shadeOf(item) + u']';
        }
        lines << cells.join(u' ');
    }
    return lines.join(u'\n');
}

QStringList headerLabels(const QTableWidget &table, Qt::Orientation orientation)
{
    QStringList labels;
    const int count = orientation == Qt::Horizontal ? table.columnCount() : table.rowCount();
    for (int i = 0; i < count; ++i) {
        const QTableWidgetItem *item = orientation == Qt::Horizontal ? table.horizontalHeaderItem(i)
                                                                     : table.verticalHeaderItem(i);
        labels << (item ? item->text() : QStringLiteral("?"));
    }
    return labels;
}

QString dumpMap(const QTableWidget &table)
{
    return headerLabels(table, Qt::Horizontal).join(u'|') + u'\n' +
           headerLabels(table, Qt::Vertical).join(u'|') + u'\n' + dumpCells(table);
}

// "0 1 4 5; 5 7" -> {{0, 1, 4, 5}, {5, 7}}
QVector<QVector<int>> groupsFrom(const QString &text)
{
    QVector<QVector<int>> groups;
    for (const QString &part : text.split(u';', Qt::SkipEmptyParts)) {
        QVector<int> group;
        for (const QString &number : part.split(u' ', Qt::SkipEmptyParts))
            group.append(number.toInt());
        groups.append(group);
    }
    return groups;
}

bool isSeparator(int n, int row, int column)
{
    return (n >= 5 && column == 4) || (n == 6 && row == 4);
}

// Shows the map with its click handler wired as the main window wires it.
void showMap(kMap &map)
{
    QObject::connect(&map, &QTableWidget::cellClicked, &map, &kMap::getCellChanged);
    map.resize(900, 700);
    map.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
}

} // namespace

class TestKMap : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void clicksCycleValues_data();
    void clicksCycleValues();
    void separatorClickChangesNothing_data();
    void separatorClickChangesNothing();
    void updateCellWritesWithoutEcho_data();
    void updateCellWritesWithoutEcho();
    void mintermsOutsideTheMapAreIgnored_data();
    void mintermsOutsideTheMapAreIgnored();
    void countWithoutLayoutKeepsTheMap_data();
    void countWithoutLayoutKeepsTheMap();
    void rebuildClearsValuesAndShades_data();
    void rebuildClearsValuesAndShades();
    void shading_data();
    void shading();
    void newShadingReplacesTheOld();
    void shadesSurviveClicksButNotValuesFromOutside();
    void renamingKeepsValuesAndShades_data();
    void renamingKeepsValuesAndShades();
    void wholeMapIsVisibleInALayout_data();
    void wholeMapIsVisibleInALayout();
};

void TestKMap::shapes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("firstRowLabel");
    QTest::addColumn<QString>("lastColumnLabel");

    QTest::newRow("2 variables: 2 x 2") << 2 << 2 << 2 << "A'"
                                        << "B";
    QTest::newRow("3 variables: 2 x 4") << 3 << 2 << 4 << "A'"
                                        << "BC'";
    QTest::newRow("4 variables: 4 x 4") << 4 << 4 << 4 << "A'B'"
                                        << "CD'";
    QTest::newRow("5 variables: 4 x 9, separator column") << 5 << 4 << 9 << "B'C'"
                                                          << "ADE'";
    QTest::newRow("6 variables: 9 x 9, separator row and column") << 6 << 9 << 9 << "A'C'D'"
                                                                  << "BE'F'";
}

void TestKMap::shapes()
{
    QFETCH(int, n);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QString, firstRowLabel);
    QFETCH(QString, lastColumnLabel);

    kMap map(4, 4);
    QCOMPARE(map.rowCount(), 4);
    QCOMPARE(map.columnCount(), 4);
    QCOMPARE(map.horizontalHeaderItem(0)->text(), QStringLiteral("C'D'"));

    map.changeNumberElements(n);
    QCOMPARE(map.rowCount(), rows);
    QCOMPARE(map.columnCount(), columns);
    QCOMPARE(map.verticalHeaderItem(0)->text(), firstRowLabel);
    QCOMPARE(map.horizontalHeaderItem(columns - 1)->text(), lastColumnLabel);

    for (int row = 0; row < rows; ++row) {
        QCOMPARE(map.rowHeight(row), 40);
        for (int column = 0; column < columns; ++column) {
            const QTableWidgetItem *item = map.item(row, column);
            QVERIFY(item != nullptr);
            if (isSeparator(n, row, column)) {
                QCOMPARE(item->text(), QString());
                QCOMPARE(shadeOf(item), QStringLiteral("black"));
            } else {
                QCOMPARE(item->text(), QStringLiteral("0"));
                QCOMPARE(item->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
                QCOMPARE(shadeOf(item), QStringLiteral("none"));
            }
        }
    }
    if (n >= 5) {
        QCOMPARE(map.horizontalHeaderItem(4)->text(), QString());
        if (n == 6)
            QCOMPARE(map.verticalHeaderItem(4)->text(), QString());
    }
}

void TestKMap::clicksCycleValues_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("minterm");

    QTest::newRow("2 variables, cell (1,0) is minterm 2") << 2 << 1 << 0 << 2;
    QTest::newRow("3 variables, cell (0,3) is minterm 2") << 3 << 0 << 3 << 2;
    QTest::newRow("3 variables, cell (0,2) is minterm 3") << 3 << 0 << 2 << 3;
    QTest::newRow("4 variables, cell (2,1) is minterm 13") << 4 << 2 << 1 << 13;
    QTest::newRow("5 variables, right block starts with 16") << 5 << 0 << 5 << 16;
    QTest::newRow("5 variables, cell (0,7) is minterm 19") << 5 << 0 << 7 << 19;
    QTest::newRow("6 variables, right block starts with 18") << 6 << 0 << 5 << 18;
    QTest::newRow("6 variables, cell (8,0) is minterm 32") << 6 << 8 << 0 << 32;
    QTest::newRow("6 variables, cell (6,6) is minterm 63") << 6 << 6 << 6 << 63;
}

void TestKMap::clicksCycleValues()
{
    QFETCH(int, n);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, minterm);

    kMap map(4, 4);
    map.changeNumberElements(n);
    showMap(map);
    QSignalSpy modified(&map, &kMap::cellModified);

    const QStringList expected = {"1", "X", "0"};
    for (int i = 0; i < expected.size(); ++i) {
        UserInput::clickCell(&map, row, column);
        QCOMPARE(map.item(row, column)->text(), expected[i]);
        QCOMPARE(modified.count(), i + 1);
        QCOMPARE(modified.last().at(0).toInt(), minterm);
        QCOMPARE(modified.last().at(1).value<QTableWidgetItem *>(), map.item(row, column));
    }
    // No other cell moved.
    int changed = 0;
    for (int r = 0; r < map.rowCount(); ++r) {
        for (int c = 0; c < map.columnCount(); ++c)
            changed += map.item(r, c)->text() == u"1" || map.item(r, c)->text() == u"X";
    }
    QCOMPARE(changed, 0);
}

void TestKMap::separatorClickChangesNothing_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("5 variables, top of the separator column") << 5 << 0 << 4;
    QTest::newRow("5 variables, bottom of the separator column") << 5 << 3 << 4;
    QTest::newRow("6 variables, separator row") << 6 << 4 << 1;
    QTest::newRow("6 variables, crossing of the separators") << 6 << 4 << 4;
    QTest::newRow("6 variables, separator column in the lower block") << 6 << 8 << 4;
}

void TestKMap::separatorClickChangesNothing()
{
    QFETCH(int, n);
    QFETCH(int, row);
    QFETCH(int, column);

    kMap map(4, 4);
    map.changeNumberElements(n);
    showMap(map);
    const QString before = dumpMap(map);
    QSignalSpy modified(&map, &kMap::cellModified);

    UserInput::clickCell(&map, row, column);
    UserInput::clickCell(&map, row, column);

    QCOMPARE(modified.count(), 0);
    QCOMPARE(dumpMap(map), before);
}

void TestKMap::updateCellWritesWithoutEcho_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("minterm");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("2 variables, minterm 2") << 2 << 2 << "1" << 1 << 0;
    QTest::newRow("4 variables, minterm 13") << 4 << 13 << "X" << 2 << 1;
    QTest::newRow("5 variables, minterm 26") << 5 << 26 << "1" << 3 << 8;
    QTest::newRow("6 variables, minterm 63") << 6 << 63 << "1" << 6 << 6;
    QTest::newRow("6 variables, minterm 32") << 6 << 32 << "X" << 8 << 0;
}

void TestKMap::updateCellWritesWithoutEcho()
{
    QFETCH(int, n);
    QFETCH(int, minterm);
    QFETCH(QString, value);
    QFETCH(int, row);
    QFETCH(int, column);

    kMap map(4, 4);
    map.changeNumberElements(n);
    QSignalSpy modified(&map, &kMap::cellModified);
    QTableWidgetItem source(value);

    map.updateCell(minterm, &source);

    QCOMPARE(modified.count(), 0);
    QVERIFY(map.item(row, column) != &source);
    QCOMPARE(map.item(row, column)->text(), value);
    QCOMPARE(map.item(row, column)->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
    map.item(row, column)->setText(QStringLiteral("0"));
    kMap fresh(4, 4);
    fresh.changeNumberElements(n);
    QCOMPARE(dumpMap(map), dumpMap(fresh));
}

void TestKMap::mintermsOutsideTheMapAreIgnored_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("minterm");

    QTest::newRow("2 variables, minterm 4 would land on minterm 2") << 2 << 4;
    QTest::newRow("2 variables, minterm 5 would land on minterm 3") << 2 << 5;
    QTest::newRow("3 variables, minterm 8") << 3 << 8;
    QTest::newRow("4 variables, minterm 16") << 4 << 16;
    QTest::newRow("5 variables, minterm 63") << 5 << 63;
    QTest::newRow("6 variables, minterm 64") << 6 << 64;
    QTest::newRow("negative minterm") << 4 << -1;
}

void TestKMap::mintermsOutsideTheMapAreIgnored()
{
    QFETCH(int, n);
    QFETCH(int, minterm);

    kMap map(4, 4);
    map.changeNumberElements(n);
    map.updateCircles({{0, 1}});
    const QString before = dumpMap(map);
    QSignalSpy modified(&map, &kMap::cellModified);

    QTableWidgetItem value(QStringLiteral("1"));
    map.updateCell(minterm, &value);
    QCOMPARE(dumpMap(map), before);

    // The same groups with the stray minterm added shade exactly as before.
    map.updateCircles({{0, minterm, 1}, {minterm}});
    QCOMPARE(dumpMap(map), before);
    QCOMPARE(modified.count(), 0);
}

void TestKMap::countWithoutLayoutKeepsTheMap_data()
{
    QTest::addColumn<int>("count");

    QTest::newRow("1, passed while the count selector resets") << 1;
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("negative") << -2;
}

void TestKMap::countWithoutLayoutKeepsTheMap()
{
    QFETCH(int, count);

    kMap map(4, 4);
    map.changeNumberElements(5);
    map.changeVarNames("P", "Q", "R", "S", "T", "U");
    showMap(map);
    UserInput::clickCell(&map, 2, 6);
    UserInput::clickCell(&map, 1, 1);
    map.updateCircles({{29, 5}, {29}});
    const QString before = dumpMap(map);

    map.changeNumberElements(count);
    QCOMPARE(dumpMap(map), before);

    // The map still works as a five-variable map.
    QSignalSpy modified(&map, &kMap::cellModified);
    UserInput::clickCell(&map, 3, 8);
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.first().at(0).toInt(), 26);
}

void TestKMap::rebuildClearsValuesAndShades_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("reset");

    QTest::newRow("same count of 4") << 4 << false;
    QTest::newRow("to 2 variables") << 2 << false;
    QTest::newRow("to 5 variables") << 5 << false;
    QTest::newRow("to 6 variables") << 6 << false;
    QTest::newRow("reset") << 4 << true;
}

void TestKMap::rebuildClearsValuesAndShades()
{
    QFETCH(int, count);
    QFETCH(bool, reset);

    kMap map(4, 4);
    map.changeNumberElements(6);
    map.changeVarNames("P", "Q", "R", "S", "T", "U");
    showMap(map);
    UserInput::clickCell(&map, 0, 0);
    UserInput::clickCell(&map, 8, 8);
    map.updateCircles({{0, 1, 4, 5}, {63}});

    if (reset)
        map.resetMap();
    else
        map.changeNumberElements(count);

    kMap expected(4, 4);
    if (!reset) {
        expected.changeVarNames("P", "Q", "R", "S", "T", "U");
        expected.changeNumberElements(count);
    }
    QCOMPARE(dumpMap(map), dumpMap(expected));
}

void TestKMap::shading_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("groups");
    // Shaded cells as "row,column=shade"; every other value cell is unshaded.
    QTest::addColumn<QStringList>("shaded");

    QTest::newRow("empty list draws nothing") << 4 << "" << QStringList{};
    QTest::newRow("quad 0 1 4 5 on 4 variables")
        << 4 << "0 1 4 5" << QStringList{"0,0=red 50", "0,1=red 50", "1,0=red 50", "1,1=red 50"};
    QTest::newRow("groups sharing minterm 5 overlap at 100")
        << 4 << "0 1 4 5; 5 7"
        << QStringList{"0,0=red 50", "0,1=red 50", "1,0=red 50", "1,1=red 100", "1,2=red 50"};
    QTest::newRow("wrapping quad of the corners")
        << 4 << "0 2 8 10" << QStringList{"0,0=red 50", "0,3=red 50", "3,0=red 50", "3,3=red 50"};
    QTest::newRow("five groups reach alpha 250")
        << 4 << "3; 3; 3; 3; 3" << QStringList{"0,2=red 250"};
    QTest::newRow("six groups turn dark red")
        << 4 << "3; 3; 3; 3; 3; 3" << QStringList{"0,2=darkred"};
    QTest::newRow("a seventh group starts again at 50")
        << 4 << "3; 3; 3; 3; 3; 3; 3" << QStringList{"0,2=red 50"};
    QTest::newRow("a minterm twice in one group counts twice")
        << 4 << "6 6 7" << QStringList{"1,3=red 100", "1,2=red 50"};
    QTest::newRow("2 variables, everything")
        << 2 << "0 1 2 3" << QStringList{"0,0=red 50", "0,1=red 50", "1,0=red 50", "1,1=red 50"};
    QTest::newRow("3 variables, pair across the wrap")
        << 3 << "4 6" << QStringList{"1,0=red 50", "1,3=red 50"};
    QTest::newRow("5 variables, group spanning both blocks")
        << 5 << "0 2 16 18" << QStringList{"0,0=red 50", "0,3=red 50", "0,5=red 50", "0,8=red 50"};
    QTest::newRow("6 variables, one corner of each block")
        << 6 << "0 16 32 48" << QStringList{"0,0=red 50", "0,8=red 50", "8,0=red 50", "8,8=red 50"};
    QTest::newRow("6 variables, cells beside the separators")
        << 6 << "10 26 42 58; 58"
        << QStringList{"3,3=red 50", "3,5=red 50", "5,3=red 50", "5,5=red 100"};
}

void TestKMap::shading()
{
    QFETCH(int, n);
    QFETCH(QString, groups);
    QFETCH(QStringList, shaded);

    kMap map(4, 4);
    map.changeNumberElements(n);
    QSignalSpy modified(&map, &kMap::cellModified);
    const QString valuesBefore = dumpCells(map).remove(QRegularExpression("\\[[^]]*\\]"));

    map.updateCircles(groupsFrom(groups));

    QMap<QString, QString> expected;
    for (const QString &entry : shaded)
        expected.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    for (int row = 0; row < map.rowCount(); ++row) {
        for (int column = 0; column < map.columnCount(); ++column) {
            const QString shade = shadeOf(map.item(row, column));
            const QString at = QStringLiteral("%1,%2").arg(row).arg(column);
            if (isSeparator(n, row, column))
                QVERIFY2(shade == u"black", qPrintable(at + u' ' + shade));
            else if (expected.contains(at))
                QVERIFY2(shade == expected.value(at), qPrintable(at + u' ' + shade));
            else
                QVERIFY2(isUnshaded(shade), qPrintable(at + u' ' + shade));
        }
    }
    QCOMPARE(dumpCells(map).remove(QRegularExpression("\\[[^]]*\\]")), valuesBefore);
    QCOMPARE(modified.count(), 0);

    // Minimizing the same function again shows the same picture.
    const QString once = dumpMap(map);
    map.updateCircles(groupsFrom(groups));
    QCOMPARE(dumpMap(map), once);
}

void TestKMap::newShadingReplacesTheOld()
{
    kMap map(4, 4);
    map.changeNumberElements(6);
    map.updateCircles({{0, 1, 4, 5}, {5}, {5}, {5}, {5}, {5}});
    QCOMPARE(shadeOf(map.item(1, 1)), QStringLiteral("darkred"));

    map.updateCircles({{1, 3}});
    QCOMPARE(shadeOf(map.item(0, 0)), QStringLiteral("clear"));
    QCOMPARE(shadeOf(map.item(1, 1)), QStringLiteral("clear"));
    QCOMPARE(shadeOf(map.item(0, 1)), QStringLiteral("red 50"));
    QCOMPARE(shadeOf(map.item(0, 2)), QStringLiteral("red 50"));

    map.updateCircles({});
    for (int row = 0; row < map.rowCount(); ++row) {
        for (int column = 0; column < map.columnCount(); ++column) {
            const QString shade = shadeOf(map.item(row, column));
            if (isSeparator(6, row, column))
                QCOMPARE(shade, QStringLiteral("black"));
            else
                QVERIFY2(isUnshaded(shade), qPrintable(shade));
        }
    }
}

void TestKMap::shadesSurviveClicksButNotValuesFromOutside()
{
    kMap map(4, 4);
    showMap(map);
    map.updateCircles({{0, 1, 4, 5}, {5, 7}});

    UserInput::clickCell(&map, 1, 1);
    QCOMPARE(map.item(1, 1)->text(), QStringLiteral("1"));
    QCOMPARE(shadeOf(map.item(1, 1)), QStringLiteral("red 100"));

    // A value set in the truth table drops the shade of its own cell only.
    QTableWidgetItem fromTable(QStringLiteral("X"));
    map.updateCell(4, &fromTable);
    QCOMPARE(map.item(1, 0)->text(), QStringLiteral("X"));
    QVERIFY(isUnshaded(shadeOf(map.item(1, 0))));
    QCOMPARE(shadeOf(map.item(0, 0)), QStringLiteral("red 50"));
    QCOMPARE(shadeOf(map.item(0, 1)), QStringLiteral("red 50"));
    QCOMPARE(shadeOf(map.item(1, 1)), QStringLiteral("red 100"));
    QCOMPARE(shadeOf(map.item(1, 2)), QStringLiteral("red 50"));
}

void TestKMap::renamingKeepsValuesAndShades_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("firstRowLabel");
    QTest::addColumn<QString>("lastColumnLabel");

    QTest::newRow("4 variables") << 4 << "P'Q'"
                                 << "RS'";
    QTest::newRow("5 variables") << 5 << "Q'R'"
                                 << "PST'";
    QTest::newRow("6 variables") << 6 << "P'R'S'"
                                 << "QT'U'";
}

void TestKMap::renamingKeepsValuesAndShades()
{
    QFETCH(int, n);
    QFETCH(QString, firstRowLabel);
    QFETCH(QString, lastColumnLabel);

    kMap map(4, 4);
    map.changeNumberElements(n);
    showMap(map);
    UserInput::clickCell(&map, 0, 0);
    UserInput::clickCell(&map, 1, 2);
    UserInput::clickCell(&map, 1, 2);
    map.updateCircles({{0, 1, 2, 3}, {3, 7}});
    const QString cells = dumpCells(map);

    map.changeVarNames(sixNames[0], sixNames[1], sixNames[2], sixNames[3], sixNames[4],
                       sixNames[5]);

    QCOMPARE(dumpCells(map), cells);
    QCOMPARE(map.verticalHeaderItem(0)->text(), firstRowLabel);
    QCOMPARE(map.horizontalHeaderItem(map.columnCount() - 1)->text(), lastColumnLabel);

    // The names outlive a change of the count.
    map.changeNumberElements(4);
    QCOMPARE(map.verticalHeaderItem(0)->text(), QStringLiteral("P'Q'"));
}

void TestKMap::wholeMapIsVisibleInALayout_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("renamed");

    for (int n = 2; n <= 6; ++n)
        QTest::addRow("%d variables", n) << n << false;
    QTest::newRow("6 variables with three-character names") << 6 << true;
}

void TestKMap::wholeMapIsVisibleInALayout()
{
    QFETCH(int, n);
    QFETCH(bool, renamed);

    // As in the main window: a small top-level window laid out around the map.
    QWidget window;
    auto *map = new kMap(4, 4);
    auto *row = new QHBoxLayout(&window);
    row->addWidget(map);
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    map->changeNumberElements(n);
    if (renamed)
        map->changeVarNames("Abc", "Bcd", "Cde", "Def", "Efg", "Fgh");
    QCoreApplication::processEvents();

    const QRect viewport = map->viewport()->rect();
    for (int r = 0; r < map->rowCount(); ++r) {
        for (int c = 0; c < map->columnCount(); ++c) {
            const QRect cell = map->visualItemRect(map->item(r, c));
            QVERIFY2(viewport.contains(cell),
                     qPrintable(QStringLiteral("cell (%1,%2) is cut off").arg(r).arg(c)));
        }
    }
    QVERIFY(!map->horizontalScrollBar()->isVisible());
    QVERIFY(!map->verticalScrollBar()->isVisible());
}

QTEST_MAIN(TestKMap)
#include "KMapTest.moc"
