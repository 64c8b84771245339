// SPDX-License-Identifier: GPL-3.0-or-later
// The window shows the cores' messages through its own translatable
// sentences. Without a translation those sentences must give, byte for
// byte, the English text the cores write for tavolin-cli: every fault of
// the expression parser, the PLA reader, the formatters and the paste
// parser, and explanations that use every phrase of the steps window.
#include "edit/ValueColumn.h"
#include "explain/Explainer.h"
#include "explain/ExplanationRenderer.h"
#include "explain/StepsWindow.h"
#include "expression/EquationManager.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "format/ExpressionFormatter.h"
#include "format/ResultCopier.h"
#include "minimize/CoverFinder.h"
#include "minimize/Minimization.h"
#include "pla/ImportExport.h"
#include "pla/PlaReader.h"
#include "tables/ValueKeys.h"

#include <QTest>

#include <set>

namespace {

std::vector<int> codesOf(const std::string &cells)
{
    return Minimization::cellCodes(cells);
}

MinimizedCover coverOf(int n, const std::string &cells)
{
    Minimization minimization;
    const VariableNames names = Minimization::defaultNames();
    return CoverFinder::windowCover(
        minimization.run(n, codesOf(cells), MinimizationForm::SumOfProducts, names), names);
}

} // namespace

class CoreMessagesTest : public QObject
{
    Q_OBJECT

private slots:
    void expressionErrorsReadAsTheCoreWritesThem_data();
    void expressionErrorsReadAsTheCoreWritesThem();
    void plaFaultsReadAsTheCoreWritesThem_data();
    void plaFaultsReadAsTheCoreWritesThem();
    void replacedLabelsReadAsTheCoreWritesThem_data();
    void replacedLabelsReadAsTheCoreWritesThem();
    void replacedOutputLabelsReadAsTheCoreWritesThem_data();
    void replacedOutputLabelsReadAsTheCoreWritesThem();
    void formatterRefusalsReadAsTheCoreWritesThem_data();
    void formatterRefusalsReadAsTheCoreWritesThem();
    void pasteRefusalReadsAsTheCoreWritesIt();
    void stepsReadAsTheCoreWritesThem_data();
    void stepsReadAsTheCoreWritesThem();
};

// Typed expressions, evaluated as the window does, so that every sentence
// is reached from real text; the set of sentences met is checked at the end.
void CoreMessagesTest::expressionErrorsReadAsTheCoreWritesThem_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<int>("sentence");

    using S = ExpressionSentence;
    QTest::newRow("invalid symbol") << "a+$" << int(S::InvalidSymbol);
    QTest::newRow("operand after operand") << "(a)b" << int(S::UnexpectedOperand);
    QTest::newRow("left parenthesis open") << "(a+b" << int(S::UnmatchedLeftParenthesis);
    QTest::newRow("right parenthesis alone") << "a+b)" << int(S::UnmatchedRightParenthesis);
    QTest::newRow("binary without left") << "+a" << int(S::BinaryOperatorMissingLhs);
    QTest::newRow("binary without right") << "a+" << int(S::BinaryOperatorMissingRhs);
    QTest::newRow("not without operand") << "'" << int(S::SuffixOperatorMissingLhs);
    QTest::newRow("empty parentheses") << "()" << int(S::PrefixOperatorMissingRhs);
    QTest::newRow("undefined variable") << "a+e" << int(S::UndefinedVariable);
}

void CoreMessagesTest::expressionErrorsReadAsTheCoreWritesThem()
{
    QFETCH(QString, expression);
    QFETCH(int, sentence);

    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names({"a", "b", "c", "d"});
    evaluator.Set_Expression(expression.toStdString());
    evaluator.Set_Variable_Values({false, false, false, false});
    try {
        evaluator.Evaluate_Expression();
        QFAIL("the expression was accepted");
    } catch (const ExpressionException &e) {
        QCOMPARE(int(e.Get_Sentence()), sentence);
        QCOMPARE(EquationManager::describe(e).toStdString(), e.Get_Message());
        QVERIFY(!e.Get_Message().empty());
    }
}

void CoreMessagesTest::plaFaultsReadAsTheCoreWritesThem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("line");

    using F = PlaFault;
    QTest::newRow("multi-valued") << ".mv 3 2\n" << int(F::UnsupportedKind) << 1;
    QTest::newRow("count too large") << ".i 9\n" << int(F::CountOutOfRange) << 1;
    QTest::newRow("count missing") << "# x\n.i\n" << int(F::CountMissing) << 2;
    QTest::newRow("count against labels") << ".i 3\n.ilb a b c\n.i 2\n"
                                          << int(F::CountDisagreesWithLabels) << 3;
    QTest::newRow("outputs missing") << ".i 2\n.o x\n" << int(F::OutputsMissing) << 2;
    QTest::newRow("type after products") << ".i 2\n11 1\n.type fr\n"
                                         << int(F::TypeAfterProducts) << 3;
    QTest::newRow("unknown type") << ".i 2\n.type q\n" << int(F::TypeUnsupported) << 2;
    QTest::newRow("too many labels") << ".i 2\n.ilb a b c\n" << int(F::TooManyLabels) << 2;
    QTest::newRow("too few labels") << ".i 3\n.ilb a b\n.e\n" << int(F::TooFewLabels) << 2;
    QTest::newRow("no output part") << ".i 2\n11\n" << int(F::NoOutputPart) << 2;
    QTest::newRow("bad input part") << ".i 2\n1z 1\n" << int(F::BadInputPart) << 2;
    QTest::newRow("too many outputs") << ".i 2\n.o 99\n" << int(F::TooManyOutputs) << 2;
}

void CoreMessagesTest::plaFaultsReadAsTheCoreWritesThem()
{
    QFETCH(QString, text);
    QFETCH(int, fault);
    QFETCH(int, line);

    // Reading every output meets every fault; reading one the same ones
    // but a count of outputs it does not hold.
    const PlaOutputsResult result = PlaReader::readOutputs(text.toStdString(), 4);
    QVERIFY(!result.ok());
    QCOMPARE(int(result.error.fault), fault);
    QCOMPARE(result.error.line, line);
    QCOMPARE(ImportExport::describe(result.error).toStdString(), result.error.message);
    const PlaReadResult one = PlaReader::read(text.toStdString(), 4);
    QCOMPARE(one.ok(), fault == int(PlaFault::TooManyOutputs));
    if (!one.ok())
        QCOMPARE(one.error.message, result.error.message);
}

void CoreMessagesTest::replacedLabelsReadAsTheCoreWritesThem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("note");

    QTest::newRow("one label") << ".i 2\n.ilb a+b c\n11 1\n"
                               << "The label \"a+b\" is not a valid variable name (1 to 3 letters "
                                  "or digits, all different), so the variables have the default "
                                  "names A, B.";
    QTest::newRow("two labels") << ".i 3\n.ilb x x long\n111 1\n"
                                << "The labels \"x\", \"long\" are not valid variable names (1 to "
                                   "3 letters or digits, all different), so the variables have "
                                   "the default names A, B, C.";
    QTest::newRow("good labels") << ".i 2\n.ilb p q\n11 1\n"
                                 << "";
}

void CoreMessagesTest::replacedLabelsReadAsTheCoreWritesThem()
{
    QFETCH(QString, text);
    QFETCH(QString, note);

    const PlaReadResult result = PlaReader::read(text.toStdString(), 4);
    QVERIFY(result.ok());
    QCOMPARE(QString::fromStdString(PlaReader::replacedLabelsNote(*result.function)), note);
    QCOMPARE(ImportExport::labelsNote(*result.function), note);
}

void CoreMessagesTest::replacedOutputLabelsReadAsTheCoreWritesThem_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("one label") << ".i 2\n.o 2\n.ob s+ co\n11 11\n";
    QTest::newRow("two labels") << ".i 2\n.o 3\n.ob g g long\n11 111\n";
    QTest::newRow("an input's name") << ".i 2\n.o 2\n.ilb a b\n.ob a s\n11 11\n";
    QTest::newRow("good labels") << ".i 2\n.o 2\n.ob s co\n11 11\n";
}

void CoreMessagesTest::replacedOutputLabelsReadAsTheCoreWritesThem()
{
    QFETCH(QString, text);

    const PlaOutputsResult result = PlaReader::readOutputs(text.toStdString(), 4);
    QVERIFY(result.outputs);
    QCOMPARE(ImportExport::outputLabelsNote(*result.outputs),
             QString::fromStdString(PlaReader::replacedOutputLabelsNote(*result.outputs)));
}

void CoreMessagesTest::formatterRefusalsReadAsTheCoreWritesThem_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("fault");

    using F = ExpressionFormatter::NameFault;
    QTest::newRow("no name") << int(OutputFormat::C) << ""
                             << "B" << int(F::NoName);
    QTest::newRow("digit first") << int(OutputFormat::Python) << "1a"
                                 << "B" << int(F::BadFirstCharacter);
    QTest::newRow("bad character") << int(OutputFormat::Verilog) << "a-b"
                                   << "B" << int(F::BadCharacter);
    QTest::newRow("reserved word") << int(OutputFormat::Vhdl) << "AND"
                                   << "B" << int(F::ReservedWord);
    QTest::newRow("same name") << int(OutputFormat::C) << "x"
                               << "x" << int(F::SameName);
    QTest::newRow("same but for case") << int(OutputFormat::Vhdl) << "x"
                                       << "X" << int(F::SameNameIgnoringCase);
}

void CoreMessagesTest::formatterRefusalsReadAsTheCoreWritesThem()
{
    QFETCH(int, format);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, fault);

    // A'&B uses both names.
    VariableNames names = Minimization::defaultNames();
    names[0] = first.toStdString();
    names[1] = second.toStdString();
    const ExpressionFormatter::Result result =
        ExpressionFormatter::format(coverOf(2, "0100"), names, OutputFormat(format));
    QVERIFY(!result.ok);
    QCOMPARE(int(result.fault), fault);
    QCOMPARE(ResultCopier::refusal(result).toStdString(), result.error);
}

void CoreMessagesTest::pasteRefusalReadsAsTheCoreWritesIt()
{
    for (const char *text : {"0\n1\n2\n", "01y1", "1\n\"x\"\n"}) {
        const ValueColumn::Parsed parsed = ValueColumn::parse(text);
        QVERIFY2(!parsed.error.empty(), text);
        QCOMPARE(ValueKeys::pasteRefusal(parsed).toStdString(), parsed.error);
    }
}

// Functions that between them reach every sentence of an explanation:
// nothing to cover, essential primes, a cyclic chart with tied choices and
// several minimum solutions, a window answer that is not minimal, both
// forms, a count cut short, and the hazard-free cover.
void CoreMessagesTest::stepsReadAsTheCoreWritesThem_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("productOfSums");
    QTest::addColumn<int>("countCap");

    QTest::newRow("all zero") << 2 << "0000" << false << 100;
    QTest::newRow("all one, product of sums") << 2 << "1111" << true << 100;
    QTest::newRow("majority") << 3 << "00010111" << false << 100;
    QTest::newRow("majority, product of sums") << 3 << "00010111" << true << 100;
    QTest::newRow("cyclic") << 3 << "01111110" << false << 100;
    QTest::newRow("cyclic, count stopped") << 3 << "01111110" << false << 1;
    QTest::newRow("don't cares") << 4 << "1X0X11X0010X1X01" << false << 100;
    QTest::newRow("not minimal") << 4 << "0001110111111001" << false << 100;
}

void CoreMessagesTest::stepsReadAsTheCoreWritesThem()
{
    QFETCH(int, n);
    QFETCH(QString, cells);
    QFETCH(bool, productOfSums);
    QFETCH(int, countCap);

    Explainer explainer;
    Explanation explanation = explainer.explain(n, codesOf(cells.toStdString()),
                                                productOfSums ? MinimizationForm::ProductOfSums
                                                              : MinimizationForm::SumOfProducts);
    const ExplanationPhrases window = StepsWindow::phrases();
    const std::string unsearched = renderExplanation(explanation, ExplanationFormat::Text);
    QCOMPARE(renderExplanation(explanation, ExplanationFormat::Text, window), unsearched);

    explanation.solutions =
        Explainer::listSolutions(explanation, 1, static_cast<std::uint64_t>(countCap));
    explanation.hazardFree = Explainer::hazardFreeCover(explanation);
    for (ExplanationFormat format :
         {ExplanationFormat::Text, ExplanationFormat::Markdown, ExplanationFormat::Html})
        QCOMPARE(renderExplanation(explanation, format, window),
                 renderExplanation(explanation, format));
    for (const CoverStep &step : explanation.choices)
        QCOMPARE(choiceReason(explanation, step, window), choiceReason(explanation, step));
}

QTEST_MAIN(CoreMessagesTest)
#include "CoreMessagesTest.moc"
