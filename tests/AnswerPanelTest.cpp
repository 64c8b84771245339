// SPDX-License-Identifier: GPL-3.0-or-later
// The answer check in the window, driven as a user drives it: the cells it
// frames on the map and in the table are exactly those where the answer and
// the function differ, by an evaluation that shares no code with the
// program; an exercise fills the table from its seed, shows its solution
// once an answer was checked, and goes with one undo.

#include "check/AnswerPanel.h"
#include "ExpressionReference.h"
#include "ModalBoxAnswerer.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "check/Exercise.h"
#include "tables/KarnaughLayout.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>

#include <memory>
#include <random>

using WidgetLookup::named;

namespace {

const std::vector<std::string> names{"A", "B", "C", "D"};

bool valueAt(const std::string &expression, int minterm)
{
    std::vector<bool> values;
    values.reserve(4);
    for (int j = 0; j < 4; ++j)
        values.push_back(((minterm >> (3 - j)) & 1) != 0);
    return ExpressionReference::Reader(expression, names, values).read().value_or(false);
}

std::string randomSum(std::mt19937 &random)
{
    std::string text;
    const int terms = 1 + static_cast<int>(random() % 3);
    for (int t = 0; t < terms; ++t) {
        text += t > 0 ? "+" : "";
        std::string product;
        for (int j = 0; j < 4; ++j) {
            if (random() % 2 == 0)
                continue;
            product += (product.empty() ? "" : "&") + names[static_cast<std::size_t>(j)] +
                       (random() % 2 == 0 ? "'" : "");
        }
        text += product.empty() ? "A" : product;
    }
    return text;
}

// Which frame the cell shows: 'e' orange (a 1 too many), 'm' blue (a 1
// missing), '-' none; read from the pixels along its left edge.
char frameOf(QTableWidget *grid, int row, int column)
{
    const QImage image = grid->viewport()->grab().toImage();
    const QRect rect = grid->visualItemRect(grid->item(row, column));
    const qreal scale = image.devicePixelRatio();
    char seen = '-';
    for (int y = rect.top() + 4; y < rect.bottom() - 4; ++y) {
        const QColor pixel = image.pixelColor(int((rect.left() + 2) * scale), int(y * scale));
        if (pixel.red() > 200 && pixel.green() > 80 && pixel.green() < 140 && pixel.blue() < 60)
            seen = 'e';
        if (pixel.blue() > 170 && pixel.red() < 60 && pixel.green() < 120)
            seen = 'm';
    }
    return seen;
}

} // namespace

class AnswerPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    void framedCellsAreWhereAnswerAndFunctionDiffer()
    {
        auto *map = named<kMap>(*window, "kMapWidget");
        auto *table = named<truthTable>(*window, "truthTableWidget");
        std::mt19937 random(11);
        for (int round = 0; round < 12; ++round) {
            const std::string function = randomSum(random);
            const std::string answer = round % 4 == 0 ? function : randomSum(random);
            auto *equation = named<QLineEdit>(*window, "equationManager");
            equation->clear();
            QTest::keyClicks(equation, QString::fromStdString(function));
            QTest::mouseClick(named<QPushButton>(*window, "fillTableButton"), Qt::LeftButton);
            named<QAction>(*window, "checkAnswerAction")->trigger();
            auto *answerEdit = named<QLineEdit>(*window, "answerEdit");
            answerEdit->clear();
            QTest::keyClicks(answerEdit, QString::fromStdString(answer));
            QTest::mouseClick(named<QPushButton>(*window, "checkButton"), Qt::LeftButton);
            for (int m = 0; m < 16; ++m) {
                const bool inAnswer = valueAt(answer, m);
                const char expected = inAnswer == valueAt(function, m) ? '-' : inAnswer ? 'e' : 'm';
                const KarnaughLayout::Cell cell = KarnaughLayout::cellOfMinterm(4, m);
                const QString where =
                    QStringLiteral("%1 against %2 at m%3")
                        .arg(QString::fromStdString(answer), QString::fromStdString(function))
                        .arg(m);
                QVERIFY2(frameOf(map, cell.row, cell.column) == expected, qPrintable(where));
                QVERIFY2(frameOf(table, m, table->columnCount() - 1) == expected,
                         qPrintable(where));
                QVERIFY2(frameOf(table, m, 0) == '-', qPrintable(where));
            }
        }
        // With a second output only the checked one, the one the map shows,
        // carries frames; the other's cells differ from the answer too.
        named<QAction>(*window, "addOutputAction")->trigger();
        QTest::mouseClick(named<QPushButton>(*window, "checkButton"), Qt::LeftButton);
        const int other = table->columnCount() - 1 - (table->shownOutput() == 0 ? 0 : 1);
        for (int m = 0; m < 16; ++m)
            QCOMPARE(frameOf(table, m, other), '-');
        // Another function makes the verdict stale: the frames go.
        QTest::mouseClick(named<QPushButton>(*window, "resetButton"), Qt::LeftButton);
        for (int m = 0; m < 16; ++m)
            QCOMPARE(frameOf(table, m, table->columnCount() - 1), '-');
    }

    void exerciseComesFromItsSeed()
    {
        auto *table = named<truthTable>(*window, "truthTableWidget");
        const QString before = WidgetLookup::lastColumnText(*table);
        ModalBoxAnswerer answerer;
        answerer.arm([](QWidget *modal) {
            modal->findChild<QSpinBox *>(QStringLiteral("variablesBox"))->setValue(5);
            modal->findChild<QCheckBox *>(QStringLiteral("dontCaresBox"))->setChecked(true);
            modal->findChild<QSpinBox *>(QStringLiteral("seedBox"))->setValue(777);
            qobject_cast<QDialog *>(modal)->accept();
        });
        named<QAction>(*window, "newExerciseAction")->trigger();
        QVERIFY(answerer.answered());
        const Exercise exercise{5, MinimizationForm::SumOfProducts, true, 777};
        QCOMPARE(WidgetLookup::lastColumnText(*table), QString::fromStdString(exercise.cells()));
        auto *result = named<QLineEdit>(*window, "resultEdit");
        QVERIFY(result->text().isEmpty());

        // Nothing typed, or nothing readable, is no attempt.
        for (const QString &typed : {QString(), QStringLiteral("A+")}) {
            named<QLineEdit>(*window, "answerEdit")->setText(typed);
            QTest::mouseClick(named<QPushButton>(*window, "checkButton"), Qt::LeftButton);
            QVERIFY(result->text().isEmpty());
        }
        named<QLineEdit>(*window, "answerEdit")->clear();
        QTest::keyClicks(named<QLineEdit>(*window, "answerEdit"), QStringLiteral("A"));
        QTest::mouseClick(named<QPushButton>(*window, "checkButton"), Qt::LeftButton);
        QVERIFY(!result->text().isEmpty());

        named<QAction>(*window, "undoAction")->trigger();
        QCOMPARE(WidgetLookup::lastColumnText(*table), before);
    }

    // The window's words for a verdict are the core's English ones until a
    // translation is loaded: a sentence changed on one side only shows.
    void verdictWordsFollowTheCore()
    {
        for (int phrase = 0; phrase <= static_cast<int>(VerdictPhrase::CellListMore); ++phrase)
            QCOMPARE(AnswerPanel::pattern(static_cast<VerdictPhrase>(phrase)),
                     VerdictText::englishPattern(static_cast<VerdictPhrase>(phrase)));
    }

private:
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(AnswerPanelTest)
#include "AnswerPanelTest.moc"
