// SPDX-License-Identifier: GPL-3.0-or-later
#include "pla/ImportExport.h"

#include "domain/VariableRules.h"
#include "files/AtomicFile.h"
#include "messages/PhraseTemplate.h"
#include "messages/SafeText.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTableWidgetItem>

#include <utility>

namespace {

QString importTitle()
{
    return ImportExport::tr("Import File");
}

QString exportTitle()
{
    return ImportExport::tr("Export File");
}

const QString fileFilter = QStringLiteral("*.pla");

// Text from a file or its name as a box shows it.
QString safe(const std::string &text, std::size_t limit = SafeText::fragmentLimit)
{
    return QString::fromStdString(SafeText::shown(text, limit));
}

QString safeFileName(const QString &fileName)
{
    return safe(QDir::toNativeSeparators(fileName).toStdString(), SafeText::nameLimit);
}

QString defaultName(int position)
{
    return QString::fromStdString(VariableRules::defaultName(position));
}

QVector<QString> defaultNames()
{
    QVector<QString> names;
    for (int p = 0; p < VariableRules::maxCount; ++p)
        names << defaultName(p);
    return names;
}

char cellValue(const QString &text)
{
    if (text == QLatin1String("0"))
        return '0';
    if (text == QLatin1String("1"))
        return '1';
    return 'X';
}

// The note for one replaced label or for several; empty for none.
QString filledNote(const PlaLabelsNote &note, const QString &one, const QString &several)
{
    if (note.count == 0)
        return QString();
    const QString &pattern = note.count == 1 ? one : several;
    return QString::fromStdString(
        PhraseTemplate::filled(pattern.toStdString(), {note.labels, note.names}));
}

} // namespace

ImportExport::ImportExport(QWidget *parent)
    : QWidget(parent), dialogFolder(QDir::homePath()), names(defaultNames())
{}

void ImportExport::setStartFolder(const QString &folder)
{
    dialogFolder = folder;
}

void ImportExport::importFile()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, importTitle(), dialogFolder, fileFilter);
    if (fileName.isEmpty())
        return;
    importFrom(fileName);
}

void ImportExport::exportFile()
{
    const QString fileName =
        QFileDialog::getSaveFileName(this, exportTitle(), dialogFolder, fileFilter);
    if (fileName.isEmpty())
        return;
    exportTo(fileName);
}

bool ImportExport::importFrom(const QString &fileName)
{
    const QString shownName = safeFileName(fileName);
    QFile file(fileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        QMessageBox::warning(this, importTitle(),
                             tr("Could not read %1: %2.").arg(shownName, file.errorString()));
        return false;
    }

    const std::string text = bytes.toStdString();
    const PlaReadResult result = PlaReader::read(text, numVars);
    PlaOutputsResult all;
    if (result.ok())
        all = PlaReader::readOutputs(text, numVars);
    const PlaError &error = result.ok() ? all.error : result.error;
    if (!result.ok() || !all.outputs) {
        QMessageBox::warning(this, importTitle(),
                             tr("%1 was not imported.\nLine %2: %3")
                                 .arg(shownName)
                                 .arg(error.line)
                                 .arg(describe(error)));
        return false;
    }
    announce(*result.function, *all.outputs);
    emit fileUsed(fileName);
    QStringList notes{labelsNote(*result.function)};
    // A file of one output keeps the name f whatever its label.
    if (all.outputs->function.outputCount() > 1)
        notes << outputLabelsNote(*all.outputs);
    notes.removeAll(QString());
    const QString note = notes.join(QLatin1Char('\n'));
    if (!note.isEmpty())
        QMessageBox::information(this, importTitle(),
                                 tr("%1 was imported.\n%2").arg(shownName, note));
    return true;
}

QString ImportExport::describe(const PlaError &error)
{
    QString pattern;
    switch (error.fault) {
    case PlaFault::UnsupportedKind:
        pattern = tr("%1: multi-valued and state-machine files are not supported; only binary "
                     "inputs with one or more outputs can be imported.");
        break;
    case PlaFault::CountOutOfRange:
        pattern = tr(".i gives %1, but the number of variables must be 2 to 6.");
        break;
    case PlaFault::CountMissing:
        pattern = tr(".i must be followed by the number of variables (2 to 6).");
        break;
    case PlaFault::CountDisagreesWithLabels:
        pattern = tr(".i gives %1 variables, but .ilb named %2.");
        break;
    case PlaFault::OutputsMissing:
        pattern = tr(".o must be followed by the number of outputs.");
        break;
    case PlaFault::TypeAfterProducts:
        pattern = tr(".type must come before the first product line.");
        break;
    case PlaFault::TypeUnsupported:
        pattern = tr(".type %1 is not supported; the type must be f, fd, fr or fdr.");
        break;
    case PlaFault::TooManyLabels:
        pattern = tr(".ilb names more than the %1 variables.");
        break;
    case PlaFault::TooFewLabels:
        pattern = tr(".ilb names %1 of the %2 variables.");
        break;
    case PlaFault::NoOutputPart:
        pattern = tr("The product line %1 has no output part.");
        break;
    case PlaFault::BadInputPart:
        pattern = tr("The input part %1 must be %2 characters of 0, 1 and -.");
        break;
    case PlaFault::TooManyOutputs:
        pattern = tr("The file has %1 outputs; at most 64 can be imported.");
        break;
    case PlaFault::None:
        return QString::fromStdString(error.message);
    }
    return QString::fromStdString(PhraseTemplate::filled(pattern.toStdString(), error.values));
}

QString ImportExport::outputLabelsNote(const PlaOutputs &outputs)
{
    return filledNote(
        PlaReader::replacedOutputLabels(outputs),
        tr("The output label %1 is not a valid output name (1 to 3 letters or digits, all "
           "different and none an input's name), so the outputs have the default names %2."),
        tr("The output labels %1 are not valid output names (1 to 3 letters or digits, all "
           "different and none an input's name), so the outputs have the default names %2."));
}

QString ImportExport::labelsNote(const PlaFunction &function)
{
    return filledNote(PlaReader::replacedLabels(function),
                      tr("The label %1 is not a valid variable name (1 to 3 letters or digits, "
                         "all different), so the variables have the default names %2."),
                      tr("The labels %1 are not valid variable names (1 to 3 letters or digits, "
                         "all different), so the variables have the default names %2."));
}

void ImportExport::announce(const PlaFunction &function, const PlaOutputs &outputs)
{
    emit importStarted();
    const int count = function.variableCount;
    if (function.countGiven) {
        numVars = count;
        emit numVariables(count);
    }

    if (!function.names.empty()) {
        QVector<QString> read;
        for (const std::string &name : function.names)
            read << QString::fromStdString(name);
        QVector<QString> six = read;
        while (six.size() < VariableRules::maxCount)
            six << defaultName(static_cast<int>(six.size()));
        emit changeNames(six[0], six[1], six[2], six[3], six[4], six[5]);
        emit variableNames(read);
    } else if (function.countGiven) {
        // The names dialog learns the new count only from here; through it
        // every other widget takes names for exactly that many variables.
        emit variableNames(namesForCount(count));
    }

    // The ".i" line has cleared the tables; without it, cells the file does
    // not set keep what they show.
    QTableWidgetItem item;
    for (std::size_t m = 0; m < function.values.size(); ++m) {
        if (!function.assigned[m])
            continue;
        const QString value(QChar::fromLatin1(function.values[m]));
        emit mintermValues(static_cast<int>(m), count + 2, value);
        item.setText(value);
        emit updateCell(static_cast<int>(m), &item);
    }

    // A file of one output without a usable ".ob" label keeps the name the
    // window has always given it.
    QStringList outputNames{QString::fromLatin1(MultiOutputFunction::firstOutputName)};
    QStringList moreColumns;
    const MultiOutputFunction &read = outputs.function;
    const bool labelled = !function.outputNames.empty() && outputs.replacedOutputLabels.empty();
    if (read.outputCount() > 1 || labelled) {
        outputNames.clear();
        for (int k = 0; k < read.outputCount(); ++k) {
            outputNames << QString::fromStdString(read.outputName(k));
            if (k > 0)
                moreColumns << QString::fromStdString(read.values(k));
        }
        // Without ".ilb" the variables keep the names shown, which the
        // reader did not know: a label one of them has gives way as well.
        std::vector<std::string> inputs = function.names;
        if (inputs.empty()) {
            for (const QString &name : namesForCount(count))
                inputs.push_back(name.toStdString());
        }
        std::vector<std::string> given;
        for (const QString &name : std::as_const(outputNames))
            given.push_back(name.toStdString());
        if (!MultiOutputFunction::checkNames(inputs, given).ok()) {
            outputNames.clear();
            for (const std::string &name :
                 MultiOutputFunction::completedOutputNames(inputs, {}, read.outputCount()))
                outputNames << QString::fromStdString(name);
        }
    }
    emit outputsImported(outputNames, moreColumns);
}

// The names shown now for the positions that remain, and for new positions
// their default letter, or the first letter no other name uses.
QVector<QString> ImportExport::namesForCount(int count) const
{
    QVector<QString> result = names.mid(0, qMin(count, int(names.size())));
    while (result.size() < count) {
        QString name = defaultName(static_cast<int>(result.size()));
        for (int letter = 0; result.contains(name); ++letter)
            name = defaultName(letter);
        result << name;
    }
    return result;
}

// One output called "f" is written as it always was; several with their
// names on an ".ob" line.
QByteArray ImportExport::exportedText() const
{
    std::vector<std::string> inputs;
    for (const QString &name : std::as_const(names))
        inputs.push_back(name.toStdString());
    const bool onlyF = outputs.size() < 2 &&
                       (outputs.isEmpty() ||
                        outputs.front() == QLatin1String(MultiOutputFunction::firstOutputName));
    if (onlyF) {
        PlaFunction function;
        function.variableCount = numVars;
        function.names = inputs;
        function.values = values;
        function.values.resize(std::size_t{1} << numVars, '0');
        return QByteArray::fromStdString(PlaWriter::write(function));
    }
    const auto count = static_cast<int>(outputs.size());
    MultiOutputFunction function(numVars, count);
    inputs.resize(static_cast<std::size_t>(function.inputCount()));
    for (std::size_t j = 0; j < inputs.size(); ++j) {
        if (inputs[j].empty())
            inputs[j] = VariableRules::defaultName(static_cast<int>(j));
    }
    std::vector<std::string> outputNames;
    for (const QString &name : std::as_const(outputs))
        outputNames.push_back(name.toStdString());
    // The names dialog does not know the outputs: an input renamed to an
    // output's name leaves the outputs their default names in the file.
    if (!function.setNames(inputs, outputNames).ok())
        function.setNames(inputs, MultiOutputFunction::completedOutputNames(inputs, {}, count));
    for (int k = 0; k < count; ++k) {
        std::string column;
        for (const QChar c : outputValues.value(k))
            column += cellValue(QString(c));
        column.resize(function.cellCount(), '0');
        function.setValues(k, column);
    }
    return QByteArray::fromStdString(PlaWriter::write(function));
}

bool ImportExport::exportTo(const QString &fileName)
{
    const QByteArray text = exportedText();

    // "f" becomes "f.pla"; a name with a suffix of its own keeps it.
    const QString target =
        QFileInfo(fileName).suffix().isEmpty() ? fileName + QStringLiteral(".pla") : fileName;
    QString reason;
    if (!AtomicFile::write(target, text, reason)) {
        QMessageBox::warning(this, exportTitle(),
                             tr("Could not write %1: %2.").arg(safeFileName(target), reason));
        return false;
    }
    emit fileUsed(target);
    return true;
}

void ImportExport::getMinterms(int count, QList<QTableWidgetItem *> minterms)
{
    if (!VariableRules::isCount(count))
        return;
    numVars = count;
    values.clear();
    const int size = qMin(1 << count, int(minterms.size()));
    for (int m = 0; m < size; ++m)
        values += minterms[m] ? cellValue(minterms[m]->text()) : '0';
}

void ImportExport::getOutputs(int count, const QStringList &outputNames, const QStringList &columns)
{
    if (!VariableRules::isCount(count) || columns.isEmpty())
        return;
    numVars = count;
    outputs = outputNames;
    outputValues = columns;
    values.clear();
    for (const QChar c : columns.front())
        values += cellValue(QString(c));
}

void ImportExport::getVariableNames(QVector<QString> variableNames)
{
    names = std::move(variableNames);
    if (VariableRules::isCount(static_cast<int>(names.size())))
        numVars = static_cast<int>(names.size());
}

void ImportExport::resetIO()
{
    numVars = 4;
    values.clear();
    outputs.clear();
    outputValues.clear();
    names = defaultNames();
}
