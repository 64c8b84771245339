// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/EquationManager.h"
#include "ModalBoxAnswerer.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "app/VariableCountManager.h"
#include "tables/truthTable.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString title = QStringLiteral("Equation Syntax Error");
const QString parsing =
    QStringLiteral("Error detected while parsing and evaluating the expression:\n\n");

QString bits(const QVector<bool> &values)
{
    QString text;
    for (bool value : values)
        text += value ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

} // namespace

class EquationManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void emission_data();
    void emission();
    void warning_data();
    void warning();
    void resetClearsTextAndRestoresNames();
    void onlyExpressionCharactersCanBeTyped();
    void engineIsReachableByName();

    void returnInTheWindowFillsTheTable();
    void syntaxErrorInTheWindowLeavesTheTable();
    void windowCountAndResetReachTheField();

private:
    template <typename Widget> static Widget *child(MainWindow &window, const char *name)
    {
        return WidgetLookup::named<Widget>(window, name);
    }
};

void EquationManagerTest::emission_data()
{
    QTest::addColumn<QStringList>("sixNames");    // applied first, when given
    QTest::addColumn<QStringList>("dialogNames"); // then these, when given
    QTest::addColumn<int>("count");               // then this, when not 0
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QStringList none;
    QTest::newRow("A&B after construction, four variables") << none << none << 0 << "A&B"
                                                            << "0000000000001111";
    QTest::newRow("A+B with two variables") << none << none << 2 << "A+B"
                                            << "0111";
    QTest::newRow("A^B with two variables") << none << none << 2 << "A^B"
                                            << "0110";
    QTest::newRow("A'' with three variables") << none << none << 3 << "A''"
                                              << "00001111";
    QTest::newRow("C alone with three variables") << none << none << 3 << "C"
                                                  << "01010101";
    QTest::newRow("six variables, last name least significant")
        << none << none << 6 << "F" << QStringLiteral("01").repeated(32);
    QTest::newRow("dialog names X Y Z W") << none << QStringList{"X", "Y", "Z", "W"} << 0 << "X&Y"
                                          << "0000000000001111";
    QTest::newRow("dialog sends three names, count follows them")
        << none << QStringList{"P", "Q", "R"} << 0 << "P^R"
        << "01011010";
    QTest::newRow("count change after the dialog restores the stored names")
        << none << QStringList{"P", "Q", "R"} << 4 << "A&D"
        << "0000000001010101";
    QTest::newRow("six imported names, count kept")
        << QStringList{"s", "t", "u", "v", "w", "x"} << none << 3 << "s+u'"
        << "10101111";
    QTest::newRow("repeated imported names keep the previous ones")
        << QStringList{"A", "A", "C", "D", "E", "F"} << none << 0 << "B"
        << "0000111100001111";
    QTest::newRow("count beyond the stored names pads one empty name")
        << none << none << 7 << "A" << QString(64, '0') + QString(64, '1');
}

void EquationManagerTest::emission()
{
    QFETCH(QStringList, sixNames);
    QFETCH(QStringList, dialogNames);
    QFETCH(int, count);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    EquationManager field;
    if (!sixNames.isEmpty())
        field.slotUpdateVariableNames(sixNames[0], sixNames[1], sixNames[2], sixNames[3],
                                      sixNames[4], sixNames[5]);
    if (!dialogNames.isEmpty())
        field.slotUpdateVariableNames(QVector<QString>(dialogNames.begin(), dialogNames.end()));
    if (count != 0)
        field.slotUpdateVariableCount(count);
    QSignalSpy spy(&field, &EquationManager::signalUpdateTruthTableValues);
    field.setText(text);

    ModalBoxAnswerer answerer;
    answerer.arm();
    field.slotEvaluateEquation();

    QVERIFY2(!answerer.answered(), qPrintable(answerer.text()));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bits(spy.at(0).at(0).value<QVector<bool>>()), expected);
}

void EquationManagerTest::warning_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("dialogNames");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<QString>("selected");

    const QStringList none;
    QTest::newRow("D with three variables selects D")
        << 3 << none << "D"
        << parsing + "The variable name 'D' starting at character position 1 is undefined. Did "
                     "you make a spelling mistake or forget to set your custom variable names?"
        << 0 << "D";
    QTest::newRow("A+ selects the plus")
        << 4 << none << "A+"
        << parsing + "Binary infix operator '+' starting at character position 2 expects two "
                     "operands; The right-hand-side (RHS) operand is missing"
        << 1 << "+";
    QTest::newRow("old name after the dialog renamed the variables")
        << 0 << QStringList{"X", "Y", "Z", "W"} << "X&A"
        << parsing + "The variable name 'A' starting at character position 3 is undefined. Did "
                     "you make a spelling mistake or forget to set your custom variable names?"
        << 2 << "A";
    QTest::newRow("unclosed group selects its parenthesis")
        << 4 << none << "B&(C"
        << parsing + "Unmatched left-parenthesis found in boolean expression starting at "
                     "character position 3. Parentheses come in pairs of left-right and must "
                     "contain an operand between them."
        << 2 << "(";
    QTest::newRow("empty text") << 4 << none << ""
                                << "An empty expression cannot be evaluated." << -1 << "";
}

void EquationManagerTest::warning()
{
    QFETCH(int, count);
    QFETCH(QStringList, dialogNames);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, selectionStart);
    QFETCH(QString, selected);

    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *field = new EquationManager(&window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    if (count != 0)
        field->slotUpdateVariableCount(count);
    if (!dialogNames.isEmpty())
        field->slotUpdateVariableNames(QVector<QString>(dialogNames.begin(), dialogNames.end()));
    field->setText(text);
    QSignalSpy spy(field, &EquationManager::signalUpdateTruthTableValues);

    ModalBoxAnswerer answerer;
    answerer.arm();
    field->slotEvaluateEquation();

    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.title(), title);
    QCOMPARE(answerer.text(), message);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(field->selectionStart(), selectionStart);
    QCOMPARE(field->selectedText(), selected);
    QCOMPARE(window.focusWidget(), field);
}

void EquationManagerTest::resetClearsTextAndRestoresNames()
{
    EquationManager field;
    field.slotUpdateVariableNames("P", "Q", "R", "S", "T", "U");
    field.slotUpdateVariableCount(6);
    field.setText(QStringLiteral("P&Q"));
    QSignalSpy spy(&field, &EquationManager::signalUpdateTruthTableValues);

    field.slotResetEquation();

    QCOMPARE(field.text(), QString());
    QCOMPARE(spy.count(), 0);
    QCOMPARE(field.Get_Variable_Names(), (std::vector<std::string>{"A", "B", "C", "D"}));
}

void EquationManagerTest::onlyExpressionCharactersCanBeTyped()
{
    EquationManager field;
    QTest::keyClicks(&field, QStringLiteral("(a1 + B)*'^&-Z_9"));
    QCOMPARE(field.text(), QStringLiteral("(a1+B)'^&Z9"));
    QCOMPARE(field.statusTip(),
             QStringLiteral("Enter an equation as input for the truth table and Karnaugh map"));
    QCOMPARE(field.toolTip(), QString());
}

void EquationManagerTest::engineIsReachableByName()
{
    EquationManager field;
    QCOMPARE(field.qt_metacast("ExpressionEvaluator"),
             static_cast<void *>(static_cast<ExpressionEvaluator *>(&field)));
}

void EquationManagerTest::returnInTheWindowFillsTheTable()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *field = child<EquationManager>(window, "equationManager");
    auto *table = child<truthTable>(window, "truthTableWidget");
    QSignalSpy modified(table, &truthTable::cellModified);

    QTest::keyClicks(field, QStringLiteral("A^D"));
    QTest::keyClick(field, Qt::Key_Return);

    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("0101010110101010"));
    QCOMPARE(modified.count(), 16);
}

void EquationManagerTest::syntaxErrorInTheWindowLeavesTheTable()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *field = child<EquationManager>(window, "equationManager");
    auto *table = child<truthTable>(window, "truthTableWidget");
    UserInput::clickCell(table, 3, 5);
    const QString before = WidgetLookup::lastColumnText(*table);

    ModalBoxAnswerer answerer;
    answerer.arm();
    QTest::keyClicks(field, QStringLiteral("A&&B"));
    QTest::keyClick(field, Qt::Key_Return);

    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.title(), title);
    QVERIFY(answerer.text().startsWith(parsing + "Binary infix operator '&' starting at character "
                                                 "position 2"));
    QCOMPARE(field->selectedText(), QStringLiteral("&"));
    QCOMPARE(WidgetLookup::lastColumnText(*table), before);
}

void EquationManagerTest::windowCountAndResetReachTheField()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *field = child<EquationManager>(window, "equationManager");
    auto *table = child<truthTable>(window, "truthTableWidget");
    auto *count = child<VariableCountManager>(window, "variableCountManager");

    count->setFocus();
    QTest::keyClick(count, Qt::Key_Home); // two variables
    field->setText(QStringLiteral("A^B"));
    child<QPushButton>(window, "fillTableButton")->click();
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("0110"));

    QTest::mouseClick(child<QPushButton>(window, "resetButton"), Qt::LeftButton);
    QCOMPARE(field->text(), QString());
    field->setText(QStringLiteral("C"));
    child<QPushButton>(window, "fillTableButton")->click();
    QCOMPARE(WidgetLookup::lastColumnText(*table), QStringLiteral("0011001100110011"));
}

QTEST_MAIN(EquationManagerTest)
#include "EquationManagerTest.moc"
