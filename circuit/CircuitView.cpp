// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitView.h"

#include "circuit/CircuitCanvas.h"
#include "circuit/CircuitLayout.h"
#include "circuit/CircuitPainter.h"
#include "circuit/NetlistBuilder.h"
#include "circuit/VerilogWriter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

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
    countsLabel = new QLabel(tr("Press Minimize! to see the circuit."));
    countsLabel->setObjectName(QStringLiteral("circuitCountsLabel"));
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
    top->addStretch(1);
    top->addWidget(countsLabel);
    auto *rows = new QVBoxLayout(this);
    rows->addLayout(top);
    rows->addWidget(functionLabel);
    rows->addWidget(scrollArea, 1);
    resize(720, 520);

    connect(styleBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CircuitView::styleChosen);
    connect(fanInBox, qOverload<int>(&QSpinBox::valueChanged), this, &CircuitView::rebuild);
    connect(canvas, &CircuitCanvas::gateHovered, this, &CircuitView::gateHovered);
    connect(canvas, &CircuitCanvas::hoverEnded, this, &CircuitView::hoverEnded);
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
    haveCover = true;
    highlighting = false;
    rebuild();
    emit circuitAvailable(true);
}

void CircuitView::clearCircuit()
{
    if (!haveCover)
        return;
    haveCover = false;
    highlighting = false;
    cover = MinimizedCover();
    currentNetlist = Netlist();
    canvas->setCircuit(CircuitLayout());
    countsLabel->setText(tr("Press Minimize! to see the circuit."));
    functionLabel->clear();
    emit circuitAvailable(false);
}

void CircuitView::rebuild()
{
    if (!haveCover)
        return;
    currentNetlist = NetlistBuilder::build(cover, style(), fanIn());
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
    for (int term : terms) {
        if (term >= 0 && term < static_cast<int>(cover.groups.size()))
            groups.push_back(cover.groups[static_cast<std::size_t>(term)]);
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
