// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/EquationManager.h"

#include "domain/VariableRules.h"
#include "expression/ExpressionException.h"
#include "messages/PhraseTemplate.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string toAscii(const QString &text)
{
    return text.toLatin1().toStdString();
}

} // namespace

EquationManager::EquationManager(QWidget *parent) : QLineEdit(parent)
{
    setStatusTip(tr("Enter an equation as input for the truth table and Karnaugh map"));
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("[()^+&'%1]*").arg(QLatin1String(VariableRules::nameCharacterClass))),
        this));
    slotResetEquation();
}

void EquationManager::slotEvaluateEquation()
{
    if (text().isEmpty()) {
        warn(tr("An empty expression cannot be evaluated."));
        return;
    }
    Set_Expression(toAscii(text()));
    const int n = Variable_Count();
    const int total = 1 << n;
    QVector<bool> results;
    results.reserve(total);
    try {
        std::vector<bool> values(static_cast<std::size_t>(n));
        for (int row = 0; row < total; ++row) {
            for (int i = 0; i < n; ++i)
                values[static_cast<std::size_t>(i)] = (row >> (n - 1 - i)) & 1;
            Set_Variable_Values(values);
            results.append(Evaluate_Expression());
        }
    } catch (const ExpressionException &e) {
        const ExpressionToken token = e.Get_Token();
        setSelection(token.Get_Column(), static_cast<int>(token.Get_Text().size()));
        warn(tr("Error detected while parsing and evaluating the expression:\n\n%1")
                 .arg(describe(e)));
        return;
    }
    emit signalUpdateTruthTableValues(results);
}

QString EquationManager::describe(const ExpressionException &error)
{
    QString pattern;
    switch (error.Get_Sentence()) {
    case ExpressionSentence::InvalidSymbol:
        pattern = tr("Invalid symbol '%1' found starting at character position %2. Valid symbols "
                     "are: lower-case letters [a-z], upper-case letters [A-Z], numbers [0-9], [(] "
                     "(left parenthesis), [)] (right parenthesis), [+] (plus; logical or), [&] "
                     "(ampersand; logical and), [^] (caret; logical xor), and ['] (apostrophe; "
                     "logical not).");
        break;
    case ExpressionSentence::UnexpectedOperand:
        pattern = tr("Unexpected operand '%1' found starting at character position %2. Did you "
                     "forget its operator?");
        break;
    case ExpressionSentence::UnmatchedLeftParenthesis:
        pattern = tr("Unmatched left-parenthesis found in boolean expression starting at "
                     "character position %2. Parentheses come in pairs of left-right and must "
                     "contain an operand between them.");
        break;
    case ExpressionSentence::UnmatchedRightParenthesis:
        pattern = tr("Unmatched right-parenthesis found in boolean expression starting at "
                     "character position %2. Parentheses come in pairs of left-right and must "
                     "contain an operand between them.");
        break;
    case ExpressionSentence::BinaryOperatorMissingLhs:
        pattern = tr("Binary infix operator '%1' starting at character position %2 expects two "
                     "operands; The left-hand-side (LHS) operand is missing");
        break;
    case ExpressionSentence::BinaryOperatorMissingRhs:
        pattern = tr("Binary infix operator '%1' starting at character position %2 expects two "
                     "operands; The right-hand-side (RHS) operand is missing");
        break;
    case ExpressionSentence::SuffixOperatorMissingLhs:
        pattern = tr("Unary suffix operator '%1' starting at character position %2 expects one "
                     "operand; The left-hand-side (LHS) operand is missing");
        break;
    case ExpressionSentence::PrefixOperatorMissingRhs:
        pattern = tr("Unary prefix operator '%1' starting at character position %2 expects one "
                     "operand; The right-hand-side (RHS) operand is missing");
        break;
    case ExpressionSentence::MissingLhs:
        pattern = tr("The left-hand-side (LHS) operand is missing");
        break;
    case ExpressionSentence::MissingRhs:
        pattern = tr("The right-hand-side (RHS) operand is missing");
        break;
    case ExpressionSentence::UndefinedToken:
        pattern = tr("Undefined token '%1' found starting at character position %2. Suitable "
                     "action unknown.");
        break;
    case ExpressionSentence::UndefinedVariable:
        pattern = tr("The variable name '%1' starting at character position %2 is undefined. Did "
                     "you make a spelling mistake or forget to set your custom variable names?");
        break;
    case ExpressionSentence::UndefinedOperator:
        pattern = tr("Undefined operator '%1' found starting at character position %2. Suitable "
                     "action unknown.");
        break;
    case ExpressionSentence::Unknown:
        pattern = tr("Undefined exception.");
        break;
    }
    return QString::fromStdString(
        PhraseTemplate::filled(pattern.toStdString(), error.Get_Values()));
}

void EquationManager::slotResetEquation()
{
    variable_count_ = 4;
    stored_names_.clear();
    for (const std::string &name : VariableRules::defaultNames())
        stored_names_.append(QString::fromStdString(name));
    clear();
    Apply_Variable_Names();
}

void EquationManager::slotUpdateVariableCount(int variableCount)
{
    variable_count_ = variableCount;
    Apply_Variable_Names();
}

void EquationManager::slotUpdateVariableNames(const QString &one, const QString &two,
                                              const QString &three, const QString &four,
                                              const QString &five, const QString &six)
{
    stored_names_ = {one, two, three, four, five, six};
    Apply_Variable_Names();
}

// The dialog sends exactly the names in use; they stand until the next count
// or six-name update rebuilds the list from the stored names.
void EquationManager::slotUpdateVariableNames(const QVector<QString> &variableNames)
{
    variable_count_ = static_cast<int>(variableNames.size());
    std::vector<std::string> names;
    for (const QString &name : variableNames)
        names.push_back(toAscii(name));
    Set_Variable_Names(names);
}

// A list with a repeated name (padding included) is refused by the engine,
// which then keeps its previous names; the user is not told.
void EquationManager::Apply_Variable_Names()
{
    std::vector<std::string> names;
    for (const QString &name : stored_names_)
        names.push_back(toAscii(name));
    names.resize(static_cast<std::size_t>(std::max(variable_count_, 0)));
    Set_Variable_Names(names);
}

void EquationManager::warn(const QString &text)
{
    setFocus(Qt::OtherFocusReason);
    QMessageBox::warning(this, tr("Equation Syntax Error"), text, QMessageBox::Ok,
                         QMessageBox::NoButton);
}
