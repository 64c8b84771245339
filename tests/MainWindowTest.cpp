// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/VariableCountManager.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// One layout row as "name stretch alignment" entries, for whole-row compares.
QStringList describeRow(QBoxLayout *row)
{
    QStringList entries;
    for (int i = 0; i < row->count(); ++i) {
        QLayoutItem *item = row->itemAt(i);
        entries << QStringLiteral("%1 %2 %3")
                       .arg(item->widget()->objectName())
                       .arg(row->stretch(i))
                       .arg(int(item->alignment()), 0, 16);
    }
    return entries;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void widgetTextsAndStatusTips_data();
    void widgetTextsAndStatusTips();
    void layoutRows_data();
    void layoutRows();
    void startState();
    void menuBarOrder();
    void formButtonsAreOneGroup();
    void minimizeSendsTheTruthTable();
    void countChoiceRebuildsTheTable();
    void resetRestoresStartState_data();
    void resetRestoresStartState();

private:
    template <typename Widget> Widget *child(const char *name)
    {
        return WidgetLookup::named<Widget>(*window, name);
    }

    std::unique_ptr<MainWindow> window;
};

void MainWindowTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void MainWindowTest::cleanup()
{
    window.reset();
}

void MainWindowTest::widgetTextsAndStatusTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("statusTip");

    QTest::newRow("title") << "titleLabel"
                           << "Tavolin"
                           << "";
    QTest::newRow("variables") << "variablesButton"
                               << "       Variables       "
                               << "Click to change the names of the variables";
    QTest::newRow("equation label") << "equationLabel"
                                    << "Equation = "
                                    << "";
    QTest::newRow("equation field")
        << "equationManager"
        << ""
        << "Enter an equation as input for the truth table and Karnaugh map";
    QTest::newRow("truth table label") << "truthTableLabel"
                                       << "Truth Table"
                                       << "";
    QTest::newRow("map label") << "kMapLabel"
                               << "Karnaugh Map"
                               << "";
    QTest::newRow("POS") << "posRadio"
                         << "POS Form"
                         << "Product of Sums format";
    QTest::newRow("SOP") << "sopRadio"
                         << "SOP Form"
                         << "Sum of Products format";
    QTest::newRow("fill") << "fillTableButton"
                          << "Fill Table"
                          << "Input the given equation into the truth table and k-map";
    QTest::newRow("result label") << "resultLabel"
                                  << "Minimized Function = "
                                  << "";
    QTest::newRow("reset") << "resetButton"
                           << "Reset"
                           << "Resets truth table and k-map to zeros";
    QTest::newRow("minimize") << "minimizeButton"
                              << "Minimize!"
                              << "Minimize the data in the truth table and k-map";
    QTest::newRow("import") << "importButton"
                            << "Import File"
                            << "Import data to the truth table and k-map from a .pla file";
    QTest::newRow("export") << "exportButton"
                            << "Export File"
                            << "Export truth table and k-map data to a .pla file";
}

void MainWindowTest::widgetTextsAndStatusTips()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, statusTip);

    auto *widget = child<QWidget>(name.toLatin1().constData());
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    QCOMPARE(shown, text);
    QCOMPARE(widget->statusTip(), statusTip);
    QCOMPARE(widget->toolTip(), QString());
}

void MainWindowTest::layoutRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("entries");

    // Alignments in hex: 84 centre, 1 left, 2 right, 0 none.
    QTest::newRow("1 title") << 0 << QStringList{"titleLabel 0 84"};
    QTest::newRow("2 controls") << 1
                                << QStringList{"variablesButton 0 1", "variableCountManager 1 1",
                                               "importButton 1 1", "exportButton 1 1",
                                               "resetButton 1 2"};
    QTest::newRow("3 equation") << 2
                                << QStringList{"equationLabel 0 0", "equationManager 0 0",
                                               "fillTableButton 0 0"};
    QTest::newRow("4 view labels") << 3 << QStringList{"truthTableLabel 0 1", "kMapLabel 0 1"};
    QTest::newRow("5 views") << 4 << QStringList{"truthTableWidget 0 0", "kMapWidget 0 0"};
    QTest::newRow("6 form") << 5 << QStringList{"sopRadio 0 1", "posRadio 1 1"};
    QTest::newRow("7 minimize") << 6 << QStringList{"minimizeButton 0 0"};
    QTest::newRow("8 result") << 7 << QStringList{"resultLabel 0 1", "resultEdit 0 0"};
}

void MainWindowTest::layoutRows()
{
    QFETCH(int, row);
    QFETCH(QStringList, entries);

    auto *rows = qobject_cast<QBoxLayout *>(window->centralWidget()->layout());
    QVERIFY(rows);
    QCOMPARE(rows->count(), 8);
    QCOMPARE(rows->stretch(row), 0);
    auto *rowLayout = qobject_cast<QBoxLayout *>(rows->itemAt(row)->layout());
    QVERIFY(rowLayout);
    QCOMPARE(rowLayout->direction(), QBoxLayout::LeftToRight);
    QCOMPARE(describeRow(rowLayout), entries);
}

void MainWindowTest::startState()
{
    QCOMPARE(child<VariableCountManager>("variableCountManager")->currentText(),
             QStringLiteral("4 "));
    auto *table = child<truthTable>("truthTableWidget");
    QCOMPARE(table->rowCount(), 16);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
    QVERIFY(child<QRadioButton>("sopRadio")->isChecked());
    QVERIFY(!child<QRadioButton>("posRadio")->isChecked());
    auto *result = child<QLineEdit>("resultEdit");
    QVERIFY(result->isReadOnly());
    QCOMPARE(result->text(), QString());
}

// The one check of the menu bar's order; the tests of each menu check its
// entries.
void MainWindowTest::menuBarOrder()
{
    QStringList titles;
    for (QAction *menu : window->menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, (QStringList{"File", "Edit", "Minimize", "Circuit", "Help"}));
}

void MainWindowTest::formButtonsAreOneGroup()
{
    auto *sop = child<QRadioButton>("sopRadio");
    auto *pos = child<QRadioButton>("posRadio");
    QTest::mouseClick(pos, Qt::LeftButton);
    QVERIFY(pos->isChecked());
    QVERIFY(!sop->isChecked());
    QTest::mouseClick(sop, Qt::LeftButton);
    QVERIFY(sop->isChecked());
    QVERIFY(!pos->isChecked());
}

void MainWindowTest::minimizeSendsTheTruthTable()
{
    auto *table = child<truthTable>("truthTableWidget");
    UserInput::clickCell(table, 3, 5);
    QSignalSpy spy(table, &truthTable::sendMinterms);

    child<QPushButton>("minimizeButton")->click();

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 4);
    const auto minterms = spy.at(0).at(1).value<QList<QTableWidgetItem *>>();
    QCOMPARE(minterms.size(), 64);
    QCOMPARE(minterms.at(3)->text(), QStringLiteral("1"));
}

void MainWindowTest::countChoiceRebuildsTheTable()
{
    auto *box = child<VariableCountManager>("variableCountManager");
    auto *table = child<truthTable>("truthTableWidget");
    UserInput::clickCell(table, 0, 5);

    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);

    QCOMPARE(table->rowCount(), 64);
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(64, QLatin1Char('0')));
}

void MainWindowTest::resetRestoresStartState_data()
{
    QTest::addColumn<bool>("posChecked");
    QTest::newRow("after POS was chosen") << true;
    QTest::newRow("with SOP already checked") << false;
}

void MainWindowTest::resetRestoresStartState()
{
    QFETCH(bool, posChecked);
    auto *box = child<VariableCountManager>("variableCountManager");
    auto *table = child<truthTable>("truthTableWidget");
    auto *result = child<QLineEdit>("resultEdit");
    box->slotUpdateVariableCount(5);
    UserInput::clickCell(table, 17, 6);
    table->changeVarNames("P", "Q", "R", "S", "T", "U");
    if (posChecked)
        QTest::mouseClick(child<QRadioButton>("posRadio"), Qt::LeftButton);
    result->setText(QStringLiteral("A&B"));

    QTest::mouseClick(child<QPushButton>("resetButton"), Qt::LeftButton);

    QCOMPARE(result->text(), QString());
    QVERIFY(child<QRadioButton>("sopRadio")->isChecked());
    QCOMPARE(box->currentText(), QStringLiteral("4 "));
    QCOMPARE(table->rowCount(), 16);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("A"));
    QCOMPARE(WidgetLookup::lastColumnText(*table), QString(16, QLatin1Char('0')));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
