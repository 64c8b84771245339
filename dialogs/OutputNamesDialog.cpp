// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/OutputNamesDialog.h"

#include "messages/PhraseTemplate.h"
#include "messages/SafeText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

std::vector<std::string> toStd(const QStringList &names)
{
    std::vector<std::string> result;
    for (const QString &name : names)
        result.push_back(name.toStdString());
    return result;
}

} // namespace

OutputNamesDialog::OutputNamesDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Output Names"));
    // Up to 64 fields: they scroll rather than grow past the screen.
    auto *area = new QScrollArea(this);
    auto *inner = new QWidget(area);
    fields = new QFormLayout(inner);
    area->setWidget(inner);
    area->setWidgetResizable(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OutputNamesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OutputNamesDialog::reject);
    auto *rows = new QVBoxLayout(this);
    rows->addWidget(area);
    rows->addWidget(buttons);
}

void OutputNamesDialog::setNames(const QStringList &inputNames, const QStringList &outputNames)
{
    inputs = inputNames;
    while (fields->rowCount() > 0)
        fields->removeRow(0);
    edits.clear();
    for (int k = 0; k < outputNames.size(); ++k) {
        auto *edit = new QLineEdit(outputNames[k]);
        edit->setObjectName(QStringLiteral("outputName%1").arg(k));
        fields->addRow(tr("Output %1").arg(k + 1), edit);
        edits << edit;
    }
}

QString OutputNamesDialog::describe(const MultiOutputFunction::NameRefusal &refusal)
{
    QString pattern;
    switch (refusal.fault) {
    case MultiOutputFunction::NameFault::NotAName:
        pattern = tr("%1 is not a valid name: a name is 1 to 3 letters or digits.");
        break;
    case MultiOutputFunction::NameFault::InputName:
        pattern = tr("%1 is already the name of an input.");
        break;
    case MultiOutputFunction::NameFault::OutputName:
        pattern = tr("%1 is already the name of an output.");
        break;
    case MultiOutputFunction::NameFault::None:
        return QString();
    }
    return QString::fromStdString(PhraseTemplate::filled(
        pattern.toStdString(), {"\"" + SafeText::shown(refusal.name) + "\""}));
}

void OutputNamesDialog::accept()
{
    QStringList names;
    for (const QLineEdit *edit : std::as_const(edits))
        names << edit->text().trimmed();
    const MultiOutputFunction::NameRefusal refusal =
        MultiOutputFunction::checkNames(toStd(inputs), toStd(names));
    if (!refusal.ok()) {
        QMessageBox::warning(this, windowTitle(), describe(refusal));
        return;
    }
    emit namesAccepted(names);
    QDialog::accept();
}
