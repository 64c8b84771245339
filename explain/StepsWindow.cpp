// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain/StepsWindow.h"

#include "explain/ExplanationRenderer.h"
#include "explain/JointChartModel.h"
#include "explain/JointExplainer.h"
#include "minimize/Minimize.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>
#include <array>

namespace {

// Longest the worker may count and search before it is told to stop.
constexpr int extrasCapMilliseconds = 20000;

// The pages of the map's output; the joint cover's page follows them.
constexpr int solutionsPage = 4;
constexpr int jointCoverPage = 5;

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string toStd(const QString &text)
{
    return text.toStdString();
}

QString tableName(const std::string &section, int index)
{
    if (section == "solutions")
        return index == 0 ? QStringLiteral("coversTable") : QStringLiteral("solutionsTable");
    if (section == "joint-primes")
        return QStringLiteral("jointPrimesTable");
    if (section == "joint-cover")
        return index == 0 ? QStringLiteral("jointCoverTable") : QStringLiteral("jointOutputsTable");
    return fromStd(section) + QStringLiteral("Table");
}

bool isJointTable(const QTableWidget *table)
{
    return table->objectName().startsWith(QLatin1String("joint"));
}

} // namespace

StepsWindow::StepsWindow(QWidget *parent) : QWidget(parent, Qt::Window), wording(phrases())
{
    setWindowTitle(tr("Steps"));
    tabs = new QTabWidget();
    tabs->setObjectName(QStringLiteral("stepsTabs"));
    for (const char *title : {QT_TR_NOOP("Tabulation"), QT_TR_NOOP("Primes"), QT_TR_NOOP("Chart"),
                              QT_TR_NOOP("Choices"), QT_TR_NOOP("Solutions")}) {
        auto *page = new QWidget();
        new QVBoxLayout(page);
        tabs->addTab(page, tr(title));
    }
    pageContents.assign(static_cast<std::size_t>(tabs->count()), nullptr);
    connect(tabs, &QTabWidget::currentChanged, this, &StepsWindow::buildPage);
    status = new QLabel(tr("Press Minimize! or change a cell to see the steps."));
    status->setObjectName(QStringLiteral("stepsStatus"));
    auto *save = new QPushButton(tr("Save As…"));
    save->setObjectName(QStringLiteral("saveStepsButton"));
    auto *copyButton = new QPushButton(tr("Copy"));
    copyButton->setObjectName(QStringLiteral("copyStepsButton"));
    auto *close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("closeStepsButton"));

    auto *buttons = new QHBoxLayout();
    buttons->addWidget(status, 1);
    buttons->addWidget(save);
    buttons->addWidget(copyButton);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &StepsWindow::saveAs);
    connect(copyButton, &QPushButton::clicked, this, &StepsWindow::copy);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Several inputs arrive for one "Minimize!" (the cells, then the cover);
    // one refresh after them all.
    refreshTimer.setSingleShot(true);
    refreshTimer.setInterval(0);
    connect(&refreshTimer, &QTimer::timeout, this, &StepsWindow::refresh);
    extrasTimer.setSingleShot(true);
    extrasTimer.setInterval(0);
    connect(&extrasTimer, &QTimer::timeout, this, &StepsWindow::startExtras);
    connect(&extrasTimer, &QTimer::timeout, this, &StepsWindow::startJoint);
    connect(&extrasWatcher, &QFutureWatcher<Extras>::finished, this, &StepsWindow::extrasDone);
    connect(&jointWatcher, &QFutureWatcher<JointExplanation>::finished, this,
            &StepsWindow::jointDone);
    resize(900, 650);
}

StepsWindow::~StepsWindow()
{
    cancelExtras();
    cancelJoint();
}

void StepsWindow::setFunction(int size, const QList<QTableWidgetItem *> &items)
{
    if (size < 1 || size > 6 || items.size() < (1 << size))
        return;
    variableCount = size;
    cells = Minimize::cellCodesOf(size, items);
    // An edit ends a selection's shading: the map gets back what
    // "Minimize!" left.
    if (shading) {
        shading = false;
        emit shadeGroups(minimizeGroups);
    }
    scheduleRefresh();
}

void StepsWindow::setOutputs(int variables, const QStringList &names, const QStringList &columns)
{
    if (variables < 2 || variables > 6 || names.isEmpty() || names.size() != columns.size())
        return;
    for (const QString &column : columns) {
        if (column.size() != (1 << variables))
            return;
    }
    outputVariables = variables;
    outputNames = names;
    outputColumns = columns;
    const bool several = names.size() > 1;
    if (several && tabs->count() == jointCoverPage) {
        auto *page = new QWidget();
        new QVBoxLayout(page);
        tabs->addTab(page, tr("Joint Cover"));
        pageContents.push_back(nullptr);
    } else if (!several && tabs->count() > jointCoverPage) {
        cancelJoint();
        jointFound = false;
        dropPage(jointCoverPage);
        pageContents.pop_back();
        delete tabs->widget(jointCoverPage);
    }
    scheduleRefresh();
}

void StepsWindow::setCover(const MinimizedCover &cover)
{
    form = cover.form;
    names = cover.names;
    minimizeGroups.clear();
    for (const std::vector<int> &group : cover.groups)
        minimizeGroups.append(QVector<int>(group.begin(), group.end()));
    // "Minimize!" has just shaded the map itself.
    shading = false;
    scheduleRefresh();
}

void StepsWindow::setHazardFree(bool on)
{
    hazardFree = on;
    scheduleRefresh();
}

void StepsWindow::scheduleRefresh()
{
    dirty = true;
    if (isVisible())
        refreshTimer.start();
}

void StepsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (dirty)
        refreshTimer.start();
}

void StepsWindow::refresh()
{
    if (!dirty || variableCount == 0)
        return;
    dirty = false;
    cancelExtras();
    cancelJoint();
    jointFound = false;
    current = explainer.explain(variableCount, cells, form, names);
    rebuildTabs();
    // The count starts once the new page is painted, so that the worker does
    // not compete with the painting for the processor.
    status->setText(tr("Counting minimum solutions…"));
    extrasTimer.start();
    emit refreshed(false);
}

// The pages are filled only when shown: a refresh builds the page in view,
// the others wait for their tab to be chosen.
void StepsWindow::rebuildTabs()
{
    for (QTableWidget *table : std::as_const(selectable))
        table->disconnect(this);
    selectable.clear();
    if (shading) {
        shading = false;
        emit shadeGroups(minimizeGroups);
    }
    document = explanationDocument(current, wording);
    for (QWidget *&content : pageContents) {
        delete content;
        content = nullptr;
    }
    buildPage(tabs->currentIndex());
    setWindowTitle(tr("Steps: %1").arg(fromStd(current.windowCover.text)));
}

void StepsWindow::buildPage(int index)
{
    if (index < 0 || index >= static_cast<int>(pageContents.size()) ||
        pageContents[static_cast<std::size_t>(index)] != nullptr || document.sections.empty())
        return;
    if (index == jointCoverPage) {
        QWidget *content = jointPage();
        pageContents[static_cast<std::size_t>(index)] = content;
        tabs->widget(index)->layout()->addWidget(content);
        return;
    }
    static const std::array<std::array<const char *, 2>, 5> pageSections{{
        {"tabulation", nullptr},
        {"primes", nullptr},
        {"chart", nullptr},
        {"choices", nullptr},
        {"solutions", "hazard-free"},
    }};
    std::vector<const DocumentSection *> sections;
    for (const DocumentSection &section : document.sections) {
        for (const char *id : pageSections[static_cast<std::size_t>(index)]) {
            if (id != nullptr && section.id == id)
                sections.push_back(&section);
        }
    }
    QWidget *content = sectionPage(sections);
    pageContents[static_cast<std::size_t>(index)] = content;
    tabs->widget(index)->layout()->addWidget(content);
}

QWidget *StepsWindow::sectionPage(const std::vector<const DocumentSection *> &sections)
{
    auto *page = new QWidget();
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const DocumentSection *section : sections) {
        if (sections.size() > 1) {
            auto *heading = new QLabel(
                QStringLiteral("<b>%1</b>").arg(fromStd(section->title).toHtmlEscaped()));
            layout->addWidget(heading);
        }
        int tableIndex = 0;
        for (const DocumentBlock &block : section->blocks) {
            if (block.kind == DocumentBlock::Kind::Table) {
                layout->addWidget(tableOf(block.table, section->id, tableIndex++), 1,
                                  section->id == "chart" ? Qt::AlignLeft : Qt::Alignment());
                continue;
            }
            auto *text = new QLabel(fromStd(block.text));
            text->setWordWrap(true);
            text->setTextInteractionFlags(Qt::TextSelectableByMouse);
            layout->addWidget(text);
        }
        if (section->id == "joint-chart" && !joint.rows.empty())
            layout->addWidget(jointChartView(), 3, Qt::AlignLeft);
    }
    layout->addStretch(0);
    return page;
}

// The joint cover's page: a note while the worker minimizes, then the
// primes, the chart and the cover.
QWidget *StepsWindow::jointPage()
{
    if (!jointFound) {
        auto *note = new QLabel(tr("Minimizing all outputs together…"));
        note->setObjectName(QStringLiteral("jointCoverNote"));
        note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        return note;
    }
    std::vector<const DocumentSection *> sections;
    sections.reserve(jointDocument.sections.size());
    for (const DocumentSection &section : jointDocument.sections)
        sections.push_back(&section);
    return sectionPage(sections);
}

// A view over a model instead of a table of items: a chart of many outputs
// has hundreds of thousands of cells.
QTableView *StepsWindow::jointChartView()
{
    auto *view = new QTableView();
    view->setObjectName(QStringLiteral("jointChartTable"));
    view->setModel(new JointChartModel(
        joint,
        {fromStd(wording.output),
         fromStd(joint.form == MinimizationForm::SumOfProducts ? wording.minterm : wording.maxterm),
         fromStd(wording.chosen)},
        view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->verticalHeader()->hide();
    // As the one-output chart: as wide as its columns, where there is room.
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    const QFontMetrics font(view->horizontalHeader()->font());
    const int padding = 2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin) + 12;
    int label = font.horizontalAdvance(fromStd(wording.chosen));
    for (const QString &name : std::as_const(outputNames))
        label = std::max(label, font.horizontalAdvance(name));
    view->setColumnWidth(0, label + padding);
    view->setColumnWidth(
        1, std::max(font.horizontalAdvance(view->model()->headerData(1, Qt::Horizontal).toString()),
                    font.horizontalAdvance(QStringLiteral("63"))) +
               padding);
    const int prime =
        font.horizontalAdvance(QStringLiteral("P%1").arg(static_cast<int>(joint.primes.size())));
    for (int column = 2; column < view->model()->columnCount(); ++column)
        view->setColumnWidth(
            column, std::max(prime, font.horizontalAdvance(QStringLiteral("(X)"))) + padding);
    view->setMaximumWidth(view->horizontalHeader()->length() + 2 * view->frameWidth() +
                          view->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return view;
}

// Widths from the texts themselves: asking every cell for its size hint
// costs more than building the table.
void StepsWindow::fitColumns(QTableWidget *widget, const DocumentTable &table)
{
    const QFontMetrics cellFont(widget->font());
    const QFontMetrics headerFont(widget->horizontalHeader()->font());
    const int padding = 2 * widget->style()->pixelMetric(QStyle::PM_HeaderMargin) + 12;
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        int width = headerFont.horizontalAdvance(fromStd(table.header[c]));
        for (const auto &row : table.rows) {
            if (c < row.size())
                width = std::max(width, cellFont.horizontalAdvance(fromStd(row[c])));
        }
        widget->setColumnWidth(static_cast<int>(c), width + padding);
    }
}

QTableWidget *StepsWindow::tableOf(const DocumentTable &table, const std::string &section,
                                   int index)
{
    auto *widget = new QTableWidget(static_cast<int>(table.rows.size()),
                                    static_cast<int>(table.header.size()));
    widget->setObjectName(tableName(section, index));
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->verticalHeader()->hide();
    QStringList header;
    for (const std::string &cell : table.header)
        header << fromStd(cell);
    widget->setHorizontalHeaderLabels(header);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            widget->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(fromStd(table.rows[r][c])));
    }
    if (section == "chart")
        decorateChart(widget);

    const bool primes = section == "primes" || section == "choices" || section == "joint-primes" ||
                        (section == "joint-cover" && index == 0);
    const bool covers = section == "solutions";
    if (primes || covers) {
        widget->setSelectionBehavior(QAbstractItemView::SelectRows);
        widget->setSelectionMode(primes ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
        selectable.append(widget);
        connect(widget, &QTableWidget::itemSelectionChanged, this,
                [this, widget] { selectionChanged(widget); });
    } else {
        widget->setSelectionMode(QAbstractItemView::NoSelection);
    }
    fitColumns(widget, table);
    // A table fills its page instead of ending in an empty band: the last
    // column takes the room the others leave. Stretched, the chart's last
    // column would read as one wide prime; the chart ends with its content
    // instead, as on the browser page.
    if (section == "chart") {
        // Left aligned, the chart would get no more than a scroll area's
        // small default width; it asks for its columns' width instead.
        widget->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
        widget->setMaximumWidth(widget->horizontalHeader()->length() + 2 * widget->frameWidth() +
                                widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    } else {
        widget->horizontalHeader()->setStretchLastSection(true);
    }
    return widget;
}

// Column headers tell their term on hover; rows made essential and the
// columns "Minimize!" chose are tinted.
void StepsWindow::decorateChart(QTableWidget *chart)
{
    const QColor essentialRow(255, 240, 180);
    const QColor chosenColumn(205, 230, 255);
    const std::vector<int> &chosen = current.windowCover.primes;
    for (const ExplainedPrime &prime : current.primes) {
        QTableWidgetItem *header = chart->horizontalHeaderItem(prime.number);
        if (header == nullptr)
            continue;
        header->setToolTip(fromStd(prime.term));
        const bool picked = std::find(chosen.begin(), chosen.end(), prime.number) != chosen.end();
        for (int row = 0; row < chart->rowCount(); ++row) {
            QTableWidgetItem *cell = chart->item(row, prime.number);
            if (cell == nullptr)
                continue;
            cell->setTextAlignment(Qt::AlignCenter);
            if (!cell->text().isEmpty())
                cell->setToolTip(
                    QStringLiteral("P%1 = %2").arg(prime.number).arg(fromStd(prime.term)));
            if (picked)
                cell->setBackground(chosenColumn);
        }
    }
    for (int row = 0; row < chart->rowCount(); ++row) {
        bool essential = false;
        for (int column = 1; column < chart->columnCount(); ++column) {
            const QTableWidgetItem *cell = chart->item(row, column);
            essential = essential || (cell && cell->text() == QLatin1String("(X)"));
        }
        if (!essential)
            continue;
        for (int column = 0; column < chart->columnCount(); ++column) {
            if (QTableWidgetItem *cell = chart->item(row, column))
                cell->setBackground(essentialRow);
        }
    }
}

std::vector<int> StepsWindow::jointPrimesOfRow(const QTableWidget *table, int row) const
{
    const QString name = table->objectName();
    const auto at = static_cast<std::size_t>(row);
    if (name == QLatin1String("jointPrimesTable") && at < joint.primes.size())
        return {row + 1};
    if (name == QLatin1String("jointCoverTable") && at < joint.chosen.size())
        return {joint.chosen[at]};
    return {};
}

std::vector<int> StepsWindow::primesOfRow(const QTableWidget *table, int row) const
{
    const QString name = table->objectName();
    const auto at = static_cast<std::size_t>(row);
    if (name == QLatin1String("primesTable") && at < current.primes.size())
        return {row + 1};
    if (name == QLatin1String("choicesTable") && at < current.choices.size())
        return {current.choices[at].prime};
    if (name == QLatin1String("coversTable"))
        return row == 0 ? current.windowCover.primes : current.minimum.primes;
    if (name == QLatin1String("solutionsTable") && at < current.solutions.covers.size())
        return current.solutions.covers[at].primes;
    return {};
}

void StepsWindow::selectionChanged(QTableWidget *source)
{
    for (QTableWidget *other : std::as_const(selectable)) {
        if (other != source && !other->selectedItems().isEmpty()) {
            const QSignalBlocker blocker(other);
            other->clearSelection();
        }
    }
    const bool jointTable = isJointTable(source);
    std::vector<int> primes;
    for (const QModelIndex &index : source->selectionModel()->selectedRows()) {
        for (const int prime : jointTable ? jointPrimesOfRow(source, index.row())
                                          : primesOfRow(source, index.row())) {
            if (std::find(primes.begin(), primes.end(), prime) == primes.end())
                primes.push_back(prime);
        }
    }
    if (primes.empty()) {
        if (shading) {
            shading = false;
            emit shadeGroups(minimizeGroups);
        }
        return;
    }
    std::vector<std::vector<int>> cells;
    if (jointTable) {
        for (const int prime : primes)
            cells.push_back(joint.primes[static_cast<std::size_t>(prime - 1)].minterms);
    } else {
        cells = Explainer::groupsOf(current, primes);
    }
    QVector<QVector<int>> groups;
    for (const std::vector<int> &group : cells)
        groups.append(QVector<int>(group.begin(), group.end()));
    shading = true;
    emit shadeGroups(groups);
}

void StepsWindow::startExtras()
{
    extrasCancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancel = extrasCancel;
    const Explanation explanation = current;
    const bool withHazardFree = hazardFree;
    status->setText(withHazardFree ? tr("Counting minimum solutions, seeking a hazard-free cover…")
                                   : tr("Counting minimum solutions…"));
    extrasWatcher.setFuture(QtConcurrent::run([explanation, withHazardFree, cancel] {
        Extras extras;
        extras.solutions = Explainer::listSolutions(explanation, listLimit, countCap, cancel.get());
        if (withHazardFree)
            extras.hazardFree = Explainer::hazardFreeCover(explanation, cancel.get());
        return extras;
    }));
    QTimer::singleShot(extrasCapMilliseconds, &extrasWatcher, [cancel] { *cancel = true; });
}

void StepsWindow::extrasDone()
{
    // A finish reported for a count replaced since is not this one's.
    if (!extrasCancel || !extrasWatcher.isFinished())
        return;
    extrasCancel.reset();
    const Extras extras = extrasWatcher.result();
    current.solutions = extras.solutions;
    current.hazardFree = extras.hazardFree;
    status->setText(
        extras.solutions.complete
            ? QString()
            : tr("Stopped counting at %1 minimum solutions.").arg(extras.solutions.count));
    // Only the solutions page changes; the other pages keep their selection.
    document = explanationDocument(current, wording);
    dropPage(solutionsPage);
    if (tabs->currentIndex() == solutionsPage)
        buildPage(solutionsPage);
    reportIfComplete();
}

void StepsWindow::dropPage(int index)
{
    QWidget *&content = pageContents[static_cast<std::size_t>(index)];
    if (content == nullptr)
        return;
    for (QTableWidget *table : content->findChildren<QTableWidget *>()) {
        table->disconnect(this);
        selectable.removeAll(table);
    }
    delete content;
    content = nullptr;
}

void StepsWindow::reportIfComplete()
{
    if (!extrasCancel && !jointCancel)
        emit refreshed(true);
}

void StepsWindow::startJoint()
{
    if (outputColumns.size() < 2 || tabs->count() <= jointCoverPage)
        return;
    const int n = outputVariables;
    std::vector<std::vector<int>> codes;
    std::vector<std::string> namesOfOutputs;
    for (qsizetype j = 0; j < outputColumns.size(); ++j) {
        codes.push_back(Minimization::cellCodes(toStd(outputColumns[j])));
        namesOfOutputs.push_back(toStd(outputNames[j]));
    }
    jointCancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancel = jointCancel;
    const MinimizationForm jointForm = form;
    const VariableNames inputNames = names;
    jointWatcher.setFuture(
        QtConcurrent::run([n, codes, jointForm, inputNames, namesOfOutputs, cancel] {
            JointLimits limits;
            limits.cancel = cancel.get();
            return JointExplainer::explain(n, codes, jointForm, inputNames, namesOfOutputs, limits);
        }));
}

void StepsWindow::jointDone()
{
    // A finish reported for a search replaced since is not this one's.
    if (!jointCancel || !jointWatcher.isFinished())
        return;
    jointCancel.reset();
    joint = jointWatcher.result();
    jointFound = true;
    jointDocument = explanationDocument(joint, wording, false);
    if (tabs->count() > jointCoverPage) {
        dropPage(jointCoverPage);
        if (tabs->currentIndex() == jointCoverPage)
            buildPage(jointCoverPage);
    }
    reportIfComplete();
}

void StepsWindow::cancelJoint()
{
    if (!jointCancel)
        return;
    *jointCancel = true;
    jointCancel.reset();
    jointWatcher.waitForFinished();
}

ExplanationDocument StepsWindow::fullDocument() const
{
    ExplanationDocument full = explanationDocument(current, wording);
    if (jointFound && tabs->count() > jointCoverPage) {
        const ExplanationDocument jointSections = explanationDocument(joint, wording);
        full.sections.insert(full.sections.end(), jointSections.sections.begin(),
                             jointSections.sections.end());
    }
    return full;
}

void StepsWindow::cancelExtras()
{
    extrasTimer.stop();
    if (!extrasCancel)
        return;
    *extrasCancel = true;
    extrasCancel.reset();
    extrasWatcher.waitForFinished();
}

bool StepsWindow::saveTo(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        QTextDocument document;
        document.setHtml(fromStd(renderDocument(fullDocument(), ExplanationFormat::Html)));
        QPdfWriter writer(fileName);
        writer.setTitle(fromStd(current.windowCover.text));
        writer.setPageSize(QPageSize(QPageSize::A4));
        document.print(&writer);
        return QFileInfo(fileName).size() > 0;
    }
    const ExplanationFormat format =
        suffix == QLatin1String("html") || suffix == QLatin1String("htm")
            ? ExplanationFormat::Html
            : ExplanationFormat::Markdown;
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const std::string text = renderDocument(fullDocument(), format);
    return file.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}

void StepsWindow::saveAs()
{
    QString filter;
    QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save Steps"), QStringLiteral("./"),
        QStringLiteral("Markdown (*.md);;HTML (*.html);;PDF (*.pdf)"), &filter);
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += filter.startsWith(QLatin1String("HTML"))  ? QStringLiteral(".html")
                    : filter.startsWith(QLatin1String("PDF")) ? QStringLiteral(".pdf")
                                                              : QStringLiteral(".md");
    if (!saveTo(fileName))
        QMessageBox::warning(this, tr("Save Steps"), tr("Could not write %1.").arg(fileName));
}

// Plain text for editors, Markdown and HTML for whatever takes them.
void StepsWindow::copy()
{
    const ExplanationDocument full = fullDocument();
    auto *mime = new QMimeData();
    mime->setText(fromStd(renderDocument(full, ExplanationFormat::Text)));
    mime->setHtml(fromStd(renderDocument(full, ExplanationFormat::Html)));
    mime->setData(QStringLiteral("text/markdown"),
                  QByteArray::fromStdString(renderDocument(full, ExplanationFormat::Markdown)));
    QApplication::clipboard()->setMimeData(mime);
}

ExplanationPhrases StepsWindow::phrases()
{
    ExplanationPhrases p;
    p.titleSumOfProducts =
        toStd(tr("Minimizing a function of %1 variables as a sum of products: %2"));
    p.titleProductOfSums =
        toStd(tr("Minimizing a function of %1 variables as a product of sums: %2"));
    p.minterm = toStd(tr("minterm"));
    p.minterms = toStd(tr("minterms"));
    p.maxterm = toStd(tr("maxterm"));
    p.maxterms = toStd(tr("maxterms"));
    p.oneTerm = toStd(tr("%1 term"));
    p.manyTerms = toStd(tr("%1 terms"));
    p.oneLiteral = toStd(tr("%1 literal"));
    p.manyLiterals = toStd(tr("%1 literals"));
    p.cost = toStd(tr("%1, %2", "number of terms, number of literals"));

    p.tabulation = toStd(tr("Tabulation"));
    p.tabulationIntro =
        toStd(tr("The cells that are %1 or don't care start the table, grouped by their number of "
                 "ones. Each pass merges cubes of neighbouring groups that differ in one variable; "
                 "merged cubes are checked (✓). Cubes never checked are the prime implicants."));
    p.tabulationHeader = {toStd(tr("Pass")), toStd(tr("Ones")), toStd(tr("Cube")),
                          toStd(tr("Covers")), toStd(tr("Mark"))};
    p.primeMark = toStd(tr("prime %1"));
    p.nothingToMerge = toStd(tr("No cell takes part: there is nothing to merge."));

    p.primes = toStd(tr("Prime implicants"));
    p.primesHeader = {toStd(tr("Prime")),    toStd(tr("Cube")),   toStd(tr("Term")),
                      toStd(tr("Literals")), toStd(tr("Covers")), toStd(tr("Essential"))};
    p.yes = toStd(tr("yes"));
    p.noPrimes = toStd(tr("There are no prime implicants."));

    p.chart = toStd(tr("Prime implicant chart"));
    p.chartIntro = toStd(
        tr("Rows: the %1 that must be covered (don't cares need no cover). Columns: the prime "
           "implicants; X marks a %2 a prime covers, (X) the only prime on its row, which makes "
           "that prime essential. The last row marks the primes \"Minimize!\" chose."));
    p.nothingToCover = toStd(tr("No %1 needs covering."));
    p.chosen = toStd(tr("chosen"));
    p.essentialPrime = toStd(tr("%1 (%2) is essential: it is the only prime covering %3 %4."));
    p.noEssentialPrime = toStd(tr("No prime is essential."));

    p.choices = toStd(tr("Choices of \"Minimize!\""));
    p.choicesHeader = {toStd(tr("Step")), toStd(tr("Prime")), toStd(tr("Term")),
                       toStd(tr("Reason"))};
    p.nothingChosen = toStd(tr("Nothing needs covering, so nothing is chosen."));
    p.essentialReason = toStd(tr("essential: the only prime covering %1 %2"));
    p.mostReason = toStd(tr("covers %1 of the %2 remaining %3, the most"));
    p.mostTiedReason =
        toStd(tr("covers %1 of the %2 remaining %3, the most; leftmost of %4 tied primes"));

    p.solutions = toStd(tr("Solutions"));
    p.coversHeader = {toStd(tr("Cover")), toStd(tr("Primes")), toStd(tr("Terms")),
                      toStd(tr("Literals")), toStd(tr("Expression"))};
    p.windowCover = toStd(tr("Minimize!"));
    p.minimumCover = toStd(tr("Minimum"));
    p.windowIsMinimal = toStd(tr("The window's answer is minimal."));
    p.shorterExists = toStd(tr("A shorter answer exists: %1 (%2 instead of %3)."));
    p.notCounted = toStd(tr("The minimum solutions have not been counted."));
    p.oneSolution = toStd(tr("There is exactly one minimum solution."));
    p.solutionCount = toStd(tr("There are %1 minimum solutions."));
    p.solutionCountStopped =
        toStd(tr("There are at least %1 minimum solutions (the count stopped there)."));
    p.solutionsHeader = {toStd(tr("Solution")), toStd(tr("Primes")), toStd(tr("Expression"))};
    p.firstListed = toStd(tr("The first %1 are listed."));

    p.hazardFree = toStd(tr("Hazard-free cover"));
    p.hazardFreeIntro =
        toStd(tr("The fewest terms, then literals, such that every two adjacent cells that are "
                 "both %1 lie in one term: changing a single input between them cannot make the "
                 "output glitch."));
    p.searchStopped = toStd(tr("The search was stopped before it finished."));

    // The joint cover's sentences, each translated into its field.
    const std::array<std::pair<std::string *, const char *>, 17> joint{{
        {&p.jointTitleSumOfProducts,
         QT_TR_NOOP("Minimizing %1 outputs of %2 variables together as a sum of products")},
        {&p.jointTitleProductOfSums,
         QT_TR_NOOP("Minimizing %1 outputs of %2 variables together as a product of sums")},
        {&p.output, QT_TR_NOOP("output")},
        {&p.jointPrimes, QT_TR_NOOP("Multi-output prime implicants")},
        {&p.jointPrimesIntro,
         QT_TR_NOOP("Each product with the outputs it may serve: it is an implicant of each of "
                    "them and covers a %1 of each. Dropping any of its literals would lose one of "
                    "them.")},
        {&p.jointChart, QT_TR_NOOP("Joint prime implicant chart")},
        {&p.jointChartIntro,
         QT_TR_NOOP("Rows: each output's %1 that must be covered (don't cares need no cover). "
                    "Columns: the multi-output prime implicants; X marks a prime that covers the "
                    "%2 and may serve the output, (X) the only prime on its row. The last row "
                    "marks the products of the joint cover.")},
        {&p.jointNothingToCover, QT_TR_NOOP("No output has a %1 to cover.")},
        {&p.jointCover, QT_TR_NOOP("Joint cover")},
        {&p.jointCoverIntro,
         QT_TR_NOOP("The fewest distinct products, then the fewest literals, then the fewest "
                    "connections from a product to an output; a product shared by several "
                    "outputs counts once.")},
        {&p.oneProduct, QT_TR_NOOP("%1 product")},
        {&p.manyProducts, QT_TR_NOOP("%1 products")},
        {&p.oneConnection, QT_TR_NOOP("%1 connection")},
        {&p.manyConnections, QT_TR_NOOP("%1 connections")},
        {&p.proven, QT_TR_NOOP("Proven minimal.")},
        {&p.notProven, QT_TR_NOOP("Not proven minimal: the search ran out of time; this is the "
                                  "best cover it found.")},
        {&p.notProvenStopped, QT_TR_NOOP("Not proven minimal: the search was stopped; this is "
                                         "the best cover it found.")},
    }};
    for (const auto &[field, text] : joint)
        *field = toStd(tr(text));
    p.jointCost = toStd(tr("%1, %2, %3.", "products, literals, connections"));
    p.jointPrimesHeader = {toStd(tr("Prime")),    toStd(tr("Cube")),    toStd(tr("Term")),
                           toStd(tr("Literals")), toStd(tr("Outputs")), toStd(tr("Covers"))};
    p.jointCoverHeader = {toStd(tr("Product")), toStd(tr("Prime")), toStd(tr("Term")),
                          toStd(tr("Outputs")), toStd(tr("Shared"))};
    p.jointOutputsHeader = {toStd(tr("Output")), toStd(tr("Expression"))};
    return p;
}
