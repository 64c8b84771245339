// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalBoxAnswerer.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "app/VariableCountManager.h"
#include "dialogs/ChangeVarsPopup.h"
#include "edit/EditHistory.h"
#include "expression/EquationManager.h"
#include "pla/ImportExport.h"
#include "pla/PlaReader.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

const QStringList actionNames{
    "click table", "click map",     "key in table",    "marked keys in table", "key in map",
    "bulk edit",   "fill table",    "rename",          "change count",         "reset",
    "paste",       "import button", "import elsewhere"};

// How often each action is drawn in the random sequences, in the order above.
const QList<int> actionWeights{22, 18, 14, 8, 10, 5, 5, 4, 3, 2, 4, 2, 3};

} // namespace

// Undo and redo: one step per user action, and every step restores the
// count, the names, the table, the map and what the export writes.
class UndoHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachActionIsOneStep_data();
    void eachActionIsOneStep();
    void randomSequencesRoundTrip_data();
    void randomSequencesRoundTrip();
    void actionsThatChangeNothingLeaveNoStep();

private:
    QString shown() const;
    QString exported() const;
    void perform(const QString &action);
    void chooseCount(int count);
    void rename(const QStringList &names);
    void undo();
    void redo();

    std::unique_ptr<MainWindow> window;
    truthTable *table = nullptr;
    kMap *map = nullptr;
    ChangeVarsPopup *popup = nullptr;
    QUndoStack *stack = nullptr;
    QTemporaryDir folder;
    QRandomGenerator random;
    int files = 0;
};

void UndoHistoryTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    table = WidgetLookup::named<truthTable>(*window, "truthTableWidget");
    map = WidgetLookup::named<kMap>(*window, "kMapWidget");
    stack = WidgetLookup::named<EditHistory>(*window, "editHistory")->stack();
    popup = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("changeVarsPopup"))
            popup = qobject_cast<ChangeVarsPopup *>(top);
    }
    QVERIFY(popup);
}

void UndoHistoryTest::cleanup()
{
    window.reset();
}

// Everything a user can see of the function, as one line.
QString UndoHistoryTest::shown() const
{
    const int count = table->variableCount();
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
        headers << table->horizontalHeaderItem(c)->text();
    QStringList fields;
    for (const QLineEdit *field : popup->findChildren<QLineEdit *>())
        fields << field->text();
    fields.sort();
    QString mapValues;
    for (int m = 0; m < (1 << count); ++m) {
        const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(count, m);
        mapValues += map->item(at.row, at.column)->text();
    }
    return QStringLiteral("%1 vars | %2 | dialog %3 | map labels %4 %5 | f %6 | map %7")
        .arg(count)
        .arg(headers.join(u','), fields.join(u','), map->verticalHeaderItem(0)->text(),
             map->horizontalHeaderItem(0)->text(), WidgetLookup::lastColumnText(*table), mapValues);
}

// What the export object writes, in the same terms as the table.
QString UndoHistoryTest::exported() const
{
    const QString path = folder.filePath(QStringLiteral("exported.pla"));
    if (!WidgetLookup::named<ImportExport>(*window, "importExport")->exportTo(path))
        return QStringLiteral("export failed");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable");
    const PlaReadResult read = PlaReader::read(file.readAll().toStdString(), 4);
    if (!read.ok())
        return QStringLiteral("unreadable");
    QStringList names;
    for (const std::string &name : read.function->names)
        names << QString::fromStdString(name);
    return names.join(u',') + u' ' + QString::fromStdString(read.function->values);
}

void UndoHistoryTest::chooseCount(int count)
{
    auto *box = WidgetLookup::named<VariableCountManager>(*window, "variableCountManager");
    box->setFocus();
    while (box->currentIndex() + 2 != count)
        QTest::keyClick(box, box->currentIndex() + 2 < count ? Qt::Key_Down : Qt::Key_Up);
}

void UndoHistoryTest::rename(const QStringList &names)
{
    WidgetLookup::named<QPushButton>(*window, "variablesButton")->click();
    const QList<QLineEdit *> fields = popup->findChildren<QLineEdit *>();
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(names.value(i));
    for (QPushButton *button : popup->findChildren<QPushButton *>()) {
        if (button->text() == QLatin1String("Ok"))
            button->click();
    }
}

void UndoHistoryTest::undo()
{
    window->findChild<QAction *>(QStringLiteral("undoAction"))->trigger();
}

void UndoHistoryTest::redo()
{
    window->findChild<QAction *>(QStringLiteral("redoAction"))->trigger();
}

// One user action, drawn with the test's random generator, performed as a
// user performs it. Afterwards control returns to the event loop once.
void UndoHistoryTest::perform(const QString &action)
{
    const int count = table->variableCount();
    const int minterms = 1 << count;
    const QString keys = QStringLiteral("01xX- ");
    const auto randomValues = [&] {
        QString values;
        for (int m = 0; m < minterms; ++m)
            values += QStringLiteral("01X").at(random.bounded(3));
        return values;
    };

    if (action == u"click table") {
        UserInput::clickCell(table, random.bounded(minterms), count + 1);
    } else if (action == u"click map") {
        const KarnaughLayout::Cell at =
            KarnaughLayout::cellOfMinterm(count, random.bounded(minterms));
        UserInput::clickCell(map, at.row, at.column);
    } else if (action == u"key in table" || action == u"marked keys in table") {
        table->setFocus();
        table->setCurrentCell(random.bounded(minterms), count + 1);
        if (action == u"marked keys in table") {
            for (int n = random.bounded(1, minterms / 2 + 1); n > 0; --n)
                QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
        }
        QTest::keyClicks(table, QString(keys.at(random.bounded(keys.size()))));
    } else if (action == u"key in map") {
        map->setFocus();
        const KarnaughLayout::Cell at =
            KarnaughLayout::cellOfMinterm(count, random.bounded(minterms));
        map->setCurrentCell(at.row, at.column);
        if (random.bounded(3) == 0)
            QTest::keyClick(map, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClicks(map, QString(keys.at(random.bounded(keys.size()))));
    } else if (action == u"bulk edit") {
        const QStringList entries{"Set All to 0",          "Set All to 1", "Set All to X",
                                  "Invert (Swap 0 and 1)", "Every X to 0", "Every X to 1"};
        const QString &entry = entries.at(random.bounded(entries.size()));
        for (QAction *candidate : window->findChildren<QAction *>()) {
            if (candidate->text() == entry)
                candidate->trigger();
        }
    } else if (action == u"fill table") {
        const QVector<QString> names = table->variableNames();
        const QStringList operators{"&", "+", "^"};
        const QString equation = names.at(random.bounded(count)) +
                                 operators.at(random.bounded(operators.size())) +
                                 names.at(random.bounded(count)) + QStringLiteral("'");
        WidgetLookup::named<EquationManager>(*window, "equationManager")->setText(equation);
        WidgetLookup::named<QPushButton>(*window, "fillTableButton")->click();
    } else if (action == u"rename") {
        QStringList pool{"P", "Q", "R", "S", "T", "U", "x1", "y2", "z3", "AB", "n0", "K"};
        QStringList names;
        while (names.size() < count)
            names << pool.takeAt(random.bounded(pool.size()));
        rename(names);
    } else if (action == u"change count") {
        // One key press on the count box is one choice, one step.
        const bool down = count == 2 || (count < 6 && random.bounded(2) == 0);
        chooseCount(count + (down ? 1 : -1));
    } else if (action == u"reset") {
        WidgetLookup::named<QPushButton>(*window, "resetButton")->click();
    } else if (action == u"paste") {
        QApplication::clipboard()->setText(randomValues());
        table->setFocus();
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    } else if (action == u"import button" || action == u"import elsewhere") {
        const int fileCount = random.bounded(2, 7);
        QString text = QStringLiteral(".i %1\n.o 1\n").arg(fileCount);
        for (int line = random.bounded(1, 5); line > 0; --line) {
            QString cube;
            for (int k = 0; k < fileCount; ++k)
                cube += QStringLiteral("01-").at(random.bounded(3));
            text += cube + QStringLiteral(" 1\n");
        }
        const QString path = folder.filePath(QStringLiteral("in%1.pla").arg(++files));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        if (action == u"import button") {
            ModalBoxAnswerer answerer;
            answerer.armFileDialog(path);
            WidgetLookup::named<QPushButton>(*window, "importButton")->click();
            QVERIFY(answerer.answered());
        } else {
            // A way into the import that no button closes: the history
            // closes the step when control returns to the event loop.
            QVERIFY(WidgetLookup::named<ImportExport>(*window, "importExport")->importFrom(path));
        }
    } else {
        QFAIL(qPrintable("unknown action " + action));
    }
    QCoreApplication::processEvents();
}

void UndoHistoryTest::eachActionIsOneStep_data()
{
    QTest::addColumn<QString>("action");
    for (const QString &action : actionNames)
        QTest::newRow(qPrintable(action)) << action;
}

void UndoHistoryTest::eachActionIsOneStep()
{
    QFETCH(QString, action);

    // A start that every action changes: five renamed variables, mixed values.
    random.seed(7);
    chooseCount(5);
    rename({"P", "Q", "R", "S", "T"});
    table->setOutputValues(QStringLiteral("01X1").repeated(8));
    WidgetLookup::named<QPushButton>(*window, "minimizeButton")->click();
    QCoreApplication::processEvents();
    const QString result = WidgetLookup::named<QLineEdit>(*window, "resultEdit")->text();
    const int stepsBefore = stack->count();
    const QString before = shown();
    const QString exportedBefore = exported();

    perform(action);
    const QString after = shown();
    const QString exportedAfter = exported();
    QVERIFY2(after != before, "the action changed nothing");
    QCOMPARE(stack->count(), stepsBefore + 1);

    undo();
    QCOMPARE(shown(), before);
    QCOMPARE(exported(), exportedBefore);
    redo();
    QCOMPARE(shown(), after);
    QCOMPARE(exported(), exportedAfter);
    QCoreApplication::processEvents();
    QCOMPARE(stack->count(), stepsBefore + 1);
    // Undo leaves the result as the user last saw it, except after Reset,
    // which emptied it.
    if (action != u"reset")
        QCOMPARE(WidgetLookup::named<QLineEdit>(*window, "resultEdit")->text(), result);
}

void UndoHistoryTest::randomSequencesRoundTrip_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<quint32>("seed");
    for (int count = 2; count <= 6; ++count)
        QTest::newRow(qPrintable(QStringLiteral("%1 variables").arg(count)))
            << count << quint32(1000 + count);
}

void UndoHistoryTest::randomSequencesRoundTrip()
{
    QFETCH(int, count);
    QFETCH(quint32, seed);

    random.seed(seed);
    chooseCount(count);
    QCoreApplication::processEvents();
    stack->clear();
    QStringList states{shown()};
    const QString exportedStart = exported();

    int total = 0;
    for (const int weight : actionWeights)
        total += weight;
    for (int step = 0; step < 200; ++step) {
        int pick = random.bounded(total);
        int index = 0;
        while (pick >= actionWeights.at(index))
            pick -= actionWeights.at(index++);
        perform(actionNames.at(index));
        const QString now = shown();
        if (now != states.constLast())
            states << now;
        QCOMPARE(stack->count(), states.size() - 1);
    }
    const QString exportedEnd = exported();
    QVERIFY2(states.size() > 100, "too few actions changed the function");

    WidgetLookup::named<QPushButton>(*window, "minimizeButton")->click();
    const QString result = WidgetLookup::named<QLineEdit>(*window, "resultEdit")->text();
    for (auto i = states.size() - 2; i >= 0; --i) {
        undo();
        QCOMPARE(shown(), states.at(i));
    }
    QVERIFY(!stack->canUndo());
    QCOMPARE(exported(), exportedStart);
    for (int i = 1; i < states.size(); ++i) {
        redo();
        QCOMPARE(shown(), states.at(i));
    }
    QVERIFY(!stack->canRedo());
    QCOMPARE(exported(), exportedEnd);
    QCoreApplication::processEvents();
    QCOMPARE(stack->count(), states.size() - 1);
    QCOMPARE(WidgetLookup::named<QLineEdit>(*window, "resultEdit")->text(), result);
}

void UndoHistoryTest::actionsThatChangeNothingLeaveNoStep()
{
    table->setFocus();
    table->setCurrentCell(0, 5);
    QTest::keyClick(table, Qt::Key_0);
    rename({"A", "B", "C", "D"});
    WidgetLookup::named<QPushButton>(*window, "resetButton")->click();
    for (QAction *candidate : window->findChildren<QAction *>()) {
        if (candidate->text() == QLatin1String("Every X to 1"))
            candidate->trigger();
    }
    QCoreApplication::processEvents();
    QCOMPARE(stack->count(), 0);
    QVERIFY(stack->isClean());
}

QTEST_MAIN(UndoHistoryTest)
#include "UndoHistoryTest.moc"
