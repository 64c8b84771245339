// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/truthTable.h"
#include "UserInput.h"
#include "WidgetLookup.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QString mintermTexts(const QList<QTableWidgetItem *> &minterms, int count)
{
    QString text;
    for (int m = 0; m < count; ++m)
        text += minterms.at(m)->text();
    return text;
}

QStringList horizontalLabels(const QTableWidget &table)
{
    QStringList labels;
    for (int c = 0; c < table.columnCount(); ++c)
        labels << table.horizontalHeaderItem(c)->text();
    return labels;
}

QList<QTableWidgetItem *> currentMinterms(truthTable &table)
{
    QSignalSpy spy(&table, &truthTable::sendMinterms);
    table.emitSendMinterms();
    return spy.takeFirst().at(1).value<QList<QTableWidgetItem *>>();
}

} // namespace

class TruthTableTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { table.reset(); }

    void gridForEveryCount_data();
    void gridForEveryCount();
    void clicksCycleValuesAndAnnounceInOrder();
    void clicksOutsideOutputColumnDoNothing_data();
    void clicksOutsideOutputColumnDoNothing();
    void everyCountChangeRebuildsWithZeros();
    void countsOutsideRangeChangeNothing_data();
    void countsOutsideRangeChangeNothing();
    void resetRestoresNamesCountAndZeros();
    void clickAdvancesValueSetElsewhere_data();
    void clickAdvancesValueSetElsewhere();
    void parserValuesFillRowsAndAnnounceEach();
    void renamingKeepsValuesAndFixedHeaders_data();
    void renamingKeepsValuesAndFixedHeaders();
    void mintermListKeepsAllEntriesWhenShrinking();
    void setCellOutsideGridChangesNothing();
    void everyChangeSendsMintermList_data();
    void everyChangeSendsMintermList();

private:
    std::unique_ptr<truthTable> table;
};

// The main window connects the table's clicks and its own cellModified back
// to itself; the tests make the same two connections.
void TruthTableTest::init()
{
    table = std::make_unique<truthTable>(16, 4);
    connect(table.get(), &truthTable::cellClicked, table.get(), &truthTable::getCellChanged);
    connect(table.get(), &truthTable::cellModified, table.get(), &truthTable::setMinterm);
    table->resize(400, 800);
    table->show();
    QVERIFY(QTest::qWaitForWindowExposed(table.get()));
}

void TruthTableTest::gridForEveryCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("variableBits");

    QTest::newRow("two variables, row 2") << 2 << QStringList{"A", "B", "", "f"} << 2 << "10";
    QTest::newRow("three variables, row 5")
        << 3 << QStringList{"A", "B", "C", "", "f"} << 5 << "101";
    QTest::newRow("four variables, row 13")
        << 4 << QStringList{"A", "B", "C", "D", "", "f"} << 13 << "1101";
    QTest::newRow("five variables, row 22")
        << 5 << QStringList{"A", "B", "C", "D", "E", "", "f"} << 22 << "10110";
    QTest::newRow("six variables, row 63")
        << 6 << QStringList{"A", "B", "C", "D", "E", "F", "", "f"} << 63 << "111111";
}

void TruthTableTest::gridForEveryCount()
{
    QFETCH(int, count);
    QFETCH(QStringList, headers);
    QFETCH(int, row);
    QFETCH(QString, variableBits);

    table->changeNumberElements(count);

    const int rows = 1 << count;
    QCOMPARE(table->rowCount(), rows);
    QCOMPARE(table->columnCount(), count + 2);
    QCOMPARE(horizontalLabels(*table), headers);
    for (int m = 0; m < rows; ++m) {
        QCOMPARE(table->verticalHeaderItem(m)->text(), QStringLiteral("m%1").arg(m));
        QString bits;
        for (int k = 0; k < count; ++k)
            bits += table->item(m, k)->text();
        QCOMPARE(bits, QStringLiteral("%1").arg(m, count, 2, QLatin1Char('0')));
        QCOMPARE(table->item(m, count)->text(), QString());
        for (int c = 0; c < count + 2; ++c)
            QCOMPARE(table->item(m, c)->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
    }
    QString shown;
    for (int k = 0; k < count; ++k)
        shown += table->item(row, k)->text();
    QCOMPARE(shown, variableBits);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(rows, QLatin1Char('0')));
    QCOMPARE(table->verticalHeader()->sectionSize(0), 30);
}

void TruthTableTest::clicksCycleValuesAndAnnounceInOrder()
{
    QStringList events;
    connect(table.get(), &truthTable::cellModified, this, [&](int row, QTableWidgetItem *item) {
        events << QStringLiteral("modified %1 %2").arg(row).arg(item->text());
    });
    connect(table.get(), &truthTable::sendMintermList, this,
            [&](int size, const QList<QTableWidgetItem *> &minterms) {
                events << QStringLiteral("list %1 %2 %3")
                              .arg(size)
                              .arg(minterms.size())
                              .arg(minterms.at(5)->text());
            });

    for (int click = 0; click < 3; ++click)
        UserInput::clickCell(table.get(), 5, 5);

    QCOMPARE(events, QStringList({"modified 5 1", "list 4 64 1", "modified 5 X", "list 4 64 X",
                                  "modified 5 0", "list 4 64 0"}));
    QCOMPARE(table->item(5, 5)->text(), QStringLiteral("0"));
}

void TruthTableTest::clicksOutsideOutputColumnDoNothing_data()
{
    QTest::addColumn<int>("column");
    QTest::newRow("first variable") << 0;
    QTest::newRow("last variable") << 3;
    QTest::newRow("spacer") << 4;
}

void TruthTableTest::clicksOutsideOutputColumnDoNothing()
{
    QFETCH(int, column);
    QSignalSpy modified(table.get(), &truthTable::cellModified);
    QSignalSpy list(table.get(), &truthTable::sendMintermList);
    const QString before = table->item(3, column)->text();

    UserInput::clickCell(table.get(), 3, column);

    QCOMPARE(modified.count(), 0);
    QCOMPARE(list.count(), 0);
    QCOMPARE(table->item(3, column)->text(), before);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
}

void TruthTableTest::everyCountChangeRebuildsWithZeros()
{
    UserInput::clickCell(table.get(), 2, 5);
    table->changeNumberElements(4);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
    QCOMPARE(mintermTexts(currentMinterms(*table), 16), QString(16, QLatin1Char('0')));

    table->changeNumberElements(3);
    UserInput::clickCell(table.get(), 1, 4);
    table->changeNumberElements(6);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(64, QLatin1Char('0')));
    QCOMPARE(mintermTexts(currentMinterms(*table), 64), QString(64, QLatin1Char('0')));
}

void TruthTableTest::countsOutsideRangeChangeNothing_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one, passing during a selector reset") << 1;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("seven") << 7;
    QTest::newRow("sixty-four") << 64;
}

void TruthTableTest::countsOutsideRangeChangeNothing()
{
    QFETCH(int, count);
    table->changeNumberElements(3);
    UserInput::clickCell(table.get(), 6, 4);

    table->changeNumberElements(count);

    QCOMPARE(table->variableCount(), 3);
    QCOMPARE(table->rowCount(), 8);
    QCOMPARE(table->columnCount(), 5);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("00000010"));
    UserInput::clickCell(table.get(), 6, 4);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("000000X0"));
}

void TruthTableTest::resetRestoresNamesCountAndZeros()
{
    table->changeVarNames("P", "Q", "R", "S", "T", "U");
    table->changeNumberElements(5);
    UserInput::clickCell(table.get(), 7, 6);
    UserInput::clickCell(table.get(), 7, 6);

    table->resetTable();

    QCOMPARE(table->rowCount(), 16);
    QCOMPARE(horizontalLabels(*table), QStringList({"A", "B", "C", "D", "", "f"}));
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
    UserInput::clickCell(table.get(), 7, 5);
    QCOMPARE(table->item(7, 5)->text(), QStringLiteral("1"));
}

void TruthTableTest::clickAdvancesValueSetElsewhere_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("afterClick");

    QTest::newRow("setCell 1") << "setCell"
                               << "1"
                               << "X";
    QTest::newRow("setCell X") << "setCell"
                               << "X"
                               << "0";
    QTest::newRow("updateCell 1") << "updateCell"
                                  << "1"
                                  << "X";
    QTest::newRow("updateCell X") << "updateCell"
                                  << "X"
                                  << "0";
    QTest::newRow("parser true") << "parser"
                                 << "1"
                                 << "X";
}

// A click must advance the value the user sees, however it got there.
void TruthTableTest::clickAdvancesValueSetElsewhere()
{
    QFETCH(QString, source);
    QFETCH(QString, value);
    QFETCH(QString, afterClick);

    if (source == QLatin1String("setCell")) {
        table->setCell(9, 6, value);
    } else if (source == QLatin1String("updateCell")) {
        QTableWidgetItem item(value);
        table->updateCell(9, &item);
    } else {
        QVector<bool> values(16, false);
        values[9] = true;
        table->updateFromParser(values);
    }
    QCOMPARE(table->item(9, 5)->text(), value);
    QCOMPARE(currentMinterms(*table).at(9)->text(), value);

    UserInput::clickCell(table.get(), 9, 5);

    QCOMPARE(table->item(9, 5)->text(), afterClick);
    QCOMPARE(currentMinterms(*table).at(9)->text(), afterClick);
}

void TruthTableTest::parserValuesFillRowsAndAnnounceEach()
{
    table->changeNumberElements(3);
    QSignalSpy modified(table.get(), &truthTable::cellModified);

    table->updateFromParser(QVector<bool>(8, true));

    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("11111111"));
    QCOMPARE(modified.count(), 8);
    for (int row = 0; row < 8; ++row)
        QCOMPARE(modified.at(row).at(0).toInt(), row);
    QCOMPARE(mintermTexts(currentMinterms(*table), 8), QStringLiteral("11111111"));

    // A shorter vector leaves the remaining rows; a longer one is cut.
    table->updateFromParser({false, false});
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("00111111"));
    table->updateFromParser(QVector<bool>(64, false));
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("00000000"));
}

void TruthTableTest::renamingKeepsValuesAndFixedHeaders_data()
{
    QTest::addColumn<int>("count");
    for (int count = 2; count <= 6; ++count)
        QTest::addRow("%d variables", count) << count;
}

void TruthTableTest::renamingKeepsValuesAndFixedHeaders()
{
    QFETCH(int, count);
    table->changeNumberElements(count);
    UserInput::clickCell(table.get(), 1, count + 1);
    const QString before = WidgetLookup::lastColumnText(*table);

    table->changeVarNames("P", "Q", "R", "S1", "T", "Uvw");

    QStringList expected = QStringList({"P", "Q", "R", "S1", "T", "Uvw"}).mid(0, count);
    expected << ""
             << "f";
    QCOMPARE(horizontalLabels(*table), expected);
    QCOMPARE(WidgetLookup::lastColumnText(*table), before);
    QCOMPARE(table->verticalHeaderItem(1)->text(), QStringLiteral("m1"));
}

void TruthTableTest::mintermListKeepsAllEntriesWhenShrinking()
{
    table->changeNumberElements(6);
    UserInput::clickCell(table.get(), 40, 7);
    table->changeNumberElements(4);

    const QList<QTableWidgetItem *> minterms = currentMinterms(*table);
    QCOMPARE(minterms.size(), 64);
    QCOMPARE(mintermTexts(minterms, 16), QString(16, QLatin1Char('0')));
}

void TruthTableTest::setCellOutsideGridChangesNothing()
{
    table->setCell(16, 6, "1");
    table->setCell(-1, 6, "1");
    table->setCell(0, 7, "1");
    table->setCell(0, 0, "1");
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
    QCOMPARE(mintermTexts(currentMinterms(*table), 64), QString(64, QLatin1Char('0')));
}

// The file export keeps its copy of the function from this list, so every
// way the function can change must send it once, already holding the change.
void TruthTableTest::everyChangeSendsMintermList_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("values");

    QTest::newRow("setCell") << "setCell" << 4 << "0000000X00000000";
    QTest::newRow("updateCell") << "updateCell" << 4 << "0001000000000000";
    QTest::newRow("updateFromParser") << "parser" << 4 << "1010101010101010";
    QTest::newRow("changeNumberElements") << "count" << 3 << "00000000";
    QTest::newRow("resetTable") << "reset" << 4 << "0000000000000000";
}

void TruthTableTest::everyChangeSendsMintermList()
{
    QFETCH(QString, change);
    table->setCell(2, 6, QStringLiteral("1"));
    QSignalSpy list(table.get(), &truthTable::sendMintermList);

    if (change == QLatin1String("setCell")) {
        table->setCell(2, 6, QStringLiteral("0"));
        list.clear();
        table->setCell(7, 6, QStringLiteral("X"));
    } else if (change == QLatin1String("updateCell")) {
        table->setCell(2, 6, QStringLiteral("0"));
        list.clear();
        QTableWidgetItem value(QStringLiteral("1"));
        table->updateCell(3, &value);
    } else if (change == QLatin1String("parser")) {
        QVector<bool> values(16);
        for (int m = 0; m < 16; m += 2)
            values[m] = true;
        table->updateFromParser(values);
    } else if (change == QLatin1String("count")) {
        table->changeNumberElements(3);
    } else {
        table->changeVarNames("P", "Q", "R", "S", "T", "U");
        table->resetTable();
    }

    QCOMPARE(list.count(), 1);
    const QList<QVariant> arguments = list.takeFirst();
    QTEST(arguments.at(0).toInt(), "count");
    QFETCH(QString, values);
    QCOMPARE(mintermTexts(arguments.at(1).value<QList<QTableWidgetItem *>>(), values.size()),
             values);
}

QTEST_MAIN(TruthTableTest)
#include "TruthTableTest.moc"
