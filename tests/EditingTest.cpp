// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalBoxAnswerer.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "app/VariableCountManager.h"
#include "pla/ImportExport.h"
#include "pla/PlaReader.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Plays a compact key script: h j k l move left, down, up, right; H J K L the
// same with Shift (marking cells); a is Ctrl+A, _ Space, d Delete, r Return,
// t Tab; any other character is typed as it is.
void playKeys(QWidget *view, const QString &script)
{
    for (const QChar c : script) {
        switch (c.toLatin1()) {
        case 'h':
            QTest::keyClick(view, Qt::Key_Left);
            break;
        case 'j':
            QTest::keyClick(view, Qt::Key_Down);
            break;
        case 'k':
            QTest::keyClick(view, Qt::Key_Up);
            break;
        case 'l':
            QTest::keyClick(view, Qt::Key_Right);
            break;
        case 'H':
            QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
            break;
        case 'J':
            QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
            break;
        case 'K':
            QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
            break;
        case 'L':
            QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
            break;
        case 'a':
            QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
            break;
        case '_':
            QTest::keyClick(view, Qt::Key_Space);
            break;
        case 'd':
            QTest::keyClick(view, Qt::Key_Delete);
            break;
        case 'r':
            QTest::keyClick(view, Qt::Key_Return);
            break;
        case 't':
            QTest::keyClick(view, Qt::Key_Tab);
            break;
        default:
            QTest::keyClicks(view, QString(c));
            break;
        }
    }
}

// The map read in minterm order, to compare with the truth table's column.
QString mapValues(const kMap &map, int count)
{
    return WidgetLookup::mapText(map, count);
}

QAction *actionNamed(const QMainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

// Keys, marks, bulk edits, copy and paste in the truth table and the map.
class EditingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keysInTheTable_data();
    void keysInTheTable();
    void keysInTheMap_data();
    void keysInTheMap();
    void bulkEditsReachMapAndExport_data();
    void bulkEditsReachMapAndExport();
    void paste_data();
    void paste();
    void pasteMenuEntryFollowsTheFocus();
    void focusedViewKeepsSelectAllAndPaste_data();
    void focusedViewKeepsSelectAllAndPaste();
    void noShortcutIsAmbiguous();
    void copyTruthTableGivesTabSeparatedText();
    void draggingMarksWithoutChangingValues_data();
    void draggingMarksWithoutChangingValues();

private:
    void chooseCount(int count);
    QString exportedValues();

    std::unique_ptr<MainWindow> window;
    truthTable *table = nullptr;
    kMap *map = nullptr;
};

void EditingTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    table = WidgetLookup::named<truthTable>(*window, "truthTableWidget");
    map = WidgetLookup::named<kMap>(*window, "kMapWidget");
}

void EditingTest::cleanup()
{
    window.reset();
}

void EditingTest::chooseCount(int count)
{
    auto *box = WidgetLookup::named<VariableCountManager>(*window, "variableCountManager");
    box->setCurrentIndex(count - 2);
}

// What the export object would write, read back by the PLA reader.
QString EditingTest::exportedValues()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.pla"));
    auto *io = WidgetLookup::named<ImportExport>(*window, "importExport");
    if (!io->exportTo(path))
        return QStringLiteral("export failed");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable");
    const PlaReadResult read = PlaReader::read(file.readAll().toStdString(), 4);
    return read.ok() ? QString::fromStdString(read.function->values) : QStringLiteral("bad file");
}

void EditingTest::keysInTheTable_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("outputs");
    QTest::addColumn<int>("cellsModified");
    QTest::addColumn<int>("mintermLists");

    QTest::newRow("1 sets the current row") << 4 << 5 << "1"
                                            << "0000010000000000" << 1 << 1;
    QTest::newRow("x, X and - all mean don't care") << 3 << 0 << "xjXj-"
                                                    << "XXX00000" << 3 << 3;
    QTest::newRow("Space advances like a click") << 2 << 1 << "__"
                                                 << "0X00" << 2 << 2;
    QTest::newRow("Space three times comes back to 0") << 2 << 1 << "___"
                                                       << "0000" << 3 << 3;
    QTest::newRow("Delete sets 0, a value already there announces nothing") << 2 << 3 << "1d0d"
                                                                            << "0000" << 2 << 2;
    QTest::newRow("Shift+Down marks rows and one key sets them all")
        << 4 << 2 << "JJJ1"
        << "0011110000000000" << 4 << 1;
    QTest::newRow("Shift+Up marks upwards") << 3 << 6 << "KK-"
                                            << "0000XXX0" << 3 << 1;
    QTest::newRow("a plain move drops the marks") << 3 << 0 << "JJj1"
                                                  << "00010000" << 1 << 1;
    QTest::newRow("Space over marks advances each row") << 2 << 0 << "1jJ1kJJ_"
                                                        << "1XX1" << 6 << 3;
    QTest::newRow("Ctrl+A marks every row") << 3 << 4 << "aX"
                                            << "XXXXXXXX" << 8 << 1;
    QTest::newRow("Return moves down") << 2 << 0 << "1r1r1"
                                       << "1110" << 3 << 3;
    QTest::newRow("Tab moves on to the next row") << 2 << 0 << "1t0r1"
                                                  << "1010" << 2 << 2;
    QTest::newRow("six variables, last row") << 6 << 62 << "j1" << QString(63, '0') + "1" << 1 << 1;
    QTest::newRow("other letters change nothing") << 2 << 0 << "bq2"
                                                  << "0000" << 0 << 0;
}

void EditingTest::keysInTheTable()
{
    QFETCH(int, count);
    QFETCH(int, startRow);
    QFETCH(QString, keys);
    QFETCH(QString, outputs);
    QFETCH(int, cellsModified);
    QFETCH(int, mintermLists);

    chooseCount(count);
    table->setFocus();
    table->setCurrentCell(startRow, count + 1);
    QSignalSpy fromTable(table, &truthTable::cellModified);
    QSignalSpy fromMap(map, &kMap::cellModified);
    QSignalSpy lists(table, &truthTable::sendMintermList);

    playKeys(table, keys);

    QCOMPARE(WidgetLookup::lastColumnText(*table), outputs);
    QCOMPARE(mapValues(*map, count), outputs);
    QCOMPARE(fromTable.count(), cellsModified);
    QCOMPARE(fromMap.count(), 0);
    QCOMPARE(lists.count(), mintermLists);
    QCOMPARE(exportedValues(), outputs);
}

void EditingTest::keysInTheMap_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("outputs");
    QTest::addColumn<int>("cellsModified");

    QTest::newRow("4 variables, cell (2,1) is row 13") << 4 << 2 << 1 << "1"
                                                       << "0000000000000100" << 1;
    QTest::newRow("Shift+Right marks three cells in Gray order") << 4 << 0 << 0 << "LL1"
                                                                 << "1101000000000000" << 3;
    QTest::newRow("a rectangle of marks") << 3 << 0 << 1 << "JLX"
                                          << "0X0X0X0X" << 4;
    QTest::newRow("5 variables, marks skip the black column")
        << 5 << 0 << 3 << "LL1"
        << "00100000000000001000000000000000" << 2;
    QTest::newRow("6 variables, Ctrl+A sets every cell")
        << 6 << 3 << 3 << "a1" << QString(64, '1') << 64;
    QTest::newRow("Space advances, Delete sets 0") << 2 << 1 << 1 << "__kd"
                                                   << "000X" << 2;
    QTest::newRow("Return moves down a row") << 2 << 0 << 0 << "1r1"
                                             << "1010" << 2;
}

void EditingTest::keysInTheMap()
{
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QString, outputs);
    QFETCH(int, cellsModified);

    chooseCount(count);
    map->setFocus();
    map->setCurrentCell(row, column);
    QSignalSpy fromTable(table, &truthTable::cellModified);
    QSignalSpy fromMap(map, &kMap::cellModified);
    QSignalSpy lists(table, &truthTable::sendMintermList);

    playKeys(map, keys);

    QCOMPARE(mapValues(*map, count), outputs);
    QCOMPARE(WidgetLookup::lastColumnText(*table), outputs);
    QCOMPARE(fromMap.count(), cellsModified);
    QCOMPARE(fromTable.count(), 0);
    // Each changed map cell reaches the table, which sends its list once.
    QCOMPARE(lists.count(), cellsModified);
    QCOMPARE(exportedValues(), outputs);
}

void EditingTest::bulkEditsReachMapAndExport_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("changedRows");

    // Starts from 01X10X0X on three variables.
    QTest::newRow("set all to 0") << "Set All to 0"
                                  << "00000000" << 5;
    QTest::newRow("set all to 1") << "Set All to 1"
                                  << "11111111" << 6;
    QTest::newRow("set all to X") << "Set All to X"
                                  << "XXXXXXXX" << 5;
    QTest::newRow("invert") << "Invert (Swap 0 and 1)"
                            << "10X01X1X" << 5;
    QTest::newRow("every X to 0") << "Every X to 0"
                                  << "01010000" << 3;
    QTest::newRow("every X to 1") << "Every X to 1"
                                  << "01110101" << 3;
}

void EditingTest::bulkEditsReachMapAndExport()
{
    QFETCH(QString, entry);
    QFETCH(QString, after);
    QFETCH(int, changedRows);

    chooseCount(3);
    table->setFocus();
    table->setCurrentCell(0, 4);
    playKeys(table, QStringLiteral("0j1jXj1j0jXj0jX"));
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("01X10X0X"));
    QSignalSpy fromTable(table, &truthTable::cellModified);
    QSignalSpy lists(table, &truthTable::sendMintermList);

    QAction *action = actionNamed(*window, entry);
    QVERIFY(action);
    action->trigger();

    QCOMPARE(WidgetLookup::lastColumnText(*table), after);
    QCOMPARE(mapValues(*map, 3), after);
    QCOMPARE(fromTable.count(), changedRows);
    QCOMPARE(lists.count(), 1);
    QCOMPARE(exportedValues(), after);
}

void EditingTest::paste_data()
{
    QTest::addColumn<bool>("intoMap");
    QTest::addColumn<QString>("marks"); // keys played before the paste
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("outputs");
    QTest::addColumn<QString>("refusal"); // empty when the paste is accepted

    const QString none;
    QTest::newRow("table: a whole column") << false << none << "1\n0\nX\n1\n0\n0\n0\n1\n"
                                           << "10X10001" << none;
    QTest::newRow("table: one line of values") << false << none << "01x-0011"
                                               << "01XX0011" << none;
    QTest::newRow("table: into three marked rows") << false << "jJJ"
                                                   << "1\nX\n1"
                                                   << "01X10000" << none;
    QTest::newRow("table: too short for the table")
        << false << none << "1\n0\n1"
        << "00000000"
        << "The clipboard holds 3 values; the truth table has 8 rows.";
    QTest::newRow("table: too long for the marks")
        << false << "J"
        << "1\n0\n1"
        << "00000000"
        << "The clipboard holds 3 values; the truth table has 8 rows and 2 of them are marked.";
    QTest::newRow("table: a wrong character")
        << false << none << "1\n0\n1\n0\n1\nY\n1\n0"
        << "00000000"
        << "Line 6 holds \"Y\"; each value must be 0, 1 or X (x and - mean X as well).";
    QTest::newRow("map: a whole column in minterm order")
        << true << none << "1\n0\nX\n1\n0\n0\n0\n1\n"
        << "10X10001" << none;
    QTest::newRow("map: into two marked cells") << true << "L"
                                                << "X1"
                                                << "X1000000" << none;
    QTest::newRow("map: empty clipboard") << true << none << ""
                                          << "00000000"
                                          << "The clipboard holds 0 values; the map has 8 cells.";
}

void EditingTest::paste()
{
    QFETCH(bool, intoMap);
    QFETCH(QString, marks);
    QFETCH(QString, clipboard);
    QFETCH(QString, outputs);
    QFETCH(QString, refusal);

    chooseCount(3);
    QTableWidget *view = intoMap ? static_cast<QTableWidget *>(map) : table;
    view->setFocus();
    view->setCurrentCell(0, intoMap ? 0 : 4);
    playKeys(view, marks);
    QApplication::clipboard()->setText(clipboard);
    QSignalSpy mapEdits(map, &kMap::valuesEdited);
    QSignalSpy tableEdits(table, &truthTable::valuesEdited);

    ModalBoxAnswerer answerer;
    answerer.arm();
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(answerer.answered(), !refusal.isEmpty());
    if (!refusal.isEmpty()) {
        QCOMPARE(answerer.title(), QStringLiteral("Paste Values"));
        QCOMPARE(answerer.text(), "The values were not pasted.\n" + refusal);
    }
    QCOMPARE(WidgetLookup::lastColumnText(*table), outputs);
    QCOMPARE(mapValues(*map, 3), outputs);
    QCOMPARE(exportedValues(), outputs);
    const int edits = outputs == QStringLiteral("00000000") ? 0 : 1;
    QCOMPARE(mapEdits.count() + tableEdits.count(), edits);
}

void EditingTest::pasteMenuEntryFollowsTheFocus()
{
    chooseCount(2);
    QAction *paste = actionNamed(*window, QStringLiteral("Paste Values"));
    QVERIFY(paste);
    QVERIFY(paste->shortcut().isEmpty());
    QApplication::clipboard()->setText(QStringLiteral("0\n1\n1\n0\n"));

    map->setFocus();
    map->setCurrentCell(1, 1);
    QSignalSpy mapEdits(map, &kMap::valuesEdited);
    paste->trigger();
    QCOMPARE(mapEdits.count(), 1);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("0110"));

    // Anywhere else the menu entry pastes into the truth table.
    WidgetLookup::named<QPushButton>(*window, "minimizeButton")->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("1100"));
    QSignalSpy tableEdits(table, &truthTable::valuesEdited);
    paste->trigger();
    QCOMPARE(tableEdits.count(), 1);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("1100"));
}

void EditingTest::focusedViewKeepsSelectAllAndPaste_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("helpTitle"); // empty: the key stays in the view

    QTest::newRow("Ctrl+A in the truth table marks") << "truthTableWidget" << int(Qt::Key_A) << "";
    QTest::newRow("Ctrl+V in the truth table pastes") << "truthTableWidget" << int(Qt::Key_V) << "";
    QTest::newRow("Ctrl+A in the map marks") << "kMapWidget" << int(Qt::Key_A) << "";
    QTest::newRow("Ctrl+V in the map pastes") << "kMapWidget" << int(Qt::Key_V) << "";
    QTest::newRow("Ctrl+A on a button opens Variable Help")
        << "minimizeButton" << int(Qt::Key_A) << "Variable Help";
    QTest::newRow("Ctrl+V on a button opens POS/SOP Help")
        << "minimizeButton" << int(Qt::Key_V) << "SOP/POS Help";
    QTest::newRow("Ctrl+A on the count box opens Variable Help")
        << "variableCountManager" << int(Qt::Key_A) << "Variable Help";
}

void EditingTest::focusedViewKeepsSelectAllAndPaste()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, helpTitle);

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *target = WidgetLookup::named<QWidget>(*window, focus.toLatin1().constData());
    target->setFocus();
    QApplication::clipboard()->setText(QString(16, QLatin1Char('1')));
    const QWidgetList before = QApplication::topLevelWidgets();

    QTest::keyClick(target, Qt::Key(key), Qt::ControlModifier);

    QWidget *opened = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!before.contains(top) && top->isVisible())
            opened = top;
    }
    if (helpTitle.isEmpty()) {
        QVERIFY2(!opened, "the key opened a window");
        if (key == Qt::Key_V)
            QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('1')));
    } else {
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(), helpTitle);
        QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
    }
    // Ctrl+A marked every value: one key now sets them all.
    if (helpTitle.isEmpty() && key == Qt::Key_A) {
        QTest::keyClick(target, Qt::Key_X);
        QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('X')));
    }
    delete opened;
}

void EditingTest::noShortcutIsAmbiguous()
{
    QHash<QKeySequence, QString> owners;
    for (QAction *action : window->findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts()) {
            QVERIFY2(!owners.contains(key),
                     qPrintable(key.toString() + " is taken by " + owners.value(key) + " and " +
                                action->text()));
            owners.insert(key, action->text());
        }
    }
    QCOMPARE(owners.value(QKeySequence(QStringLiteral("Ctrl+Z"))), QStringLiteral("Undo"));
    QCOMPARE(owners.value(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))), QStringLiteral("Redo"));
    QCOMPARE(owners.value(QKeySequence(QStringLiteral("Ctrl+Y"))), QStringLiteral("Redo"));
    QCOMPARE(owners.value(QKeySequence(QStringLiteral("Ctrl+Shift+T"))),
             QStringLiteral("Copy Truth Table"));
    QCOMPARE(owners.value(QKeySequence(QStringLiteral("Ctrl+A"))), QStringLiteral("Variable Help"));
    QCOMPARE(owners.value(QKeySequence(QStringLiteral("Ctrl+V"))), QStringLiteral("POS/SOP Help"));

    // A key the window hands to an action fires it exactly once.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    table->setFocus();
    table->setCurrentCell(0, 5);
    QTest::keyClick(table, Qt::Key_1);
    auto *undo = window->findChild<QAction *>(QStringLiteral("undoAction"));
    QVERIFY(undo);
    QSignalSpy undone(undo, &QAction::triggered);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(undone.count(), 1);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
    QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(WidgetLookup::lastColumnText(*table), "1" + QString(15, QLatin1Char('0')));
}

void EditingTest::copyTruthTableGivesTabSeparatedText()
{
    chooseCount(2);
    table->setFocus();
    table->setCurrentCell(1, 3);
    playKeys(table, QStringLiteral("1jX"));
    QApplication::clipboard()->clear();

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(table, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);

    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("A\tB\tf\n0\t0\t0\n0\t1\t1\n1\t0\tX\n1\t1\t0\n"));

    // Ctrl+C in the focused table copies the marked values as a column.
    table->setCurrentCell(0, 3);
    playKeys(table, QStringLiteral("JJ"));
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0\n1\nX\n"));
}

void EditingTest::draggingMarksWithoutChangingValues_data()
{
    QTest::addColumn<bool>("onMap");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to"); // (column, row) of both ends
    QTest::addColumn<QString>("outputs");

    QTest::newRow("table rows 1 to 3") << false << QPoint(4, 1) << QPoint(4, 3) << "01110000";
    QTest::newRow("map square (0,1) to (1,2)")
        << true << QPoint(1, 0) << QPoint(2, 1) << "01010101";
}

void EditingTest::draggingMarksWithoutChangingValues()
{
    QFETCH(bool, onMap);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QString, outputs);

    chooseCount(3);
    QTableWidget *view = onMap ? static_cast<QTableWidget *>(map) : table;
    view->setFocus();
    QWidget *port = view->viewport();
    const QPoint start = view->visualRect(view->model()->index(from.y(), from.x())).center();
    const QPoint end = view->visualRect(view->model()->index(to.y(), to.x())).center();
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent move(QEvent::MouseMove, end, port->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(port, &move);
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, end);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("00000000"));

    QTest::keyClick(view, Qt::Key_1);
    QCOMPARE(WidgetLookup::lastColumnText(*table), outputs);
}

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
