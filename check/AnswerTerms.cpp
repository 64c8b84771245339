// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/AnswerTerms.h"

#include <cstddef>

namespace {

// The postfix sequence as a tree: every operator node points at its operands.
struct Node
{
    ExpressionToken token;
    int left = -1;
    int right = -1;
};

struct Tree
{
    std::vector<Node> nodes;
    int root = -1;
};

Tree treeOf(const std::vector<ExpressionToken> &postfix)
{
    Tree tree;
    std::vector<int> stack;
    for (const ExpressionToken &token : postfix) {
        if (token.Get_Type() == TOKEN_EOL)
            break;
        Node node{token};
        if (token.Get_Type() == TOKEN_NOT && !stack.empty()) {
            node.left = stack.back();
            stack.pop_back();
        } else if (token.Is_Binary_Operator() && stack.size() >= 2) {
            node.right = stack.back();
            stack.pop_back();
            node.left = stack.back();
            stack.pop_back();
        }
        tree.nodes.push_back(node);
        stack.push_back(static_cast<int>(tree.nodes.size()) - 1);
    }
    if (!stack.empty())
        tree.root = stack.back();
    return tree;
}

class Splitter
{
public:
    Splitter(const Tree &tree, MinimizationForm form)
        : tree_(tree), outer_(form == MinimizationForm::SumOfProducts ? TOKEN_OR : TOKEN_AND),
          misplaced_(form == MinimizationForm::SumOfProducts ? AnswerShapeFault::SumInProduct
                                                             : AnswerShapeFault::ProductInSum)
    {}

    AnswerTermList run()
    {
        // The faults are looked for in this order so that the message names
        // the plainest cause: an XOR before a negated group before nesting.
        findFirst(AnswerShapeFault::Xor, [](const Tree &, const Node &node) {
            return node.token.Get_Type() == TOKEN_XOR;
        });
        findFirst(AnswerShapeFault::NegatedGroup, [](const Tree &tree, const Node &node) {
            return node.token.Get_Type() == TOKEN_NOT &&
                   (node.left < 0 ||
                    tree.nodes[static_cast<std::size_t>(node.left)].token.Get_Type() != TOKEN_VAR);
        });
        if (result_.fault == AnswerShapeFault::None && tree_.root >= 0)
            collectTerms(tree_.root);
        if (result_.fault != AnswerShapeFault::None)
            result_.terms.clear();
        return result_;
    }

private:
    const Node &node(int index) const { return tree_.nodes[static_cast<std::size_t>(index)]; }

    template <typename Test> void findFirst(AnswerShapeFault fault, Test test)
    {
        if (result_.fault != AnswerShapeFault::None)
            return;
        for (const Node &candidate : tree_.nodes) {
            const int column = candidate.token.Get_Column();
            if (test(tree_, candidate) && (result_.faultColumn < 0 || column < result_.faultColumn))
                result_.faultColumn = column;
        }
        if (result_.faultColumn >= 0)
            result_.fault = fault;
    }

    // Both walks keep their own stack, so that an answer of a great many
    // terms cannot exhaust the call stack; operands are visited left first,
    // in the order written.
    void collectTerms(int root)
    {
        std::vector<int> pending{root};
        while (!pending.empty()) {
            const int index = pending.back();
            pending.pop_back();
            if (node(index).token.Get_Type() == outer_) {
                pending.push_back(node(index).right);
                pending.push_back(node(index).left);
                continue;
            }
            result_.terms.emplace_back();
            collectLiterals(index, result_.terms.back());
        }
    }

    void collectLiterals(int root, std::vector<AnswerLiteral> &term)
    {
        std::vector<int> pending{root};
        while (!pending.empty()) {
            const Node &here = node(pending.back());
            pending.pop_back();
            const int type = here.token.Get_Type();
            if (type == TOKEN_VAR) {
                term.push_back({here.token.Get_Value(), false});
            } else if (type == TOKEN_NOT) {
                // Only a negated variable is left after the fault search.
                term.push_back({node(here.left).token.Get_Value(), true});
            } else {
                // The form's inner operator, or its outer one out of place:
                // that is looked into further so that the fault named is
                // the first one written; the terms are dropped anyway.
                if (type == outer_)
                    misplace(here.token.Get_Column());
                pending.push_back(here.right);
                pending.push_back(here.left);
            }
        }
    }

    void misplace(int column)
    {
        if (result_.fault == AnswerShapeFault::None || column < result_.faultColumn) {
            result_.fault = misplaced_;
            result_.faultColumn = column;
        }
    }

    const Tree &tree_;
    const int outer_;
    const AnswerShapeFault misplaced_;
    AnswerTermList result_;
};

} // namespace

AnswerTermList AnswerTerms::split(const std::vector<ExpressionToken> &postfix,
                                  MinimizationForm form)
{
    const Tree tree = treeOf(postfix);
    return Splitter(tree, form).run();
}
