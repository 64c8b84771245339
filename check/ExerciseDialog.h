// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Exercise.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

// Asks for a new exercise: the number of variables, the form, whether don't
// cares appear, and the seed, drawn at random and open to be typed over so
// that a teacher can give a class the same exercise.
class ExerciseDialog : public QDialog
{
    Q_OBJECT
public:
    ExerciseDialog(const Exercise &start, QWidget *parent = nullptr);

    Exercise exercise() const;

private:
    QSpinBox *variablesBox = nullptr;
    QComboBox *formBox = nullptr;
    QCheckBox *dontCaresBox = nullptr;
    QSpinBox *seedBox = nullptr;
};
