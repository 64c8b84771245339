#include "app/MainWindow.h"

#include "app/HelpMenu.h"
#include "app/VariableCountManager.h"
#include "circuit/CircuitView.h"
#include "dialogs/ChangeVarsPopup.h"
#include "expression/EquationManager.h"
#include "minimize/Minimize.h"
#include "pla/ImportExport.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Tests and scripts find the widgets by their member names.
template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    createMenus();
    createWidgets();
    QBoxLayout *rows = createLayout();
    connectWidgets();
    createCircuitMenu();
    connectCircuit();

    auto *centralWidget = new QWidget();
    centralWidget->setLayout(rows);
    setCentralWidget(centralWidget);

    // Open large enough to show a good part of the truth table at once.
    setWindowTitle(QStringLiteral("Tavolin"));
    resize(sizeHint().expandedTo(QSize(760, 720)));
}

MainWindow::~MainWindow()
{
    for (const QPointer<HelpMenu> &window : std::as_const(helpWindows))
        delete window.data();
    delete changeVarsPopup;
}

void MainWindow::createMenus()
{
    struct Entry
    {
        QAction *&action;
        const char *text;
        QKeySequence shortcut;
        void (MainWindow::*slot)();
    };
    const Entry entries[] = {
        {truthTableHelpAction, "Truthtable Help", QKeySequence(QKeySequence::AddTab),
         &MainWindow::truthTableHelp},
        {kmapHelpAction, "K-Map Help", QKeySequence(QStringLiteral("Ctrl+K")),
         &MainWindow::kmapHelp},
        {equationHelpAction, "Equation Help", QKeySequence(QStringLiteral("Ctrl+E")),
         &MainWindow::equationHelp},
        {variableHelpAction, "Variable Help", QKeySequence(QKeySequence::SelectAll),
         &MainWindow::variableHelp},
        {SOPHelpAction, "POS/SOP Help", QKeySequence(QStringLiteral("Ctrl+V")),
         &MainWindow::SOPHelp},
        {importHelpAction, "Import/Export Help", QKeySequence(QStringLiteral("Ctrl+I")),
         &MainWindow::importHelp},
    };
    for (const Entry &entry : entries) {
        entry.action = new QAction(QLatin1String(entry.text), this);
        entry.action->setShortcut(entry.shortcut);
        connect(entry.action, &QAction::triggered, this, entry.slot);
    }
    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    for (const Entry &entry : entries)
        help->addAction(entry.action);
}

void MainWindow::openHelp(const QString &topic)
{
    helpWindow = new HelpMenu(topic);
    helpWindows.append(helpWindow);
    helpWindow->setFixedSize(700, 900);
    helpWindow->show();
}

void MainWindow::truthTableHelp()
{
    openHelp(QStringLiteral("Truthtable"));
}

void MainWindow::kmapHelp()
{
    openHelp(QStringLiteral("K-Map"));
}

void MainWindow::equationHelp()
{
    openHelp(QStringLiteral("Equation"));
}

void MainWindow::variableHelp()
{
    openHelp(QStringLiteral("Variable"));
}

void MainWindow::SOPHelp()
{
    openHelp(QStringLiteral("SOP"));
}

void MainWindow::importHelp()
{
    openHelp(QStringLiteral("Import"));
}

void MainWindow::circuitHelp()
{
    openHelp(QStringLiteral("Circuit"));
}

void MainWindow::createCircuitMenu()
{
    circuitView = named(new CircuitView(this), "circuitView");
    showCircuitAction = new QAction(QStringLiteral("Show Circuit\u2026"), this);
    showCircuitAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+G")));
    showCircuitAction->setStatusTip(QStringLiteral("Show the minimized function as logic gates"));
    saveCircuitImageAction = new QAction(QStringLiteral("Save Circuit Image\u2026"), this);
    saveCircuitImageAction->setStatusTip(QStringLiteral("Save the circuit as an SVG or PNG image"));
    saveCircuitImageAction->setEnabled(false);
    circuitHelpAction = new QAction(QStringLiteral("Circuit Help"), this);

    auto *circuitMenu = new QMenu(QStringLiteral("Circuit"), menuBar());
    circuitMenu->addAction(showCircuitAction);
    circuitMenu->addAction(saveCircuitImageAction);
    // Before Help, whatever menus stand before it.
    QAction *helpEntry = nullptr;
    for (QAction *entry : menuBar()->actions()) {
        if (entry->menu() && entry->text() == QLatin1String("Help"))
            helpEntry = entry;
    }
    menuBar()->insertMenu(helpEntry, circuitMenu);
    if (helpEntry)
        helpEntry->menu()->addAction(circuitHelpAction);
}

void MainWindow::connectCircuit()
{
    connect(minimizer, &Minimize::sendCover, circuitView, &CircuitView::showCover);
    connect(circuitView, &CircuitView::highlightGroups, kMapWidget, &kMap::updateCircles);
    connect(circuitView, &CircuitView::circuitAvailable, saveCircuitImageAction,
            &QAction::setEnabled);
    connect(resetButton, &QPushButton::clicked, circuitView, &CircuitView::clearCircuit);
    connect(variableCountManager, &VariableCountManager::signalUpdateVariableCount, circuitView,
            &CircuitView::clearCircuit);
    connect(importExport, &ImportExport::numVariables, circuitView, &CircuitView::clearCircuit);
    connect(showCircuitAction, &QAction::triggered, this, &MainWindow::showCircuit);
    connect(saveCircuitImageAction, &QAction::triggered, this, &MainWindow::saveCircuitImage);
    connect(circuitHelpAction, &QAction::triggered, this, &MainWindow::circuitHelp);
}

void MainWindow::showCircuit()
{
    circuitView->show();
    circuitView->raise();
    circuitView->activateWindow();
}

void MainWindow::saveCircuitImage()
{
    if (!circuitView->hasCircuit())
        return;
    const QString svgFilter = QStringLiteral("SVG image (*.svg)");
    QString chosenFilter = svgFilter;
    QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save Circuit Image"), QStringLiteral("./circuit.svg"),
        svgFilter + QStringLiteral(";;PNG image (*.png)"), &chosenFilter);
    if (fileName.isEmpty())
        return;
    const bool knownEnding = fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
                             fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (!knownEnding)
        fileName += chosenFilter == svgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
    QString error;
    if (!circuitView->saveImage(fileName, error))
        QMessageBox::warning(
            this, QStringLiteral("Save Circuit Image"),
            QStringLiteral("The circuit could not be saved to %1: %2").arg(fileName, error));
}

// Widgets are created without a parent unless they need one early; laying
// them out adopts them into the central widget.
void MainWindow::createWidgets()
{
    titleLabel = named(new QLabel(QStringLiteral("Tavolin")), "titleLabel");
    variablesButton =
        named(new QPushButton(QStringLiteral("       Variables       ")), "variablesButton");
    variablesButton->setStatusTip(QStringLiteral("Click to change the names of the variables"));
    variableCountManager = named(new VariableCountManager(), "variableCountManager");
    equationLabel = named(new QLabel(QStringLiteral("Equation = ")), "equationLabel");
    equationManager = named(new EquationManager(), "equationManager");
    truthTableLabel = named(new QLabel(QStringLiteral("Truth Table")), "truthTableLabel");
    kMapLabel = named(new QLabel(QStringLiteral("Karnaugh Map")), "kMapLabel");
    posRadio = named(new QRadioButton(QStringLiteral("POS Form"), this), "posRadio");
    posRadio->setStatusTip(QStringLiteral("Product of Sums format"));
    sopRadio = named(new QRadioButton(QStringLiteral("SOP Form"), this), "sopRadio");
    sopRadio->setStatusTip(QStringLiteral("Sum of Products format"));
    sopRadio->setChecked(true);
    fillTableButton = named(new QPushButton(QStringLiteral("Fill Table")), "fillTableButton");
    fillTableButton->setStatusTip(
        QStringLiteral("Input the given equation into the truth table and k-map"));
    resultLabel = named(new QLabel(QStringLiteral("Minimized Function = ")), "resultLabel");
    resultEdit = named(new QLineEdit(QString()), "resultEdit");
    resultEdit->setReadOnly(true);
    kMapWidget = named(new kMap(4, 4), "kMapWidget");
    truthTableWidget = named(new truthTable(16, 4), "truthTableWidget");
    // Never shown or laid out; the window is its parent only so that it is
    // deleted with the window.
    minimizer = named(new Minimize(this), "minimizer");
    resetButton = named(new QPushButton(QStringLiteral("Reset"), this), "resetButton");
    resetButton->setStatusTip(QStringLiteral("Resets truth table and k-map to zeros"));
    // Never shown either: it only parents the file dialogs and message boxes.
    importExport = named(new ImportExport(this), "importExport");
    importExport->hide();
    minimizeButton = named(new QPushButton(QStringLiteral("Minimize!")), "minimizeButton");
    minimizeButton->setStatusTip(QStringLiteral("Minimize the data in the truth table and k-map"));
    changeVarsPopup = named(new ChangeVarsPopup(4), "changeVarsPopup");
    importButton = named(new QPushButton(QStringLiteral("Import File")), "importButton");
    importButton->setStatusTip(
        QStringLiteral("Import data to the truth table and k-map from a .pla file"));
    exportButton = named(new QPushButton(QStringLiteral("Export File")), "exportButton");
    exportButton->setStatusTip(QStringLiteral("Export truth table and k-map data to a .pla file"));
}

QBoxLayout *MainWindow::createLayout()
{
    auto *titleRow = new QHBoxLayout();
    titleRow->addWidget(titleLabel, 0, Qt::AlignCenter);

    auto *controlRow = new QHBoxLayout();
    controlRow->addWidget(variablesButton, 0, Qt::AlignLeft);
    controlRow->addWidget(variableCountManager, 1, Qt::AlignLeft);
    controlRow->addWidget(importButton, 1, Qt::AlignLeft);
    controlRow->addWidget(exportButton, 1, Qt::AlignLeft);
    controlRow->addWidget(resetButton, 1, Qt::AlignRight);

    auto *equationRow = new QHBoxLayout();
    equationRow->addWidget(equationLabel);
    equationRow->addWidget(equationManager);
    equationRow->addWidget(fillTableButton);

    auto *tableLabelRow = new QHBoxLayout();
    tableLabelRow->addWidget(truthTableLabel, 0, Qt::AlignLeft);
    tableLabelRow->addWidget(kMapLabel, 0, Qt::AlignLeft);

    auto *tableRow = new QHBoxLayout();
    tableRow->addWidget(truthTableWidget);
    tableRow->addWidget(kMapWidget);

    auto *formRow = new QHBoxLayout();
    formRow->addWidget(sopRadio, 0, Qt::AlignLeft);
    formRow->addWidget(posRadio, 1, Qt::AlignLeft);

    auto *minimizeRow = new QHBoxLayout();
    minimizeRow->addWidget(minimizeButton);

    auto *resultRow = new QHBoxLayout();
    resultRow->addWidget(resultLabel, 0, Qt::AlignLeft);
    resultRow->addWidget(resultEdit);

    auto *rows = new QVBoxLayout();
    for (QBoxLayout *row : {titleRow, controlRow, equationRow, tableLabelRow, tableRow, formRow,
                            minimizeRow, resultRow})
        rows->addLayout(row, 0);
    return rows;
}

// Receivers of one signal run in the order they were connected: keep this
// order (Reset, the variable count and the click handler depend on it).
void MainWindow::connectWidgets()
{
    const auto namesOfSix =
        qOverload<const QString &, const QString &, const QString &, const QString &,
                  const QString &, const QString &>(&EquationManager::slotUpdateVariableNames);
    const auto namesInUse =
        qOverload<const QVector<QString> &>(&EquationManager::slotUpdateVariableNames);

    connect(equationManager, &EquationManager::returnPressed, fillTableButton, &QPushButton::click);
    connect(equationManager, &EquationManager::signalUpdateTruthTableValues, truthTableWidget,
            &truthTable::updateFromParser);
    connect(fillTableButton, &QPushButton::clicked, equationManager,
            &EquationManager::slotEvaluateEquation);
    connect(importExport, &ImportExport::changeNames, equationManager, namesOfSix);
    connect(importExport, &ImportExport::changeNames, minimizer, &Minimize::changeVarNames);
    connect(importExport, &ImportExport::changeNames, kMapWidget, &kMap::changeVarNames);
    connect(importExport, &ImportExport::changeNames, truthTableWidget,
            &truthTable::changeVarNames);
    connect(importExport, &ImportExport::mintermValues, truthTableWidget, &truthTable::setCell);
    connect(importExport, &ImportExport::numVariables, equationManager,
            &EquationManager::slotUpdateVariableCount);
    connect(importExport, &ImportExport::numVariables, truthTableWidget,
            &truthTable::changeNumberElements);
    connect(importExport, &ImportExport::numVariables, kMapWidget, &kMap::changeNumberElements);
    connect(importExport, &ImportExport::numVariables, variableCountManager,
            &VariableCountManager::slotSilentUpdateVariableCount);
    connect(importExport, &ImportExport::updateCell, kMapWidget, &kMap::updateCell);
    connect(importExport, &ImportExport::variableNames, changeVarsPopup,
            &ChangeVarsPopup::slotUpdateVariableNames);
    connect(resetButton, &QPushButton::clicked, equationManager,
            &EquationManager::slotResetEquation);
    connect(resetButton, &QPushButton::clicked, resultEdit, &QLineEdit::clear);
    connect(resetButton, &QPushButton::clicked, minimizer, &Minimize::resetMinimize);
    connect(resetButton, &QPushButton::clicked, kMapWidget, &kMap::resetMap);
    connect(resetButton, &QPushButton::clicked, truthTableWidget, &truthTable::resetTable);
    connect(resetButton, &QPushButton::clicked, changeVarsPopup, &ChangeVarsPopup::myReset);
    connect(resetButton, &QPushButton::clicked, sopRadio, &QRadioButton::toggle);
    connect(resetButton, &QPushButton::clicked, variableCountManager,
            &VariableCountManager::slotReset);
    connect(resetButton, &QPushButton::clicked, importExport, &ImportExport::resetIO);
    connect(minimizeButton, &QPushButton::clicked, truthTableWidget, &truthTable::emitSendMinterms);
    connect(minimizer, &Minimize::sendCircles, kMapWidget, &kMap::updateCircles);
    connect(minimizer, &Minimize::sendResult, resultEdit, &QLineEdit::setText);
    connect(truthTableWidget, &truthTable::cellClicked, truthTableWidget,
            &truthTable::getCellChanged);
    connect(truthTableWidget, &truthTable::cellModified, kMapWidget, &kMap::updateCell);
    connect(truthTableWidget, &truthTable::cellModified, truthTableWidget, &truthTable::setMinterm);
    connect(truthTableWidget, &truthTable::sendMintermList, importExport,
            &ImportExport::getMinterms);
    connect(truthTableWidget, &truthTable::sendMinterms, minimizer, &Minimize::miniClicked);
    connect(kMapWidget, &kMap::cellClicked, kMapWidget, &kMap::getCellChanged);
    connect(kMapWidget, &kMap::cellModified, truthTableWidget, &truthTable::updateCell);
    connect(sopRadio, &QRadioButton::toggled, minimizer, &Minimize::setSOP);
    connect(importButton, &QPushButton::clicked, importExport, &ImportExport::importFile);
    connect(exportButton, &QPushButton::clicked, importExport, &ImportExport::exportFile);
    connect(variableCountManager, &VariableCountManager::signalUpdateVariableCount, equationManager,
            &EquationManager::slotUpdateVariableCount);
    connect(variableCountManager, &VariableCountManager::signalUpdateVariableCount, changeVarsPopup,
            &ChangeVarsPopup::slotUpdateVariableCount);
    connect(variableCountManager, &VariableCountManager::signalUpdateVariableCount, kMapWidget,
            &kMap::changeNumberElements);
    connect(variableCountManager, &VariableCountManager::signalUpdateVariableCount,
            truthTableWidget, &truthTable::changeNumberElements);
    connect(changeVarsPopup, &ChangeVarsPopup::signalUpdateVariableNames, importExport,
            &ImportExport::getVariableNames);
    connect(changeVarsPopup, &ChangeVarsPopup::signalUpdateVariableNames, equationManager,
            namesInUse);
    connect(changeVarsPopup, &ChangeVarsPopup::completed, minimizer, &Minimize::changeVarNames);
    connect(changeVarsPopup, &ChangeVarsPopup::completed, truthTableWidget,
            &truthTable::changeVarNames);
    connect(changeVarsPopup, &ChangeVarsPopup::completed, kMapWidget, &kMap::changeVarNames);
    connect(variablesButton, &QPushButton::clicked, changeVarsPopup, &ChangeVarsPopup::show);
}
