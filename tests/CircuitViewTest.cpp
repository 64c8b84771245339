// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit window as a user reaches it: the Circuit menu, "Minimize!",
// the style selector, hovering gates (the map's groups follow) and saving
// the drawing.

#include "circuit/CircuitView.h"
#include "ModalBoxAnswerer.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "circuit/CircuitCanvas.h"
#include "circuit/VerilogWriter.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

namespace {

// The mouse moving over the canvas with no button pressed. QTest::mouseMove
// moves the cursor, which the offscreen platform does not turn into move
// events, so the event the window system would deliver is sent directly.
void hoverAt(QWidget *canvas, const QPoint &position)
{
    QMouseEvent move(QEvent::MouseMove, position, canvas->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
}

} // namespace

class CircuitViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void circuitEntriesAndTheirKeys();
    void showCircuitOpensOneView();
    void countsFollowStyleAndForm_data();
    void countsFollowStyleAndForm();
    void hoveringAGateShadesItsGroups();
    void saveWritesTheChosenFormat_data();
    void saveWritesTheChosenFormat();
    void resetEmptiesTheView();
    void styleIsRemembered();
    void jointCoverOfSeveralOutputs();

private:
    template <typename Widget> Widget *child(const char *name)
    {
        return WidgetLookup::named<Widget>(*window, name);
    }
    QAction *menuAction(const QString &menu, const QString &text);
    // Sets the outputs of the three-variable majority and presses Minimize!.
    void minimizeMajority(bool pos);
    QList<int> shadedMinterms();

    std::unique_ptr<MainWindow> window;
};

void CircuitViewTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void CircuitViewTest::init()
{
    QSettings().remove(QStringLiteral("circuit"));
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void CircuitViewTest::cleanup()
{
    window.reset();
    QSettings().remove(QStringLiteral("circuit"));
}

QAction *CircuitViewTest::menuAction(const QString &menu, const QString &text)
{
    for (QAction *entry : window->menuBar()->actions()) {
        if (entry->text() != menu || !entry->menu())
            continue;
        for (QAction *action : entry->menu()->actions())
            if (action->text() == text)
                return action;
    }
    return nullptr;
}

void CircuitViewTest::minimizeMajority(bool pos)
{
    child<QComboBox>("variableCountManager")->setCurrentIndex(1);
    auto *table = child<truthTable>("truthTableWidget");
    for (int m : {3, 5, 6, 7})
        UserInput::clickCell(table, m, table->columnCount() - 1);
    if (pos)
        QTest::mouseClick(child<QRadioButton>("posRadio"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("minimizeButton"), Qt::LeftButton);
}

QList<int> CircuitViewTest::shadedMinterms()
{
    auto *map = child<kMap>("kMapWidget");
    QList<int> minterms;
    for (int m = 0; m < 8; ++m) {
        const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(3, m);
        const QColor shade = map->item(at.row, at.column)->background().color();
        if ((shade.red() == 255 && shade.alpha() > 0) || shade == QColor(Qt::darkRed))
            minterms << m;
    }
    return minterms;
}

void CircuitViewTest::circuitEntriesAndTheirKeys()
{
    QAction *show = menuAction(QStringLiteral("Circuit"), QStringLiteral("Show Circuit\u2026"));
    QAction *save =
        menuAction(QStringLiteral("Circuit"), QStringLiteral("Save Circuit Image\u2026"));
    QAction *help = menuAction(QStringLiteral("Help"), QStringLiteral("Circuit Help"));
    QVERIFY(show && save && help);
    QCOMPARE(show->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+G")));
    // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): QVERIFY returned on null
    QVERIFY(save->shortcut().isEmpty());
    QVERIFY(help->shortcut().isEmpty());
    // The new help entry comes after the six older ones (and the steps').
    QMenu *helpMenu = window->menuBar()->actions().last()->menu();
    QVERIFY(helpMenu);
    QVERIFY(helpMenu->actions().indexOf(help) >= 6);
    QCOMPARE(helpMenu->actions().last(), help);
    QVERIFY(!save->isEnabled());
}

void CircuitViewTest::showCircuitOpensOneView()
{
    auto *view = child<CircuitView>("circuitView");
    QVERIFY(!view->isVisible());
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(view->isVisible());
    QVERIFY(view->isWindow());
    menuAction(QStringLiteral("Circuit"), QStringLiteral("Show Circuit\u2026"))->trigger();
    QCOMPARE(window->findChildren<CircuitView *>().size(), 1);
}

void CircuitViewTest::countsFollowStyleAndForm_data()
{
    QTest::addColumn<bool>("pos");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("fanIn");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("function");
    // B&C+A&C+A&B: three AND2 and an OR3; NOR-NOR adds three inverters and
    // an output inverter; fan-in 2 splits the OR3.
    QTest::newRow("SOP, and-or") << false << 0 << 4 << "Gates: 4    Gate inputs: 9"
                                 << "f = B&C+A&C+A&B";
    QTest::newRow("SOP, nor") << false << 3 << 4 << "Gates: 8    Gate inputs: 13"
                              << "f = B&C+A&C+A&B";
    QTest::newRow("SOP, fan-in 2") << false << 0 << 2 << "Gates: 5    Gate inputs: 10"
                                   << "f = B&C+A&C+A&B";
    QTest::newRow("POS, nor") << true << 3 << 4 << "Gates: 4    Gate inputs: 9"
                              << "f = (A+B)&(A+C)&(B+C)";
}

void CircuitViewTest::countsFollowStyleAndForm()
{
    QFETCH(bool, pos);
    QFETCH(int, style);
    QFETCH(int, fanIn);
    QFETCH(QString, counts);
    QFETCH(QString, function);
    minimizeMajority(pos);
    child<QComboBox>("circuitStyleBox")->setCurrentIndex(style);
    child<QSpinBox>("circuitFanInBox")->setValue(fanIn);
    QCOMPARE(child<QLabel>("circuitCountsLabel")->text(), counts);
    QCOMPARE(child<QLabel>("circuitFunctionLabel")->text(), function);
}

void CircuitViewTest::hoveringAGateShadesItsGroups()
{
    minimizeMajority(false);
    QCOMPARE(shadedMinterms(), (QList<int>{3, 5, 6, 7}));
    auto *view = child<CircuitView>("circuitView");
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    auto *canvas = child<CircuitCanvas>("circuitCanvas");

    // The AND gate of the second term, A&C, covers m5 and m7.
    QPoint gateCentre;
    QPoint outputGateCentre;
    for (const LayoutItem &item : canvas->circuit().items) {
        if (item.kind != LayoutItem::Kind::Gate)
            continue;
        const QPoint centre =
            (QPointF(item.body.left + item.body.width / 2, item.body.top + item.body.height / 2) *
             canvas->zoom())
                .toPoint();
        const std::vector<int> &terms = view->netlist().nodes.at(std::size_t(item.node)).terms;
        if (terms == std::vector<int>{1})
            gateCentre = centre;
        if (terms.size() == 3)
            outputGateCentre = centre;
    }
    QVERIFY(!gateCentre.isNull() && !outputGateCentre.isNull());
    hoverAt(canvas, gateCentre);
    QTRY_COMPARE(shadedMinterms(), (QList<int>{5, 7}));
    QCOMPARE(canvas->highlightedNodes().size(), std::size_t{1});
    hoverAt(canvas, outputGateCentre);
    QTRY_COMPARE(shadedMinterms(), (QList<int>{3, 5, 6, 7}));
    // The output gate lights up with the three AND gates behind it.
    QCOMPARE(canvas->highlightedNodes().size(), std::size_t{4});
    hoverAt(canvas, gateCentre);
    QTRY_COMPARE(shadedMinterms(), (QList<int>{5, 7}));
    hoverAt(canvas, QPoint(2, 2));
    QTRY_COMPARE(shadedMinterms(), (QList<int>{3, 5, 6, 7}));
    QVERIFY(canvas->highlightedNodes().empty());
}

void CircuitViewTest::saveWritesTheChosenFormat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("svg");
    QTest::newRow("svg") << "majority.svg"
                         << "majority.svg" << true;
    QTest::newRow("png") << "majority.png"
                         << "majority.png" << false;
    QTest::newRow("no ending, the SVG filter chosen") << "majority"
                                                      << "majority.svg" << true;
}

void CircuitViewTest::saveWritesTheChosenFormat()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(bool, svg);
    QTemporaryDir folder;
    minimizeMajority(false);
    QAction *save =
        menuAction(QStringLiteral("Circuit"), QStringLiteral("Save Circuit Image\u2026"));
    QVERIFY(save->isEnabled());
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(folder.filePath(typed));
    save->trigger();
    QVERIFY(answerer.answered());
    QFile file(folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    if (!svg) {
        QImage image;
        QVERIFY(image.loadFromData(content, "PNG"));
        const CircuitLayout &layout = child<CircuitCanvas>("circuitCanvas")->circuit();
        QCOMPARE(image.size(),
                 QSize(int(std::ceil(layout.width)), int(std::ceil(layout.height))) * 2);
        return;
    }
    QXmlStreamReader reader(content);
    int paths = 0;
    int texts = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("path"))
            ++paths;
        if (reader.isStartElement() && reader.name() == QLatin1String("text"))
            ++texts;
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    // Four gates at least, the labels A, B, C and f, and on each of the
    // three products its term.
    QVERIFY(paths >= 4);
    QCOMPARE(texts, 4 + 3);
}

void CircuitViewTest::resetEmptiesTheView()
{
    minimizeMajority(false);
    QAction *save =
        menuAction(QStringLiteral("Circuit"), QStringLiteral("Save Circuit Image\u2026"));
    QVERIFY(save->isEnabled());
    QTest::mouseClick(child<QPushButton>("resetButton"), Qt::LeftButton);
    QVERIFY(!save->isEnabled());
    QVERIFY(!child<CircuitView>("circuitView")->hasCircuit());
    QCOMPARE(child<QLabel>("circuitCountsLabel")->text(),
             QStringLiteral("Press Minimize! to see the circuit."));
    QCOMPARE(child<CircuitCanvas>("circuitCanvas")->circuit().items.size(), std::size_t{0});
}

void CircuitViewTest::styleIsRemembered()
{
    child<QComboBox>("circuitStyleBox")->setCurrentIndex(2);
    window = std::make_unique<MainWindow>();
    QCOMPARE(child<CircuitView>("circuitView")->style(), CircuitStyle::NandNand);
    QCOMPARE(QSettings().value(QStringLiteral("circuit/style")).toString(), QStringLiteral("nand"));
}

void CircuitViewTest::jointCoverOfSeveralOutputs()
{
    minimizeMajority(false);
    auto *view = child<CircuitView>("circuitView");
    auto *joint = child<QCheckBox>("circuitJointBox");
    auto *counts = child<QLabel>("circuitCountsLabel");
    QVERIFY(!joint->isVisibleTo(view));

    // A second output, the parity of the three inputs.
    child<QAction>("addOutputAction")->trigger();
    auto *table = child<truthTable>("truthTableWidget");
    const int firstColumn = table->variableCount() + 1;
    const QString parity = QStringLiteral("01101001");
    for (int r = 0; r < parity.size(); ++r) {
        UserInput::clickCell(table, r, firstColumn + 1);
        QTest::keyClick(table, parity[r].toLatin1());
    }
    QTest::mouseClick(child<QPushButton>("minimizeButton"), Qt::LeftButton);
    QVERIFY(joint->isVisibleTo(view));
    QVERIFY(!joint->isChecked());
    QVERIFY(!view->netlist().severalOutputs());
    // The map's output alone, as before.
    const QString alone = counts->text();

    // The joint cover is searched for in the background; nothing is drawn
    // or saved until it is there.
    QSignalSpy available(view, &CircuitView::circuitAvailable);
    joint->setChecked(true);
    QVERIFY(!view->hasCircuit());
    QTRY_VERIFY(view->hasCircuit());
    QCOMPARE(available.count(), 2);
    QVERIFY(available.last().at(0).toBool());
    const Netlist &netlist = view->netlist();
    QCOMPARE(netlist.outputs.size(), std::size_t{2});
    for (int k = 0; k < 2; ++k) {
        for (unsigned row = 0; row < 8; ++row)
            QCOMPARE(netlist.evaluate(row, k),
                     table->item(static_cast<int>(row), firstColumn + k)->text() == "1");
    }
    QVERIFY(counts->text().contains(QString::number(netlist.gateInputCount())));

    joint->setChecked(false);
    QVERIFY(!view->netlist().severalOutputs());
    QCOMPARE(counts->text(), alone);

    // The circuit of the second output, picked for the map, bears its name.
    auto *selector = child<QComboBox>("outputSelector");
    selector->showPopup();
    QTest::keyClick(selector->view(), Qt::Key_Down);
    QTest::keyClick(selector->view(), Qt::Key_Return);
    QTest::mouseClick(child<QPushButton>("minimizeButton"), Qt::LeftButton);
    const QString second = selector->itemText(1);
    QCOMPARE(QString::fromStdString(VerilogWriter::outputName(view->netlist())), second);
    QVERIFY(child<QLabel>("circuitFunctionLabel")->text().startsWith(second + " = "));
    for (unsigned row = 0; row < 8; ++row)
        QCOMPARE(view->netlist().evaluate(row), parity[static_cast<int>(row)] == '1');

    // Back to one output: the choice goes and the map's circuit returns.
    joint->setChecked(true);
    child<QAction>("removeOutputAction")->trigger();
    QVERIFY(!joint->isVisibleTo(view));
    QVERIFY(!view->netlist().severalOutputs());
}

QTEST_MAIN(CircuitViewTest)
#include "CircuitViewTest.moc"
