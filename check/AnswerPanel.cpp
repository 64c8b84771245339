// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/AnswerPanel.h"

#include "check/AnswerChecker.h"
#include "expression/EquationManager.h"
#include "minimize/Minimization.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <stdexcept>
#include <utility>

namespace {

constexpr int legendSize = 16;

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QString joined(const std::vector<std::string> &sentences)
{
    QStringList list;
    for (const std::string &sentence : sentences)
        list << fromStd(sentence);
    return list.join(QLatin1Char(' '));
}

} // namespace

AnswerPanel::AnswerPanel(FunctionSource source, QWidget *parent)
    : QWidget(parent), source(std::move(source))
{
    setObjectName(QStringLiteral("answerPanel"));
    exerciseLabel = new QLabel(this);
    exerciseLabel->setObjectName(QStringLiteral("exerciseLabel"));
    exerciseLabel->setWordWrap(true);
    exerciseLabel->hide();
    auto *prompt = new QLabel(tr("Your answer:"), this);
    answerEdit = new QLineEdit(this);
    answerEdit->setObjectName(QStringLiteral("answerEdit"));
    answerEdit->setPlaceholderText(tr("e.g. A'&B+C"));
    prompt->setBuddy(answerEdit);
    checkButton = new QPushButton(tr("Check"), this);
    checkButton->setObjectName(QStringLiteral("checkButton"));
    verdictLabel = new QLabel(this);
    verdictLabel->setObjectName(QStringLiteral("verdictLabel"));
    verdictLabel->setWordWrap(true);
    verdictLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    termList = new QListWidget(this);
    termList->setObjectName(QStringLiteral("termList"));
    termList->setWordWrap(true);
    termList->setMouseTracking(true);
    termList->viewport()->installEventFilter(this);

    auto *entry = new QHBoxLayout();
    entry->addWidget(answerEdit, 1);
    entry->addWidget(checkButton);
    auto *rows = new QVBoxLayout(this);
    rows->addWidget(exerciseLabel);
    rows->addWidget(prompt);
    rows->addLayout(entry);
    rows->addWidget(verdictLabel);
    rows->addWidget(termList, 1);
    rows->addWidget(legend());

    connect(checkButton, &QPushButton::clicked, this, &AnswerPanel::check);
    connect(answerEdit, &QLineEdit::returnPressed, this, &AnswerPanel::check);
    connect(termList, &QListWidget::currentRowChanged, this, &AnswerPanel::pointAtTerm);
    connect(termList, &QListWidget::entered, this,
            [this](const QModelIndex &index) { pointAtTerm(index.row()); });
}

QWidget *AnswerPanel::legend()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<MarkedCellDelegate::Flag, QString>, 3> entries{
        {{MarkedCellDelegate::Extra, tr("Your answer is 1, the function 0")},
         {MarkedCellDelegate::Missing, tr("Your answer is 0, the function 1")},
         {MarkedCellDelegate::Term, tr("The cells of the term pointed at")}}};
    int row = 0;
    for (const auto &[flag, text] : entries) {
        QPixmap sample(legendSize, legendSize);
        sample.fill(Qt::white);
        QPainter painter(&sample);
        MarkedCellDelegate::paintFlags(&painter, sample.rect(), flag);
        painter.end();
        auto *icon = new QLabel(box);
        icon->setPixmap(sample);
        grid->addWidget(icon, row, 0);
        grid->addWidget(new QLabel(text, box), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

void AnswerPanel::setExerciseNote(const QString &note)
{
    exerciseLabel->setText(note);
    exerciseLabel->setVisible(!note.isEmpty());
}

void AnswerPanel::focusAnswer()
{
    answerEdit->setFocus();
}

void AnswerPanel::check()
{
    const Function function = source();
    std::vector<std::string> names;
    for (int j = 0; j < function.variables && j < function.names.size(); ++j)
        names.push_back(function.names[j].toStdString());
    const MinimizationForm form =
        function.productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    try {
        const AnswerChecker checker(function.variables,
                                    Minimization::cellCodes(function.values.toStdString()), form,
                                    names);
        const AnswerVerdict verdict = checker.check(answerEdit->text().toStdString());
        showVerdict(verdict);
        // An empty or unreadable answer is no attempt: it must not give an
        // exercise's solution away.
        if (verdict.status == AnswerStatus::Checked)
            emit checked();
    } catch (const std::invalid_argument &) {
        // The window always holds a function of 2 to 6 variables; nothing
        // else reaches here, and then there is nothing to check against.
        forgetVerdict();
    }
}

void AnswerPanel::showVerdict(const AnswerVerdict &verdict)
{
    termList->clear();
    termCells.clear();
    verdictFlags.clear();
    if (verdict.status == AnswerStatus::SyntaxError && verdict.error) {
        const ExpressionToken token = verdict.error->Get_Token();
        answerEdit->setSelection(token.Get_Column(), static_cast<int>(token.Get_Text().size()));
        verdictLabel->setText(EquationManager::describe(*verdict.error));
        emit cellFlagsChanged(verdictFlags);
        return;
    }
    verdictLabel->setText(joined(VerdictText::summary(verdict, pattern)));
    for (int cell : verdict.extra)
        verdictFlags.insert(cell, MarkedCellDelegate::Extra);
    for (int cell : verdict.missing)
        verdictFlags.insert(cell, MarkedCellDelegate::Missing);
    const bool sums = verdict.form == MinimizationForm::ProductOfSums;
    for (std::size_t t = 0; t < verdict.terms.size(); ++t) {
        const TermVerdict &term = verdict.terms[t];
        QString findings = joined(VerdictText::findings(verdict, t, pattern));
        if (findings.isEmpty())
            findings = sums ? tr("A prime implicate.") : tr("A prime implicant.");
        termList->addItem(fromStd(term.text) + QLatin1Char('\n') + findings);
        termCells.push_back(term.cells);
    }
    emit cellFlagsChanged(verdictFlags);
}

void AnswerPanel::pointAtTerm(int row)
{
    QHash<int, MarkedCellDelegate::Flags> flags = verdictFlags;
    if (row >= 0 && static_cast<std::size_t>(row) < termCells.size()) {
        for (int cell : termCells[static_cast<std::size_t>(row)])
            flags[cell] |= MarkedCellDelegate::Term;
    }
    emit cellFlagsChanged(flags);
}

bool AnswerPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == termList->viewport() && event->type() == QEvent::Leave)
        pointAtTerm(termList->currentRow());
    return QWidget::eventFilter(watched, event);
}

void AnswerPanel::forgetVerdict()
{
    const bool shown =
        !verdictFlags.isEmpty() || termList->count() > 0 || !verdictLabel->text().isEmpty();
    termList->clear();
    termCells.clear();
    verdictFlags.clear();
    verdictLabel->clear();
    if (shown)
        emit cellFlagsChanged(verdictFlags);
}

std::string AnswerPanel::pattern(VerdictPhrase phrase)
{
    QString text;
    switch (phrase) {
    case VerdictPhrase::CorrectMinimal:
        text = tr("Correct and minimal.");
        break;
    case VerdictPhrase::CorrectNotMinimal:
        text = tr("Correct, but not minimal: the minimum has %1 and %2, yours %3 and %4.");
        break;
    case VerdictPhrase::CorrectNotSumOfProducts:
        text = tr("Correct, but not a sum of products, so it is not compared with the minimum of "
                  "%1 and %2.");
        break;
    case VerdictPhrase::CorrectNotProductOfSums:
        text = tr("Correct, but not a product of sums, so it is not compared with the minimum of "
                  "%1 and %2.");
        break;
    case VerdictPhrase::NotEqualExtra:
        text = tr("Not equal to the function: it is 1 at %1, where the function is 0.");
        break;
    case VerdictPhrase::NotEqualMissing:
        text = tr("Not equal to the function: it is 0 at %1, where the function is 1.");
        break;
    case VerdictPhrase::AlsoMissing:
        text = tr("It is 0 at %1, where the function is 1.");
        break;
    case VerdictPhrase::XorInSumOfProducts:
        text = tr("The ^ at position %1 makes it no sum of products, so its terms are not "
                  "analysed.");
        break;
    case VerdictPhrase::XorInProductOfSums:
        text = tr("The ^ at position %1 makes it no product of sums, so its sums are not "
                  "analysed.");
        break;
    case VerdictPhrase::NegatedGroupInSumOfProducts:
        text = tr("The ' at position %1 negates more than a variable, so it is no sum of products "
                  "and its terms are not analysed.");
        break;
    case VerdictPhrase::NegatedGroupInProductOfSums:
        text = tr("The ' at position %1 negates more than a variable, so it is no product of sums "
                  "and its sums are not analysed.");
        break;
    case VerdictPhrase::SumInProduct:
        text = tr("The + at position %1 stands inside a product, so it is no sum of products and "
                  "its terms are not analysed.");
        break;
    case VerdictPhrase::ProductInSum:
        text = tr("The & at position %1 stands inside a sum, so it is no product of sums and its "
                  "sums are not analysed.");
        break;
    case VerdictPhrase::ProductNotImplicant:
        text = tr("The term %1 is not an implicant: it is 1 at %2, where the function is 0.");
        break;
    case VerdictPhrase::SumNotImplicate:
        text = tr("The sum %1 is not an implicate: it is 0 at %2, where the function is 1.");
        break;
    case VerdictPhrase::ProductNotPrime:
        text = tr("The term %1 is not prime: without %2 it still covers no cell where the "
                  "function is 0.");
        break;
    case VerdictPhrase::SumNotPrime:
        text = tr("The sum %1 is not prime: without %2 it is still 0 on no cell where the function "
                  "is 1.");
        break;
    case VerdictPhrase::ProductRedundant:
        text = tr("The term %1 is redundant: the other terms alone equal the function.");
        break;
    case VerdictPhrase::SumRedundant:
        text = tr("The sum %1 is redundant: the other sums alone equal the function.");
        break;
    case VerdictPhrase::ProductsIrredundant:
        text = tr("Every term is prime and none is redundant, but another choice of prime "
                  "implicants is cheaper.");
        break;
    case VerdictPhrase::SumsIrredundant:
        text = tr("Every sum is prime and none is redundant, but another choice of prime "
                  "implicates is cheaper.");
        break;
    case VerdictPhrase::Empty:
        text = tr("An empty expression cannot be evaluated.");
        break;
    case VerdictPhrase::OneTerm:
        text = tr("%1 term");
        break;
    case VerdictPhrase::ManyTerms:
        text = tr("%1 terms");
        break;
    case VerdictPhrase::OneSum:
        text = tr("%1 sum");
        break;
    case VerdictPhrase::ManySums:
        text = tr("%1 sums");
        break;
    case VerdictPhrase::OneLiteral:
        text = tr("%1 literal");
        break;
    case VerdictPhrase::ManyLiterals:
        text = tr("%1 literals");
        break;
    case VerdictPhrase::Cell:
        text = tr("m%1");
        break;
    case VerdictPhrase::CellPair:
        text = tr("%1 and %2");
        break;
    case VerdictPhrase::CellListItem:
        text = tr("%1, %2");
        break;
    case VerdictPhrase::CellListMore:
        text = tr("%1 and %2 more");
        break;
    }
    return text.toStdString();
}
