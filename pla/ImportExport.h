// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTableWidgetItem>
#include <QVector>
#include <QWidget>

#include <string>

struct PlaError;
struct PlaFunction;
struct PlaOutputs;

// Saves the function the tables show as a PLA file and loads such files. It
// keeps its own copy of the variable count, the names and the cell values,
// which the truth table and the names dialog keep current through its slots;
// an import is announced through its signals. The object is never shown: it
// only parents the file dialogs and message boxes.
class ImportExport : public QWidget
{
    Q_OBJECT
public:
    explicit ImportExport(QWidget *parent = nullptr);

    // The work behind the two buttons once a file name is known. Both report
    // a failure in a warning box and return false. An export to a name
    // without a suffix gets ".pla"; it replaces the file only once the whole
    // text is written, so a failed write leaves an earlier file as it was.
    bool importFrom(const QString &fileName);
    bool exportTo(const QString &fileName);

    // A reader's fault and the note on replaced labels in the window's
    // language; in English the same sentences tavolin-cli prints.
    static QString describe(const PlaError &error);
    static QString labelsNote(const PlaFunction &function);
    // The note on ".ob" labels that gave way to default output names.
    static QString outputLabelsNote(const PlaOutputs &outputs);

    // The folder the file dialogs open in (the home folder until set).
    void setStartFolder(const QString &folder);
    QString startFolder() const { return dialogFolder; }

signals:
    void changeNames(QString one, QString two, QString three, QString four, QString five,
                     QString six);
    void numVariables(int num);
    void mintermValues(int minterm, int column, QString value);
    void updateCell(int minterm, QTableWidgetItem *value);
    void variableNames(QVector<QString> names);
    // After a successful import or export, with the name of the file.
    void fileUsed(const QString &fileName);
    // Before an import announces anything: the views show the first output,
    // which the signals above set.
    void importStarted();
    // After the first output's cells: every output's name and the columns
    // of the outputs after the first.
    void outputsImported(const QStringList &names, const QStringList &moreColumns);

public slots:
    void importFile();
    void exportFile();
    void getMinterms(int count, QList<QTableWidgetItem *> minterms);
    void getVariableNames(QVector<QString> variableNames);
    // Every output's name and column; the first column is the one exported.
    void getOutputs(int count, const QStringList &outputNames, const QStringList &columns);
    void resetIO();

private:
    void announce(const PlaFunction &function, const PlaOutputs &outputs);
    QByteArray exportedText() const;
    QVector<QString> namesForCount(int count) const;

    QString dialogFolder;
    int numVars = 4;
    QVector<QString> names;
    // One character per minterm, '0', '1' or 'X', as the truth table last sent them.
    std::string values;
    // Every output's name and column as the truth table last sent them;
    // empty until it sends them.
    QStringList outputs;
    QStringList outputValues;
};
