// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

namespace BulkEdit {
enum class Kind;
}

class AnswerPanel;
class ChangeVarsPopup;
class OutputNamesDialog;
class EditHistory;
class CircuitView;
class RecentFiles;
class ResultCopier;
class EquationManager;
class HelpMenu;
class JointResultsWindow;
class ImportExport;
class Minimize;
class QAction;
class QBoxLayout;
class QDockWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class StepsWindow;
class VariableCountManager;
class kMap;
class truthTable;

// The one window of the program. It owns no logic: it creates every widget
// once, lays them out in eight rows and connects them. After construction
// the widgets talk to each other only through these connections, and the
// order of the connections is part of the behaviour.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Imports a file as the "Import File" button does once a file is chosen
    // (a file named on the command line, dropped, or picked from the recent
    // list); an error shows the import's own message box.
    bool openFile(const QString &fileName);
    // Draws the map as shown into a PNG or SVG file (".svg" is SVG).
    bool saveMapImageTo(const QString &fileName);
    // Reads size, position, form, recent files and the last folder from the
    // settings and writes them back from then on. Without this call (as in
    // tests) the window neither reads nor writes any setting.
    void restoreSession();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // A .pla file dropped on the equation field is imported too, not typed.
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void createMenus();
    void truthTableHelp();
    void kmapHelp();
    void equationHelp();
    void variableHelp();
    void SOPHelp();
    void importHelp();
    void showSteps();
    void copyTruthTable();
    void pasteValues();
    void showCircuit();
    void saveCircuitImage();
    void exportForSimulator();
    void saveMapImage();
    void copyResult();
    void useFile(const QString &fileName);
    void showRecentFiles(const QStringList &paths);
    void refuseCopy(const QString &message);
    void confirmCopy();
    void showAnswerPanel();
    void newExercise();
    void showOutputs();
    void editOutputNames();
    void nameResult(const QString &result);
    void minimizeAllOutputs();
    void refreshJointResults();

private:
    // The widgets, then the windows and helpers the menus reach.
    void createWidgets();
    QBoxLayout *createLayout();
    void connectWidgets();
    void openHelp(const QString &topic);
    // The wiring of the menus and the windows they open, after the
    // widgets' own connections and in this order.
    void connectEditing();
    void connectSteps();
    void connectCircuit();
    void connectFileAndEditMenus();
    void connectChecking();
    void connectOutputs();
    void connectJointResults();
    void addBulkEdit(QMenu &menu, const QString &text, BulkEdit::Kind kind);
    void saveSession();
    void fitFirstStartToScreen();

    QLabel *titleLabel = nullptr;
    QPushButton *variablesButton = nullptr;
    QPushButton *fillTableButton = nullptr;
    // A top-level window of its own; deleted by the main window's destructor.
    ChangeVarsPopup *changeVarsPopup = nullptr;
    Minimize *minimizer = nullptr;
    ImportExport *importExport = nullptr;
    VariableCountManager *variableCountManager = nullptr;
    QLabel *equationLabel = nullptr;
    EquationManager *equationManager = nullptr;
    QLabel *truthTableLabel = nullptr;
    QLabel *kMapLabel = nullptr;
    // Which output the map shows; seen only while there are several, and
    // laid out beside the map's label once there are.
    QComboBox *outputSelector = nullptr;
    QBoxLayout *mapLabelRow = nullptr;
    QRadioButton *sopRadio = nullptr;
    QRadioButton *posRadio = nullptr;
    QLabel *resultLabel = nullptr;
    QLineEdit *resultEdit = nullptr;
    truthTable *truthTableWidget = nullptr;
    kMap *kMapWidget = nullptr;
    QPushButton *minimizeButton = nullptr;
    QPushButton *resetButton = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *exportButton = nullptr;
    QAction *exactMinimumAction = nullptr;
    QAction *hazardFreeAction = nullptr;
    QAction *showStepsAction = nullptr;
    // A window of its own, one per main window, deleted with it.
    StepsWindow *stepsWindow = nullptr;
    HelpMenu *helpWindow = nullptr;
    // Undo, redo and the edits of the whole function.
    EditHistory *editHistory = nullptr;
    QMenu *editMenu = nullptr;
    QAction *copyTruthTableAction = nullptr;
    QAction *pasteValuesAction = nullptr;
    QAction *addOutputAction = nullptr;
    QAction *removeOutputAction = nullptr;
    QAction *outputNamesAction = nullptr;
    // A top-level window of its own, as the names dialog; deleted by the
    // main window's destructor.
    OutputNamesDialog *outputNamesDialog = nullptr;
    // Help windows are top-level windows of their own; they stay open after
    // the next one opens and are deleted with the main window.
    QList<QPointer<HelpMenu>> helpWindows;

    // A window of its own, child of this one, refreshed after each Minimize!.
    CircuitView *circuitView = nullptr;
    QAction *showCircuitAction = nullptr;
    QAction *saveCircuitImageAction = nullptr;
    QAction *exportCircuitAction = nullptr;
    QMenu *fileMenu = nullptr;
    QMenu *recentMenu = nullptr;
    QMenu *copyAsMenu = nullptr;
    QAction *importAction = nullptr;
    QAction *exportAction = nullptr;
    QAction *saveMapImageAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *copyResultAction = nullptr;
    RecentFiles *recentFiles = nullptr;
    ResultCopier *resultCopier = nullptr;
    bool sessionRestored = false;

    // Checking answers: a panel docked beside the map, and the exercise
    // whose solution stays out of the result field until it is asked for.
    QDockWidget *answerDock = nullptr;
    AnswerPanel *answerPanel = nullptr;
    QAction *checkAnswerAction = nullptr;
    QAction *newExerciseAction = nullptr;
    bool exerciseUnsolved = false;
    // From the start of a file's import until its outputs are in place.
    bool importing = false;

    // Every output minimized alone and together, in a window of its own.
    JointResultsWindow *jointResults = nullptr;
    QAction *minimizeAllAction = nullptr;
};
