// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionTokenizer.h"
#include "expression/ExpressionException.h"
#include "expression/ExpressionInternalError.h"

#include <QTest>

namespace {

const std::vector<std::string> namesAtoD{"A", "B", "C", "D"};

// Writes a token sequence compactly: TYPE@column"text"=value, blank-separated.
QString dump(const std::vector<ExpressionToken> &tokens)
{
    QStringList parts;
    for (const ExpressionToken &t : tokens)
        parts << QStringLiteral("%1@%2\"%3\"=%4")
                     .arg(QLatin1String(t.Get_Type_Name()))
                     .arg(t.Get_Column())
                     .arg(QString::fromStdString(t.Get_Text()))
                     .arg(t.Get_Value());
    return parts.join(QLatin1Char(' '));
}

ExpressionTokenizer tokenizerFor(const std::vector<std::string> &names, const std::string &text)
{
    ExpressionTokenizer tokenizer;
    tokenizer.Set_Variable_Names(names);
    tokenizer.Set_Expression(text);
    return tokenizer;
}

} // namespace

class ExpressionTokenizerTest : public QObject
{
    Q_OBJECT

private slots:
    void tokenStream_data();
    void tokenStream();
    void syntaxError_data();
    void syntaxError();
    void digitNameBecomesVariableOnceDefined();
    void pendingTokenIsHandedBackAndTokenizedOnce();
    void misuseThrowsInternalError_data();
    void misuseThrowsInternalError();
    void variableTable();
};

void ExpressionTokenizerTest::tokenStream_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("A&B' names, operators, end marker at text length")
        << "A&B'"
        << R"t(VAR@0"A"=0 AND@1"&"=0 VAR@2"B"=1 NOT@3"'"=0 EOL@4""=0)t";
    QTest::newRow("empty text gives only the end marker") << ""
                                                          << R"t(EOL@0""=0)t";
    QTest::newRow("every operator character")
        << "(D^C)+B"
        << R"t(LP@0"("=0 VAR@1"D"=3 XOR@2"^"=0 VAR@3"C"=2 RP@4")"=0 OR@5"+"=0 VAR@6"B"=1 EOL@7""=0)t";
}

void ExpressionTokenizerTest::tokenStream()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    ExpressionTokenizer tokenizer = tokenizerFor(namesAtoD, text.toStdString());
    QCOMPARE(dump(tokenizer.Tokenize()), expected);
    QVERIFY(!tokenizer.Tokens_Remain());
}

void ExpressionTokenizerTest::syntaxError_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("tokenText");
    QTest::addColumn<int>("tokenType");

    QTest::newRow("AB is one undefined name, not A AND B")
        << QByteArray("AB") << 7 << 0 << QByteArray("AB") << 257;
    QTest::newRow("1 is a name, there are no constants")
        << QByteArray("1") << 7 << 0 << QByteArray("1") << 257;
    QTest::newRow("space is an invalid symbol")
        << QByteArray("A B") << 0 << 1 << QByteArray(" ") << 256;
    QTest::newRow("invalid character right after a name")
        << QByteArray("A*B") << 0 << 1 << QByteArray("*") << 256;
    QTest::newRow("names are case-sensitive")
        << QByteArray("a") << 7 << 0 << QByteArray("a") << 257;
    QTest::newRow("undefined name after operators")
        << QByteArray("A&Bx") << 7 << 2 << QByteArray("Bx") << 257;
    QTest::newRow("first error wins over later ones")
        << QByteArray("(E+A B") << 7 << 1 << QByteArray("E") << 257;
    QTest::newRow("non-ASCII byte")
        << QByteArray("A+\xC3\xA9") << 0 << 2 << QByteArray("\xC3") << 256;
}

void ExpressionTokenizerTest::syntaxError()
{
    QFETCH(QByteArray, text);
    QFETCH(int, code);
    QFETCH(int, column);
    QFETCH(QByteArray, tokenText);
    QFETCH(int, tokenType);
    ExpressionTokenizer tokenizer = tokenizerFor(namesAtoD, text.toStdString());
    try {
        tokenizer.Tokenize();
        QFAIL("no ExpressionException");
    } catch (const ExpressionException &e) {
        QCOMPARE(e.Get_Error_Code(), code);
        QCOMPARE(e.Get_Token().Get_Column(), column);
        QCOMPARE(QByteArray::fromStdString(e.Get_Token().Get_Text()), tokenText);
        QCOMPARE(e.Get_Token().Get_Type(), tokenType);
        QCOMPARE(e.Get_Token().Get_Value(), 0);
    }
}

void ExpressionTokenizerTest::digitNameBecomesVariableOnceDefined()
{
    ExpressionTokenizer tokenizer = tokenizerFor(namesAtoD, "1");
    QVERIFY_THROWS_EXCEPTION(ExpressionException, tokenizer.Tokenize());
    QVERIFY(tokenizer.Set_Variable_Name(2, "1"));
    tokenizer.Set_Expression("1");
    QCOMPARE(dump(tokenizer.Tokenize()), QString(R"t(VAR@0"1"=2 EOL@1""=0)t"));
}

void ExpressionTokenizerTest::pendingTokenIsHandedBackAndTokenizedOnce()
{
    ExpressionTokenizer tokenizer = tokenizerFor(namesAtoD, "CD+A");
    QVERIFY(tokenizer.Set_Variable_Name(3, "CD"));
    const ExpressionToken first = tokenizer.Next_Token();
    QCOMPARE(first.Get_Text(), std::string("CD"));
    QCOMPARE(tokenizer.Next_Token().Get_Column(), 0); // not consumed yet
    QCOMPARE(dump(tokenizer.Tokenize()),
             QString(R"t(VAR@0"CD"=3 OR@2"+"=0 VAR@3"A"=0 EOL@4""=0)t"));
}

void ExpressionTokenizerTest::misuseThrowsInternalError_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("Symbol_Column at the end") << 0;
    QTest::newRow("Discard_Next_Symbol at the end") << 1;
    QTest::newRow("Next_Token at the end") << 2;
    QTest::newRow("Next_Symbol at the end") << 3;
}

void ExpressionTokenizerTest::misuseThrowsInternalError()
{
    QFETCH(int, operation);
    ExpressionTokenizer tokenizer = tokenizerFor(namesAtoD, "A");
    tokenizer.Discard_Next_Symbol();
    const auto call = [&] {
        switch (operation) {
        case 0:
            tokenizer.Symbol_Column();
            break;
        case 1:
            tokenizer.Discard_Next_Symbol();
            break;
        case 2:
            tokenizer.Next_Token();
            break;
        default:
            tokenizer.Next_Symbol();
        }
    };
    QVERIFY_THROWS_EXCEPTION(ExpressionInternalError, call());
}

void ExpressionTokenizerTest::variableTable()
{
    ExpressionVariables table;
    QVERIFY(table.Set_Variable_Names(namesAtoD));
    QVERIFY(!table.Set_Variable_Names({"A", "B", "A"}));
    QCOMPARE(table.Get_Variable_Names(), namesAtoD);

    QVERIFY(!table.Set_Variable_Values({true, false}));
    QVERIFY(table.Set_Variable_Values({false, true, false, true}));
    QCOMPARE(table.Get_Variable_Value(3), true);
    QCOMPARE(table.Get_Variable_Value(7), false);
    QCOMPARE(table.Get_Variable_Value(-1), false);
    QVERIFY(!table.Set_Variable_Value(4, true));
    QCOMPARE(table.Find_Variable("C"), 2);
    QCOMPARE(table.Find_Variable("c"), 4);
    QCOMPARE(table.Find_Variable("CC"), 4);

    // Names are not checked for validity; only repeats are refused.
    QVERIFY(table.Set_Variable_Names({"A", ""}));
    QVERIFY(!ExpressionVariables::Is_Valid_Variable_Name(""));
    QVERIFY(!ExpressionVariables::Is_Valid_Variable_Name("A_"));
    QVERIFY(ExpressionVariables::Is_Valid_Variable_Name("z09"));
}

QTEST_GUILESS_MAIN(ExpressionTokenizerTest)
#include "ExpressionTokenizerTest.moc"
