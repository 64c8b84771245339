// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpFiles.h"
#include "app/HelpMenu.h"
#include "app/MainWindow.h"
#include "app/Translations.h"
#include "explain/StepsWindow.h"
#include "expression/EquationManager.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "pla/ImportExport.h"
#include "tables/truthTable.h"

#include "ModalBoxAnswerer.h"
#include "UserInput.h"
#include "WidgetLookup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <set>

namespace {

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", ... or empty when done
};

QList<TsMessage> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, QString(), QString(), QString()});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// %1, %2, %n and %L1 as a sorted list, each as often as it occurs.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

QString helpSource(const QString &helpFile)
{
    QFile file(QDir(QStringLiteral(TAVOLIN_HELP_SOURCE_DIR)).filePath(helpFile));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(helpFile));
    QString html = QString::fromUtf8(file.readAll());
    html.replace(QLatin1String("&#8220;"), QStringLiteral("\u201C"));
    html.replace(QLatin1String("&#8221;"), QStringLiteral("\u201D"));
    return html;
}

// The formulas of a help text in order: what <code> holds.
QStringList formulas(const QString &helpFile)
{
    const QString html = helpSource(helpFile);
    static const QRegularExpression code(QStringLiteral("<code>(.*?)</code>"));
    QStringList found;
    for (auto it = code.globalMatch(html); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everySourceHasAFinishedGermanTranslation();
    void everyTextOfTheSourcesIsInTheTranslation();
    void helpTextFollowsTheLanguage_data();
    void helpTextFollowsTheLanguage();
    void englishNeedsNoTranslation();
    void windowShowsGerman_data();
    void windowShowsGerman();
    void menusAreGerman();
    void errorBoxIsGerman();
    void qtStandardButtonsAreGerman();
    void helpWindowIsGerman();
    void everyHelpEntryOpensItsGermanText();
    void coreMessagesAreGerman_data();
    void coreMessagesAreGerman();
    void stepsWindowIsGerman();
    void germanHelpKeepsTheFormulas_data();
    void germanHelpKeepsTheFormulas();
    void germanHelpQuotesTheWindowInGerman_data();
    void germanHelpQuotesTheWindowInGerman();
    void germanHelpQuotesTheEquationMessages_data();
    void germanHelpQuotesTheEquationMessages();
};

void TranslationTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TranslationTest::cleanupTestCase()
{
    HelpFiles::setLanguage(QString());
}

void TranslationTest::everySourceHasAFinishedGermanTranslation()
{
    const QList<TsMessage> messages = readTs(QStringLiteral(TAVOLIN_GERMAN_TS));
    QVERIFY2(messages.size() > 100, "the window has well over a hundred texts");
    for (const TsMessage &message : messages) {
        const QString where = message.context + QStringLiteral(": ") + message.source;
        QVERIFY2(message.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + message.type));
        QVERIFY2(!message.translation.trimmed().isEmpty(), qPrintable(where));
        QVERIFY2(placeholders(message.source) == placeholders(message.translation),
                 qPrintable(where + QStringLiteral(" -> ") + message.translation));
    }
}

void TranslationTest::everyTextOfTheSourcesIsInTheTranslation()
{
    std::set<std::pair<QString, QString>> translated;
    for (const TsMessage &message : readTs(QStringLiteral(TAVOLIN_GERMAN_TS)))
        translated.insert({message.context, message.source});
    const QList<TsMessage> extracted = readTs(QStringLiteral(TAVOLIN_EXTRACTED_TS));
    QVERIFY2(extracted.size() > 100, "the sources hold well over a hundred texts");
    for (const TsMessage &message : extracted) {
        QVERIFY2(translated.count({message.context, message.source}) == 1,
                 qPrintable(message.context + QStringLiteral(": ") + message.source +
                            QStringLiteral(" is missing from the translation")));
    }
}

// The working directory comes first among the help folders, so a temporary
// one stands in for an installation with and without a German text.
void TranslationTest::helpTextFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("germanFileExists");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("German with a German text") << "de" << true << "Deutsch";
    QTest::newRow("German falls back to English") << "de" << false << "English";
    QTest::newRow("no language keeps English") << "" << true << "English";
    QTest::newRow("another language falls back to English") << "fr" << true << "English";
}

void TranslationTest::helpTextFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, germanFileExists);
    QFETCH(QString, expectedText);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    auto write = [](const QString &path, const QByteArray &text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    QVERIFY(write(QStringLiteral("ZzTopic.txt"), "\nEnglish"));
    if (germanFileExists) {
        QVERIFY(QDir().mkdir(QStringLiteral("de")));
        QVERIFY(write(QStringLiteral("de/ZzTopic.txt"), "\nDeutsch"));
    }
    HelpFiles::setLanguage(language);
    const QString text = HelpMenu::loadHelpText(QStringLiteral("ZzTopic.txt"));
    HelpFiles::setLanguage(QString());
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(text, expectedText);
}

void TranslationTest::englishNeedsNoTranslation()
{
    QVERIFY(!Translations::install(*QCoreApplication::instance(), QLocale::c()));
    QVERIFY(!Translations::install(*QCoreApplication::instance(), QLocale(QLocale::English)));
    QCOMPARE(HelpFiles::language(), QString());
    MainWindow window;
    QCOMPARE(WidgetLookup::named<QPushButton>(window, "minimizeButton")->text(),
             QStringLiteral("Minimize!"));

    // From here on the program's own German translation, found in the build
    // tree as an installation finds it, and Qt's.
    QVERIFY2(Translations::install(*QCoreApplication::instance(), QLocale(QLocale::German)),
             qPrintable(Translations::searchFolders().join(QLatin1Char(' '))));
    QCOMPARE(HelpFiles::language(), QStringLiteral("de"));
}

void TranslationTest::windowShowsGerman_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Minimize button") << "minimizeButton"
                                     << "Minimieren!";
    QTest::newRow("fill button") << "fillTableButton"
                                 << "Tabelle füllen";
    QTest::newRow("truth table heading") << "truthTableLabel"
                                         << "Wahrheitstabelle";
    QTest::newRow("map heading") << "kMapLabel"
                                 << "KV-Diagramm";
    QTest::newRow("sum of products") << "sopRadio"
                                     << "DMF (disjunktiv)";
    QTest::newRow("product of sums") << "posRadio"
                                     << "KMF (konjunktiv)";
    QTest::newRow("result label") << "resultLabel"
                                  << "Minimierte Funktion = ";
}

void TranslationTest::windowShowsGerman()
{
    QFETCH(QString, widget);
    QFETCH(QString, expected);

    MainWindow window;
    auto *shown = window.findChild<QWidget *>(widget);
    QVERIFY(shown);
    QString text;
    if (auto *button = qobject_cast<QAbstractButton *>(shown))
        text = button->text();
    else if (auto *label = qobject_cast<QLabel *>(shown))
        text = label->text();
    QCOMPARE(text, expected);
}

// The menu bar's order is checked once, in English; here its titles.
void TranslationTest::menusAreGerman()
{
    MainWindow window;
    QSet<QString> titles;
    for (QAction *entry : window.menuBar()->actions())
        titles << entry->text();
    QCOMPARE(titles, (QSet<QString>{QStringLiteral("Datei"), QStringLiteral("Bearbeiten"),
                                    QStringLiteral("Minimieren"), QStringLiteral("Schaltung"),
                                    QStringLiteral("Hilfe")}));

    QMenu *help = window.menuBar()->actions().constLast()->menu();
    QVERIFY(help);
    QStringList helpEntries;
    for (QAction *entry : help->actions())
        helpEntries << entry->text();
    QVERIFY2(helpEntries.contains(QStringLiteral("Hilfe zum KV-Diagramm")),
             qPrintable(helpEntries.join(QLatin1Char('|'))));
    QVERIFY2(helpEntries.contains(QStringLiteral("Hilfe zum Menü Minimieren")),
             qPrintable(helpEntries.join(QLatin1Char('|'))));
    QVERIFY2(helpEntries.contains(QStringLiteral("Hilfe zur Schaltung")),
             qPrintable(helpEntries.join(QLatin1Char('|'))));
}

// A message put together from a German frame and the parser's English
// detail reads as one sentence with the detail in its place.
void TranslationTest::errorBoxIsGerman()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WidgetLookup::named<QLineEdit>(window, "equationManager")->setText(QStringLiteral("a+"));

    ModalBoxAnswerer answerer;
    answerer.arm();
    WidgetLookup::named<QPushButton>(window, "fillTableButton")->click();

    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.title(), QStringLiteral("Syntaxfehler in der Gleichung"));
    QVERIFY2(answerer.text().startsWith(QStringLiteral(
                 "Beim Lesen und Auswerten des Ausdrucks ist ein Fehler aufgetreten:\n\n")),
             qPrintable(answerer.text()));
    QVERIFY2(!answerer.text().contains(QLatin1String("%1")), qPrintable(answerer.text()));
    QVERIFY2(answerer.text().size() > 70, "the parser's detail follows the frame");
}

void TranslationTest::qtStandardButtonsAreGerman()
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    QCOMPARE(withoutMnemonic(buttons.button(QDialogButtonBox::Cancel)->text()),
             QStringLiteral("Abbrechen"));
    QCOMPARE(withoutMnemonic(buttons.button(QDialogButtonBox::Close)->text()),
             QStringLiteral("Schließen"));
}

void TranslationTest::helpWindowIsGerman()
{
    HelpMenu help(QStringLiteral("K-Map"));
    QCOMPARE(help.windowTitle(), QStringLiteral("Hilfe zum KV-Diagramm"));
    const QString text = help.toPlainText();
    QVERIFY2(text.contains(QStringLiteral("KV-Diagramm")), qPrintable(text.left(300)));
    QVERIFY2(!text.contains(QStringLiteral("Karnaugh map")), qPrintable(text.left(300)));
    QCOMPARE(HelpFiles::locateLocalized(QStringLiteral("KMapHelp.txt")),
             HelpFiles::locate(QStringLiteral("de/KMapHelp.txt")));
}

// The entries carry German texts while the help windows look their topics
// up by untranslated keys: each entry must still reach its own text.
void TranslationTest::everyHelpEntryOpensItsGermanText()
{
    MainWindow window;
    QMenu *help = window.menuBar()->actions().constLast()->menu();
    QVERIFY(help);
    // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): QVERIFY returned on null
    const QList<QAction *> entries = help->actions();
    QVERIFY(!entries.isEmpty());
    QSet<HelpMenu *> seen;
    for (QAction *entry : entries) {
        entry->trigger();
        HelpMenu *opened = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *candidate = qobject_cast<HelpMenu *>(widget);
            if (candidate && !seen.contains(candidate))
                opened = candidate;
        }
        QVERIFY2(opened, qPrintable(entry->text()));
        seen.insert(opened);
        // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): QVERIFY2 returned on null
        QVERIFY2(!opened->windowTitle().isEmpty(), qPrintable(entry->text()));
        const QString heading = opened->document()->firstBlock().text().trimmed();
        const QString body = opened->toPlainText().section(QLatin1Char('\n'), 1);
        QVERIFY2(!heading.isEmpty(), qPrintable(entry->text()));
        QVERIFY2(body.trimmed().size() > 100,
                 qPrintable(entry->text() + QStringLiteral(": ") + body.left(200)));
    }
}

// A detail from a core stands in the German frame as a German sentence with
// the values from the input in its places.
void TranslationTest::coreMessagesAreGerman_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("plaText");
    QTest::addColumn<QString>("expected");

    QTest::newRow("operand missing in the equation")
        << "A+" << QString()
        << "Beim Lesen und Auswerten des Ausdrucks ist ein Fehler aufgetreten:\n\nDer "
           "zweistellige Operator '+' ab Zeichenposition 2 erwartet zwei Operanden; der rechte "
           "Operand fehlt";
    QTest::newRow("undefined variable in the equation")
        << "A&Q" << QString()
        << "Beim Lesen und Auswerten des Ausdrucks ist ein Fehler aufgetreten:\n\nDer "
           "Variablenname 'Q' ab Zeichenposition 3 ist nicht definiert. Ist er falsch "
           "geschrieben, oder wurden die eigenen Variablennamen noch nicht gesetzt?";
    QTest::newRow("PLA input part") << QString() << ".i 3\n.o 1\n1-1 1\n10 1\n"
                                    << "faulty.pla wurde nicht importiert.\nZeile 4: Der "
                                       "Eingangsteil \"10\" muss 3 Zeichen lang sein, jedes "
                                       "davon 0, 1 oder -.";
    QTest::newRow("PLA labels") << QString() << ".i 2\n.ilb a b c\n"
                                << "faulty.pla wurde nicht importiert.\nZeile 2: .ilb nennt "
                                   "mehr als die 2 Variablen.";
}

void TranslationTest::coreMessagesAreGerman()
{
    QFETCH(QString, equation);
    QFETCH(QString, plaText);
    QFETCH(QString, expected);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ModalBoxAnswerer answerer;
    answerer.arm();
    if (!equation.isEmpty()) {
        WidgetLookup::named<QLineEdit>(window, "equationManager")->setText(equation);
        WidgetLookup::named<QPushButton>(window, "fillTableButton")->click();
    } else {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("faulty.pla")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(plaText.toUtf8());
        file.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const bool imported = WidgetLookup::named<ImportExport>(window, "importExport")
                                  ->importFrom(QStringLiteral("faulty.pla"));
        QDir::setCurrent(previous);
        QVERIFY(!imported);
    }
    QCOMPARE(answerer.answeredTimes(), 1);
    QCOMPARE(answerer.text(), expected);
}

// The steps window's pages: headings, table captions and sentences German,
// the numbers and terms as the minimizer gave them.
void TranslationTest::stepsWindowIsGerman()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The majority of B, C and D where A is 0: three essential primes.
    auto *table = WidgetLookup::named<truthTable>(window, "truthTableWidget");
    for (int m : {3, 5, 6, 7})
        UserInput::clickCell(table, m, table->columnCount() - 1);
    QTest::mouseClick(WidgetLookup::named<QPushButton>(window, "minimizeButton"), Qt::LeftButton);

    auto *steps = WidgetLookup::named<StepsWindow>(window, "stepsWindow");
    QSignalSpy refreshed(steps, &StepsWindow::refreshed);
    WidgetLookup::named<QAction>(window, "showStepsAction")->trigger();
    while (refreshed.isEmpty() || !refreshed.last().at(0).toBool())
        QVERIFY(refreshed.wait(60000));

    QVERIFY2(steps->windowTitle().startsWith(QStringLiteral("Schritte: A'&")),
             qPrintable(steps->windowTitle()));
    auto *tabs = steps->findChild<QTabWidget *>(QStringLiteral("stepsTabs"));
    QVERIFY(tabs);
    QCOMPARE(tabs->tabText(2), QStringLiteral("Überdeckungstabelle"));

    tabs->setCurrentIndex(1);
    auto *primes = steps->findChild<QTableWidget *>(QStringLiteral("primesTable"));
    QVERIFY(primes);
    QStringList header;
    for (int c = 0; c < primes->columnCount(); ++c)
        header << primes->horizontalHeaderItem(c)->text();
    QCOMPARE(header, (QStringList{"Primimplikant", "Würfel", "Term", "Literale", "Überdeckt",
                                  "Wesentlich"}));
    QCOMPARE(primes->item(0, 5)->text(), QStringLiteral("ja"));

    tabs->setCurrentIndex(2);
    QStringList sentences;
    for (const QLabel *label : tabs->widget(2)->findChildren<QLabel *>())
        sentences << label->text();
    const QRegularExpression essential(
        QStringLiteral("^P\\d \\(A'&.*\\) ist ein Kernprimimplikant: Er ist der einzige "
                       "Primimplikant, der Minterm [3567] überdeckt\\.$"));
    QCOMPARE(sentences.filter(essential).size(), 3);

    tabs->setCurrentIndex(3);
    auto *choices = steps->findChild<QTableWidget *>(QStringLiteral("choicesTable"));
    QVERIFY(choices);
    QCOMPARE(choices->horizontalHeaderItem(3)->text(), QStringLiteral("Grund"));
    QVERIFY2(choices->item(0, 3)->text().startsWith(
                 QStringLiteral("Kernprimimplikant: der einzige, der Minterm ")),
             qPrintable(choices->item(0, 3)->text()));

    tabs->setCurrentIndex(4);
    sentences.clear();
    for (const QLabel *label : tabs->widget(4)->findChildren<QLabel *>())
        sentences << label->text();
    QVERIFY2(sentences.contains(QStringLiteral("Es gibt genau eine Minimallösung.")),
             qPrintable(sentences.join(QLatin1Char('|'))));
}

// The English texts' examples are checked against the minimizer; a German
// text must show the same formulas, in the same order.
void TranslationTest::germanHelpKeepsTheFormulas_data()
{
    QTest::addColumn<QString>("fileName");
    const QDir german(QDir(QStringLiteral(TAVOLIN_HELP_SOURCE_DIR)).filePath(QStringLiteral("de")));
    const QStringList files = german.entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY(files.contains(QStringLiteral("KMapHelp.txt")));
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TranslationTest::germanHelpQuotesTheWindowInGerman_data()
{
    germanHelpKeepsTheFormulas_data();
}

void TranslationTest::germanHelpKeepsTheFormulas()
{
    QFETCH(QString, fileName);
    QCOMPARE(formulas(QStringLiteral("de/") + fileName), formulas(fileName));
}

// The window speaks German, so a German help text that quotes what the
// English text quotes must quote the German word, unless it introduces the
// English term as such ("englisch SOP, „sum of products“").
void TranslationTest::germanHelpQuotesTheWindowInGerman()
{
    QFETCH(QString, fileName);
    static const QRegularExpression englishQuote(QStringLiteral("\u201C([^\u201D]*)\u201D"));
    static const QRegularExpression germanQuote(QStringLiteral("\u201E([^\u201C]*)\u201C"));
    QSet<QString> englishQuotes;
    for (const auto &match : englishQuote.globalMatch(helpSource(fileName)))
        englishQuotes.insert(match.captured(1));
    const QString german = helpSource(QStringLiteral("de/") + fileName);
    for (const auto &match : germanQuote.globalMatch(german)) {
        if (!englishQuotes.contains(match.captured(1)))
            continue;
        const QString before =
            german.mid(qMax(0, match.capturedStart() - 40), qMin(40, match.capturedStart()));
        QVERIFY2(before.contains(QLatin1String("englisch")), qPrintable(match.captured(0)));
    }
}

void TranslationTest::germanHelpQuotesTheEquationMessages_data()
{
    germanHelpKeepsTheFormulas_data();
}

// A German help table of equations and messages quotes each message as the
// German window words it: the engine's error, put in the window's words.
void TranslationTest::germanHelpQuotesTheEquationMessages()
{
    QFETCH(QString, fileName);
    static const QRegularExpression row(
        QStringLiteral("<tr><td>([^<]*)</td><td><code>([^<]*)</code></td><td>([^<]*)</td></tr>"));
    const auto plain = [](QString text) {
        return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    };
    for (const auto &match : row.globalMatch(helpSource(QStringLiteral("de/") + fileName))) {
        const QString message = plain(match.captured(3));
        if (!message.contains(QLatin1String("Zeichenposition")))
            continue;
        std::vector<std::string> names;
        for (const QString &name : match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            names.push_back(name.toStdString());
        ExpressionEvaluator evaluator;
        QVERIFY(evaluator.Set_Variable_Names(names));
        evaluator.Set_Expression(plain(match.captured(2)).toStdString());
        QString shown;
        try {
            evaluator.Set_Variable_Values(std::vector<bool>(names.size(), false));
            evaluator.Evaluate_Expression();
        } catch (const ExpressionException &error) {
            shown = EquationManager::describe(error);
        }
        QCOMPARE(shown, message);
    }
}

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
