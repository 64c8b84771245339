// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ChangeVarsPopup.h"

#include "domain/VariableRules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <array>

namespace {

constexpr int maxRows = VariableRules::maxCount;
// Ok sits below the last possible name row, whatever the number of rows.
constexpr int okRow = 7;

// What a field accepts as typed: no other character, not longer.
QRegularExpression nameExpression()
{
    return QRegularExpression(QStringLiteral("[%1]{1,%2}")
                                  .arg(QLatin1String(VariableRules::nameCharacterClass))
                                  .arg(VariableRules::maxNameLength));
}

} // namespace

ChangeVarsPopup::ChangeVarsPopup(int rowCount, QWidget *parent)
    : QDialog(parent), promptLabel(new QLabel(tr("Enter the new variable names"))),
      okButton(new QPushButton(tr("Ok")))
{
    connect(okButton, &QPushButton::clicked, this, &ChangeVarsPopup::slotEmitUpdateVariableNames);
    resizeNameRows(rowCount);
    acceptedNames = fieldNames();
    // An unusable count leaves no rows, but the prompt and Ok still need a home.
    if (!layout())
        rebuildLayout();
}

QString ChangeVarsPopup::defaultName(int position)
{
    return QString::fromStdString(VariableRules::defaultName(position));
}

QString ChangeVarsPopup::rowCaption(int position)
{
    return QString::number(position + 1) + QStringLiteral(": ");
}

void ChangeVarsPopup::resizeNameRows(int count)
{
    if (static_cast<unsigned>(count) > maxRows)
        return;
    while (nameRows.size() > count) {
        const NameRow row = nameRows.takeLast();
        delete row.first.data();
        delete row.second.data();
    }
    while (nameRows.size() < count) {
        auto *field = new QLineEdit(defaultName(firstFreeLetter()));
        auto *caption = new QLabel(rowCaption(static_cast<int>(nameRows.size())));
        nameRows.append(NameRow(caption, field));
        field->setValidator(new QRegularExpressionValidator(nameExpression(), this));
        field->setMaxLength(static_cast<int>(VariableRules::maxNameLength));
    }
    rebuildLayout();
}

QVector<QString> ChangeVarsPopup::fieldNames() const
{
    QVector<QString> names;
    for (const NameRow &row : std::as_const(nameRows))
        names.append(row.second ? row.second->text() : QString());
    return names;
}

// Positions that go keep nothing; a new one gets the first default letter
// the accepted names and the outputs leave free.
void ChangeVarsPopup::resizeAcceptedNames(int count)
{
    acceptedNames.resize(qMin(count, int(acceptedNames.size())));
    while (acceptedNames.size() < count) {
        int letter = 0;
        while (acceptedNames.contains(defaultName(letter)) ||
               outputNames.contains(defaultName(letter)))
            ++letter;
        acceptedNames.append(defaultName(letter));
    }
}

int ChangeVarsPopup::firstFreeLetter() const
{
    int letter = 0;
    for (int p = 0; p < nameRows.size(); ++p) {
        const QLineEdit *field = nameRows[p].second;
        if (field && field->text() == defaultName(letter)) {
            ++letter;
            p = -1; // the next letter may be taken by an earlier row
        }
    }
    return letter;
}

void ChangeVarsPopup::rebuildLayout()
{
    delete layout();
    auto *grid = new QGridLayout(this);
    grid->addWidget(promptLabel, 0, 1);
    for (int p = 0; p < nameRows.size(); ++p) {
        if (nameRows[p].first)
            grid->addWidget(nameRows[p].first, p + 1, 0);
        if (nameRows[p].second)
            grid->addWidget(nameRows[p].second, p + 1, 1);
    }
    grid->addWidget(okButton, okRow, 1);
    updateGeometry();
    // Showing again lets the window take the size of its new content.
    if (isVisible()) {
        hide();
        show();
    }
}

void ChangeVarsPopup::resetNames()
{
    for (int p = 0; p < nameRows.size(); ++p) {
        if (nameRows[p].second)
            nameRows[p].second->setText(defaultName(p));
    }
}

void ChangeVarsPopup::reportInvalidName(QLineEdit *field, const QString &title, const QString &text)
{
    show();
    setFocusProxy(field);
    field->setFocus(Qt::OtherFocusReason);
    QMessageBox::warning(this, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

bool ChangeVarsPopup::validateNames()
{
    for (const NameRow &row : std::as_const(nameRows)) {
        QLineEdit *field = row.second;
        if (field && !field->hasAcceptableInput()) {
            reportInvalidName(field, tr("Invalid Variable Name"),
                              tr("A variable name can only contain numbers, upper-case letters, "
                                 "and lower-case letters."));
            return false;
        }
    }
    for (int b = 0; b < nameRows.size(); ++b) {
        for (int j = b + 1; j < nameRows.size(); ++j) {
            QLineEdit *earlier = nameRows[b].second;
            QLineEdit *later = nameRows[j].second;
            if (earlier && later && earlier->text() == later->text()) {
                reportInvalidName(later, tr("Duplicate Variable Name"),
                                  tr("This variable name has already been used. A variable "
                                     "name must be unique."));
                return false;
            }
        }
    }
    for (const NameRow &row : std::as_const(nameRows)) {
        QLineEdit *field = row.second;
        if (field && outputNames.contains(field->text())) {
            reportInvalidName(field, tr("Duplicate Variable Name"),
                              tr("This name is the name of an output. A variable name must "
                                 "differ from the names of the outputs."));
            return false;
        }
    }
    return true;
}

void ChangeVarsPopup::setOutputNames(const QStringList &names)
{
    outputNames = names;
}

void ChangeVarsPopup::complete()
{
    std::array<QString, maxRows> names;
    for (int p = 0; p < maxRows; ++p) {
        const QLineEdit *field = p < nameRows.size() ? nameRows[p].second.data() : nullptr;
        names[p] = p < nameRows.size() ? (field ? field->text() : QString()) : defaultName(p);
    }
    emit completed(names[0], names[1], names[2], names[3], names[4], names[5]);
}

void ChangeVarsPopup::myReset()
{
    slotReset(4);
}

void ChangeVarsPopup::slotEmitUpdateVariableNames()
{
    if (!validateNames())
        return;
    acceptedNames = fieldNames();
    announceAcceptedNames();
}

void ChangeVarsPopup::announceAcceptedNames()
{
    emit signalUpdateVariableNames(acceptedNames);
    complete();
    close();
}

void ChangeVarsPopup::slotReset(int variableNameCount)
{
    resetNames();
    resizeNameRows(variableNameCount);
    acceptedNames = fieldNames();
}

// A new count takes the accepted names, not what the fields hold: an edit
// without Ok is dropped rather than announced or refused from inside the
// count selector's signal.
void ChangeVarsPopup::slotUpdateVariableCount(int variableCount)
{
    if (static_cast<unsigned>(variableCount) <= maxRows) {
        resizeAcceptedNames(variableCount);
        resizeNameRows(variableCount);
    }
    for (int p = 0; p < nameRows.size(); ++p) {
        if (nameRows[p].second)
            nameRows[p].second->setText(acceptedNames[p]);
    }
    announceAcceptedNames();
}

void ChangeVarsPopup::slotUpdateVariableNames(QVector<QString> variableNames)
{
    resizeNameRows(static_cast<int>(variableNames.size()));
    for (int p = 0; p < nameRows.size() && p < variableNames.size(); ++p) {
        if (nameRows[p].second)
            nameRows[p].second->setText(variableNames[p]);
    }
    slotEmitUpdateVariableNames();
}
