// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/VariableRules.h"
#include "cli/CommandLine.h"
#include "dialogs/ChangeVarsPopup.h"
#include "expression/EquationManager.h"
#include "expression/ExpressionVariables.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"

#include "ModalBoxAnswerer.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <string>
#include <vector>

namespace {

QWidget *dialogWidgetAt(const ChangeVarsPopup &dialog, int row)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    QLayoutItem *item = grid ? grid->itemAtPosition(row, 1) : nullptr;
    return item ? item->widget() : nullptr;
}

// Typed one character at a time, as a keyboard layout with any letter would
// send it (QTest::keyClicks takes ASCII only).
void typeInto(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
    }
}

// The names a two-row dialog announces after the user typed `name` into the
// first field and pressed Ok; empty when it announced nothing.
QVector<QString> namesFromDialog(const QString &name)
{
    ChangeVarsPopup dialog(2);
    QSignalSpy announced(&dialog, &ChangeVarsPopup::signalUpdateVariableNames);
    auto *field = qobject_cast<QLineEdit *>(dialogWidgetAt(dialog, 1));
    field->clear();
    typeInto(field, name);
    ModalBoxAnswerer refusal;
    refusal.arm();
    qobject_cast<QPushButton *>(dialogWidgetAt(dialog, 7))->click();
    return announced.isEmpty() ? QVector<QString>() : announced[0][0].value<QVector<QString>>();
}

// The labels a PLA file ends up with after writing `names` and reading the
// text back; empty when the reader refused or replaced them.
std::vector<std::string> namesThroughPla(const std::vector<std::string> &names)
{
    PlaFunction written;
    written.variableCount = static_cast<int>(names.size());
    written.names = names;
    written.values = std::string(std::size_t{1} << names.size(), '0');
    const PlaReadResult read = PlaReader::read(PlaWriter::write(written), 4);
    if (!read.ok() || !read.function->replacedLabels.empty())
        return {};
    return read.function->names;
}

// What the equation field fills in for `equation` over `names`.
QVector<bool> valuesFromEquation(const std::vector<std::string> &names, const QString &equation)
{
    EquationManager field;
    QObject::connect(&field, &QLineEdit::returnPressed, &field,
                     &EquationManager::slotEvaluateEquation);
    QVector<QString> shown;
    for (const std::string &name : names)
        shown << QString::fromStdString(name);
    field.slotUpdateVariableNames(shown);
    QSignalSpy filled(&field, &EquationManager::signalUpdateTruthTableValues);
    ModalBoxAnswerer error;
    error.arm();
    QTest::keyClicks(&field, equation);
    QTest::keyClick(&field, Qt::Key_Return);
    return filled.isEmpty() ? QVector<bool>() : filled[0][0].value<QVector<bool>>();
}

} // namespace

class VariableRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void everyLayerAgreesOnAName_data();
    void everyLayerAgreesOnAName();
    void acceptedNameSurvivesExportImportAndEquation_data();
    void acceptedNameSurvivesExportImportAndEquation();
};

void VariableRulesTest::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void VariableRulesTest::everyLayerAgreesOnAName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("one letter") << QStringLiteral("A") << true;
    QTest::newRow("one digit") << QStringLiteral("7") << true;
    QTest::newRow("three characters, the longest") << QStringLiteral("z09") << true;
    QTest::newRow("cases mixed") << QStringLiteral("aZ") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("four characters, one too many") << QStringLiteral("ABCD") << false;
    QTest::newRow("underscore") << QStringLiteral("A_") << false;
    QTest::newRow("blank inside") << QStringLiteral("A B") << false;
    QTest::newRow("complement sign") << QStringLiteral("A'") << false;
    QTest::newRow("letter outside ASCII") << QStringLiteral("\u00e9") << false;
}

// The dialog, the equation engine, the PLA reader and tavolin-cli each had
// their own idea of a name; now they must give one answer.
void VariableRulesTest::everyLayerAgreesOnAName()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    const std::string bytes = name.toStdString();

    QCOMPARE(VariableRules::isName(bytes), accepted);
    QCOMPARE(ExpressionVariables::Is_Valid_Variable_Name(bytes), accepted);

    const QVector<QString> fromDialog = namesFromDialog(name);
    QCOMPARE(!fromDialog.isEmpty() && fromDialog.front() == name, accepted);

    const PlaReadResult read =
        PlaReader::read(".i 2\n.o 1\n.ilb " + bytes + " B\n11 1\n.e\n", VariableRules::minCount);
    const bool labelKept = read.ok() && read.function->names.front() == bytes;
    QCOMPARE(labelKept, accepted);

    std::vector<std::string> parsed;
    std::string error;
    QCOMPARE(CommandLine::parseNames(bytes + ",B", parsed, error), accepted);
}

void VariableRulesTest::acceptedNameSurvivesExportImportAndEquation_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("one letter") << QStringLiteral("q");
    QTest::newRow("digits only") << QStringLiteral("123");
    QTest::newRow("three characters, the longest") << QStringLiteral("Zz9");
}

// Typed in the dialog, written to a PLA file, read back and used in an
// equation: the name reaches the table unchanged at every step.
void VariableRulesTest::acceptedNameSurvivesExportImportAndEquation()
{
    QFETCH(QString, name);

    const QVector<QString> fromDialog = namesFromDialog(name);
    QCOMPARE(fromDialog, (QVector<QString>{name, QStringLiteral("B")}));

    std::vector<std::string> names;
    for (const QString &shown : fromDialog)
        names.push_back(shown.toStdString());
    const std::vector<std::string> imported = namesThroughPla(names);
    QCOMPARE(imported, names);

    // Rows run 00, 01, 10, 11 with the first variable as the high bit.
    QCOMPARE(valuesFromEquation(imported, name + QStringLiteral("'")),
             (QVector<bool>{true, true, false, false}));
}

QTEST_MAIN(VariableRulesTest)
#include "VariableRulesTest.moc"
