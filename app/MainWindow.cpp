// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/HelpMenu.h"
#include "app/VariableCountManager.h"
#include "check/AnswerPanel.h"
#include "check/ExerciseDialog.h"
#include "circuit/CircWriter.h"
#include "circuit/CircuitView.h"
#include "dialogs/ChangeVarsPopup.h"
#include "dialogs/OutputNamesDialog.h"
#include "edit/BulkEdit.h"
#include "edit/EditHistory.h"
#include "edit/TruthTableText.h"
#include "explain/StepsWindow.h"
#include "expression/EquationManager.h"
#include "files/AtomicFile.h"
#include "files/RecentFiles.h"
#include "format/ResultCopier.h"
#include "minimize/Minimize.h"
#include "outputs/JointResultsWindow.h"
#include "outputs/MultiOutputFunction.h"
#include "pla/ImportExport.h"
#include "tables/MapImage.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// Tests and scripts find the widgets by their member names.
template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QMenu *addMenu(QMenuBar &bar, const QString &title, const char *name = nullptr)
{
    QMenu *menu = bar.addMenu(title);
    if (name != nullptr)
        menu->setObjectName(QLatin1String(name));
    return menu;
}

// One menu entry: its text, its keys (none when empty), the object name
// tests and scripts find it by, and the hint the status bar shows.
QAction *addEntry(QMenu &menu, const QString &text, const QKeySequence &keys,
                  const char *name = nullptr, const QString &statusTip = QString())
{
    QAction *action = menu.addAction(text);
    action->setShortcut(keys);
    if (name != nullptr)
        action->setObjectName(QLatin1String(name));
    if (!statusTip.isEmpty())
        action->setStatusTip(statusTip);
    return action;
}

// A switch that starts as the user left it last time.
QAction *remembered(QAction *action, const char *settingsKey)
{
    action->setCheckable(true);
    action->setChecked(QSettings().value(QLatin1String(settingsKey), false).toBool());
    return action;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    createWidgets();
    QBoxLayout *rows = createLayout();
    connectWidgets();
    createMenus();
    connectEditing();
    connectSteps();
    connectCircuit();
    connectFileAndEditMenus();
    connectChecking();
    connectOutputs();
    setAcceptDrops(true);
    equationManager->installEventFilter(this);

    auto *centralWidget = new QWidget();
    centralWidget->setLayout(rows);
    setCentralWidget(centralWidget);

    // Open large enough to show a good part of the truth table at once.
    setWindowTitle(QStringLiteral("Tavolin"));
    resize(sizeHint().expandedTo(QSize(760, 720)));
    fitFirstStartToScreen();
}

MainWindow::~MainWindow()
{
    for (const QPointer<HelpMenu> &window : std::as_const(helpWindows))
        delete window.data();
    delete changeVarsPopup;
    delete outputNamesDialog;
}

// Every menu of the window, in the menu bar's order. An entry takes one line
// here; what it does is connected after the window's own connections.
void MainWindow::createMenus()
{
    fileMenu = addMenu(*menuBar(), tr("File"), "fileMenu");
    importAction = addEntry(*fileMenu, tr("Import…"), QStringLiteral("Ctrl+O"));
    exportAction = addEntry(*fileMenu, tr("Export…"), QStringLiteral("Ctrl+S"));
    recentMenu = named(fileMenu->addMenu(tr("Open Recent")), "recentMenu");
    fileMenu->addSeparator();
    saveMapImageAction = addEntry(*fileMenu, tr("Save Map Image…"), QStringLiteral("Ctrl+Shift+M"));
    fileMenu->addSeparator();
    quitAction = addEntry(*fileMenu, tr("Quit"), QStringLiteral("Ctrl+Q"));
    showRecentFiles(QStringList());

    editMenu = addMenu(*menuBar(), tr("Edit"), "editMenu");
    QAction *undo = editHistory->stack()->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction *redo = editHistory->stack()->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    editMenu->addAction(undo);
    editMenu->addAction(redo);
    editMenu->addSeparator();
    addBulkEdit(*editMenu, tr("Set All to 0"), BulkEdit::Kind::AllZero);
    addBulkEdit(*editMenu, tr("Set All to 1"), BulkEdit::Kind::AllOne);
    addBulkEdit(*editMenu, tr("Set All to X"), BulkEdit::Kind::AllDontCare);
    addBulkEdit(*editMenu, tr("Invert (Swap 0 and 1)"), BulkEdit::Kind::Invert);
    addBulkEdit(*editMenu, tr("Every X to 0"), BulkEdit::Kind::DontCareToZero);
    addBulkEdit(*editMenu, tr("Every X to 1"), BulkEdit::Kind::DontCareToOne);
    editMenu->addSeparator();
    copyTruthTableAction = addEntry(*editMenu, tr("Copy Truth Table"),
                                    QStringLiteral("Ctrl+Shift+T"), "copyTruthTableAction");
    pasteValuesAction =
        addEntry(*editMenu, tr("Paste Values"), QKeySequence(), "pasteValuesAction");
    editMenu->addSeparator();
    copyResultAction = addEntry(*editMenu, tr("Copy Result"), QStringLiteral("Ctrl+Shift+C"));
    copyAsMenu = named(editMenu->addMenu(tr("Copy As")), "copyAsMenu");
    editMenu->addSeparator();
    addOutputAction = addEntry(*editMenu, tr("Add Output"), QKeySequence(), "addOutputAction",
                               tr("Add an output column to the truth table"));
    removeOutputAction = addEntry(*editMenu, tr("Remove Output"), QKeySequence(),
                                  "removeOutputAction", tr("Remove the output the map shows"));
    removeOutputAction->setEnabled(false);
    outputNamesAction = addEntry(*editMenu, tr("Output Names…"), QKeySequence(),
                                 "outputNamesAction", tr("Rename the outputs"));

    QMenu *minimizeMenu = addMenu(*menuBar(), tr("Minimize"), "minimizeMenu");
    exactMinimumAction = remembered(
        addEntry(*minimizeMenu, tr("Exact Minimum"), QStringLiteral("Ctrl+Shift+E"),
                 "exactMinimumAction",
                 tr("Minimize! gives a cover with the fewest terms, then the fewest literals")),
        "minimize/exact");
    hazardFreeAction = remembered(
        addEntry(*minimizeMenu, tr("Hazard-Free Cover"), QStringLiteral("Ctrl+Shift+H"),
                 "hazardFreeAction",
                 tr("Minimize! covers every two adjacent cells of the same value by one term")),
        "minimize/hazardFree");
    minimizeMenu->addSeparator();
    showStepsAction = addEntry(*minimizeMenu, tr("Show Steps…"), QStringLiteral("Ctrl+Shift+P"),
                               "showStepsAction", tr("How the minimized function was found"));
    minimizeMenu->addSeparator();
    checkAnswerAction =
        addEntry(*minimizeMenu, tr("Check Answer…"), QStringLiteral("Ctrl+Shift+A"),
                 "checkAnswerAction", tr("Check your own expression against the function"));
    newExerciseAction =
        addEntry(*minimizeMenu, tr("New Exercise…"), QStringLiteral("Ctrl+Shift+N"),
                 "newExerciseAction", tr("Fill the table with a random function to minimize"));
    minimizeMenu->addSeparator();
    minimizeAllAction =
        addEntry(*minimizeMenu, tr("Minimize All Outputs…"), QStringLiteral("Ctrl+Shift+O"),
                 "minimizeAllAction", tr("Every output alone and together, with shared products"));

    QMenu *circuitMenu = addMenu(*menuBar(), tr("Circuit"));
    showCircuitAction = addEntry(*circuitMenu, tr("Show Circuit…"), QStringLiteral("Ctrl+Shift+G"),
                                 nullptr, tr("Show the minimized function as logic gates"));
    saveCircuitImageAction = addEntry(*circuitMenu, tr("Save Circuit Image…"), QKeySequence(),
                                      nullptr, tr("Save the circuit as an SVG or PNG image"));
    saveCircuitImageAction->setEnabled(false);
    exportCircuitAction =
        addEntry(*circuitMenu, tr("Export for Simulator…"), QKeySequence(), nullptr,
                 tr("Save the circuit as a file of the Logisim simulator (.circ)"));
    exportCircuitAction->setEnabled(false);

    // The help window's own topic table gives the entries, so the topic a
    // window opens is never a translated text.
    QMenu *helpMenu = addMenu(*menuBar(), tr("Help"));
    for (const HelpMenu::MenuEntry &entry : HelpMenu::menuEntries()) {
        QAction *action = addEntry(*helpMenu, entry.text, entry.keys);
        connect(action, &QAction::triggered, this,
                [this, topic = entry.topic] { openHelp(topic); });
    }
}

// After the 46 connections of connectWidgets(), whose order stays as it is:
// the remembered choices first, then every later toggle.
void MainWindow::connectSteps()
{
    minimizer->setExactMinimum(exactMinimumAction->isChecked());
    minimizer->setHazardFree(hazardFreeAction->isChecked());
    stepsWindow->setHazardFree(hazardFreeAction->isChecked());
    connect(exactMinimumAction, &QAction::toggled, minimizer, &Minimize::setExactMinimum);
    connect(exactMinimumAction, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(QStringLiteral("minimize/exact"), on); });
    connect(hazardFreeAction, &QAction::toggled, minimizer, &Minimize::setHazardFree);
    connect(hazardFreeAction, &QAction::toggled, stepsWindow, &StepsWindow::setHazardFree);
    connect(hazardFreeAction, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(QStringLiteral("minimize/hazardFree"), on); });
    connect(showStepsAction, &QAction::triggered, this, &MainWindow::showSteps);
    connect(truthTableWidget, &truthTable::sendMinterms, stepsWindow, &StepsWindow::setFunction);
    connect(truthTableWidget, &truthTable::sendMintermList, stepsWindow, &StepsWindow::setFunction);
    connect(minimizer, &Minimize::sendCover, stepsWindow, &StepsWindow::setCover);
    connect(stepsWindow, &StepsWindow::shadeGroups, kMapWidget, &kMap::updateCircles);
}

void MainWindow::showSteps()
{
    stepsWindow->show();
    stepsWindow->raise();
    stepsWindow->activateWindow();
}

void MainWindow::openHelp(const QString &topic)
{
    helpWindow = new HelpMenu(topic);
    helpWindows.append(helpWindow);
    helpWindow->fitScreen(screen()->availableGeometry());
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
    connect(circuitView, &CircuitView::circuitAvailable, exportCircuitAction, &QAction::setEnabled);
    connect(exportCircuitAction, &QAction::triggered, this, &MainWindow::exportForSimulator);
    connect(truthTableWidget, &truthTable::outputsChanged, circuitView, &CircuitView::setOutputs);
    connect(truthTableWidget, &truthTable::shownOutputChanged, circuitView,
            &CircuitView::setShownOutput);
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
    const QString svgFilter = tr("SVG image (*.svg)");
    QString chosenFilter = svgFilter;
    QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save Circuit Image"), QStringLiteral("./circuit.svg"),
        svgFilter + QStringLiteral(";;") + tr("PNG image (*.png)"), &chosenFilter);
    if (fileName.isEmpty())
        return;
    const bool knownEnding = fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
                             fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (!knownEnding)
        fileName += chosenFilter == svgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
    QString error;
    if (!circuitView->saveImage(fileName, error))
        QMessageBox::warning(this, tr("Save Circuit Image"),
                             tr("The circuit could not be saved to %1: %2").arg(fileName, error));
}

void MainWindow::exportForSimulator()
{
    if (!circuitView->hasCircuit())
        return;
    QString fileName = QFileDialog::getSaveFileName(this, tr("Export for Simulator"),
                                                    QStringLiteral("./circuit.circ"),
                                                    tr("Logisim circuit (*.circ)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QLatin1String(".circ"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".circ");
    QString error;
    const std::string text = CircWriter::write(circuitView->netlist());
    if (!AtomicFile::write(fileName, QByteArray::fromStdString(text), error))
        QMessageBox::warning(this, tr("Export for Simulator"),
                             tr("The circuit could not be saved to %1: %2").arg(fileName, error));
}

// Widgets are created without a parent unless they need one early; laying
// them out adopts them into the central widget.
void MainWindow::createWidgets()
{
    titleLabel = named(new QLabel(QStringLiteral("Tavolin")), "titleLabel");
    variablesButton = named(new QPushButton(tr("       Variables       ")), "variablesButton");
    variablesButton->setStatusTip(tr("Click to change the names of the variables"));
    variableCountManager = named(new VariableCountManager(), "variableCountManager");
    equationLabel = named(new QLabel(tr("Equation = ")), "equationLabel");
    equationManager = named(new EquationManager(), "equationManager");
    truthTableLabel = named(new QLabel(tr("Truth Table")), "truthTableLabel");
    kMapLabel = named(new QLabel(tr("Karnaugh Map")), "kMapLabel");
    outputSelector = named(new QComboBox(this), "outputSelector");
    outputSelector->setStatusTip(tr("The output the map shows"));
    outputSelector->hide();
    posRadio = named(new QRadioButton(tr("POS Form"), this), "posRadio");
    posRadio->setStatusTip(tr("Product of Sums format"));
    sopRadio = named(new QRadioButton(tr("SOP Form"), this), "sopRadio");
    sopRadio->setStatusTip(tr("Sum of Products format"));
    sopRadio->setChecked(true);
    fillTableButton = named(new QPushButton(tr("Fill Table")), "fillTableButton");
    fillTableButton->setStatusTip(tr("Input the given equation into the truth table and k-map"));
    resultLabel = named(new QLabel(tr("Minimized Function = ")), "resultLabel");
    resultEdit = named(new QLineEdit(QString()), "resultEdit");
    resultEdit->setReadOnly(true);
    kMapWidget = named(new kMap(4, 4), "kMapWidget");
    truthTableWidget = named(new truthTable(16, 4), "truthTableWidget");
    // Never shown or laid out; the window is its parent only so that it is
    // deleted with the window.
    minimizer = named(new Minimize(this), "minimizer");
    resetButton = named(new QPushButton(tr("Reset"), this), "resetButton");
    resetButton->setStatusTip(tr("Resets truth table and k-map to zeros"));
    // Never shown either: it only parents the file dialogs and message boxes.
    importExport = named(new ImportExport(this), "importExport");
    importExport->hide();
    minimizeButton = named(new QPushButton(tr("Minimize!")), "minimizeButton");
    minimizeButton->setStatusTip(tr("Minimize the data in the truth table and k-map"));
    changeVarsPopup = named(new ChangeVarsPopup(4), "changeVarsPopup");
    importButton = named(new QPushButton(tr("Import File")), "importButton");
    importButton->setStatusTip(tr("Import data to the truth table and k-map from a .pla file"));
    exportButton = named(new QPushButton(tr("Export File")), "exportButton");
    exportButton->setStatusTip(tr("Export truth table and k-map data to a .pla file"));

    // The windows and helpers the menus reach. The undo history starts from
    // the function the table shows now.
    FunctionState start;
    start.variableCount = truthTableWidget->variableCount();
    start.names = truthTableWidget->variableNames();
    start.values = truthTableWidget->outputValues();
    editHistory = named(new EditHistory(start, this), "editHistory");
    stepsWindow = named(new StepsWindow(this), "stepsWindow");
    circuitView = named(new CircuitView(this), "circuitView");
    recentFiles = new RecentFiles(this);
    resultCopier = named(new ResultCopier(this), "resultCopier");
    outputNamesDialog = named(new OutputNamesDialog(), "outputNamesDialog");
    jointResults = named(new JointResultsWindow(this), "jointResultsWindow");
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
    mapLabelRow = tableLabelRow;

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

// A bulk edit is one user action: the table sets the changed rows, the map
// and the export follow as for any edit, and the history closes one step.
void MainWindow::addBulkEdit(QMenu &menu, const QString &text, BulkEdit::Kind kind)
{
    QAction *action = menu.addAction(text);
    connect(action, &QAction::triggered, this, [this, kind] {
        const int output = truthTableWidget->shownOutput();
        const std::string values = truthTableWidget->outputColumnTexts().at(output).toStdString();
        truthTableWidget->setColumnValues(output,
                                          QString::fromStdString(BulkEdit::apply(kind, values)));
        editHistory->record();
    });
}

void MainWindow::copyTruthTable()
{
    std::vector<std::string> names;
    for (const QString &name : truthTableWidget->variableNames())
        names.push_back(name.toStdString());
    // One column per output, each headed by its name.
    std::vector<std::string> outputNames;
    for (const QString &name : truthTableWidget->outputNames())
        outputNames.push_back(name.toStdString());
    std::vector<std::string> columns;
    for (const QString &column : truthTableWidget->outputColumnTexts())
        columns.push_back(column.toStdString());
    const std::string text = TruthTableText::tabSeparated(names, outputNames, columns);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

// The menu entry pastes into the map when the map has the focus, else into
// the truth table.
void MainWindow::pasteValues()
{
    if (focusWidget() == kMapWidget)
        kMapWidget->pasteValues();
    else
        truthTableWidget->pasteValues();
}

// After the window's own connections: the history learns every change the
// export learns, closes one step at the end of each user action, and hands
// undone states back through the slots the user's choices reach.
void MainWindow::connectEditing()
{
    connect(truthTableWidget, &truthTable::outputsChanged, editHistory, &EditHistory::noteOutputs);
    connect(changeVarsPopup, &ChangeVarsPopup::signalUpdateVariableNames, editHistory,
            &EditHistory::noteNames);
    connect(truthTableWidget, &truthTable::cellClicked, editHistory, &EditHistory::record);
    connect(kMapWidget, &kMap::cellClicked, editHistory, &EditHistory::record);
    connect(truthTableWidget, &truthTable::valuesEdited, editHistory, &EditHistory::record);
    connect(kMapWidget, &kMap::valuesEdited, editHistory, &EditHistory::record);
    connect(fillTableButton, &QPushButton::clicked, editHistory, &EditHistory::record);
    connect(importButton, &QPushButton::clicked, editHistory, &EditHistory::record);
    connect(resetButton, &QPushButton::clicked, editHistory, &EditHistory::record);
    connect(variableCountManager, &QComboBox::activated, editHistory, &EditHistory::record);
    connect(editHistory, &EditHistory::restoreVariableCount, variableCountManager,
            &VariableCountManager::slotUpdateVariableCount);
    connect(editHistory, &EditHistory::restoreNames, changeVarsPopup,
            &ChangeVarsPopup::slotUpdateVariableNames);
    connect(editHistory, &EditHistory::restoreValues, truthTableWidget,
            &truthTable::setOutputValues);
    connect(copyTruthTableAction, &QAction::triggered, this, &MainWindow::copyTruthTable);
    connect(pasteValuesAction, &QAction::triggered, this, &MainWindow::pasteValues);
}

// After every other connection: the outputs beside the first, which map
// shows, and the result naming its output while there are several.
void MainWindow::connectOutputs()
{
    connect(addOutputAction, &QAction::triggered, truthTableWidget, &truthTable::addOutput);
    connect(addOutputAction, &QAction::triggered, editHistory, &EditHistory::record);
    connect(removeOutputAction, &QAction::triggered, truthTableWidget,
            &truthTable::removeShownOutput);
    connect(removeOutputAction, &QAction::triggered, editHistory, &EditHistory::record);
    connect(editHistory, &EditHistory::restoreOutputs, truthTableWidget, &truthTable::setOutputs);
    connect(truthTableWidget, &truthTable::outputsChanged, importExport, &ImportExport::getOutputs);
    connect(importExport, &ImportExport::importStarted, truthTableWidget,
            [this] { truthTableWidget->showOutput(0); });
    connect(importExport, &ImportExport::outputsImported, truthTableWidget,
            &truthTable::setOutputs);
    connect(outputSelector, &QComboBox::activated, truthTableWidget, &truthTable::showOutput);
    connect(truthTableWidget, &truthTable::outputsChanged, this, &MainWindow::showOutputs);
    connect(truthTableWidget, &truthTable::shownOutputChanged, this, &MainWindow::showOutputs);
    connect(minimizer, &Minimize::sendResult, this, &MainWindow::nameResult);
    connect(outputNamesAction, &QAction::triggered, this, &MainWindow::editOutputNames);
    // With one output a variable may still be called f, as it always could.
    // While a file is read its outputs replace the shown ones, so its
    // variables may take names the old outputs had.
    const auto tellNamesDialog = [this] {
        const QStringList names = truthTableWidget->outputNames();
        changeVarsPopup->setOutputNames(names.size() > 1 && !importing ? names : QStringList());
    };
    connect(truthTableWidget, &truthTable::outputsChanged, changeVarsPopup, tellNamesDialog);
    connect(importExport, &ImportExport::importStarted, changeVarsPopup, [this, tellNamesDialog] {
        importing = true;
        tellNamesDialog();
    });
    connect(importExport, &ImportExport::outputsImported, changeVarsPopup, [this, tellNamesDialog] {
        importing = false;
        tellNamesDialog();
    });
    connect(outputNamesDialog, &OutputNamesDialog::namesAccepted, truthTableWidget,
            &truthTable::renameOutputs);
    connect(outputNamesDialog, &OutputNamesDialog::namesAccepted, editHistory,
            &EditHistory::record);
    connectJointResults();
    connect(truthTableWidget, &truthTable::outputsChanged, stepsWindow, &StepsWindow::setOutputs);
    showOutputs();
}

// The results follow the function while they are open, as the steps do.
void MainWindow::connectJointResults()
{
    connect(minimizeAllAction, &QAction::triggered, this, &MainWindow::minimizeAllOutputs);
    connect(truthTableWidget, &truthTable::outputsChanged, this, &MainWindow::refreshJointResults);
    connect(sopRadio, &QRadioButton::toggled, this, &MainWindow::refreshJointResults);
    connect(changeVarsPopup, &ChangeVarsPopup::completed, this, &MainWindow::refreshJointResults);
    connect(truthTableWidget, &truthTable::shownOutputChanged, jointResults,
            &JointResultsWindow::setShownOutput);
    connect(jointResults, &JointResultsWindow::shadeGroups, this,
            [this](int output, const QVector<QVector<int>> &groups) {
                truthTableWidget->showOutput(output);
                kMapWidget->updateCircles(groups);
            });
}

void MainWindow::minimizeAllOutputs()
{
    jointResults->show();
    refreshJointResults();
    jointResults->raise();
    jointResults->activateWindow();
}

void MainWindow::refreshJointResults()
{
    if (!jointResults->isVisible())
        return;
    jointResults->setShownOutput(truthTableWidget->shownOutput());
    jointResults->setFunction(
        truthTableWidget->variableNames().mid(0, truthTableWidget->variableCount()),
        truthTableWidget->outputNames(), truthTableWidget->outputColumnTexts(),
        sopRadio->isChecked());
}

void MainWindow::showOutputs()
{
    const QStringList names = truthTableWidget->outputNames();
    const int shown = truthTableWidget->shownOutput();
    const bool several = names.size() > 1;
    QStringList listed;
    for (int i = 0; i < outputSelector->count(); ++i)
        listed << outputSelector->itemText(i);
    if (listed != names) {
        outputSelector->clear();
        outputSelector->addItems(names);
    }
    outputSelector->setCurrentIndex(shown);
    if (several && mapLabelRow->indexOf(outputSelector) < 0)
        mapLabelRow->addWidget(outputSelector, 0, Qt::AlignLeft);
    outputSelector->setVisible(several);
    kMapLabel->setText(several ? tr("Karnaugh Map of %1").arg(names.value(shown))
                               : tr("Karnaugh Map"));
    removeOutputAction->setEnabled(several);
    minimizeAllAction->setEnabled(several);
    addOutputAction->setEnabled(names.size() < MultiOutputFunction::maxOutputs);
}

void MainWindow::editOutputNames()
{
    outputNamesDialog->setNames(QStringList(truthTableWidget->variableNames()),
                                truthTableWidget->outputNames());
    outputNamesDialog->show();
    outputNamesDialog->raise();
    outputNamesDialog->activateWindow();
}

// With several outputs the result says which one it is.
void MainWindow::nameResult(const QString &result)
{
    if (truthTableWidget->outputCount() > 1 && !result.isEmpty())
        resultEdit->setText(
            QStringLiteral("%1 = %2").arg(truthTableWidget->minimizedOutputName(), result));
}

// The File and Edit menus, recent files, drops and the remembered session.

namespace {

QString mapImageTitle()
{
    return MainWindow::tr("Save Map Image");
}

QString copyTitle()
{
    return MainWindow::tr("Copy");
}

QString pathOfDroppedPla(const QMimeData *data)
{
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(QLatin1String(".pla"), Qt::CaseInsensitive))
            return path;
    }
    return QString();
}

} // namespace

// After the 46 connections of connectWidgets(), which keep their order.
void MainWindow::connectFileAndEditMenus()
{
    // The menu entries reach the very slots the buttons reach.
    connect(importAction, &QAction::triggered, importExport, &ImportExport::importFile);
    connect(exportAction, &QAction::triggered, importExport, &ImportExport::exportFile);
    connect(saveMapImageAction, &QAction::triggered, this, &MainWindow::saveMapImage);
    connect(quitAction, &QAction::triggered, this, [] { QApplication::closeAllWindows(); });
    connect(importExport, &ImportExport::fileUsed, this, &MainWindow::useFile);
    connect(recentFiles, &RecentFiles::changed, this, &MainWindow::showRecentFiles);

    connect(copyResultAction, &QAction::triggered, this, &MainWindow::copyResult);
    for (const OutputFormatName &name : outputFormatNames()) {
        if (name.format == OutputFormat::Text)
            continue;
        QAction *action = copyAsMenu->addAction(QString::fromLatin1(name.title));
        const OutputFormat format = name.format;
        connect(action, &QAction::triggered, resultCopier,
                [this, format] { resultCopier->copyAs(format); });
    }
    connect(minimizer, &Minimize::sendCover, resultCopier, &ResultCopier::setCover);
    connect(changeVarsPopup, &ChangeVarsPopup::completed, resultCopier, &ResultCopier::setNames);
    connect(importExport, &ImportExport::changeNames, resultCopier, &ResultCopier::setNames);
    connect(resetButton, &QPushButton::clicked, resultCopier, &ResultCopier::reset);
    connect(resultCopier, &ResultCopier::refused, this, &MainWindow::refuseCopy);
    connect(resultCopier, &ResultCopier::copied, this, &MainWindow::confirmCopy);
    connect(sopRadio, &QRadioButton::toggled, this, [this] { saveSession(); });
}

bool MainWindow::openFile(const QString &fileName)
{
    return importExport->importFrom(fileName);
}

void MainWindow::useFile(const QString &fileName)
{
    recentFiles->add(fileName);
    importExport->setStartFolder(QFileInfo(fileName).absolutePath());
    saveSession();
}

void MainWindow::showRecentFiles(const QStringList &paths)
{
    recentMenu->clear();
    for (const QString &path : paths) {
        QAction *entry = recentMenu->addAction(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    recentMenu->setEnabled(!paths.isEmpty());
    if (paths.isEmpty())
        return;
    recentMenu->addSeparator();
    QAction *clear = recentMenu->addAction(tr("Clear List"));
    connect(clear, &QAction::triggered, recentFiles, &RecentFiles::clear);
}

void MainWindow::saveMapImage()
{
    QString filter;
    const QString pngFilter = tr("PNG image (*.png)");
    const QString svgFilter = tr("SVG image (*.svg)");
    QString fileName = QFileDialog::getSaveFileName(
        this, mapImageTitle(),
        QDir(importExport->startFolder()).filePath(QStringLiteral("map.png")),
        pngFilter + QStringLiteral(";;") + svgFilter, &filter);
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += filter == svgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (saveMapImageTo(fileName)) {
        importExport->setStartFolder(QFileInfo(fileName).absolutePath());
        saveSession();
    }
}

bool MainWindow::saveMapImageTo(const QString &fileName)
{
    QString error;
    if (MapImage::writeShown(*kMapWidget, fileName, error))
        return true;
    QMessageBox::warning(
        this, mapImageTitle(),
        tr("Could not write %1: %2.").arg(QDir::toNativeSeparators(fileName), error));
    return false;
}

void MainWindow::copyResult()
{
    if (resultEdit->text().isEmpty()) {
        refuseCopy(tr("There is no minimized function to copy yet: press \"Minimize!\" first."));
        return;
    }
    QGuiApplication::clipboard()->setText(resultEdit->text());
    confirmCopy();
}

// In the status bar, where the program has one (it is made in main()).
void MainWindow::confirmCopy()
{
    if (auto *bar = findChild<QStatusBar *>())
        bar->showMessage(tr("Copied to the clipboard."), 3000);
}

void MainWindow::refuseCopy(const QString &message)
{
    QMessageBox::warning(this, copyTitle(), message);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!pathOfDroppedPla(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched != equationManager ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QMainWindow::eventFilter(watched, event);
    auto *drag = static_cast<QDropEvent *>(event);
    if (pathOfDroppedPla(drag->mimeData()).isEmpty())
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::Drop)
        dropEvent(drag);
    else
        drag->acceptProposedAction();
    return true;
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = pathOfDroppedPla(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}

// The minimum the window asks for may exceed a small screen (a 1366 x 768
// laptop, or 200 % scaling): keep the whole window, title bar included,
// inside the screen's available area. The layout works down to 700 x 480.
void MainWindow::fitFirstStartToScreen()
{
    const QScreen *shownOn = screen();
    if (shownOn == nullptr)
        return;
    const QRect available = shownOn->availableGeometry();
    // Room for the window frame, which is not known before the window is shown.
    const QSize frame(16, 48);
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    if (size().width() > room.width() || size().height() > room.height())
        resize(size().boundedTo(room));
}

void MainWindow::restoreSession()
{
    QSettings settings;
    if (settings.contains(QStringLiteral("window/geometry")))
        restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    if (settings.value(QStringLiteral("window/form")).toString() == QLatin1String("POS"))
        posRadio->setChecked(true);
    recentFiles->setPaths(settings.value(QStringLiteral("files/recent")).toStringList());
    const QString folder = settings.value(QStringLiteral("files/lastFolder")).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        importExport->setStartFolder(folder);
    sessionRestored = true;
}

void MainWindow::saveSession()
{
    if (!sessionRestored)
        return;
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/form"),
                      posRadio->isChecked() ? QStringLiteral("POS") : QStringLiteral("SOP"));
    settings.setValue(QStringLiteral("files/recent"), recentFiles->paths());
    settings.setValue(QStringLiteral("files/lastFolder"), importExport->startFolder());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSession();
    QMainWindow::closeEvent(event);
}

// Checking answers and exercises, after every earlier connection.
void MainWindow::connectChecking()
{
    answerPanel = new AnswerPanel([this] {
        AnswerPanel::Function function;
        function.variables = truthTableWidget->variableCount();
        function.values =
            truthTableWidget->outputColumnTexts().value(truthTableWidget->shownOutput());
        function.names = truthTableWidget->variableNames();
        function.productOfSums = posRadio->isChecked();
        return function;
    });
    answerDock = named(new QDockWidget(tr("Check Answer"), this), "answerDock");
    answerDock->setWidget(answerPanel);
    answerDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::RightDockWidgetArea, answerDock);
    answerDock->hide();

    connect(checkAnswerAction, &QAction::triggered, this, &MainWindow::showAnswerPanel);
    connect(newExerciseAction, &QAction::triggered, this, &MainWindow::newExercise);
    for (ValueGrid *grid :
         {static_cast<ValueGrid *>(kMapWidget), static_cast<ValueGrid *>(truthTableWidget)})
        connect(answerPanel, &AnswerPanel::cellFlagsChanged, grid, &ValueGrid::setCellFlags);
    // A verdict on another function, form or set of names would mislead.
    connect(truthTableWidget, &truthTable::sendMintermList, answerPanel,
            &AnswerPanel::forgetVerdict);
    connect(sopRadio, &QRadioButton::toggled, answerPanel, &AnswerPanel::forgetVerdict);
    connect(truthTableWidget, &truthTable::shownOutputChanged, answerPanel,
            &AnswerPanel::forgetVerdict);
    connect(changeVarsPopup, &ChangeVarsPopup::signalUpdateVariableNames, answerPanel,
            &AnswerPanel::forgetVerdict);
    // The dock also hides while the window is being destroyed: the handler
    // must not reach through the window then.
    connect(answerDock, &QDockWidget::visibilityChanged, answerPanel,
            [dock = answerDock, panel = answerPanel](bool visible) {
                if (!visible && !dock->isVisible())
                    panel->forgetVerdict();
            });
    // An exercise's solution shows once an answer was checked or Minimize!
    // pressed.
    connect(answerPanel, &AnswerPanel::checked, this, [this] {
        if (exerciseUnsolved)
            minimizeButton->click();
    });
    connect(minimizer, &Minimize::sendResult, this, [this] {
        exerciseUnsolved = false;
        resultEdit->setPlaceholderText(QString());
    });
    connect(resetButton, &QPushButton::clicked, this, [this] {
        exerciseUnsolved = false;
        resultEdit->setPlaceholderText(QString());
        answerPanel->setExerciseNote(QString());
    });
}

void MainWindow::showAnswerPanel()
{
    // The panel takes room of its own instead of squeezing the map.
    if (!answerDock->isVisible() && !isMaximized() && !isFullScreen())
        resize(width() + answerDock->sizeHint().width(), height());
    answerDock->show();
    answerDock->raise();
    answerPanel->focusAnswer();
}

void MainWindow::newExercise()
{
    Exercise start;
    start.variables = truthTableWidget->variableCount();
    start.form =
        posRadio->isChecked() ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    start.seed = QRandomGenerator::global()->bounded(1U, Exercise::largestSeed + 1);
    ExerciseDialog dialog(start, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Exercise exercise = dialog.exercise();
    variableCountManager->slotUpdateVariableCount(exercise.variables);
    (exercise.form == MinimizationForm::ProductOfSums ? posRadio : sopRadio)->setChecked(true);
    truthTableWidget->setColumnValues(truthTableWidget->shownOutput(),
                                      QString::fromStdString(exercise.cells()));
    editHistory->record();
    resultEdit->clear();
    kMapWidget->updateCircles({});
    exerciseUnsolved = true;
    resultEdit->setPlaceholderText(
        tr("The solution shows once you check an answer or press Minimize!"));
    answerPanel->setExerciseNote(
        tr("Exercise %1: minimize the function in the table as a %2, then check your answer.")
            .arg(exercise.seed)
            .arg(exercise.form == MinimizationForm::ProductOfSums ? tr("product of sums")
                                                                  : tr("sum of products")));
    showAnswerPanel();
}
