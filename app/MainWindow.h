#pragma once

#include <QMainWindow>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
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

private slots:
    void createMenus();

private:
    void createWidgets();
    QBoxLayout *createLayout();
    void connectWidgets();

    QLabel *titleLabel = nullptr;
    QPushButton *variablesButton = nullptr;
    QPushButton *fillTableButton = nullptr;
    VariableCountManager *variableCountManager = nullptr;
    QLabel *equationLabel = nullptr;
    QLabel *truthTableLabel = nullptr;
    QLabel *kMapLabel = nullptr;
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
};
