// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/KarnaughLayout.h"

#include <QStringList>
#include <QTest>

#include <bitset>

namespace {

// A map written as its rows separated by ';', cells by blanks, '-' for a
// separator cell.
using Grid = QVector<QVector<int>>;

Grid parseGrid(const QString &text)
{
    Grid grid;
    for (const QString &line : text.split(u';')) {
        QVector<int> row;
        for (const QString &cell : line.split(u' ', Qt::SkipEmptyParts))
            row.append(cell == u"-" ? -1 : cell.toInt());
        grid.append(row);
    }
    return grid;
}

QStringList toQt(const std::vector<std::string> &labels)
{
    QStringList list;
    for (const std::string &label : labels)
        list.append(QString::fromStdString(label));
    return list;
}

KarnaughLayout::Names namesFrom(const QString &blankSeparated)
{
    KarnaughLayout::Names names = KarnaughLayout::defaultNames();
    const QStringList given = blankSeparated.split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < given.size(); ++i)
        names[static_cast<std::size_t>(i)] = given[i].toStdString();
    return names;
}

// The 4-column (or 4-row) block that contains index i, as its first index.
int blockStart(int i, int separator)
{
    return separator != -1 && i > separator ? separator + 1 : 0;
}

int blockLength(int length, int separator)
{
    return separator == -1 ? length : separator;
}

} // namespace

class TestKarnaughLayout : public QObject
{
    Q_OBJECT

private slots:
    void everyMintermHasOneCell_data();
    void everyMintermHasOneCell();
    void cellsMatchTheMapPictures_data();
    void cellsMatchTheMapPictures();
    void neighboursDifferInOneVariable_data();
    void neighboursDifferInOneVariable();
    void outsideTheMapIsNoCell_data();
    void outsideTheMapIsNoCell();
    void labels_data();
    void labels();
};

void TestKarnaughLayout::everyMintermHasOneCell_data()
{
    QTest::addColumn<int>("n");
    for (int n = KarnaughLayout::minVariables; n <= KarnaughLayout::maxVariables; ++n)
        QTest::addRow("%d variables", n) << n;
}

void TestKarnaughLayout::everyMintermHasOneCell()
{
    QFETCH(int, n);
    const KarnaughLayout::Shape shape = KarnaughLayout::shape(n);
    QVERIFY(shape.rows > 0 && shape.columns > 0);

    for (int m = 0; m < (1 << n); ++m) {
        const KarnaughLayout::Cell cell = KarnaughLayout::cellOfMinterm(n, m);
        QVERIFY2(cell.row >= 0 && cell.row < shape.rows && cell.column >= 0 &&
                     cell.column < shape.columns,
                 qPrintable(QStringLiteral("minterm %1 lies outside the grid").arg(m)));
        QCOMPARE(KarnaughLayout::mintermAt(n, cell.row, cell.column), m);
    }

    // The other way round: every cell off the separators holds a minterm
    // whose cell it is, so the mapping is a bijection onto the value cells.
    int valueCells = 0;
    for (int row = 0; row < shape.rows; ++row) {
        for (int column = 0; column < shape.columns; ++column) {
            const int m = KarnaughLayout::mintermAt(n, row, column);
            const bool onSeparator = row == shape.separatorRow || column == shape.separatorColumn;
            QCOMPARE(m == -1, onSeparator);
            if (m == -1)
                continue;
            ++valueCells;
            QCOMPARE(KarnaughLayout::cellOfMinterm(n, m), (KarnaughLayout::Cell{row, column}));
        }
    }
    QCOMPARE(valueCells, 1 << n);
}

void TestKarnaughLayout::cellsMatchTheMapPictures_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("separatorRow");
    QTest::addColumn<int>("separatorColumn");
    QTest::addColumn<QString>("grid");

    QTest::newRow("2 variables: A by row, B by column") << 2 << -1 << -1 << "0 1; 2 3";
    QTest::newRow("3 variables: BC in Gray order") << 3 << -1 << -1 << "0 1 3 2; 4 5 7 6";
    QTest::newRow("4 variables: AB rows, CD columns")
        << 4 << -1 << -1 << "0 1 3 2; 4 5 7 6; 12 13 15 14; 8 9 11 10";
    QTest::newRow("5 variables: right block repeats the left") << 5 << -1 << 4
                                                               << "0 1 3 2 - 16 17 19 18;"
                                                                  "4 5 7 6 - 20 21 23 22;"
                                                                  "12 13 15 14 - 28 29 31 30;"
                                                                  "8 9 11 10 - 24 25 27 26";
    QTest::newRow("6 variables: blocks mirrored across both separators")
        << 6 << 4 << 4
        << "0 1 3 2 - 18 19 17 16;"
           "4 5 7 6 - 22 23 21 20;"
           "12 13 15 14 - 30 31 29 28;"
           "8 9 11 10 - 26 27 25 24;"
           "- - - - - - - - -;"
           "40 41 43 42 - 58 59 57 56;"
           "44 45 47 46 - 62 63 61 60;"
           "36 37 39 38 - 54 55 53 52;"
           "32 33 35 34 - 50 51 49 48";
}

void TestKarnaughLayout::cellsMatchTheMapPictures()
{
    QFETCH(int, n);
    QFETCH(int, separatorRow);
    QFETCH(int, separatorColumn);
    QFETCH(QString, grid);

    const Grid expected = parseGrid(grid);
    const KarnaughLayout::Shape shape = KarnaughLayout::shape(n);
    QCOMPARE(shape.rows, expected.size());
    QCOMPARE(shape.columns, expected.first().size());
    QCOMPARE(shape.separatorRow, separatorRow);
    QCOMPARE(shape.separatorColumn, separatorColumn);

    for (int row = 0; row < expected.size(); ++row) {
        for (int column = 0; column < expected[row].size(); ++column) {
            const int m = expected[row][column];
            QCOMPARE(KarnaughLayout::mintermAt(n, row, column), m);
            if (m != -1)
                QCOMPARE(KarnaughLayout::cellOfMinterm(n, m), (KarnaughLayout::Cell{row, column}));
        }
    }
}

void TestKarnaughLayout::neighboursDifferInOneVariable_data()
{
    everyMintermHasOneCell_data();
}

void TestKarnaughLayout::neighboursDifferInOneVariable()
{
    QFETCH(int, n);
    const KarnaughLayout::Shape shape = KarnaughLayout::shape(n);

    // Within each block the next cell to the right and the next cell below,
    // wrapping from the last row or column of the block to its first.
    for (int row = 0; row < shape.rows; ++row) {
        for (int column = 0; column < shape.columns; ++column) {
            const int m = KarnaughLayout::mintermAt(n, row, column);
            if (m == -1)
                continue;
            const int columnBlock = blockStart(column, shape.separatorColumn);
            const int columnLength = blockLength(shape.columns, shape.separatorColumn);
            const int right = columnBlock + (column - columnBlock + 1) % columnLength;
            const int rowBlock = blockStart(row, shape.separatorRow);
            const int rowLength = blockLength(shape.rows, shape.separatorRow);
            const int below = rowBlock + (row - rowBlock + 1) % rowLength;

            for (const int other : {KarnaughLayout::mintermAt(n, row, right),
                                    KarnaughLayout::mintermAt(n, below, column)}) {
                QVERIFY(other != -1);
                QVERIFY2(std::bitset<8>(static_cast<unsigned>(m ^ other)).count() == 1,
                         qPrintable(QStringLiteral("cells of minterms %1 and %2 are neighbours")
                                        .arg(m)
                                        .arg(other)));
            }
        }
    }
}

void TestKarnaughLayout::outsideTheMapIsNoCell_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("minterm");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("2 variables, minterm 4 just past the end") << 2 << 4 << 2 << 0;
    QTest::newRow("2 variables, minterm 5 would alias minterm 3") << 2 << 5 << 0 << 2;
    QTest::newRow("4 variables, minterm 16") << 4 << 16 << 4 << 0;
    QTest::newRow("6 variables, minterm 64") << 6 << 64 << 9 << 0;
    QTest::newRow("negative minterm and position") << 4 << -1 << -1 << 0;
    QTest::newRow("count of 1 has no map") << 1 << 0 << 0 << 0;
    QTest::newRow("count of 7 has no map") << 7 << 0 << 0 << 0;
}

void TestKarnaughLayout::outsideTheMapIsNoCell()
{
    QFETCH(int, n);
    QFETCH(int, minterm);
    QFETCH(int, row);
    QFETCH(int, column);

    QCOMPARE(KarnaughLayout::cellOfMinterm(n, minterm), KarnaughLayout::Cell{});
    QCOMPARE(KarnaughLayout::mintermAt(n, row, column), -1);
    // NOLINTNEXTLINE(readability-suspicious-call-argument): both orders are out of range
    QCOMPARE(KarnaughLayout::mintermAt(n, column, row), -1);
    if (!KarnaughLayout::supports(n)) {
        QCOMPARE(KarnaughLayout::shape(n).rows, 0);
        QVERIFY(KarnaughLayout::rowLabels(n, KarnaughLayout::defaultNames()).empty());
        QVERIFY(KarnaughLayout::columnLabels(n, KarnaughLayout::defaultNames()).empty());
    }
}

void TestKarnaughLayout::labels_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QStringList>("rowLabels");
    QTest::addColumn<QStringList>("columnLabels");

    QTest::newRow("2 variables, default names")
        << 2 << "" << QStringList{"A'", "A"} << QStringList{"B'", "B"};
    QTest::newRow("3 variables, default names")
        << 3 << "" << QStringList{"A'", "A"} << QStringList{"B'C'", "B'C", "BC", "BC'"};
    QTest::newRow("4 variables, default names")
        << 4 << "" << QStringList{"A'B'", "A'B", "AB", "AB'"}
        << QStringList{"C'D'", "C'D", "CD", "CD'"};
    QTest::newRow("5 variables, A labels the column blocks")
        << 5 << "" << QStringList{"B'C'", "B'C", "BC", "BC'"}
        << QStringList{"A'D'E'", "A'D'E", "A'DE", "A'DE'", "", "AD'E'", "AD'E", "ADE", "ADE'"};
    QTest::newRow("6 variables, mirrored labels and empty separators")
        << 6 << ""
        << QStringList{"A'C'D'", "A'C'D", "A'CD", "A'CD'", "", "ACD'", "ACD", "AC'D", "AC'D'"}
        << QStringList{"B'E'F'", "B'E'F", "B'EF", "B'EF'", "", "BEF'", "BEF", "BE'F", "BE'F'"};
    QTest::newRow("4 variables renamed P Q R S")
        << 4 << "P Q R S" << QStringList{"P'Q'", "P'Q", "PQ", "PQ'"}
        << QStringList{"R'S'", "R'S", "RS", "RS'"};
    QTest::newRow("3 variables ignore the names beyond the third")
        << 3 << "x y z u v w" << QStringList{"x'", "x"} << QStringList{"y'z'", "y'z", "yz", "yz'"};
    QTest::newRow("6 variables with names of several characters")
        << 6 << "a1 Bb c22 D e F9"
        << QStringList{"a1'c22'D'", "a1'c22'D", "a1'c22D", "a1'c22D'", "",
                       "a1c22D'",   "a1c22D",   "a1c22'D", "a1c22'D'"}
        << QStringList{"Bb'e'F9'", "Bb'e'F9", "Bb'eF9", "Bb'eF9'", "",
                       "BbeF9'",   "BbeF9",   "Bbe'F9", "Bbe'F9'"};
}

void TestKarnaughLayout::labels()
{
    QFETCH(int, n);
    QFETCH(QString, names);
    QFETCH(QStringList, rowLabels);
    QFETCH(QStringList, columnLabels);

    const KarnaughLayout::Names given = namesFrom(names);
    QCOMPARE(toQt(KarnaughLayout::rowLabels(n, given)), rowLabels);
    QCOMPARE(toQt(KarnaughLayout::columnLabels(n, given)), columnLabels);
}

QTEST_GUILESS_MAIN(TestKarnaughLayout)
#include "KarnaughLayoutTest.moc"
