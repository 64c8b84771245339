// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionParser.h"
#include "expression/ExpressionException.h"

#include <QTest>

#include <iostream>
#include <sstream>

namespace {

class InspectableParser : public ExpressionParser
{
public:
    InspectableParser() { Set_Variable_Names({"A", "B", "C", "D"}); }
    const std::vector<ExpressionToken> &postfix() const { return postfix_expression_; }
    bool parsed() const { return is_parsed_; }
};

// Token texts separated by blanks; the end marker, which has no text, as EOL.
QString dump(const std::vector<ExpressionToken> &tokens)
{
    QStringList parts;
    for (const ExpressionToken &t : tokens)
        parts << (t.Get_Type() == TOKEN_EOL ? QStringLiteral("EOL")
                                            : QString::fromStdString(t.Get_Text()));
    return parts.join(QLatin1Char(' '));
}

const QString missingLhs = QStringLiteral("The left-hand-side (LHS) operand is missing");
const QString missingRhs = QStringLiteral("The right-hand-side (RHS) operand is missing");
const QString pairs = QStringLiteral(
    ". Parentheses come in pairs of left-right and must contain an operand between them.");

QString binary(const QString &op, int position)
{
    return QStringLiteral("Binary infix operator '%1' starting at character position %2 expects "
                          "two operands; ")
        .arg(op)
        .arg(position);
}

QString suffix(const QString &op, int position)
{
    return QStringLiteral("Unary suffix operator '%1' starting at character position %2 expects "
                          "one operand; ")
        .arg(op)
        .arg(position);
}

QString prefix(const QString &op, int position)
{
    return QStringLiteral("Unary prefix operator '%1' starting at character position %2 expects "
                          "one operand; ")
        .arg(op)
        .arg(position);
}

} // namespace

class ExpressionParserTest : public QObject
{
    Q_OBJECT

private slots:
    void postfix_data();
    void postfix();
    void syntaxError_data();
    void syntaxError();
    void constantOperandsAreAccepted();
    void undefinedTokenGivenDirectly();
    void messageOfCodesWithoutParserPath_data();
    void messageOfCodesWithoutParserPath();
    void printTokensWritesTags();
};

void ExpressionParserTest::postfix_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("AND binds tighter than OR") << "A+B&C"
                                               << "A B C & + EOL";
    QTest::newRow("XOR binds tighter than OR") << "A^B+C^D"
                                               << "A B ^ C D ^ + EOL";
    QTest::newRow("AND binds tighter than XOR") << "A&B^C"
                                                << "A B & C ^ EOL";
    QTest::newRow("OR associates to the left") << "A+B+C"
                                               << "A B + C + EOL";
    QTest::newRow("XOR associates to the left") << "A^B^C"
                                                << "A B ^ C ^ EOL";
    QTest::newRow("NOT of a group") << "(A+B)'"
                                    << "A B + ' EOL";
    QTest::newRow("double NOT") << "A''"
                                << "A ' ' EOL";
    QTest::newRow("redundant parentheses vanish") << "((A))"
                                                  << "A EOL";
    QTest::newRow("NOT of a group inside AND") << "A&(B+C)'"
                                               << "A B C + ' & EOL";
    QTest::newRow("group on the right of OR") << "A+(B^C)&D"
                                              << "A B C ^ D & + EOL";
    QTest::newRow("NOT binds tighter than AND") << "A&B'"
                                                << "A B ' & EOL";
}

void ExpressionParserTest::postfix()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    InspectableParser parser;
    parser.Set_Expression(text.toStdString());
    QVERIFY(parser.Parse());
    QVERIFY(parser.parsed());
    QCOMPARE(dump(parser.postfix()), expected);
}

void ExpressionParserTest::syntaxError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("position"); // 1-based, as the user sees it
    QTest::addColumn<QString>("tokenText");
    QTest::addColumn<QString>("message");

    QTest::newRow("A+ missing right operand")
        << "A+" << 5 << 2 << "+" << binary("+", 2) + missingRhs;
    QTest::newRow("+A missing left operand")
        << "+A" << 4 << 1 << "+" << binary("+", 1) + missingLhs;
    QTest::newRow("'A there is no prefix NOT")
        << "'A" << 4 << 1 << "'" << suffix("'", 1) + missingLhs;
    QTest::newRow("A'B no implied AND after NOT")
        << "A'B" << 4 << 2 << "'" << suffix("'", 2) + missingLhs;
    QTest::newRow("() empty group") << "()" << 5 << 1 << "(" << prefix("(", 1) + missingRhs;
    QTest::newRow("A() empty group after operand")
        << "A()" << 5 << 2 << "(" << prefix("(", 2) + missingRhs;
    QTest::newRow("(A unclosed") << "(A" << 2 << 1 << "("
                                 << "Unmatched left-parenthesis found in boolean expression "
                                    "starting at character position 1" +
                                        pairs;
    QTest::newRow("A+(B unclosed after operator") << "A+(B" << 2 << 3 << "("
                                                  << "Unmatched left-parenthesis found in boolean "
                                                     "expression starting at character position 3" +
                                                         pairs;
    QTest::newRow("A) unopened") << "A)" << 3 << 2 << ")"
                                 << "Unmatched right-parenthesis found in boolean expression "
                                    "starting at character position 2" +
                                        pairs;
    QTest::newRow("A+B) unopened after a finished sum")
        << "A+B)" << 3 << 4 << ")"
        << "Unmatched right-parenthesis found in boolean expression starting at character position "
           "4" +
               pairs;
    QTest::newRow("A(B) group right after operand names the group")
        << "A(B)" << 1 << 2 << "("
        << "Unexpected operand '(' found starting at character position 2. Did you forget its "
           "operator?";
    QTest::newRow("(A)B operand right after group")
        << "(A)B" << 1 << 4 << "B"
        << "Unexpected operand 'B' found starting at character position 4. Did you forget its "
           "operator?";
    QTest::newRow("A&&B names the first ampersand")
        << "A&&B" << 5 << 2 << "&" << binary("&", 2) + missingRhs;
    QTest::newRow("A+&B names the ampersand")
        << "A+&B" << 4 << 3 << "&" << binary("&", 3) + missingLhs;
    QTest::newRow("(A+ operator applied before the open group is found")
        << "(A+" << 5 << 3 << "+" << binary("+", 3) + missingRhs;
    QTest::newRow("empty text names the end marker")
        << "" << 4 << 1 << "" << suffix("", 1) + missingLhs;
    QTest::newRow(")( closing first") << ")(" << 3 << 1 << ")"
                                      << "Unmatched right-parenthesis found in boolean expression "
                                         "starting at character position 1" +
                                             pairs;
    QTest::newRow("A'^ trailing operator after NOT")
        << "A'^" << 5 << 3 << "^" << binary("^", 3) + missingRhs;
    QTest::newRow("A B invalid symbol from the tokenizer")
        << "A B" << 0 << 2 << " "
        << "Invalid symbol ' ' found starting at character position 2. Valid symbols are: "
           "lower-case letters [a-z], upper-case letters [A-Z], numbers [0-9], [(] (left "
           "parenthesis), [)] (right parenthesis), [+] (plus; logical or), [&] (ampersand; "
           "logical and), [^] (caret; logical xor), and ['] (apostrophe; logical not).";
    QTest::newRow("E undefined name from the tokenizer")
        << "A&E" << 7 << 3 << "E"
        << "The variable name 'E' starting at character position 3 is undefined. Did you make a "
           "spelling mistake or forget to set your custom variable names?";
}

void ExpressionParserTest::syntaxError()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(int, position);
    QFETCH(QString, tokenText);
    QFETCH(QString, message);
    InspectableParser parser;
    parser.Set_Expression(text.toStdString());
    try {
        parser.Parse();
        QFAIL("no ExpressionException");
    } catch (const ExpressionException &e) {
        QCOMPARE(e.Get_Error_Code(), code);
        QCOMPARE(e.Get_Token().Get_Column() + 1, position);
        QCOMPARE(QString::fromStdString(e.Get_Token().Get_Text()), tokenText);
        QCOMPARE(QString::fromStdString(e.Get_Message()), message);
    }
    QVERIFY(!parser.parsed());
}

void ExpressionParserTest::constantOperandsAreAccepted()
{
    const ExpressionParser parser;
    const std::vector<ExpressionToken> infix{{TOKEN_CONST, 0, "1", 1},
                                             {TOKEN_AND, 1, "&", 0},
                                             {TOKEN_CONST, 2, "0", 0},
                                             {TOKEN_NOT, 3, "'", 0},
                                             {TOKEN_EOL, 4, "", 0}};
    QCOMPARE(dump(parser.Infix_To_Postfix(infix)), QString("1 0 ' & EOL"));
}

void ExpressionParserTest::undefinedTokenGivenDirectly()
{
    const ExpressionParser parser;
    const std::vector<ExpressionToken> infix{
        {TOKEN_VAR, 0, "A", 0}, {TOKEN_UNDEFINED, 1, "?", 0}, {TOKEN_EOL, 2, "", 0}};
    try {
        parser.Infix_To_Postfix(infix);
        QFAIL("no ExpressionException");
    } catch (const ExpressionException &e) {
        QCOMPARE(e.Get_Error_Code(), int(UNDEFINED_TOKEN));
        QCOMPARE(e.Get_Message(),
                 std::string("Undefined token '?' found starting at character position 2. "
                             "Suitable action unknown."));
    }
}

void ExpressionParserTest::messageOfCodesWithoutParserPath_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::newRow("undefined operator") << 8 << 256
                                        << "Undefined operator '%' found starting at "
                                           "character position 6. Suitable action "
                                           "unknown.";
    QTest::newRow("unknown code") << 42 << 256 << "Undefined exception.";
    QTest::newRow("missing left operand of a plain operand has no prefix")
        << 4 << 257 << missingLhs;
    QTest::newRow("missing right operand of a closing parenthesis has no prefix")
        << 5 << 260 << missingRhs;
}

void ExpressionParserTest::messageOfCodesWithoutParserPath()
{
    QFETCH(int, code);
    QFETCH(int, type);
    QFETCH(QString, message);
    const ExpressionException e(code, ExpressionToken(type, 5, "%", 0));
    QCOMPARE(QString::fromStdString(e.Get_Message()), message);
}

void ExpressionParserTest::printTokensWritesTags()
{
    InspectableParser parser;
    parser.Set_Expression("(A)'+B^C&D");
    std::vector<ExpressionToken> tokens = parser.Tokenize();
    tokens.emplace_back(TOKEN_CONST, 0, "1", 1);
    std::ostringstream captured;
    std::streambuf *saved = std::cout.rdbuf(captured.rdbuf());
    ExpressionParser::Print_Tokens(tokens);
    std::cout.rdbuf(saved);
    QCOMPARE(captured.str(),
             std::string("<LP><VAR><RP><NOT><OR><VAR><XOR><VAR><AND><VAR><EOL><UNKNOWN>\n"));
}

QTEST_GUILESS_MAIN(ExpressionParserTest)
#include "ExpressionParserTest.moc"
