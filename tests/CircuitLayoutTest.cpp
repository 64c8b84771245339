// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit drawing's geometry, checked on many random functions: bodies
// apart, wires orthogonal, no wire through a body, every pin reached by the
// wire of the signal it reads, inputs left and the output right.

#include "circuit/CircuitLayout.h"
#include "JointCircuits.h"
#include "MinimizationFixtures.h"
#include "circuit/CircuitCover.h"
#include "circuit/NetlistBuilder.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <map>
#include <random>
#include <set>

namespace {

constexpr double tolerance = 0.01;

bool near(double a, double b)
{
    return std::fabs(a - b) < tolerance;
}

bool interiorsOverlap(const LayoutRect &a, const LayoutRect &b)
{
    return a.left < b.right() - tolerance && b.left < a.right() - tolerance &&
           a.top < b.bottom() - tolerance && b.top < a.bottom() - tolerance;
}

// Whether an axis-parallel segment enters the open interior of the box.
bool entersBody(const LayoutSegment &segment, const LayoutRect &box)
{
    const double left = std::min(segment.from.x, segment.to.x);
    const double right = std::max(segment.from.x, segment.to.x);
    const double top = std::min(segment.from.y, segment.to.y);
    const double bottom = std::max(segment.from.y, segment.to.y);
    return left < box.right() - tolerance && right > box.left + tolerance &&
           top < box.bottom() - tolerance && bottom > box.top + tolerance;
}

bool endsAt(const LayoutWire &wire, const LayoutPoint &point)
{
    for (const LayoutSegment &segment : wire.segments) {
        for (const LayoutPoint &end : {segment.from, segment.to})
            if (near(end.x, point.x) && near(end.y, point.y))
                return true;
    }
    return false;
}

// Whether two collinear segments share more than a point.
bool runTogether(const LayoutSegment &a, const LayoutSegment &b)
{
    const bool aFlat = near(a.from.y, a.to.y);
    const bool bFlat = near(b.from.y, b.to.y);
    if (aFlat != bFlat)
        return false;
    if (aFlat) {
        if (!near(a.from.y, b.from.y))
            return false;
        return std::min(std::max(a.from.x, a.to.x), std::max(b.from.x, b.to.x)) -
                   std::max(std::min(a.from.x, a.to.x), std::min(b.from.x, b.to.x)) >
               tolerance;
    }
    if (!near(a.from.x, b.from.x))
        return false;
    return std::min(std::max(a.from.y, a.to.y), std::max(b.from.y, b.to.y)) -
               std::max(std::min(a.from.y, a.to.y), std::min(b.from.y, b.to.y)) >
           tolerance;
}

bool isRail(const Netlist &netlist, int node)
{
    const NetlistNode &source = netlist.nodes[static_cast<std::size_t>(node)];
    if (source.kind != NetlistNode::Kind::Gate)
        return source.kind != NetlistNode::Kind::Constant;
    return source.type == GateType::Not &&
           netlist.nodes[static_cast<std::size_t>(source.inputs.front())].kind ==
               NetlistNode::Kind::Input;
}

// A circuit with gates over the inputs is drawn as textbooks draw it: the
// gates forming terms from the inputs in one column, top to bottom in the order of their terms,
// each input leaving its rail at a dot.
std::string textbookFault(const Netlist &netlist, const CircuitLayout &layout)
{
    std::vector<const LayoutItem *> first;
    for (const LayoutItem &item : layout.items) {
        if (item.kind != LayoutItem::Kind::Gate || isRail(netlist, item.node))
            continue;
        const NetlistNode &node = netlist.nodes[static_cast<std::size_t>(item.node)];
        const std::vector<int> &inputs = node.inputs;
        if (node.terms.size() == 1 && std::all_of(inputs.begin(), inputs.end(), [&](int input) {
                return isRail(netlist, input);
            }))
            first.push_back(&item);
    }
    for (const LayoutItem *item : first) {
        if (!near(item->body.left, first.front()->body.left))
            return "a gate over the inputs outside their column";
        const NetlistNode &node = netlist.nodes[static_cast<std::size_t>(item->node)];
        for (std::size_t pin = 0; pin < item->pins.size(); ++pin) {
            bool dot = false;
            for (const LayoutWire &wire : layout.wires)
                for (const LayoutPoint &point : wire.dots)
                    dot = dot ||
                          (wire.source == node.inputs[pin] && near(point.y, item->pins[pin].y));
            if (!dot)
                return "an input tapped without a dot";
        }
    }
    std::stable_sort(first.begin(), first.end(), [](const LayoutItem *a, const LayoutItem *b) {
        return a->body.top < b->body.top;
    });
    for (std::size_t i = 1; i < first.size(); ++i) {
        if (netlist.nodes[static_cast<std::size_t>(first[i - 1]->node)].terms.front() >
            netlist.nodes[static_cast<std::size_t>(first[i]->node)].terms.front())
            return "the gates over the inputs out of the order of the terms";
    }
    return std::string();
}

// Empty when the layout keeps every rule; else the first rule broken.
std::string fault(const Netlist &netlist, const CircuitLayout &layout)
{
    const std::vector<LayoutItem> &items = layout.items;
    double gatesLeft = layout.width;
    double gatesRight = 0;
    for (const LayoutItem &item : items) {
        if (item.kind == LayoutItem::Kind::Gate) {
            gatesLeft = std::min(gatesLeft, item.body.left);
            gatesRight = std::max(gatesRight, item.body.right());
        }
        if (item.body.left < 0 || item.body.top < 0 || item.body.right() > layout.width ||
            item.body.bottom() > layout.height)
            return "an item outside the drawing";
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (std::size_t k = i + 1; k < items.size(); ++k)
            if (interiorsOverlap(items[i].body, items[k].body))
                return "two bodies overlap";
        const LayoutItem &item = items[i];
        if (item.kind == LayoutItem::Kind::Input || item.kind == LayoutItem::Kind::Constant) {
            if (item.body.right() > gatesLeft + tolerance)
                return "an input right of a gate";
        }
        if (item.kind == LayoutItem::Kind::Output && item.body.left < gatesRight - tolerance)
            return "the output left of a gate";
    }
    for (const LayoutWire &wire : layout.wires) {
        for (const LayoutSegment &segment : wire.segments) {
            if (!near(segment.from.x, segment.to.x) && !near(segment.from.y, segment.to.y))
                return "a slanted wire";
            for (const LayoutItem &item : items)
                if (entersBody(segment, item.body))
                    return "a wire through a body";
        }
    }
    for (std::size_t a = 0; a < layout.wires.size(); ++a) {
        for (std::size_t b = a + 1; b < layout.wires.size(); ++b)
            for (const LayoutSegment &first : layout.wires[a].segments)
                for (const LayoutSegment &second : layout.wires[b].segments)
                    if (runTogether(first, second))
                        return "two signals run on top of each other";
    }
    if (std::string textbook = textbookFault(netlist, layout); !textbook.empty())
        return textbook;
    // Each pin is reached by the wire of the signal it reads.
    for (const LayoutItem &item : items) {
        std::vector<int> sources;
        if (item.kind == LayoutItem::Kind::Output && netlist.severalOutputs()) {
            // Each output's terminal is labelled with its name.
            for (const NetlistOutput &output : netlist.outputs)
                if (output.name == item.label)
                    sources = {output.node};
        } else if (item.kind == LayoutItem::Kind::Output) {
            sources = {netlist.output};
        } else
            sources = netlist.nodes[static_cast<std::size_t>(item.node)].inputs;
        if (sources.size() != item.pins.size())
            return "a gate with the wrong number of pins";
        for (std::size_t pin = 0; pin < sources.size(); ++pin) {
            bool reached = false;
            for (const LayoutWire &wire : layout.wires)
                reached = reached || (wire.source == sources[pin] && endsAt(wire, item.pins[pin]));
            if (!reached)
                return "a pin no wire reaches";
        }
    }
    return std::string();
}

} // namespace

class CircuitLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void randomCircuitsKeepTheRules_data();
    void randomCircuitsKeepTheRules();
    void jointCircuitsKeepTheRules();
    void singleInputFunctionIsOneStraightWire();
    void levelsGoLeftToRight();
};

void CircuitLayoutTest::randomCircuitsKeepTheRules_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("count");
    for (int n = 2; n <= 6; ++n)
        QTest::newRow(qPrintable(QStringLiteral("%1 variables").arg(n)))
            << n << (n <= 4 ? 400 : 250);
}

void CircuitLayoutTest::randomCircuitsKeepTheRules()
{
    QFETCH(int, n);
    QFETCH(int, count);
    std::mt19937 random(static_cast<unsigned>(n));
    std::discrete_distribution<int> cell({45, 45, 10});
    const std::array<CircuitStyle, 4> styles{CircuitStyle::AndOrInverters,
                                             CircuitStyle::AndOrInvertedInputs,
                                             CircuitStyle::NandNand, CircuitStyle::NorNor};
    Minimization minimization;
    for (int i = 0; i < count; ++i) {
        std::vector<int> cells;
        cells.reserve(std::size_t{1} << n);
        for (int m = 0; m < (1 << n); ++m)
            cells.push_back(cell(random));
        const MinimizationForm form =
            i % 2 ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
        const MinimizationResult result = minimization.run(n, cells, form);
        const MinimizedCover cover = CircuitCover::fromSelection(
            n, form, Minimization::defaultNames(), result, result.selection);
        for (CircuitStyle style : styles) {
            const int fanIn = 2 + i % 3;
            const Netlist netlist = NetlistBuilder::build(cover, style, fanIn);
            const std::string problem = fault(netlist, CircuitLayout::compute(netlist));
            if (!problem.empty())
                QFAIL(qPrintable(QStringLiteral("%1 (%2, %3, fan-in %4): %5")
                                     .arg(QString::fromStdString(cover.text),
                                          QString::fromStdString(circuitStyleKey(style)))
                                     .arg(i)
                                     .arg(fanIn)
                                     .arg(QString::fromStdString(problem))));
        }
    }
}

void CircuitLayoutTest::jointCircuitsKeepTheRules()
{
    // Default names: the output terminals are told apart by their labels.
    for (const JointCircuitCase &one : JointCircuits::random(11, 300, 2, 5, 4, false)) {
        const CircuitLayout layout = CircuitLayout::compute(one.netlist);
        const std::string problem = fault(one.netlist, layout);
        QVERIFY2(problem.empty(), qPrintable(QString::fromStdString(one.name + ": " + problem)));
        const auto terminals =
            std::count_if(layout.items.begin(), layout.items.end(), [](const LayoutItem &item) {
                return item.kind == LayoutItem::Kind::Output;
            });
        QCOMPARE(static_cast<std::size_t>(terminals), one.netlist.outputs.size());
    }
}

void CircuitLayoutTest::singleInputFunctionIsOneStraightWire()
{
    // f = B: the input B wired to the output, the unused A drawn alone.
    Minimization minimization;
    const MinimizationResult result =
        minimization.run(2, MinimizationFixtures::cells("0101"), MinimizationForm::SumOfProducts);
    const MinimizedCover cover = CircuitCover::fromSelection(
        2, MinimizationForm::SumOfProducts, Minimization::defaultNames(), result, result.selection);
    const Netlist netlist = NetlistBuilder::build(cover, CircuitStyle::AndOrInverters);
    const CircuitLayout layout = CircuitLayout::compute(netlist);
    QCOMPARE(layout.items.size(), std::size_t{3});
    QCOMPARE(layout.wires.size(), std::size_t{1});
    QCOMPARE(layout.wires.front().source, 1);
    QCOMPARE(layout.wires.front().segments.size(), std::size_t{1});
    QVERIFY(fault(netlist, layout).empty());
}

void CircuitLayoutTest::levelsGoLeftToRight()
{
    // Majority in NOR-NOR: the inverters on the rails, the NORs of the terms
    // in one column, the NOR of them, then the output inverter.
    Minimization minimization;
    const MinimizationResult result = minimization.run(3, MinimizationFixtures::cells("00010111"),
                                                       MinimizationForm::SumOfProducts);
    const MinimizedCover cover = CircuitCover::fromSelection(
        3, MinimizationForm::SumOfProducts, Minimization::defaultNames(), result, result.selection);
    const Netlist netlist = NetlistBuilder::build(cover, CircuitStyle::NorNor);
    const CircuitLayout layout = CircuitLayout::compute(netlist);
    std::map<std::string, std::set<double>> columns;
    for (const LayoutItem &item : layout.items) {
        const std::string kind = item.kind != LayoutItem::Kind::Gate ? "terminal"
                                 : item.type == GateType::Not        ? "not"
                                                                     : "nor";
        columns[kind + std::to_string(item.pins.size())].insert(item.body.left);
    }
    QCOMPARE(columns["not1"].size(), std::size_t{4}); // one per rail, the output one
    QCOMPARE(columns["nor2"].size(), std::size_t{1});
    QCOMPARE(columns["nor3"].size(), std::size_t{1});
    QVERIFY(*columns["terminal0"].rbegin() < *columns["not1"].begin());
    QVERIFY(*std::prev(columns["not1"].end(), 2) < *columns["nor2"].begin());
    QVERIFY(*columns["nor2"].begin() < *columns["nor3"].begin());
    QVERIFY(*columns["nor3"].begin() < *columns["not1"].rbegin());
}

QTEST_GUILESS_MAIN(CircuitLayoutTest)
#include "CircuitLayoutTest.moc"
