// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "expression/ExpressionInternalError.h"

#include <QTest>

#include <iostream>
#include <sstream>

namespace {

// Evaluates the current expression for every assignment, first name as the
// most significant bit, and writes the results as a string of 0 and 1.
QString truthTable(ExpressionEvaluator &evaluator)
{
    const int n = evaluator.Variable_Count();
    QString table;
    for (int row = 0; row < (1 << n); ++row) {
        std::vector<bool> values;
        values.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            values.push_back((row >> (n - 1 - i)) & 1);
        evaluator.Set_Variable_Values(values);
        table += evaluator.Evaluate_Expression() ? QLatin1Char('1') : QLatin1Char('0');
    }
    return table;
}

// Runs a hand-made postfix sequence, which the parser would never produce.
class PostfixEvaluator : public ExpressionEvaluator
{
public:
    explicit PostfixEvaluator(const std::vector<ExpressionToken> &postfix)
    {
        postfix_expression_ = postfix;
        is_parsed_ = true;
    }
};

const ExpressionToken eol(TOKEN_EOL, 0, "", 0);

} // namespace

class ExpressionEvaluatorTest : public QObject
{
    Q_OBJECT

private slots:
    void truthTable_data();
    void truthTable();
    void parsesOnlyOncePerText();
    void failedParseIsRetried();
    void constantOperand_data();
    void constantOperand();
    void variableBeyondTheTableIsFalse();
    void brokenPostfixIsAnInternalError_data();
    void brokenPostfixIsAnInternalError();
};

void ExpressionEvaluatorTest::truthTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // rows 0 .. 7 over A, B, C

    QTest::newRow("A+B&C: AND first") << "A+B&C"
                                      << "00011111";
    QTest::newRow("A^B true where A and B differ") << "A^B"
                                                   << "00111100";
    QTest::newRow("A^B^C odd parity") << "A^B^C"
                                      << "01101001";
    QTest::newRow("A'' equals A") << "A''"
                                  << "00001111";
    QTest::newRow("(A+B)' equals A'&B'") << "(A+B)'"
                                         << "11000000";
    QTest::newRow("A'&B' equals (A+B)'") << "A'&B'"
                                         << "11000000";
    QTest::newRow("C alternates") << "C"
                                  << "01010101";
    QTest::newRow("A&B+C: OR last") << "A&B+C"
                                    << "01010111";
    QTest::newRow("A+B^C: XOR before OR") << "A+B^C"
                                          << "01101111";
    QTest::newRow("A^B&C: AND before XOR") << "A^B&C"
                                           << "00011110";
    QTest::newRow("A&(B+C)': NOT of a group") << "A&(B+C)'"
                                              << "00001000";
}

void ExpressionEvaluatorTest::truthTable()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names({"A", "B", "C"});
    evaluator.Set_Expression(text.toStdString());
    QCOMPARE(::truthTable(evaluator), expected);
}

void ExpressionEvaluatorTest::parsesOnlyOncePerText()
{
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names({"A", "B"});
    evaluator.Set_Variable_Values({true, false});
    evaluator.Set_Expression("A&B'");
    QVERIFY(evaluator.Evaluate_Expression());
    // A second parse would read from the end of the text and fail; renaming
    // the variables would also break it. Neither happens: the postfix
    // sequence is kept and only the values are read again.
    QVERIFY(evaluator.Set_Variable_Names({"X", "Y"}));
    evaluator.Set_Variable_Values({true, true});
    QVERIFY(!evaluator.Evaluate_Expression());
    // A new text is parsed again, against the new names.
    evaluator.Set_Expression("A");
    QVERIFY_THROWS_EXCEPTION(ExpressionException, evaluator.Evaluate_Expression());
    evaluator.Set_Expression("X^Y");
    QVERIFY(!evaluator.Evaluate_Expression());
}

void ExpressionEvaluatorTest::failedParseIsRetried()
{
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names({"A"});
    evaluator.Set_Variable_Values({true});
    evaluator.Set_Expression("A+");
    QVERIFY_THROWS_EXCEPTION(ExpressionException, evaluator.Evaluate_Expression());
    evaluator.Set_Expression("A'");
    QVERIFY(!evaluator.Evaluate_Expression());
}

void ExpressionEvaluatorTest::constantOperand_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("5 is true") << 5 << true;
    QTest::newRow("0 is false") << 0 << false;
    QTest::newRow("-1 is true") << -1 << true;
}

void ExpressionEvaluatorTest::constantOperand()
{
    QFETCH(int, value);
    QFETCH(bool, expected);
    PostfixEvaluator evaluator({ExpressionToken(TOKEN_CONST, 0, "k", value), eol});
    QCOMPARE(evaluator.Evaluate_Expression(), expected);
}

void ExpressionEvaluatorTest::variableBeyondTheTableIsFalse()
{
    PostfixEvaluator evaluator(
        {ExpressionToken(TOKEN_VAR, 0, "Q", 9), ExpressionToken(TOKEN_NOT, 1, "'", 0), eol});
    QVERIFY(evaluator.Evaluate_Expression());
}

void ExpressionEvaluatorTest::brokenPostfixIsAnInternalError_data()
{
    QTest::addColumn<int>("brokenType");
    QTest::addColumn<QString>("message");
    const QString evaluate =
        "Error Detected In: 'ExpressionEvaluator::Evaluate_Expression(void)'; ";
    QTest::newRow("parenthesis in postfix")
        << int(TOKEN_LP) << evaluate + "Invalid token found in postfix_expression_";
    QTest::newRow("no end marker") << 0 << evaluate + "Reached end of function";
    QTest::newRow("operator without operands")
        << int(TOKEN_AND) << evaluate + "Operand missing in postfix_expression_";
}

void ExpressionEvaluatorTest::brokenPostfixIsAnInternalError()
{
    QFETCH(int, brokenType);
    QFETCH(QString, message);
    std::vector<ExpressionToken> postfix;
    if (brokenType != 0) {
        postfix.emplace_back(brokenType, 0, "x", 0);
        postfix.push_back(eol);
    }
    PostfixEvaluator evaluator(postfix);
    std::ostringstream captured;
    std::streambuf *saved = std::cerr.rdbuf(captured.rdbuf());
    QString thrown;
    try {
        evaluator.Evaluate_Expression();
    } catch (const ExpressionInternalError &e) {
        thrown = QString::fromStdString(e.what());
    }
    std::cerr.rdbuf(saved);
    QCOMPARE(thrown, message);
    QCOMPARE(QString::fromStdString(captured.str()), message);
}

QTEST_GUILESS_MAIN(ExpressionEvaluatorTest)
#include "ExpressionEvaluatorTest.moc"
