// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/BulkEdit.h"
#include "edit/TruthTableText.h"
#include "edit/ValueColumn.h"

#include <QTest>

// The Qt-free rules behind pasting, the bulk edits and the copied table.
class EditRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void pastedColumns_data();
    void pastedColumns();
    void bulkEdits_data();
    void bulkEdits();
    void tabSeparatedTable_data();
    void tabSeparatedTable();
    void tabSeparatedOutputs();
};

void EditRulesTest::pastedColumns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("error");

    QTest::newRow("spreadsheet column with CRLF and final break") << "0\r\n1\r\nX\r\n1\r\n"
                                                                  << "01X1"
                                                                  << "";
    QTest::newRow("one line of values side by side") << "01x-"
                                                     << "01XX"
                                                     << "";
    QTest::newRow("blanks around each line are ignored") << " 1 \n\t0\t\n"
                                                         << "10"
                                                         << "";
    QTest::newRow("trailing blank lines are not values") << "1\n0\n\n\n"
                                                         << "10"
                                                         << "";
    QTest::newRow("empty clipboard holds no values") << ""
                                                     << ""
                                                     << "";
    QTest::newRow("digit 2 in a column") << "0\n2\n1"
                                         << ""
                                         << "Line 2 holds \"2\"; each value must be 0, 1 or X "
                                            "(x and - mean X as well).";
    QTest::newRow("two values on one line of a column")
        << "0\n1\t0\n1"
        << ""
        << "Line 2 holds \"1\t0\"; each value must be 0, 1 or X (x and - "
           "mean X as well).";
    QTest::newRow("blank line inside a column") << "0\n\n1"
                                                << ""
                                                << "Line 2 holds \"\"; each value must be 0, 1 "
                                                   "or X (x and - mean X as well).";
    QTest::newRow("letter inside one line") << "01a1"
                                            << ""
                                            << "Line 1 holds \"a\"; each value must be 0, 1 or "
                                               "X (x and - mean X as well).";
}

void EditRulesTest::pastedColumns()
{
    QFETCH(QString, text);
    QFETCH(QString, values);
    QFETCH(QString, error);

    const ValueColumn::Parsed parsed = ValueColumn::parse(text.toStdString());
    QCOMPARE(QString::fromStdString(parsed.values), values);
    QCOMPARE(QString::fromStdString(parsed.error), error);
}

void EditRulesTest::bulkEdits_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    const QString mixed = QStringLiteral("01X10X0X");
    QTest::newRow("every value to 0") << int(BulkEdit::Kind::AllZero) << mixed << "00000000";
    QTest::newRow("every value to 1") << int(BulkEdit::Kind::AllOne) << mixed << "11111111";
    QTest::newRow("every value to X") << int(BulkEdit::Kind::AllDontCare) << mixed << "XXXXXXXX";
    QTest::newRow("invert swaps 0 and 1, keeps X")
        << int(BulkEdit::Kind::Invert) << mixed << "10X01X1X";
    QTest::newRow("X to 0 keeps 0 and 1")
        << int(BulkEdit::Kind::DontCareToZero) << mixed << "01010000";
    QTest::newRow("X to 1 keeps 0 and 1")
        << int(BulkEdit::Kind::DontCareToOne) << mixed << "01110101";
    QTest::newRow("invert without don't-cares") << int(BulkEdit::Kind::Invert) << "1001"
                                                << "0110";
}

void EditRulesTest::bulkEdits()
{
    QFETCH(int, kind);
    QFETCH(QString, before);
    QFETCH(QString, after);

    const std::string edited =
        BulkEdit::apply(static_cast<BulkEdit::Kind>(kind), before.toStdString());
    QCOMPARE(QString::fromStdString(edited), after);
}

void EditRulesTest::tabSeparatedTable_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("text");

    QTest::newRow("two variables, first is the high bit")
        << QStringList{"A", "B"} << "01X1"
        << "A\tB\tf\n0\t0\t0\n0\t1\t1\n1\t0\tX\n1\t1\t1\n";
    QTest::newRow("renamed three variables keep their names")
        << QStringList{"x1", "Q", "c"} << "00000001"
        << "x1\tQ\tc\tf\n0\t0\t0\t0\n0\t0\t1\t0\n0\t1\t0\t0\n0\t1\t1\t0\n"
           "1\t0\t0\t0\n1\t0\t1\t0\n1\t1\t0\t0\n1\t1\t1\t1\n";
}

void EditRulesTest::tabSeparatedTable()
{
    QFETCH(QStringList, names);
    QFETCH(QString, values);
    QFETCH(QString, text);

    std::vector<std::string> plain;
    for (const QString &name : names)
        plain.push_back(name.toStdString());
    QCOMPARE(QString::fromStdString(TruthTableText::tabSeparated(plain, values.toStdString())),
             text);
}

// A half adder: each output a column under its own name.
void EditRulesTest::tabSeparatedOutputs()
{
    QCOMPARE(QString::fromStdString(
                 TruthTableText::tabSeparated({"A", "B"}, {"s", "co"}, {"0110", "0001"})),
             QStringLiteral("A\tB\ts\tco\n0\t0\t0\t0\n0\t1\t1\t0\n1\t0\t1\t0\n1\t1\t0\t1\n"));
}

QTEST_GUILESS_MAIN(EditRulesTest)
#include "EditRulesTest.moc"
