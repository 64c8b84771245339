// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ExerciseDialog.h"

#include "domain/VariableRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

ExerciseDialog::ExerciseDialog(const Exercise &start, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("New Exercise"));
    variablesBox = new QSpinBox(this);
    variablesBox->setObjectName(QStringLiteral("variablesBox"));
    variablesBox->setRange(VariableRules::minCount, VariableRules::maxCount);
    variablesBox->setValue(start.variables);
    formBox = new QComboBox(this);
    formBox->setObjectName(QStringLiteral("formBox"));
    formBox->addItem(tr("Sum of products (SOP)"));
    formBox->addItem(tr("Product of sums (POS)"));
    formBox->setCurrentIndex(start.form == MinimizationForm::ProductOfSums ? 1 : 0);
    dontCaresBox = new QCheckBox(tr("With don't cares"), this);
    dontCaresBox->setObjectName(QStringLiteral("dontCaresBox"));
    dontCaresBox->setChecked(start.dontCares);
    seedBox = new QSpinBox(this);
    seedBox->setObjectName(QStringLiteral("seedBox"));
    seedBox->setRange(1, static_cast<int>(Exercise::largestSeed));
    seedBox->setValue(static_cast<int>(start.seed));
    seedBox->setToolTip(tr("The same seed and settings give the same function everywhere"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Variables:"), variablesBox);
    form->addRow(tr("Form:"), formBox);
    form->addRow(QString(), dontCaresBox);
    form->addRow(tr("Seed:"), seedBox);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

Exercise ExerciseDialog::exercise() const
{
    Exercise result;
    result.variables = variablesBox->value();
    result.form = formBox->currentIndex() == 1 ? MinimizationForm::ProductOfSums
                                               : MinimizationForm::SumOfProducts;
    result.dontCares = dontCaresBox->isChecked();
    result.seed = static_cast<std::uint32_t>(seedBox->value());
    return result;
}
