// SPDX-License-Identifier: GPL-3.0-or-later
#include "JointResultsWindow.h"

#include "minimize/JointMinimization.h"
#include "minimize/Minimization.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <string>
#include <utility>

namespace {

QTableWidget *newTable(const char *objectName, const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()));
    table->setObjectName(QLatin1String(objectName));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget &table, int row, const QStringList &texts, bool bold = false)
{
    for (int column = 0; column < texts.size(); ++column) {
        auto *item = new QTableWidgetItem(texts[column]);
        QFont font = item->font();
        font.setBold(bold);
        item->setFont(font);
        table.setItem(row, column, item);
    }
}

VariableNames namesOf(const QStringList &variableNames)
{
    VariableNames names = Minimization::defaultNames();
    for (int j = 0; j < int(variableNames.size()) && j < int(names.size()); ++j)
        names[std::size_t(j)] = variableNames[j].toStdString();
    return names;
}

bool feeds(const JointProduct &product, int output)
{
    return output >= 0 && output < 64 && ((product.outputs >> output) & 1U) != 0;
}

} // namespace

bool JointResultsWindow::Request::operator==(const Request &other) const
{
    return variableNames == other.variableNames && outputNames == other.outputNames &&
           columns == other.columns && sumOfProducts == other.sumOfProducts;
}

JointResultsWindow::JointResultsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("All Outputs"));
    status = new QLabel();
    status->setObjectName(QStringLiteral("jointStatus"));
    status->setWordWrap(true);
    cancelButton = new QPushButton(tr("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cancelJointButton"));
    cancelButton->hide();
    auto *close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("closeJointButton"));

    outputsTable = newTable("jointOutputsTable", {tr("Output"), tr("Alone"), tr("Joint cover")});
    productsTable = newTable("jointProductsTable", {tr("Product"), tr("Outputs"), tr("Shared")});
    countsTable = newTable("jointCountsTable", {tr("Count"), tr("Alone"), tr("Joint cover")});
    countsTable->setSelectionMode(QAbstractItemView::NoSelection);
    auto *hint = new QLabel(tr("Pick an output or a product to shade its groups on the map. "
                               "Alone: each output's exact minimum; a product two outputs "
                               "both use is counted once."));
    hint->setWordWrap(true);

    auto *statusRow = new QHBoxLayout();
    statusRow->addWidget(status, 1);
    statusRow->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(statusRow);
    layout->addWidget(new QLabel(tr("Outputs")));
    layout->addWidget(outputsTable, 2);
    layout->addWidget(new QLabel(tr("Products of the joint cover")));
    layout->addWidget(productsTable, 3);
    layout->addWidget(countsTable);
    layout->addWidget(hint);
    auto *buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(720, 760);

    connect(cancelButton, &QPushButton::clicked, this, &JointResultsWindow::cancel);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&watcher, &QFutureWatcher<Outcome>::finished, this, &JointResultsWindow::showOutcome);
    connect(outputsTable, &QTableWidget::itemSelectionChanged, this,
            &JointResultsWindow::outputPicked);
    connect(productsTable, &QTableWidget::itemSelectionChanged, this,
            &JointResultsWindow::productPicked);
    // A click on the row already picked brings its shading back after the
    // map moved on to another output or was shaded otherwise.
    connect(outputsTable, &QTableWidget::cellClicked, this, &JointResultsWindow::outputPicked);
    connect(productsTable, &QTableWidget::cellClicked, this, &JointResultsWindow::productPicked);
}

JointResultsWindow::~JointResultsWindow()
{
    cancel();
    watcher.waitForFinished();
}

void JointResultsWindow::setFunction(const QStringList &variableNames,
                                     const QStringList &outputNames, const QStringList &columns,
                                     bool sumOfProducts)
{
    Request next{variableNames, outputNames, columns, sumOfProducts};
    if (next == request)
        return;
    request = std::move(next);
    // The older search reads its own copy of the function, so it may finish
    // in its own time; its result is never looked at.
    cancel();
    stop = std::make_shared<std::atomic<bool>>(false);
    watcher.setFuture(QtConcurrent::run(&JointResultsWindow::search, request, timeLimit, stop));
    showStatus();
}

void JointResultsWindow::cancel()
{
    if (stop)
        stop->store(true);
}

JointResultsWindow::Outcome
JointResultsWindow::search(const Request &request, int milliseconds,
                           const std::shared_ptr<std::atomic<bool>> &stop)
{
    const int n = int(request.variableNames.size());
    const VariableNames names = namesOf(request.variableNames);
    std::vector<std::vector<int>> codes;
    for (const QString &column : request.columns)
        codes.push_back(Minimization::cellCodes(column.toStdString()));
    const MinimizationForm form =
        request.sumOfProducts ? MinimizationForm::SumOfProducts : MinimizationForm::ProductOfSums;
    Outcome outcome;
    try {
        JointLimits limits;
        limits.milliseconds = milliseconds;
        limits.cancel = stop.get();
        outcome.joint = JointMinimization::minimize(n, codes, form, limits);
        outcome.separate = SeparateMinimization::minimize(n, codes, form, names);
    } catch (const std::exception &) {
        // A table the core refuses shows no cover rather than a wrong one.
        outcome = Outcome();
    }
    return outcome;
}

void JointResultsWindow::showOutcome()
{
    outcome = watcher.result();
    shown = request;
    fillOutputs();
    fillProducts();
    fillCounts();
    showStatus();
    emit resultsShown();
}

void JointResultsWindow::fillOutputs()
{
    const QSignalBlocker blocker(outputsTable);
    const int count = outcome.joint.outputCount;
    outputsTable->setRowCount(count);
    const VariableNames names = namesOf(shown.variableNames);
    for (int k = 0; k < count; ++k) {
        const MinimizedCover &alone = outcome.separate.covers.at(std::size_t(k));
        setRow(*outputsTable, k,
               {shown.outputNames.value(k), QString::fromStdString(alone.text),
                QString::fromStdString(JointMinimization::outputText(outcome.joint, k, names))});
    }
    outputsTable->resizeColumnsToContents();
}

void JointResultsWindow::fillProducts()
{
    const QSignalBlocker blocker(productsTable);
    const VariableNames names = namesOf(shown.variableNames);
    const std::vector<JointProduct> &products = outcome.joint.products;
    productsTable->setRowCount(int(products.size()));
    for (int row = 0; row < int(products.size()); ++row) {
        const JointProduct &product = products[std::size_t(row)];
        QStringList fed;
        for (int k = 0; k < outcome.joint.outputCount; ++k) {
            if (feeds(product, k))
                fed << shown.outputNames.value(k);
        }
        const bool shared = fed.size() > 1;
        setRow(*productsTable, row,
               {QString::fromStdString(
                    JointMinimization::productText(product, outcome.joint.form, names)),
                fed.join(QStringLiteral(", ")), shared ? tr("shared") : QString()},
               shared);
    }
    productsTable->resizeColumnsToContents();
}

void JointResultsWindow::fillCounts()
{
    const SeparateCovers &alone = outcome.separate;
    const JointCover &joint = outcome.joint;
    const QList<std::pair<QString, std::pair<int, int>>> rows = {
        {tr("Products"), {alone.products, int(joint.products.size())}},
        {tr("Literals"), {alone.literals, joint.literals}},
        {tr("Connections"), {alone.connections, joint.connections}}};
    countsTable->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const auto &[label, counts] = rows[row];
        setRow(*countsTable, row,
               {label, QString::number(counts.first), QString::number(counts.second)});
    }
    countsTable->resizeColumnsToContents();
    // Three rows always: the table takes their height and no more.
    countsTable->setFixedHeight(countsTable->horizontalHeader()->height() +
                                countsTable->verticalHeader()->length() +
                                2 * countsTable->frameWidth());
}

void JointResultsWindow::showStatus()
{
    const bool searching = watcher.isRunning();
    cancelButton->setVisible(searching);
    outputsTable->setEnabled(!searching);
    productsTable->setEnabled(!searching);
    if (searching) {
        status->setText(tr("Minimizing the outputs together…"));
    } else if (outcome.joint.outputCount == 0) {
        status->clear();
    } else if (outcome.joint.proven) {
        status->setText(tr("The joint cover is proven minimal."));
    } else if (outcome.joint.cancelled) {
        status->setText(
            tr("Not proven minimal: the search was cancelled; the best cover found is shown."));
    } else {
        status->setText(tr("Not proven minimal: the search stopped after %1 s; the best cover "
                           "found is shown.")
                            .arg(timeLimit / 1000.0));
    }
}

QVector<int> JointResultsWindow::groupOf(int product) const
{
    const std::vector<int> &cells = outcome.joint.products.at(std::size_t(product)).minterms;
    return QVector<int>(cells.begin(), cells.end());
}

void JointResultsWindow::outputPicked()
{
    const int output = outputsTable->currentRow();
    if (output < 0 || output >= outcome.joint.outputCount)
        return;
    {
        const QSignalBlocker blocker(productsTable);
        productsTable->clearSelection();
    }
    QVector<QVector<int>> groups;
    for (int p = 0; p < int(outcome.joint.products.size()); ++p) {
        if (feeds(outcome.joint.products[std::size_t(p)], output))
            groups.append(groupOf(p));
    }
    shownOutput = output;
    emit shadeGroups(output, groups);
}

void JointResultsWindow::productPicked()
{
    const int row = productsTable->currentRow();
    if (row < 0 || row >= int(outcome.joint.products.size()))
        return;
    {
        const QSignalBlocker blocker(outputsTable);
        outputsTable->clearSelection();
    }
    const JointProduct &product = outcome.joint.products[std::size_t(row)];
    // The map stays on its output where the product feeds it.
    int output = shownOutput;
    if (!feeds(product, output)) {
        output = 0;
        while (output + 1 < outcome.joint.outputCount && !feeds(product, output))
            ++output;
    }
    shownOutput = output;
    emit shadeGroups(output, {groupOf(row)});
}
