// SPDX-License-Identifier: GPL-3.0-or-later
// The function of several outputs against a plain model of its rules: random
// edits are accepted exactly when the model allows them, a refused edit
// changes nothing, and the names always obey the rules.

#include "outputs/MultiOutputFunction.h"
#include "RandomOutputs.h"

#include <QTest>

#include <algorithm>
#include <cctype>
#include <random>
#include <vector>

namespace {

using Fault = MultiOutputFunction::NameFault;

bool isName(const std::string &name)
{
    return !name.empty() && name.size() <= 3 &&
           std::all_of(name.begin(), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

bool has(const std::vector<std::string> &names, const std::string &name)
{
    return std::count(names.begin(), names.end(), name) > 0;
}

// The model's verdict on renaming output `k` to `name`.
Fault renameFault(const MultiOutputFunction &function, int k, const std::string &name)
{
    if (!isName(name))
        return Fault::NotAName;
    if (has(function.inputNames(), name))
        return Fault::InputName;
    std::vector<std::string> others = function.outputNames();
    others.erase(others.begin() + k);
    return has(others, name) ? Fault::OutputName : Fault::None;
}

// The lowest "fK", K from 1, that no input or output has.
std::string lowestFree(const MultiOutputFunction &function)
{
    for (int k = 1;; ++k) {
        std::string name = "f" + std::to_string(k);
        if (!has(function.inputNames(), name) && !has(function.outputNames(), name))
            return name;
    }
}

void checkRules(const MultiOutputFunction &function)
{
    const std::vector<std::string> &inputs = function.inputNames();
    const std::vector<std::string> outputs = function.outputNames();
    QVERIFY(function.outputCount() >= 1 && function.outputCount() <= 64);
    for (std::size_t j = 0; j < inputs.size(); ++j) {
        QVERIFY(isName(inputs[j]));
        QCOMPARE(std::count(inputs.begin(), inputs.end(), inputs[j]), 1);
    }
    for (const std::string &name : outputs) {
        QVERIFY(isName(name));
        QVERIFY(!has(inputs, name));
        QCOMPARE(std::count(outputs.begin(), outputs.end(), name), 1);
    }
    for (int k = 0; k < function.outputCount(); ++k) {
        const std::string &values = function.values(k);
        QCOMPARE(values.size(), function.cellCount());
        QVERIFY(values.find_first_not_of("01X") == std::string::npos);
    }
}

} // namespace

class MultiOutputFunctionTest : public QObject
{
    Q_OBJECT
private slots:
    void oneOutputIsTodaysFunction_data();
    void oneOutputIsTodaysFunction();
    void randomEditsKeepTheRules();
    void defaultNamesAvoidInputs();
    void outputCountStaysWithinLimits();
};

void MultiOutputFunctionTest::oneOutputIsTodaysFunction_data()
{
    QTest::addColumn<int>("inputs");
    QTest::addColumn<int>("count");
    for (int n = 1; n <= 7; ++n)
        QTest::addRow("%d inputs", n) << n << (n >= 2 && n <= 6 ? n : 4);
}

void MultiOutputFunctionTest::oneOutputIsTodaysFunction()
{
    QFETCH(int, inputs);
    QFETCH(int, count);
    const MultiOutputFunction function(inputs);
    QCOMPARE(function.inputCount(), count);
    QCOMPARE(function.outputCount(), 1);
    QCOMPARE(function.outputName(0), std::string("f"));
    QCOMPARE(function.values(0), std::string(std::size_t{1} << count, '0'));
    for (int j = 0; j < count; ++j)
        QCOMPARE(function.inputNames()[static_cast<std::size_t>(j)],
                 std::string(1, static_cast<char>('A' + j)));
}

void MultiOutputFunctionTest::randomEditsKeepTheRules()
{
    std::mt19937 random(22);
    for (int round = 0; round < 40; ++round) {
        MultiOutputFunction function = RandomOutputs::function(
            random, 2 + round % 5, 1 + static_cast<int>(random() % 4), round % 2 == 0);
        for (int step = 0; step < 400; ++step) {
            const MultiOutputFunction before = function;
            const int k =
                static_cast<int>(random() % static_cast<unsigned>(function.outputCount()));
            switch (random() % 6) {
            case 0: {
                const int added = function.addOutput();
                if (before.outputCount() == 64) {
                    QCOMPARE(added, -1);
                    QVERIFY(function == before);
                } else {
                    QCOMPARE(added, before.outputCount());
                    QCOMPARE(function.outputName(added), lowestFree(before));
                    QCOMPARE(function.values(added), std::string(function.cellCount(), '0'));
                }
                break;
            }
            case 1: {
                const bool removed = function.removeOutput(k);
                QCOMPARE(removed, before.outputCount() > 1);
                if (removed) {
                    std::vector<std::string> names = before.outputNames();
                    names.erase(names.begin() + k);
                    QVERIFY(function.outputNames() == names);
                }
                break;
            }
            case 2:
            case 3: {
                // Names of other outputs and inputs come up often, as users type them.
                const std::vector<std::string> pool{
                    RandomOutputs::name(random),
                    before.outputName(k),
                    before.outputName(static_cast<int>(random() % before.outputCount())),
                    before.inputNames()[random() % before.inputNames().size()],
                    "a_b",
                    ""};
                const std::string &name = pool[random() % pool.size()];
                const Fault expected = renameFault(before, k, name);
                const MultiOutputFunction::NameRefusal refusal = function.renameOutput(k, name);
                QCOMPARE(refusal.fault, expected);
                if (expected == Fault::None) {
                    QCOMPARE(function.outputName(k), name);
                } else {
                    QCOMPARE(refusal.name, name);
                    QVERIFY(!refusal.englishSentence().empty());
                    QVERIFY(function == before);
                }
                break;
            }
            case 4: {
                // Inputs and outputs trading names at once.
                std::vector<std::string> inputs = before.inputNames();
                std::vector<std::string> outputs = before.outputNames();
                std::swap(inputs[random() % inputs.size()], outputs[static_cast<std::size_t>(k)]);
                const bool accepted = function.setNames(inputs, outputs).ok();
                QVERIFY(accepted);
                QVERIFY(function.inputNames() == inputs && function.outputNames() == outputs);
                break;
            }
            default: {
                const std::size_t m = random() % function.cellCount();
                const char value = "01X?"[random() % 4];
                QCOMPARE(function.setCell(k, m, value), value != '?');
                QCOMPARE(function.cell(k, m), value != '?' ? value : before.cell(k, m));
                break;
            }
            }
            checkRules(function);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

// An input called "f" leaves the first output the lowest free "fK".
void MultiOutputFunctionTest::defaultNamesAvoidInputs()
{
    const std::vector<std::string> inputs{"f", "f1", "f3"};
    QVERIFY((MultiOutputFunction::completedOutputNames(inputs, {}, 3) ==
             std::vector<std::string>{"f2", "f4", "f5"}));
    QVERIFY((MultiOutputFunction::completedOutputNames(inputs, {"x", "f2", "y"}, 2) ==
             std::vector<std::string>{"x", "f2"}));
    QVERIFY((MultiOutputFunction::completedOutputNames({"A", "B"}, {"f2"}, 3) ==
             std::vector<std::string>{"f2", "f1", "f3"}));
}

void MultiOutputFunctionTest::outputCountStaysWithinLimits()
{
    MultiOutputFunction function(6, 65);
    QCOMPARE(function.outputCount(), 64);
    checkRules(function);
    QCOMPARE(function.addOutput(), -1);
    while (function.outputCount() > 1)
        QVERIFY(function.removeOutput(function.outputCount() - 1));
    QVERIFY(!function.removeOutput(0));
    QCOMPARE(MultiOutputFunction(4, 0).outputCount(), 1);
}

QTEST_GUILESS_MAIN(MultiOutputFunctionTest)
#include "MultiOutputFunctionTest.moc"
