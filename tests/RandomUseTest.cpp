// SPDX-License-Identifier: GPL-3.0-or-later
// Long random mixtures of everything a user does in the window, checking
// after every action that the views still agree. A run is fixed by its seed:
// TAVOLIN_RANDOM_SEED and TAVOLIN_RANDOM_ACTIONS replay it.

#include "MapShades.h"
#include "MinimizationFixtures.h"
#include "ModalBoxAnswerer.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "app/VariableCountManager.h"
#include "check/ExerciseDialog.h"
#include "circuit/CircuitView.h"
#include "dialogs/ChangeVarsPopup.h"
#include "explain/StepsWindow.h"
#include "expression/EquationManager.h"
#include "minimize/Minimize.h"
#include "outputs/JointResultsWindow.h"
#include "outputs/MultiOutputFunction.h"
#include "pla/ImportExport.h"
#include "pla/PlaReader.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>
#include <set>
#include <vector>

using TestFiles::readFile;
using TestFiles::writeFile;

namespace {

using Groups = QVector<QVector<int>>;

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if ((c.unicode() < 0x20 && c != u'\n' && c != u'\t') || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

} // namespace

class RandomUseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void randomUse_data();
    void randomUse();

private:
    using Action = void (RandomUseTest::*)();
    struct Entry
    {
        const char *name;
        Action action;
        int weight;
    };
    static const std::vector<Entry> actions;

    // Actions, each as a user performs it.
    void clickTable();
    void clickMap();
    void keysInTable();
    void keysInMap();
    void changeCount();
    void renameValid();
    void renameInvalid();
    void renameCancelled();
    void equationValid();
    void equationInvalid();
    void importGenerated();
    void importOwnExport();
    void importMalformed();
    void importEmpty();
    void importBinary();
    void importSeveralOutputs();
    void exportFile();
    void minimize();
    void toggleExact();
    void toggleHazardFree();
    void reset();
    void undo();
    void redo();
    void paste();
    void bulkEdit();
    void stepsWindow();
    void circuitView();
    void checkAnswer();
    void newExercise();
    void addOutput();
    void removeOutput();
    void pickOutput();
    void renameOutputs();
    void minimizeAllOutputs();

    // What a user sees and what the export writes.
    int count() const { return table->variableCount(); }
    // The values of the output the map shows, of one output, of all.
    QString tableValues() const { return outputValues(table->shownOutput()); }
    QString outputValues(int output) const;
    int outputs() const { return table->columnCount() - count() - 1; }
    QStringList outputHeaders() const;
    QString mapValues() const;
    QStringList tableNames() const;
    QStringList headers(const QTableWidget &widget, Qt::Orientation orientation) const;
    QString state() const;
    void checkInvariants();
    void checkMinimized(const QString &values, const QSignalSpy &circles);
    void expect(bool condition, const QString &what);

    int pick(qsizetype bound)
    {
        return std::uniform_int_distribution<int>(0, static_cast<int>(bound) - 1)(random);
    }
    QString randomValues(int length);
    QString randomPla(int variables, int outputs);
    QString nextPath(const char *suffix);
    void answer(QWidget *modal);
    // Message boxes and choosers shown so far; file dialogs do not count.
    int boxes() const { return answerer->answeredTimes() - fileDialogs; }
    void importThroughWindow(const QString &path);
    void chooseCount(int wanted);
    void fillNameFields(const QStringList &names);
    QPushButton *okButton() const;
    QAction *action(const char *name) const;
    QAction *actionByText(const QString &text) const;

    template <typename Widget> Widget *child(const char *name) const
    {
        return WidgetLookup::named<Widget>(*window, name);
    }

    std::mt19937 random;
    quint32 seed = 0;
    int index = 0;
    QString current;
    QTemporaryDir folder;
    int files = 0;
    QString fileToChoose;
    int fileDialogs = 0;
    std::unique_ptr<ModalBoxAnswerer> answerer;
    int exerciseVariables = 0; // as set in the last exercise dialog, 0 when cancelled
    std::unique_ptr<MainWindow> window;
    truthTable *table = nullptr;
    kMap *map = nullptr;
    ChangeVarsPopup *popup = nullptr;
    Minimize *minimizer = nullptr;
};

// Edits come most often, as they do in use; files, windows and options now
// and then.
const std::vector<RandomUseTest::Entry> RandomUseTest::actions = {
    {"click table", &RandomUseTest::clickTable, 14},
    {"click map", &RandomUseTest::clickMap, 12},
    {"keys in table", &RandomUseTest::keysInTable, 12},
    {"keys in map", &RandomUseTest::keysInMap, 8},
    {"change count", &RandomUseTest::changeCount, 3},
    {"rename", &RandomUseTest::renameValid, 2},
    {"rename invalid", &RandomUseTest::renameInvalid, 2},
    {"rename cancelled", &RandomUseTest::renameCancelled, 2},
    {"equation", &RandomUseTest::equationValid, 3},
    {"equation invalid", &RandomUseTest::equationInvalid, 2},
    {"import generated", &RandomUseTest::importGenerated, 2},
    {"import own export", &RandomUseTest::importOwnExport, 1},
    {"import malformed", &RandomUseTest::importMalformed, 2},
    {"import empty", &RandomUseTest::importEmpty, 1},
    {"import binary", &RandomUseTest::importBinary, 1},
    {"import several outputs", &RandomUseTest::importSeveralOutputs, 1},
    {"export", &RandomUseTest::exportFile, 2},
    {"minimize", &RandomUseTest::minimize, 8},
    {"toggle exact", &RandomUseTest::toggleExact, 1},
    {"toggle hazard-free", &RandomUseTest::toggleHazardFree, 1},
    {"reset", &RandomUseTest::reset, 1},
    {"undo", &RandomUseTest::undo, 5},
    {"redo", &RandomUseTest::redo, 3},
    {"paste", &RandomUseTest::paste, 3},
    {"bulk edit", &RandomUseTest::bulkEdit, 2},
    {"steps window", &RandomUseTest::stepsWindow, 1},
    {"circuit view", &RandomUseTest::circuitView, 1},
    {"check answer", &RandomUseTest::checkAnswer, 3},
    {"new exercise", &RandomUseTest::newExercise, 1},
    {"add output", &RandomUseTest::addOutput, 2},
    {"remove output", &RandomUseTest::removeOutput, 2},
    {"pick output", &RandomUseTest::pickOutput, 3},
    {"rename outputs", &RandomUseTest::renameOutputs, 1},
    {"minimize all outputs", &RandomUseTest::minimizeAllOutputs, 1},
};

void RandomUseTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(folder.isValid());
}

void RandomUseTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    table = child<truthTable>("truthTableWidget");
    map = child<kMap>("kMapWidget");
    minimizer = child<Minimize>("minimizer");
    popup = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<ChangeVarsPopup *>(top))
            popup = dialog;
    }
    QVERIFY(popup);
    // Every modal window that comes up is answered, the next one too.
    answerer = std::make_unique<ModalBoxAnswerer>();
    answerer->arm([this](QWidget *modal) { answer(modal); });
}

void RandomUseTest::cleanup()
{
    if (QTest::currentTestFailed())
        qWarning("replay: TAVOLIN_RANDOM_SEED=%u TAVOLIN_RANDOM_ACTIONS=%d (failed at action %d, "
                 "%s)",
                 seed, index + 1, index, qPrintable(current));
    answerer.reset();
    window.reset();
}

void RandomUseTest::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actionCount");
    const int seedFromEnvironment = environmentNumber("TAVOLIN_RANDOM_SEED", 1);
    const int actionCount = environmentNumber("TAVOLIN_RANDOM_ACTIONS", 20000);
    QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seedFromEnvironment)))
        << quint32(seedFromEnvironment) << actionCount;
}

void RandomUseTest::randomUse()
{
    QFETCH(quint32, seed);
    QFETCH(int, actionCount);
    this->seed = seed;
    random.seed(seed);

    int total = 0;
    for (const Entry &entry : actions)
        total += entry.weight;
    for (index = 0; index < actionCount; ++index) {
        int drawn = pick(total);
        const Entry *entry = actions.data();
        while (drawn >= entry->weight)
            drawn -= (entry++)->weight;
        current = QLatin1String(entry->name);
        (this->*entry->action)();
        if (QTest::currentTestFailed())
            return;
        QCoreApplication::processEvents();
        checkInvariants();
        if (QTest::currentTestFailed())
            return;
    }
}

void RandomUseTest::expect(bool condition, const QString &what)
{
    if (condition)
        return;
    QTest::qFail(
        qPrintable(
            QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(index).arg(current, what)),
        __FILE__, __LINE__);
}

// ---- what is shown --------------------------------------------------------

QString RandomUseTest::mapValues() const
{
    return WidgetLookup::mapText(*map, count());
}

QStringList RandomUseTest::headers(const QTableWidget &widget, Qt::Orientation orientation) const
{
    QStringList texts;
    const int n = orientation == Qt::Horizontal ? widget.columnCount() : widget.rowCount();
    for (int i = 0; i < n; ++i) {
        const QTableWidgetItem *item = orientation == Qt::Horizontal
                                           ? widget.horizontalHeaderItem(i)
                                           : widget.verticalHeaderItem(i);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

QString RandomUseTest::outputValues(int output) const
{
    QString values;
    for (int r = 0; r < table->rowCount(); ++r)
        values += table->item(r, count() + 1 + output)->text();
    return values;
}

QStringList RandomUseTest::outputHeaders() const
{
    return headers(*table, Qt::Horizontal).mid(count() + 1);
}

QStringList RandomUseTest::tableNames() const
{
    return headers(*table, Qt::Horizontal).mid(0, count());
}

QString RandomUseTest::state() const
{
    QStringList columns;
    for (int k = 0; k < outputs(); ++k)
        columns << outputValues(k);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(count())
        .arg(tableNames().join(u','), outputHeaders().join(u','), columns.join(u','));
}

void RandomUseTest::checkInvariants()
{
    expect(!QApplication::activeModalWidget(), QStringLiteral("a modal window stayed open"));
    if (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
    const int n = count();
    auto *selector = child<VariableCountManager>("variableCountManager");
    expect(selector->currentIndex() + 2 == n, QStringLiteral("count selector shows %1, table %2")
                                                  .arg(selector->currentIndex() + 2)
                                                  .arg(n));
    expect(table->rowCount() == 1 << n, QStringLiteral("table has %1 rows").arg(table->rowCount()));
    const QString values = tableValues();
    expect(mapValues() == values, QStringLiteral("map %1, table %2").arg(mapValues(), values));
    auto *outputSelector = child<QComboBox>("outputSelector");
    expect(outputSelector->isVisible() == (outputs() > 1) &&
               outputSelector->currentIndex() == table->shownOutput(),
           QStringLiteral("the output selector disagrees with the table"));

    const QStringList names = tableNames();
    KarnaughLayout::Names six = KarnaughLayout::defaultNames();
    for (int p = 0; p < n; ++p)
        six[static_cast<std::size_t>(p)] = names.value(p).toStdString();
    QStringList rowLabels;
    for (const std::string &label : KarnaughLayout::rowLabels(n, six))
        rowLabels << QString::fromStdString(label);
    QStringList columnLabels;
    for (const std::string &label : KarnaughLayout::columnLabels(n, six))
        columnLabels << QString::fromStdString(label);
    expect(headers(*map, Qt::Vertical) == rowLabels,
           QStringLiteral("map rows %1, names %2")
               .arg(headers(*map, Qt::Vertical).join(u','), names.join(u',')));
    expect(headers(*map, Qt::Horizontal) == columnLabels,
           QStringLiteral("map columns %1, names %2")
               .arg(headers(*map, Qt::Horizontal).join(u','), names.join(u',')));

    const QString path = folder.filePath(QStringLiteral("view.pla"));
    expect(child<ImportExport>("importExport")->exportTo(path), QStringLiteral("export failed"));
    const PlaReadResult read = PlaReader::read(readFile(path).toStdString(), 4);
    expect(read.ok(), QStringLiteral("the export does not read back"));
    if (read.ok()) {
        QStringList exportedNames;
        for (const std::string &name : read.function->names)
            exportedNames << QString::fromStdString(name);
        expect(read.function->variableCount == n && exportedNames == names &&
                   QString::fromStdString(read.function->values) == outputValues(0),
               QStringLiteral("export %1 %2, shown %3 %4")
                   .arg(exportedNames.join(u','), QString::fromStdString(read.function->values),
                        names.join(u','), outputValues(0)));
    }
    const PlaOutputsResult all = PlaReader::readOutputs(readFile(path).toStdString(), 4);
    expect(all.outputs.has_value(), QStringLiteral("the export's outputs do not read back"));
    if (all.outputs) {
        const MultiOutputFunction &exported = all.outputs->function;
        bool same = exported.outputCount() == outputs();
        for (int k = 0; same && k < outputs(); ++k)
            same = QString::fromStdString(exported.values(k)) == outputValues(k) &&
                   QString::fromStdString(exported.outputName(k)) == outputHeaders().at(k);
        expect(same, QStringLiteral("the export's outputs differ from %1").arg(state()));
    }
}

// The result text evaluates to the table wherever the table is not a don't
// care, and the shaded groups are the terms of that text.
void RandomUseTest::checkMinimized(const QString &values, const QSignalSpy &circles)
{
    QString text = child<QLineEdit>("resultEdit")->text();
    // With several outputs the result starts with the shown one's name.
    if (outputs() > 1) {
        const QString named = outputHeaders().at(table->shownOutput()) + QStringLiteral(" = ");
        expect(text.startsWith(named), QStringLiteral("result \"%1\" is not named").arg(text));
        text = text.mid(named.size());
    }
    const int n = count();
    MinimizationFixtures::ResultExpression *parsed = nullptr;
    VariableNames names = Minimization::defaultNames();
    const QStringList shown = tableNames();
    for (int p = 0; p < n; ++p)
        names[static_cast<std::size_t>(p)] = shown.value(p).toStdString();
    std::unique_ptr<MinimizationFixtures::ResultExpression> expression;
    try {
        expression =
            std::make_unique<MinimizationFixtures::ResultExpression>(text.toStdString(), n, names);
    } catch (const std::exception &error) {
        expect(false, QStringLiteral("result \"%1\" does not read: %2").arg(text, error.what()));
        return;
    }
    parsed = expression.get();
    for (int m = 0; m < (1 << n); ++m) {
        if (values[m] == u'X')
            continue;
        if (parsed->valueAt(m) != (values[m] == u'1')) {
            expect(false, QStringLiteral("result \"%1\" is wrong at minterm %2 of %3")
                              .arg(text)
                              .arg(m)
                              .arg(values));
            return;
        }
    }

    expect(circles.size() == 1, QStringLiteral("%1 group lists sent").arg(circles.size()));
    if (circles.size() != 1)
        return;
    const auto groups = circles.first().at(0).value<Groups>();
    kMap reference(4, 4);
    reference.changeNumberElements(n);
    reference.updateCircles(groups);
    expect(MapShades::of(*map) == MapShades::of(reference),
           QStringLiteral("the map shades other groups"));

    if (text == u"0" || text == u"1")
        return;
    const bool sum = !text.startsWith(u'(');
    const int terms = int(text.count(sum ? u'+' : u'&')) + 1;
    expect(groups.size() == terms,
           QStringLiteral("%1 groups for \"%2\"").arg(groups.size()).arg(text));
    std::set<int> covered;
    for (const QVector<int> &group : groups)
        covered.insert(group.begin(), group.end());
    for (int m = 0; m < (1 << n); ++m) {
        // A sum is true exactly on its groups, a product false exactly on them.
        if ((covered.count(m) != 0) != (parsed->valueAt(m) == sum)) {
            expect(false,
                   QStringLiteral("groups and \"%1\" differ at minterm %2").arg(text).arg(m));
            return;
        }
    }
}

// ---- helpers ---------------------------------------------------------------

QString RandomUseTest::randomValues(int length)
{
    QString values;
    for (int m = 0; m < length; ++m)
        values += QStringLiteral("01X").at(pick(3));
    return values;
}

QString RandomUseTest::randomPla(int variables, int outputs)
{
    QString text = QStringLiteral(".i %1\n.o %2\n").arg(variables).arg(outputs);
    if (pick(2) == 0) {
        QStringList labels;
        for (int p = 0; p < variables; ++p)
            labels << QStringLiteral("v%1").arg(p + pick(3));
        text += QStringLiteral(".ilb %1\n").arg(labels.join(u' '));
    }
    // Output labels, now and then one that cannot serve as a name.
    if (outputs > 1 && pick(2) == 0) {
        const QStringList pool{"s", "co", "f", "f1", "v0", "long", "y2", "a+b"};
        QStringList labels;
        for (int k = 0; k < outputs; ++k)
            labels << pool.at(pick(pool.size()));
        text += QStringLiteral(".ob %1\n").arg(labels.join(u' '));
    }
    for (int line = pick(6) + 1; line > 0; --line) {
        QString cube;
        for (int k = 0; k < variables; ++k)
            cube += QStringLiteral("01-").at(pick(3));
        QString plane;
        for (int k = 0; k < outputs; ++k)
            plane += QStringLiteral("01-~").at(pick(4));
        text += cube + u' ' + plane + u'\n';
    }
    return text;
}

QString RandomUseTest::nextPath(const char *suffix)
{
    return folder.filePath(QStringLiteral("file%1%2").arg(++files).arg(QLatin1String(suffix)));
}

// Message boxes get their default button, the file dialog the file the
// action chose (none: cancelled), the output chooser a random output or a
// cancel. Then the next modal window is awaited.
void RandomUseTest::answer(QWidget *modal)
{
    answerer->arm([this](QWidget *next) { answer(next); });
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        expect(!hasControlCharacter(box->text()),
               QStringLiteral("a message shows a control character: %1").arg(box->text()));
        QAbstractButton *button = box->escapeButton() ? box->escapeButton() : box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button)
            button->click();
        else
            box->reject();
    } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
        ++fileDialogs;
        if (fileToChoose.isEmpty()) {
            files->reject();
        } else {
            files->selectFile(fileToChoose);
            static_cast<QDialog *>(files)->accept();
        }
    } else if (auto *exercise = qobject_cast<ExerciseDialog *>(modal)) {
        // Settings typed as a user would, accepted or not.
        auto *variables = exercise->findChild<QSpinBox *>(QStringLiteral("variablesBox"));
        variables->setValue(2 + pick(5));
        exercise->findChild<QCheckBox *>(QStringLiteral("dontCaresBox"))->setChecked(pick(2) == 0);
        exercise->findChild<QSpinBox *>(QStringLiteral("seedBox"))->setValue(1 + pick(999999));
        exerciseVariables = variables->value();
        if (pick(4) == 0) {
            exerciseVariables = 0;
            exercise->reject();
        } else {
            exercise->accept();
        }
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

void RandomUseTest::importThroughWindow(const QString &path)
{
    if (pick(2) == 0) {
        fileToChoose = path;
        child<QPushButton>("importButton")->click();
        fileToChoose.clear();
    } else {
        window->openFile(path);
    }
}

void RandomUseTest::chooseCount(int wanted)
{
    auto *selector = child<VariableCountManager>("variableCountManager");
    selector->setFocus();
    while (selector->currentIndex() + 2 != wanted)
        QTest::keyClick(selector,
                        selector->currentIndex() + 2 < wanted ? Qt::Key_Down : Qt::Key_Up);
}

void RandomUseTest::fillNameFields(const QStringList &names)
{
    child<QPushButton>("variablesButton")->click();
    expect(popup->isVisible(), QStringLiteral("the names dialog did not open"));
    const QList<QLineEdit *> fields = popup->findChildren<QLineEdit *>();
    for (int i = 0; i < fields.size() && i < names.size(); ++i) {
        fields[i]->selectAll();
        QTest::keyClick(fields[i], Qt::Key_Backspace);
        QTest::keyClicks(fields[i], names[i]);
    }
}

QPushButton *RandomUseTest::okButton() const
{
    for (QPushButton *button : popup->findChildren<QPushButton *>()) {
        if (button->text() == QLatin1String("Ok"))
            return button;
    }
    qFatal("the names dialog has no Ok button");
}

QAction *RandomUseTest::action(const char *name) const
{
    auto *found = window->findChild<QAction *>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

QAction *RandomUseTest::actionByText(const QString &text) const
{
    for (QAction *candidate : window->findChildren<QAction *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    qFatal("no action %s", qPrintable(text));
}

// ---- the actions ---------------------------------------------------------

void RandomUseTest::clickTable()
{
    UserInput::clickCell(table, pick(1 << count()), table->columnCount() - 1);
}

void RandomUseTest::clickMap()
{
    const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(count(), pick(1 << count()));
    UserInput::clickCell(map, at.row, at.column);
}

void RandomUseTest::keysInTable()
{
    const QList<int> keys{Qt::Key_0,  Qt::Key_1,    Qt::Key_X,    Qt::Key_Space, Qt::Key_Delete,
                          Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Minus};
    table->setFocus();
    table->setCurrentCell(pick(1 << count()), table->columnCount() - 1);
    for (int n = pick(4) + 1; n > 0; --n) {
        const int key = keys.at(pick(keys.size()));
        const bool shift = (key == Qt::Key_Up || key == Qt::Key_Down) && pick(2) == 0;
        QTest::keyClick(table, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

void RandomUseTest::keysInMap()
{
    const QList<int> keys{Qt::Key_0,  Qt::Key_1,    Qt::Key_X,    Qt::Key_Space, Qt::Key_Delete,
                          Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    map->setFocus();
    const KarnaughLayout::Cell at = KarnaughLayout::cellOfMinterm(count(), pick(1 << count()));
    map->setCurrentCell(at.row, at.column);
    for (int n = pick(4) + 1; n > 0; --n) {
        const int key = keys.at(pick(keys.size()));
        const bool shift = key >= Qt::Key_Left && key <= Qt::Key_Down && pick(2) == 0;
        QTest::keyClick(map, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

void RandomUseTest::changeCount()
{
    const int from = count();
    const int to = pick(5) + 2;
    const QString before = tableValues();
    chooseCount(to);
    if (to == from)
        expect(tableValues() == before, QStringLiteral("choosing the same count changed values"));
}

void RandomUseTest::renameValid()
{
    QStringList pool{"P",  "Q",  "R",  "S", "T", "U", "x1", "y2",
                     "z3", "AB", "n0", "K", "A", "B", "1A", "7"};
    // With several outputs their names are taken.
    if (outputs() > 1) {
        for (const QString &name : outputHeaders())
            pool.removeAll(name);
    }
    QStringList names;
    while (names.size() < count())
        names << pool.takeAt(pick(pool.size()));
    const int before = boxes();
    fillNameFields(names);
    okButton()->click();
    expect(boxes() == before, QStringLiteral("valid names %1 refused").arg(names.join(u',')));
    expect(!popup->isVisible(), QStringLiteral("the names dialog stayed open"));
    expect(tableNames() == names,
           QStringLiteral("names %1 shown as %2").arg(names.join(u','), tableNames().join(u',')));
}

void RandomUseTest::renameInvalid()
{
    // Typing goes through the field's validator, so a refused character
    // leaves the field empty.
    const QStringList bad{"", "&", "(", "+", "-"};
    QStringList names = tableNames();
    const int position = pick(count());
    if (pick(3) == 0 && count() > 1)
        names[position] = names[(position + 1) % count()]; // a duplicate
    else
        names[position] = bad.at(pick(bad.size()));
    const QStringList before = tableNames();
    const int boxesBefore = boxes();
    fillNameFields(names);
    okButton()->click();
    expect(boxes() == boxesBefore + 1, QStringLiteral("invalid names %1: %2 boxes")
                                           .arg(names.join(u','))
                                           .arg(boxes() - boxesBefore));
    expect(tableNames() == before, QStringLiteral("invalid names %1 taken").arg(names.join(u',')));
    if (popup->isVisible())
        QTest::keyClick(popup, Qt::Key_Escape);
    expect(!popup->isVisible(), QStringLiteral("Escape left the names dialog open"));
}

// Fields edited but not accepted; sometimes the count changes meanwhile.
void RandomUseTest::renameCancelled()
{
    const QStringList before = tableNames();
    QStringList names = before;
    names[pick(count())] = pick(2) == 0 ? QString() : QStringLiteral("W");
    const int boxesBefore = boxes();
    fillNameFields(names);
    if (pick(2) == 0) {
        chooseCount(pick(5) + 2);
        expect(boxes() == boxesBefore, QStringLiteral("a count change raised a box"));
    } else {
        QTest::keyClick(popup, Qt::Key_Escape);
        expect(boxes() == boxesBefore, QStringLiteral("cancelling raised a box"));
        expect(tableNames() == before, QStringLiteral("cancelled names taken"));
    }
    if (popup->isVisible())
        popup->close();
}

// A random sum of products over the shown names fills the table with that
// function.
void RandomUseTest::equationValid()
{
    const QStringList names = tableNames();
    QStringList products;
    for (int t = pick(3) + 1; t > 0; --t) {
        QStringList literals;
        for (int p = 0; p < count(); ++p) {
            const int choice = pick(3);
            if (choice < 2)
                literals << names[p] + (choice == 1 ? QStringLiteral("'") : QString());
        }
        if (literals.isEmpty())
            literals << names[pick(count())];
        products << literals.join(u'&');
    }
    const QString equation = products.join(u'+');
    auto *field = child<EquationManager>("equationManager");
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, equation);
    const int before = boxes();
    if (pick(2) == 0)
        child<QPushButton>("fillTableButton")->click();
    else
        QTest::keyClick(field, Qt::Key_Return);
    expect(boxes() == before, QStringLiteral("equation %1 refused").arg(equation));

    VariableNames six = Minimization::defaultNames();
    for (int p = 0; p < count(); ++p)
        six[static_cast<std::size_t>(p)] = names[p].toStdString();
    const MinimizationFixtures::ResultExpression expected(equation.toStdString(), count(), six);
    QString wanted;
    for (int m = 0; m < (1 << count()); ++m)
        wanted += expected.valueAt(m) ? u'1' : u'0';
    expect(tableValues() == wanted,
           QStringLiteral("equation %1 filled %2, not %3").arg(equation, tableValues(), wanted));
}

void RandomUseTest::equationInvalid()
{
    const QString name = tableNames().at(pick(count()));
    const QStringList equations{name + u'&',
                                u'(' + name,
                                name + QStringLiteral("$"),
                                QStringLiteral("&&"),
                                name + QStringLiteral("+)"),
                                QStringLiteral("9") + name,
                                QStringLiteral("\x1b[31m")};
    const QString &equation = equations.at(pick(equations.size()));
    auto *field = child<EquationManager>("equationManager");
    field->setText(equation);
    const QString before = state();
    const int boxesBefore = boxes();
    child<QPushButton>("fillTableButton")->click();
    expect(
        boxes() == boxesBefore + 1,
        QStringLiteral("equation \"%1\" raised %2 boxes").arg(equation).arg(boxes() - boxesBefore));
    expect(state() == before, QStringLiteral("equation \"%1\" changed the function").arg(equation));
}

void RandomUseTest::importGenerated()
{
    const QString text = randomPla(pick(5) + 2, 1);
    const QString path = nextPath(".pla");
    expect(writeFile(path, text.toUtf8()), QStringLiteral("cannot write"));
    const PlaReadResult read = PlaReader::read(text.toStdString(), count());
    const int before = boxes();
    importThroughWindow(path);
    expect(read.ok(), QStringLiteral("generated file unreadable: %1").arg(text));
    if (!read.ok())
        return;
    // Labels that are no valid names (here: repeated ones) are noted in a box.
    const int notes = read.function->replacedLabels.empty() ? 0 : 1;
    expect(boxes() == before + notes,
           QStringLiteral("%1 boxes for %2").arg(boxes() - before).arg(text));
    expect(count() == read.function->variableCount &&
               tableValues() == QString::fromStdString(read.function->values),
           QStringLiteral("imported %1 as %2").arg(text, tableValues()));
}

void RandomUseTest::importOwnExport()
{
    const QString path = nextPath(".pla");
    const QString saved = state();
    fileToChoose = path;
    child<QPushButton>("exportButton")->click();
    fileToChoose.clear();
    bulkEdit();
    if (pick(2) == 0)
        chooseCount(pick(5) + 2);
    const int before = boxes();
    importThroughWindow(path);
    expect(boxes() == before, QStringLiteral("the program's own file raised a box"));
    expect(state() == saved, QStringLiteral("own file gave %1, not %2").arg(state(), saved));
}

void RandomUseTest::importMalformed()
{
    const QStringList texts{
        QStringLiteral(".i 3\n.o 1\n0101 1\n"),  QStringLiteral(".i 9\n.o 1\n"),
        QStringLiteral(".i 1\n.o 1\n0 1\n"),     QStringLiteral(".i 2\n.o 1\n0x 1\n"),
        QStringLiteral(".i two\n.o 1\n"),        QStringLiteral(".i 3\n.o 1\n.mv 3 0\n"),
        QStringLiteral(".i 3\n.o 1\n.type q\n"), QStringLiteral(".i 2\n.o 1\n01\n"),
        QStringLiteral(".i 2\n.ilb a b c\n"),    QStringLiteral(".kiss\n"),
        QStringLiteral(".i 4\n.o 1\n0-1 1\n"),   QStringLiteral(".i -3\n"),
    };
    QString text = texts.at(pick(texts.size()));
    if (pick(3) == 0) // a good file with one line garbled
        text = randomPla(count(), 1) + QStringLiteral("01?!x 1\n");
    const QString path = nextPath(".pla");
    expect(writeFile(path, text.toUtf8()), QStringLiteral("cannot write"));
    const PlaReadResult read = PlaReader::read(text.toStdString(), count());
    const QString before = state();
    const int boxesBefore = boxes();
    importThroughWindow(path);
    if (read.ok())
        return; // the reader takes it after all; the invariants still apply
    expect(boxes() == boxesBefore + 1,
           QStringLiteral("malformed file: %1 boxes").arg(boxes() - boxesBefore));
    expect(state() == before, QStringLiteral("malformed file changed the function"));
}

void RandomUseTest::importEmpty()
{
    const QString path = nextPath(pick(2) == 0 ? ".pla" : "");
    expect(writeFile(path, QByteArray()), QStringLiteral("cannot write"));
    const PlaReadResult read = PlaReader::read(std::string(), count());
    const QString before = state();
    const int boxesBefore = boxes();
    importThroughWindow(path);
    if (!read.ok()) {
        expect(boxes() == boxesBefore + 1, QStringLiteral("empty file: no box"));
        expect(state() == before, QStringLiteral("empty file changed the function"));
    }
}

void RandomUseTest::importBinary()
{
    QByteArray bytes;
    for (int n = pick(200) + 1; n > 0; --n)
        bytes += char(pick(256));
    if (pick(2) == 0)
        bytes.prepend(".i 3\n\x1b]0;title\x07\0\xff\xfe", 16);
    const QString path = nextPath(".pla");
    expect(writeFile(path, bytes), QStringLiteral("cannot write"));
    const PlaReadResult read = PlaReader::read(bytes.toStdString(), count());
    const QString before = state();
    const int boxesBefore = boxes();
    importThroughWindow(path);
    if (!read.ok()) {
        expect(boxes() == boxesBefore + 1, QStringLiteral("binary file: no box"));
        expect(state() == before, QStringLiteral("binary file changed the function"));
    }
}

void RandomUseTest::importSeveralOutputs()
{
    const QString text = randomPla(pick(5) + 2, pick(3) + 2);
    const QString path = nextPath(".pla");
    expect(writeFile(path, text.toUtf8()), QStringLiteral("cannot write"));
    const int boxesBefore = boxes();
    importThroughWindow(path);
    // Every output arrives without a question; a note on labels that could
    // not be used may come.
    const PlaOutputsResult read = PlaReader::readOutputs(text.toStdString(), 4);
    const int windows = boxes() - boxesBefore;
    expect(read.outputs.has_value(), QStringLiteral("generated file unreadable: %1").arg(text));
    if (!read.outputs)
        return;
    const bool noted =
        !read.outputs->replacedLabels.empty() || !read.outputs->replacedOutputLabels.empty();
    expect(windows == (noted ? 1 : 0), QStringLiteral("%1 windows for %2").arg(windows).arg(text));
    bool matches = read.outputs->function.outputCount() == outputs();
    for (int k = 0; matches && k < outputs(); ++k)
        matches = QString::fromStdString(read.outputs->function.values(k)) == outputValues(k);
    expect(matches, QStringLiteral("shows %1, not the outputs of %2").arg(state(), text));
    // The file's output names, unless a name of the variables shown takes
    // one; the names in the table always stand together.
    std::vector<std::string> inputs;
    for (const QString &name : tableNames())
        inputs.push_back(name.toStdString());
    std::vector<std::string> shown;
    for (const QString &name : outputHeaders())
        shown.push_back(name.toStdString());
    const std::vector<std::string> named = read.outputs->function.outputNames();
    expect(MultiOutputFunction::checkNames(inputs, shown).ok() &&
               (shown == named || !MultiOutputFunction::checkNames(inputs, named).ok()),
           QStringLiteral("output names %1 for %2").arg(outputHeaders().join(u','), text));
}

void RandomUseTest::exportFile()
{
    const QString path = nextPath(".pla");
    fileToChoose = path;
    const int before = boxes();
    child<QPushButton>("exportButton")->click();
    fileToChoose.clear();
    expect(boxes() == before, QStringLiteral("the export raised a box"));
    const PlaReadResult read = PlaReader::read(readFile(path).toStdString(), 4);
    expect(read.ok() && QString::fromStdString(read.function->values) == outputValues(0),
           QStringLiteral("the exported file differs from the table"));
}

void RandomUseTest::minimize()
{
    if (pick(3) == 0)
        child<QRadioButton>(pick(2) == 0 ? "sopRadio" : "posRadio")->click();
    QSignalSpy covers(minimizer, &Minimize::sendCover);
    QSignalSpy circles(minimizer, &Minimize::sendCircles);
    const QString values = tableValues();
    child<QPushButton>("minimizeButton")->click();
    if (covers.isEmpty())
        covers.wait(60000);
    expect(covers.size() == 1, QStringLiteral("%1 covers sent").arg(covers.size()));
    checkMinimized(values, circles);
}

void RandomUseTest::toggleExact()
{
    action("exactMinimumAction")->trigger();
}

void RandomUseTest::toggleHazardFree()
{
    action("hazardFreeAction")->trigger();
}

void RandomUseTest::reset()
{
    child<QPushButton>("resetButton")->click();
    expect(child<QLineEdit>("resultEdit")->text().isEmpty(), QStringLiteral("reset kept a result"));
}

// An undo that a redo takes back and an undo makes again: both directions
// restore exactly what was shown.
void RandomUseTest::undo()
{
    const bool couldUndo = action("undoAction")->isEnabled();
    const QString before = state();
    if (pick(2) == 0) {
        action("undoAction")->trigger();
    } else {
        // Shortcuts reach only the active window; the dialogs may have been.
        window->activateWindow();
        expect(QTest::qWaitForWindowActive(window.get()), QStringLiteral("window not active"));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    }
    QCoreApplication::processEvents();
    if (!couldUndo)
        return;
    const QString undone = state();
    expect(action("redoAction")->isEnabled(), QStringLiteral("nothing to redo after an undo"));
    action("redoAction")->trigger();
    QCoreApplication::processEvents();
    expect(state() == before, QStringLiteral("undo and redo gave %1, not %2").arg(state(), before));
    action("undoAction")->trigger();
    QCoreApplication::processEvents();
    expect(state() == undone,
           QStringLiteral("the second undo gave %1, not %2").arg(state(), undone));
}

void RandomUseTest::redo()
{
    action("redoAction")->trigger();
}

void RandomUseTest::paste()
{
    const int length = 1 << count();
    QString text = randomValues(pick(length) + 1);
    if (pick(4) == 0)
        text.insert(pick(int(text.size())),
                    pick(2) == 0 ? QStringLiteral("\n") : QStringLiteral("q\t"));
    QApplication::clipboard()->setText(text);
    QTableWidget *target = pick(2) == 0 ? static_cast<QTableWidget *>(table) : map;
    target->setFocus();
    if (target == table)
        table->setCurrentCell(pick(length), table->columnCount() - 1);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void RandomUseTest::bulkEdit()
{
    const QStringList entries{"Set All to 0",          "Set All to 1", "Set All to X",
                              "Invert (Swap 0 and 1)", "Every X to 0", "Every X to 1"};
    const QString before = tableValues();
    const QString &entry = entries.at(pick(entries.size()));
    actionByText(entry)->trigger();
    QString expected = before;
    for (QChar &c : expected) {
        if (entry == u"Set All to 0")
            c = u'0';
        else if (entry == u"Set All to 1")
            c = u'1';
        else if (entry == u"Set All to X")
            c = u'X';
        else if (entry.startsWith(u"Invert"))
            c = c == u'0' ? u'1' : c == u'1' ? u'0' : c;
        else if (c == u'X')
            c = entry.endsWith(u'0') ? u'0' : u'1';
    }
    expect(tableValues() == expected,
           QStringLiteral("%1 turned %2 into %3").arg(entry, before, tableValues()));
}

void RandomUseTest::stepsWindow()
{
    action("showStepsAction")->trigger();
    auto *steps = child<StepsWindow>("stepsWindow");
    expect(steps->isVisible(), QStringLiteral("the steps window did not open"));
    QCoreApplication::processEvents();
    WidgetLookup::named<QPushButton>(*steps, "closeStepsButton")->click();
    expect(!steps->isVisible(), QStringLiteral("the steps window stayed open"));
}

void RandomUseTest::circuitView()
{
    actionByText(QStringLiteral("Show Circuit\u2026"))->trigger();
    auto *view = child<CircuitView>("circuitView");
    expect(view->isVisible(), QStringLiteral("the circuit view did not open"));
    QCoreApplication::processEvents();
    view->close();
    expect(!view->isVisible(), QStringLiteral("the circuit view stayed open"));
}

// An answer of names, operators and stray characters: the check reports on
// it and leaves the function as it was.
void RandomUseTest::checkAnswer()
{
    action("checkAnswerAction")->trigger();
    const QStringList names = tableNames();
    const QStringList pieces{"&", "+", "'", "(", ")", "^", "1", "0", " ", "?"};
    QString answer;
    for (int k = pick(12); k > 0; --k)
        answer += pick(2) == 0 ? names[pick(count())] : pieces[pick(pieces.size())];
    auto *field = child<QLineEdit>("answerEdit");
    field->clear();
    QTest::keyClicks(field, answer);
    const QString before = tableValues();
    if (pick(2) == 0)
        child<QPushButton>("checkButton")->click();
    else
        QTest::keyClick(field, Qt::Key_Return);
    expect(tableValues() == before, QStringLiteral("checking %1 changed the function").arg(answer));
}

void RandomUseTest::newExercise()
{
    const QString before = tableValues();
    exerciseVariables = -1;
    action("newExerciseAction")->trigger();
    if (exerciseVariables == 0) {
        expect(tableValues() == before, QStringLiteral("a cancelled exercise changed the table"));
        return;
    }
    expect(
        count() == exerciseVariables,
        QStringLiteral("an exercise of %1 variables has %2").arg(exerciseVariables).arg(count()));
    expect(tableValues().contains(u'0') && tableValues().contains(u'1'),
           QStringLiteral("the exercise %1 is constant").arg(tableValues()));
}

void RandomUseTest::addOutput()
{
    const int before = outputs();
    action("addOutputAction")->trigger();
    expect(outputs() == qMin(before + 1, 64) && table->shownOutput() == outputs() - 1,
           QStringLiteral("adding to %1 outputs gave %2").arg(before).arg(outputs()));
}

void RandomUseTest::removeOutput()
{
    const int before = outputs();
    QAction *remove = action("removeOutputAction");
    expect(remove->isEnabled() == (before > 1),
           QStringLiteral("Remove Output enabled with %1 outputs").arg(before));
    remove->trigger();
    expect(outputs() == qMax(before - 1, 1),
           QStringLiteral("removing from %1 outputs left %2").arg(before).arg(outputs()));
}

// By the output's header or by the selector beside the map.
void RandomUseTest::pickOutput()
{
    const int wanted = pick(outputs());
    auto *outputSelector = child<QComboBox>("outputSelector");
    if (pick(2) == 0 || !outputSelector->isVisible()) {
        UserInput::clickHeader(table, count() + 1 + wanted);
    } else {
        outputSelector->setFocus();
        while (outputSelector->currentIndex() != wanted)
            QTest::keyClick(outputSelector,
                            outputSelector->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    }
    expect(table->shownOutput() == wanted,
           QStringLiteral("picked output %1, shown %2").arg(wanted).arg(table->shownOutput()));
}

// Names apart from the ones the variables take here, valid or not; a
// refusal leaves the dialog open with a box.
void RandomUseTest::renameOutputs()
{
    const QStringList pool{"f", "f1", "f2", "g", "s", "co", "Y", "Z9", "", "abcd", "a-b"};
    const QStringList before = outputHeaders();
    action("outputNamesAction")->trigger();
    QDialog *dialog = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("outputNamesDialog"))
            dialog = qobject_cast<QDialog *>(top);
    }
    expect(dialog != nullptr, QStringLiteral("no output names dialog"));
    if (dialog == nullptr)
        return;
    expect(dialog->isVisible(), QStringLiteral("the output names dialog did not open"));
    auto *edit = WidgetLookup::named<QLineEdit>(
        *dialog, qPrintable(QStringLiteral("outputName%1").arg(pick(outputs()))));
    edit->selectAll();
    QTest::keyClicks(edit, pool.at(pick(pool.size())));
    const int boxesBefore = boxes();
    QTest::keyClick(edit, Qt::Key_Return);
    if (!dialog->isVisible())
        return;
    expect(boxes() == boxesBefore + 1, QStringLiteral("a refused name raised no box"));
    dialog->reject();
    expect(outputHeaders() == before, QStringLiteral("a refused name changed the outputs"));
}

// The results follow every later edit while open, so they stay open now
// and then and the searches run beside the other actions.
void RandomUseTest::minimizeAllOutputs()
{
    QAction *minimizeAll = action("minimizeAllAction");
    expect(minimizeAll->isEnabled() == (outputs() > 1),
           QStringLiteral("Minimize All Outputs enabled with %1 outputs").arg(outputs()));
    if (!minimizeAll->isEnabled())
        return;
    auto *results = child<JointResultsWindow>("jointResultsWindow");
    results->setTimeLimit(100);
    const QStringList before = table->outputColumnTexts();
    QSignalSpy shown(results, &JointResultsWindow::resultsShown);
    minimizeAll->trigger();
    expect(results->isUpToDate() || shown.wait(15000),
           QStringLiteral("the joint search did not end"));
    auto *outputsTable = WidgetLookup::named<QTableWidget>(*results, "jointOutputsTable");
    auto *products = WidgetLookup::named<QTableWidget>(*results, "jointProductsTable");
    expect(outputsTable->rowCount() == outputs(),
           QStringLiteral("%1 outputs listed of %2").arg(outputsTable->rowCount()).arg(outputs()));
    if (products->rowCount() > 0) {
        const int row = pick(products->rowCount());
        UserInput::clickCell(products, row, 0);
        const QStringList fed = products->item(row, 1)->text().split(QStringLiteral(", "));
        expect(fed.contains(outputHeaders().value(table->shownOutput())),
               QStringLiteral("the map shows an output the picked product does not feed"));
    }
    expect(table->outputColumnTexts() == before,
           QStringLiteral("the joint results changed the function"));
    // Closed again: open, it would search afresh after every later action,
    // which costs the sweep more time than it finds.
    results->close();
    window->activateWindow();
}

QTEST_MAIN(RandomUseTest)
#include "RandomUseTest.moc"
