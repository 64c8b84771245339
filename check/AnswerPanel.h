// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/VerdictText.h"
#include "tables/MarkedCellDelegate.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct AnswerVerdict;

// The panel beside the map where a student's answer is checked against the
// function shown: an expression field, "Check", the verdict in sentences and
// each term with its findings. It reads the function when Check is pressed
// and never changes it; the cells it finds wrong, and the cells of the term
// the pointer rests on, go to the map and the table as flags.
class AnswerPanel : public QWidget
{
    Q_OBJECT
public:
    // The function as the window shows it when Check is pressed.
    struct Function
    {
        int variables = 0;
        QString values; // '0', '1' or 'X' per minterm
        QVector<QString> names;
        bool productOfSums = false;
    };
    using FunctionSource = std::function<Function()>;

    explicit AnswerPanel(FunctionSource source, QWidget *parent = nullptr);

    // A line above the field saying which exercise is set; empty hides it.
    void setExerciseNote(const QString &note);
    // Puts the keyboard into the answer field.
    void focusAnswer();
    // The verdict's words in the language of the window.
    static std::string pattern(VerdictPhrase phrase);

signals:
    void cellFlagsChanged(const QHash<int, MarkedCellDelegate::Flags> &byMinterm);
    // An answer was checked, right or wrong (not an empty or unreadable one).
    void checked();

public slots:
    void check();
    // The function changed: an old verdict would mislead.
    void forgetVerdict();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showVerdict(const AnswerVerdict &verdict);
    void pointAtTerm(int row);
    QWidget *legend();

    FunctionSource source;
    QLabel *exerciseLabel = nullptr;
    QLineEdit *answerEdit = nullptr;
    QPushButton *checkButton = nullptr;
    QLabel *verdictLabel = nullptr;
    QListWidget *termList = nullptr;
    QHash<int, MarkedCellDelegate::Flags> verdictFlags;
    std::vector<std::vector<int>> termCells;
};
