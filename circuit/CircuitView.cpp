// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitView.h"

#include "circuit/CircuitCanvas.h"
#include "circuit/CircuitLayout.h"
#include "circuit/CircuitPainter.h"
#include "circuit/JointCircuit.h"
#include "circuit/NetlistBuilder.h"
#include "circuit/VerilogWriter.h"
#include "minimize/JointMinimization.h"
#include "minimize/Minimization.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>

namespace {

struct StyleEntry
{
    CircuitStyle style;
    const char *text;
};

const std::array<StyleEntry, 4> styleEntries{{
    {CircuitStyle::AndOrInverters,
     QT_TRANSLATE_NOOP("CircuitView", "AND-OR / OR-AND with inverters")},
    {CircuitStyle::AndOrInvertedInputs,
     QT_TRANSLATE_NOOP("CircuitView", "AND-OR / OR-AND with inverted inputs")},
    {CircuitStyle::NandNand, "NAND-NAND"},
    {CircuitStyle::NorNor, "NOR-NOR"},
}};

const char *settingsKey = "circuit/style";
} // namespace

CircuitView::CircuitView(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Circuit"));
    styleBox = new QComboBox();
    styleBox->setObjectName(QStringLiteral("circuitStyleBox"));
    for (const StyleEntry &entry : styleEntries)
        styleBox->addItem(tr(entry.text));
    CircuitStyle saved = CircuitStyle::AndOrInverters;
    circuitStyleFromKey(QSettings().value(QLatin1String(settingsKey)).toString().toStdString(),
                        saved);
    for (int i = 0; i < styleBox->count(); ++i) {
        if (styleEntries[i].style == saved)
            styleBox->setCurrentIndex(i);
    }
    fanInBox = new QSpinBox();
    fanInBox->setObjectName(QStringLiteral("circuitFanInBox"));
    fanInBox->setRange(2, 8);
    fanInBox->setValue(NetlistBuilder::defaultFanIn);
    fanInBox->setToolTip(tr("The most inputs of one gate; larger gates become trees"));
    jointBox = new QCheckBox(tr("Joint cover of all outputs"));
    jointBox->setObjectName(QStringLiteral("circuitJointBox"));
    jointBox->setToolTip(tr("Every output at once, each shared product built once"));
    // Offered only once the table has several outputs.
    jointBox->setVisible(false);
    countsLabel = new QLabel(tr("Press Minimize! to see the circuit."));
    countsLabel->setObjectName(QStringLiteral("circuitCountsLabel"));
    // The joint counts are long: they wrap rather than widen the window.
    countsLabel->setWordWrap(true);
    functionLabel = new QLabel();
    functionLabel->setObjectName(QStringLiteral("circuitFunctionLabel"));
    functionLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    canvas = new CircuitCanvas();
    canvas->setObjectName(QStringLiteral("circuitCanvas"));
    scrollArea = new QScrollArea();
    scrollArea->setWidget(canvas);
    scrollArea->setAlignment(Qt::AlignCenter);
    scrollArea->setBackgroundRole(QPalette::Base);

    auto *top = new QHBoxLayout();
    top->addWidget(new QLabel(tr("Style:")));
    top->addWidget(styleBox);
    top->addWidget(new QLabel(tr("Fan-in:")));
    top->addWidget(fanInBox);
    top->addWidget(jointBox);
    // The counts take the room left, at its right end, wrapping only when
    // they do not fit.
    countsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(countsLabel, 1);
    auto *rows = new QVBoxLayout(this);
    rows->addLayout(top);
    rows->addWidget(functionLabel);
    rows->addWidget(scrollArea, 1);
    resize(720, 520);

    connect(styleBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CircuitView::styleChosen);
    connect(fanInBox, qOverload<int>(&QSpinBox::valueChanged), this, &CircuitView::rebuild);
    connect(jointBox, &QCheckBox::toggled, this, [this] {
        highlighting = false;
        rebuild();
    });
    connect(canvas, &CircuitCanvas::gateHovered, this, &CircuitView::gateHovered);
    connect(canvas, &CircuitCanvas::hoverEnded, this, &CircuitView::hoverEnded);
    connect(&jointWatcher, &QFutureWatcher<JointCover>::finished, this, &CircuitView::jointFound);
}

CircuitView::~CircuitView()
{
    stopJointSearch();
    jointWatcher.waitForFinished();
}

CircuitStyle CircuitView::style() const
{
    return styleEntries[std::max(0, styleBox->currentIndex())].style;
}

int CircuitView::fanIn() const
{
    return fanInBox->value();
}

void CircuitView::showCover(const MinimizedCover &minimized)
{
    cover = minimized;
    coverOutput = shownOutput;
    haveCover = true;
    highlighting = false;
    rebuild();
    emit circuitAvailable(hasCircuit());
}

void CircuitView::clearCircuit()
{
    if (!haveCover)
        return;
    stopJointSearch();
    haveCover = false;
    highlighting = false;
    cover = MinimizedCover();
    currentNetlist = Netlist();
    canvas->setCircuit(CircuitLayout());
    countsLabel->setText(tr("Press Minimize! to see the circuit."));
    functionLabel->clear();
    emit circuitAvailable(false);
}

bool CircuitView::showsJointCover() const
{
    return haveCover && jointBox->isChecked() && outputNames.size() > 1 &&
           outputsVariableCount == cover.variableCount;
}

void CircuitView::setOutputs(int count, const QStringList &names, const QStringList &columns)
{
    const bool wasJoint = showsJointCover();
    const QString wasName = coverOutputName();
    outputsVariableCount = count;
    outputNames = names;
    outputColumns = columns;
    jointBox->setVisible(names.size() > 1);
    if (wasJoint || showsJointCover() || coverOutputName() != wasName)
        rebuild();
}

void CircuitView::setShownOutput(int output)
{
    shownOutput = output;
}

QString CircuitView::coverOutputName() const
{
    return outputNames.size() > 1 ? outputNames.value(coverOutput) : QString();
}

std::vector<std::vector<int>> CircuitView::outputCodes() const
{
    const int cells = 1 << cover.variableCount;
    std::vector<std::vector<int>> codes;
    for (const QString &column : outputColumns) {
        std::vector<int> output = Minimization::cellCodes(column.left(cells).toStdString());
        // A short column leaves the missing cells open.
        output.resize(static_cast<std::size_t>(cells), 2);
        codes.push_back(std::move(output));
    }
    return codes;
}

void CircuitView::rebuildJoint()
{
    const int n = cover.variableCount;
    const std::vector<std::vector<int>> codes = outputCodes();
    if (codes != jointCodes || jointCover.form != cover.form || jointCover.variableCount != n) {
        startJointSearch(codes);
        return;
    }
    std::vector<std::string> names;
    for (const QString &name : outputNames)
        names.push_back(name.toStdString());
    currentNetlist = NetlistBuilder::buildJoint(jointCover, cover.names, names, style(), fanIn());
    canvas->setCircuit(CircuitLayout::compute(currentNetlist));
    fitToWindow();
    const CircuitCost joint = JointCircuit::costOf(currentNetlist);
    const CircuitCost separate =
        JointCircuit::separateCost(n, codes, cover.form, cover.names, style(), fanIn());
    QString counts = tr("Joint: %1 gates, %2 gate inputs    Each output alone: %3 gates, %4 "
                        "gate inputs")
                         .arg(joint.gates)
                         .arg(joint.gateInputs)
                         .arg(separate.gates)
                         .arg(separate.gateInputs);
    if (!jointCover.proven)
        counts += QLatin1Char(' ') + tr("(not proven minimal)");
    countsLabel->setText(counts);
    QStringList lines;
    for (std::size_t k = 0; k < names.size(); ++k)
        lines << QStringLiteral("%1 = %2").arg(outputNames.at(static_cast<int>(k)),
                                               QString::fromStdString(JointMinimization::outputText(
                                                   jointCover, static_cast<int>(k), cover.names)));
    functionLabel->setText(lines.join(QLatin1Char('\n')));
}

void CircuitView::startJointSearch(const std::vector<std::vector<int>> &codes)
{
    if (jointPending && codes == searchCodes)
        return;
    stopJointSearch();
    // Each search has its own stop flag and copy of the function, so an
    // older one may end in its own time; its result is never looked at.
    jointStop = std::make_shared<std::atomic<bool>>(false);
    searchCodes = codes;
    jointPending = true;
    currentNetlist = Netlist();
    canvas->setCircuit(CircuitLayout());
    functionLabel->clear();
    countsLabel->setText(tr("Minimizing the outputs together…"));
    emit circuitAvailable(false);
    const int n = cover.variableCount;
    const MinimizationForm form = cover.form;
    jointWatcher.setFuture(QtConcurrent::run([n, codes, form, stop = jointStop] {
        JointLimits limits;
        limits.cancel = stop.get();
        return JointMinimization::minimize(n, codes, form, limits);
    }));
}

void CircuitView::stopJointSearch()
{
    if (jointStop)
        jointStop->store(true);
    jointPending = false;
}

void CircuitView::jointFound()
{
    if (!jointPending || !jointWatcher.isFinished())
        return;
    jointPending = false;
    jointCover = jointWatcher.result();
    jointCodes = searchCodes;
    if (showsJointCover()) {
        rebuildJoint();
        emit circuitAvailable(true);
    }
}

void CircuitView::rebuild()
{
    if (!haveCover)
        return;
    if (showsJointCover()) {
        rebuildJoint();
        return;
    }
    if (jointPending) {
        stopJointSearch();
        emit circuitAvailable(true);
    }
    currentNetlist = NetlistBuilder::build(cover, style(), fanIn());
    currentNetlist.outputName = coverOutputName().toStdString();
    canvas->setCircuit(
        CircuitLayout::compute(currentNetlist, VerilogWriter::outputName(currentNetlist)));
    fitToWindow();
    countsLabel->setText(tr("Gates: %1    Gate inputs: %2")
                             .arg(currentNetlist.gateCount())
                             .arg(currentNetlist.gateInputCount()));
    functionLabel->setText(QStringLiteral("%1 = %2").arg(
        QString::fromStdString(VerilogWriter::outputName(currentNetlist)),
        QString::fromStdString(cover.text)));
}

void CircuitView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToWindow();
}

void CircuitView::fitToWindow()
{
    constexpr double largest = 2.5;
    const CircuitLayout &layout = canvas->circuit();
    if (layout.width <= 0 || layout.height <= 0)
        return;
    // The room without scroll bars: a fitted drawing needs none.
    const QSize room = scrollArea->maximumViewportSize() - QSize(4, 4);
    const double fit = std::min(room.width() / layout.width, room.height() / layout.height);
    canvas->setZoom(std::clamp(fit, 1.0, largest));
}

void CircuitView::styleChosen(int index)
{
    if (index >= 0)
        QSettings().setValue(QLatin1String(settingsKey),
                             QString::fromStdString(circuitStyleKey(styleEntries[index].style)));
    rebuild();
}

void CircuitView::gateHovered(int node)
{
    if (!haveCover || node < 0 || node >= static_cast<int>(currentNetlist.nodes.size()))
        return;
    const std::vector<int> &terms = currentNetlist.nodes[static_cast<std::size_t>(node)].terms;
    std::vector<std::vector<int>> groups;
    std::set<int> gates;
    const bool joint = showsJointCover();
    for (int term : terms) {
        const auto index = static_cast<std::size_t>(term);
        if (joint && term >= 0 && index < jointCover.products.size())
            groups.push_back(jointCover.products[index].minterms);
        else if (!joint && term >= 0 && index < cover.groups.size())
            groups.push_back(cover.groups[index]);
    }
    // The hovered gate lights up with every gate that works only for its
    // terms: a term's whole tree, or everything behind the output gate.
    gates.insert(node);
    for (std::size_t i = 0; i < currentNetlist.nodes.size(); ++i) {
        const NetlistNode &other = currentNetlist.nodes[i];
        const bool within = !other.terms.empty() &&
                            std::all_of(other.terms.begin(), other.terms.end(), [&](int term) {
                                return std::find(terms.begin(), terms.end(), term) != terms.end();
                            });
        if (other.kind == NetlistNode::Kind::Gate && within)
            gates.insert(static_cast<int>(i));
    }
    canvas->setHighlighted(gates);
    highlighting = true;
    emit highlightGroups(toGroups(groups));
}

void CircuitView::hoverEnded()
{
    canvas->setHighlighted({});
    if (!highlighting)
        return;
    highlighting = false;
    emit highlightGroups(toGroups(cover.groups));
}

bool CircuitView::saveImage(const QString &fileName, QString &error) const
{
    return CircuitPainter::writeImage(canvas->circuit(), fileName, error);
}

QVector<QVector<int>> CircuitView::toGroups(const std::vector<std::vector<int>> &groups)
{
    QVector<QVector<int>> converted;
    for (const std::vector<int> &group : groups)
        converted.append(QVector<int>(group.begin(), group.end()));
    return converted;
}
