// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitStyle.h"
#include "circuit/Netlist.h"
#include "minimize/JointCover.h"
#include "minimize/MinimizedCover.h"

#include <QFutureWatcher>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <atomic>
#include <memory>

class CircuitCanvas;
class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;

// The window with the last minimized function as gates: a style selector,
// the gate and gate-input counts, and the drawing. Hovering a gate asks for
// its terms' groups to be shown; leaving it asks for all groups again. With
// several outputs a check box swaps the map's output for the joint cover of
// every output, counted against the outputs built one by one.
class CircuitView : public QWidget
{
    Q_OBJECT
public:
    explicit CircuitView(QWidget *parent = nullptr);
    ~CircuitView() override;

    // False while the joint cover is still being searched for.
    bool hasCircuit() const { return haveCover && !jointPending; }
    CircuitStyle style() const;
    int fanIn() const;
    const Netlist &netlist() const { return currentNetlist; }
    // Writes the drawing as SVG or PNG (by the file name's ending).
    bool saveImage(const QString &fileName, QString &error) const;
    // Whether the drawing is the joint cover of every output.
    bool showsJointCover() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

signals:
    void highlightGroups(const QVector<QVector<int>> &groups);
    // Whether there is a circuit to save.
    void circuitAvailable(bool available);

public slots:
    void showCover(const MinimizedCover &minimized);
    // Forgets the circuit, for a table that no longer matches it.
    void clearCircuit();
    // Every output of the table (each column "01X..." of minterm 0 first);
    // the joint cover, when shown, follows them. The variable names and
    // form are those of the last cover shown.
    void setOutputs(int count, const QStringList &names, const QStringList &columns);
    // The output the map shows: a cover shown from now on is that output's
    // and its circuit takes that output's name.
    void setShownOutput(int output);

private:
    void rebuild();
    void rebuildJoint();
    // The joint cover is searched for in the background; the drawing waits
    // for it, and a newer function or the box unticked drops the search.
    void startJointSearch(const std::vector<std::vector<int>> &codes);
    void stopJointSearch();
    void jointFound();
    // The cell codes of every output for the cover's variable count.
    std::vector<std::vector<int>> outputCodes() const;
    // The name of the output the cover is of, empty for the one output f.
    QString coverOutputName() const;
    // Small circuits grow to fill the window, up to a limit; large ones
    // keep their natural size and scroll.
    void fitToWindow();
    void styleChosen(int index);
    void gateHovered(int node);
    void hoverEnded();
    static QVector<QVector<int>> toGroups(const std::vector<std::vector<int>> &groups);

    QComboBox *styleBox = nullptr;
    QSpinBox *fanInBox = nullptr;
    QCheckBox *jointBox = nullptr;
    QLabel *countsLabel = nullptr;
    QLabel *functionLabel = nullptr;
    QScrollArea *scrollArea = nullptr;
    CircuitCanvas *canvas = nullptr;
    MinimizedCover cover;
    Netlist currentNetlist;
    bool haveCover = false;
    bool highlighting = false;
    int outputsVariableCount = 0;
    QStringList outputNames;
    QStringList outputColumns;
    int shownOutput = 0;
    int coverOutput = 0; // the output the cover shown was minimized for
    // The joint cover last found, kept while its outputs and form stay.
    JointCover jointCover;
    std::vector<std::vector<int>> jointCodes;
    QFutureWatcher<JointCover> jointWatcher;
    std::shared_ptr<std::atomic<bool>> jointStop;
    std::vector<std::vector<int>> searchCodes; // what the running search covers
    bool jointPending = false;
};
