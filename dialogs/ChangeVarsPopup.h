// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;

// The dialog in which the user renames the variables. It holds one name
// field per variable in use and keeps that number in step with the variable
// count; every accepted set of names is announced twice: the names in use,
// then all six names with default letters for the unused positions.
class ChangeVarsPopup : public QDialog
{
    Q_OBJECT
public:
    explicit ChangeVarsPopup(int rowCount, QWidget *parent = nullptr);

signals:
    void completed(QString one, QString two, QString three, QString four, QString five,
                   QString six);
    void signalUpdateVariableNames(QVector<QString> variableNames);

public slots:
    void complete();
    void myReset();
    void slotEmitUpdateVariableNames();
    void slotReset(int variableNameCount = 4);
    void slotUpdateVariableCount(int variableCount);
    void slotUpdateVariableNames(QVector<QString> variableNames);
    // The outputs' names, which no variable may take.
    void setOutputNames(const QStringList &names);

private:
    using NameRow = QPair<QPointer<QLabel>, QPointer<QLineEdit>>;

    void resizeNameRows(int count);
    QVector<QString> fieldNames() const;
    void resizeAcceptedNames(int count);
    void announceAcceptedNames();
    int firstFreeLetter() const;
    void rebuildLayout();
    void resetNames();
    bool validateNames();
    void reportInvalidName(QLineEdit *field, const QString &title, const QString &text);

    static QString defaultName(int position);
    static QString rowCaption(int position);

    QLabel *promptLabel;
    QPushButton *okButton;
    QList<NameRow> nameRows;
    // The names Ok (or an import) last accepted, apart from the fields, which
    // may hold an edit the user has not confirmed. Every receiver gets these.
    QVector<QString> acceptedNames;
    QStringList outputNames;
};
