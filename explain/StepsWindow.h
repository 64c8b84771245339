// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/Explainer.h"
#include "explain/ExplanationDocument.h"
#include "explain/JointExplanation.h"
#include "minimize/ExactCover.h"
#include "minimize/MinimizedCover.h"

#include <QFutureWatcher>
#include <QList>
#include <QStringList>
#include <QTableWidgetItem>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <atomic>
#include <memory>

class QLabel;
class QTabWidget;
class QTableView;
class QTableWidget;

// The steps window: how the last "Minimize!" found its answer, in tabs for
// the tabulation, the primes, the chart, the choices and the solutions. It
// follows the truth table (every change re-explains the function) and the
// minimizer (form and names of the last "Minimize!"). Selecting primes or a
// solution asks for their groups to be shaded; selecting none asks for the
// shading "Minimize!" left. Counting the minimum solutions and the
// hazard-free search run on a worker thread. While the function has several
// outputs a last tab shows their joint cover with its chart, minimized on a
// worker thread too; the other tabs keep to the output the map shows.
class StepsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StepsWindow(QWidget *parent = nullptr);
    ~StepsWindow() override;

    // Minimum solutions counted before "at least" and listed in the window.
    static constexpr std::uint64_t countCap = ExactCover::usualCountCap;
    static constexpr std::size_t listLimit = 50;

    const Explanation &explanation() const { return current; }
    // The joint cover of every output, once found while there are several.
    const JointExplanation *jointExplanation() const { return jointFound ? &joint : nullptr; }
    // The words the pages, copies and saved files are written with, in the
    // program's language.
    static ExplanationPhrases phrases();
    // Markdown (.md), HTML (.html, .htm) or PDF (.pdf) by the file's suffix.
    bool saveTo(const QString &fileName);

signals:
    void shadeGroups(const QVector<QVector<int>> &groups);
    // The window shows a new explanation; `complete` once the solutions
    // (and the hazard-free cover when asked for) are in.
    void refreshed(bool complete);

public slots:
    void setFunction(int size, const QList<QTableWidgetItem *> &items);
    // The number of variables, every output's name and its column (one
    // character per row), as the truth table announces them.
    void setOutputs(int variables, const QStringList &names, const QStringList &columns);
    void setCover(const MinimizedCover &cover);
    void setHazardFree(bool on);
    void saveAs();
    void copy();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Extras
    {
        SolutionList solutions;
        HazardFreeResult hazardFree;
    };

    void scheduleRefresh();
    void refresh();
    void rebuildTabs();
    void buildPage(int index);
    QWidget *sectionPage(const std::vector<const DocumentSection *> &sections);
    QTableWidget *tableOf(const DocumentTable &table, const std::string &section, int index);
    void decorateChart(QTableWidget *chart);
    static void fitColumns(QTableWidget *widget, const DocumentTable &table);
    void startExtras();
    void extrasDone();
    void cancelExtras();
    void startJoint();
    void jointDone();
    void cancelJoint();
    // refreshed(true) once neither worker has anything left to report.
    void reportIfComplete();
    // Drops the built content of a page, to be built again when shown.
    void dropPage(int index);
    QWidget *jointPage();
    QTableView *jointChartView();
    // The explanation as saved and copied: the joint cover's sections
    // follow the map's output's while there are several outputs.
    ExplanationDocument fullDocument() const;
    void selectionChanged(QTableWidget *source);
    void clearSelection();
    // The primes a selected row stands for, or none.
    std::vector<int> primesOfRow(const QTableWidget *table, int row) const;
    // The same in the joint cover's tables, numbers of its primes.
    std::vector<int> jointPrimesOfRow(const QTableWidget *table, int row) const;

    const ExplanationPhrases wording;
    Explainer explainer;
    Explanation current;
    int variableCount = 0;
    std::vector<int> cells;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    VariableNames names = Minimization::defaultNames();
    bool hazardFree = false;
    QVector<QVector<int>> minimizeGroups;
    bool shading = false;
    bool dirty = false;

    QTimer refreshTimer;
    QTimer extrasTimer;
    QTabWidget *tabs = nullptr;
    QLabel *status = nullptr;
    QList<QTableWidget *> selectable;
    ExplanationDocument document;
    std::vector<QWidget *> pageContents; // per tab, null until shown

    std::shared_ptr<std::atomic<bool>> extrasCancel;
    QFutureWatcher<Extras> extrasWatcher;

    int outputVariables = 0;
    QStringList outputNames;
    QStringList outputColumns;
    JointExplanation joint;
    bool jointFound = false;
    ExplanationDocument jointDocument; // without the chart's table
    std::shared_ptr<std::atomic<bool>> jointCancel;
    QFutureWatcher<JointExplanation> jointWatcher;
};
