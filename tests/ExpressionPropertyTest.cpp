// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExpressionReference.h"

#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"

#include <QTest>

#include <array>
#include <memory>
#include <random>
#include <set>
#include <string_view>

namespace {

enum Kind
{
    Var,
    Not,
    And,
    Xor,
    Or
};

// Binding strength as the grammar has it; a variable never needs parentheses.
int strength(Kind kind)
{
    switch (kind) {
    case Or:
        return 1;
    case Xor:
        return 2;
    case And:
        return 3;
    case Not:
        return 4;
    default:
        return 5;
    }
}

struct Node
{
    Kind kind = Var;
    int variable = 0;
    std::unique_ptr<Node> left;
    std::unique_ptr<Node> right;

    bool value(const std::vector<bool> &values) const
    {
        switch (kind) {
        case Var:
            return values[static_cast<std::size_t>(variable)];
        case Not:
            return !left->value(values);
        case And:
            return left->value(values) && right->value(values);
        case Xor:
            return left->value(values) != right->value(values);
        default:
            return left->value(values) || right->value(values);
        }
    }
};

class Generator
{
public:
    explicit Generator(unsigned seed) : random(seed) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

    std::vector<std::string> names(int count)
    {
        constexpr std::string_view alphabet =
            "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::set<std::string> taken;
        std::vector<std::string> result;
        while (static_cast<int>(result.size()) < count) {
            std::string name;
            for (int length = 1 + below(3); length > 0; --length)
                name += alphabet[below(62)];
            if (taken.insert(name).second)
                result.push_back(name);
        }
        return result;
    }

    std::unique_ptr<Node> tree(int operators, int variables)
    {
        auto node = std::make_unique<Node>();
        if (operators == 0) {
            node->variable = below(variables);
            return node;
        }
        const int pick = below(4);
        if (pick == 0) {
            node->kind = Not;
            node->left = tree(operators - 1, variables);
            return node;
        }
        node->kind = pick == 1 ? And : pick == 2 ? Xor : Or;
        const int leftOperators = below(operators);
        node->left = tree(leftOperators, variables);
        node->right = tree(operators - 1 - leftOperators, variables);
        return node;
    }

    // Writes the tree with the parentheses the grammar needs, and now and
    // then a redundant pair.
    std::string print(const Node &node, int needed, const std::vector<std::string> &names)
    {
        std::string text;
        const int own = strength(node.kind);
        switch (node.kind) {
        case Var:
            text = names[static_cast<std::size_t>(node.variable)];
            break;
        case Not:
            text = print(*node.left, strength(Not), names) + "'";
            break;
        default: {
            const char op = node.kind == And ? '&' : node.kind == Xor ? '^' : '+';
            // Left association: a right operand of equal strength needs parentheses.
            text = print(*node.left, own, names) + op + print(*node.right, own + 1, names);
        }
        }
        if (own < needed || below(10) == 0)
            text = "(" + text + ")";
        return text;
    }

private:
    std::mt19937 random;
};

std::vector<bool> assignment(int row, int n)
{
    std::vector<bool> values;
    values.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        values.push_back((row >> (n - 1 - i)) & 1);
    return values;
}

} // namespace

class ExpressionPropertyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomExpressionsMatchTheirTree_data();
    void randomExpressionsMatchTheirTree();
    void tokenSoupsOnlyThrowSyntaxErrors_data();
    void tokenSoupsOnlyThrowSyntaxErrors();
};

void ExpressionPropertyTest::randomExpressionsMatchTheirTree_data()
{
    QTest::addColumn<int>("variables");
    for (int n = 1; n <= 6; ++n)
        QTest::addRow("%d names, 1700 expressions", n) << n;
}

void ExpressionPropertyTest::randomExpressionsMatchTheirTree()
{
    QFETCH(int, variables);
    Generator generator(20261208u + static_cast<unsigned>(variables));
    ExpressionEvaluator evaluator;
    for (int expression = 0; expression < 1700; ++expression) {
        const std::vector<std::string> names = generator.names(variables);
        const std::unique_ptr<Node> tree = generator.tree(generator.below(25), variables);
        const std::string text = generator.print(*tree, 0, names);

        QVERIFY(evaluator.Set_Variable_Names(names));
        evaluator.Set_Expression(text);
        for (int row = 0; row < (1 << variables); ++row) {
            const std::vector<bool> values = assignment(row, variables);
            QVERIFY(evaluator.Set_Variable_Values(values));
            bool engine = false;
            try {
                engine = evaluator.Evaluate_Expression();
            } catch (const ExpressionException &e) {
                QFAIL(qPrintable(QStringLiteral("%1 rejected: %2")
                                     .arg(QString::fromStdString(text),
                                          QString::fromStdString(e.Get_Message()))));
            }
            if (engine != tree->value(values))
                QFAIL(qPrintable(QStringLiteral("%1 wrong at row %2")
                                     .arg(QString::fromStdString(text))
                                     .arg(row)));
        }
    }
}

void ExpressionPropertyTest::tokenSoupsOnlyThrowSyntaxErrors_data()
{
    QTest::addColumn<int>("maxTokens");
    QTest::newRow("soups of up to 4 tokens") << 4;
    QTest::newRow("soups of up to 16 tokens") << 16;
}

// Random sequences of tokens, names both defined and not, and now and then a
// character that is no symbol. Whatever the text, the engine either gives
// the value the grammar gives or throws an ExpressionException whose token
// is really found at its column; nothing else may escape.
void ExpressionPropertyTest::tokenSoupsOnlyThrowSyntaxErrors()
{
    QFETCH(int, maxTokens);
    static const std::array<const char *, 18> pieces{"A",  "B", "C", "(", ")", "'",
                                                     "&",  "+", "^", "(", ")", "'",
                                                     "AB", "a", "1", " ", "*", "\x80"};
    const std::vector<std::string> names{"A", "B", "C"};
    Generator generator(static_cast<unsigned>(maxTokens));
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(names);
    int accepted = 0;
    for (int soup = 0; soup < 20000; ++soup) {
        std::string text;
        for (int count = generator.below(maxTokens + 1); count > 0; --count)
            text += pieces[generator.below(generator.below(8) == 0 ? 18 : 15)];
        const std::vector<bool> values = assignment(generator.below(8), 3);
        evaluator.Set_Variable_Values(values);
        evaluator.Set_Expression(text);
        const std::optional<bool> expected =
            ExpressionReference::Reader(text, names, values).read();
        try {
            const bool engine = evaluator.Evaluate_Expression();
            if (!expected || *expected != engine)
                QFAIL(qPrintable(QStringLiteral("'%1' accepted with a wrong value")
                                     .arg(QString::fromStdString(text))));
            ++accepted;
        } catch (const ExpressionException &e) {
            const ExpressionToken token = e.Get_Token();
            const auto column = static_cast<std::size_t>(token.Get_Column());
            if (expected || column > text.size() ||
                text.compare(column, token.Get_Text().size(), token.Get_Text()) != 0 ||
                e.Get_Error_Code() == UNDEFINED_TOKEN || e.Get_Error_Code() == UNDEFINED_OPERATOR)
                QFAIL(qPrintable(QStringLiteral("'%1' rejected wrongly: %2")
                                     .arg(QString::fromStdString(text),
                                          QString::fromStdString(e.Get_Message()))));
        }
    }
    // The soups must exercise both outcomes to mean anything.
    QVERIFY(accepted > 100);
    QVERIFY(accepted < 19000);
}

QTEST_GUILESS_MAIN(ExpressionPropertyTest)
#include "ExpressionPropertyTest.moc"
