// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpMenu.h"
#include "TestFiles.h"
#include "app/HelpFiles.h"
#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

using TestFiles::writeFile;

namespace {

QList<HelpMenu *> openHelpWindows()
{
    QList<HelpMenu *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *help = qobject_cast<HelpMenu *>(widget))
            windows << help;
    return windows;
}

// Blocks of the document with the point size of their first character and
// their content, pictures shown by file name: "13|Some text.[Shot.png]".
QStringList blocks(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString size;
        QString content;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                content += '[' + QFileInfo(format.toImageFormat().name()).fileName() + ']';
                continue;
            }
            if (size.isEmpty())
                size = QString::number(format.fontPointSize());
            content += it.fragment().text();
        }
        lines << size + '|' + content;
    }
    return lines;
}

QStringList imageNames(const QTextDocument &document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                names << QFileInfo(it.fragment().charFormat().toImageFormat().name()).fileName();
    return names;
}

} // namespace

class HelpMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void openingSizeFitsTheScreen_data();
    void openingSizeFitsTheScreen();
    void init();
    void cleanup();

    void actionsOpenTheirTopic_data();
    void actionsOpenTheirTopic();
    void windowShowsHeadingTextAndImage();
    void variableTopicShowsBothTextsAndImages();
    void secondImageFollowsAnEmptyParagraph();
    void emptyOrMissingTextGivesHeadingAndImagesOnly();
    void firstCharacterIsDropped_data();
    void firstCharacterIsDropped();
    void eachActivationOpensANewWindow();
    void unknownTopicGivesAnEmptyReadOnlyWindow();
    void filesAreFoundBesideTheProgram();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString previousDir;
};

void HelpMenuTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    previousDir = QDir::currentPath();
    QDir::setCurrent(folder->path());
}

void HelpMenuTest::cleanup()
{
    QDir::setCurrent(previousDir);
    qDeleteAll(openHelpWindows());
    folder.reset();
}

void HelpMenuTest::actionsOpenTheirTopic_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("title");

    QTest::newRow("truth table") << "Truthtable Help" << QKeySequence(QKeySequence::AddTab)
                                 << "Truth Table Help";
    QTest::newRow("k-map") << "K-Map Help" << QKeySequence("Ctrl+K") << "K-Map Help";
    QTest::newRow("equation") << "Equation Help" << QKeySequence("Ctrl+E") << "Equation Help";
    QTest::newRow("variable") << "Variable Help" << QKeySequence(QKeySequence::SelectAll)
                              << "Variable Help";
    QTest::newRow("sop") << "POS/SOP Help" << QKeySequence("Ctrl+V") << "SOP/POS Help";
    QTest::newRow("import") << "Import/Export Help" << QKeySequence("Ctrl+I")
                            << "Import/Export Help";
    QTest::newRow("minimize menu")
        << "Minimize Menu Help" << QKeySequence() << "Minimize Menu Help";
}

void HelpMenuTest::actionsOpenTheirTopic()
{
    QFETCH(QString, entry);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, title);
    MainWindow window;
    QMenu *help = nullptr;
    for (QAction *entry : window.menuBar()->actions())
        if (entry->text() == QLatin1String("Help"))
            help = entry->menu();
    QVERIFY(help);
    QAction *action = nullptr;
    // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): QVERIFY returned on null
    for (QAction *candidate : help->actions())
        if (candidate->text() == entry)
            action = candidate;
    QVERIFY(action);
    QCOMPARE(action->shortcut(), shortcut);

    action->trigger();

    const QList<HelpMenu *> windows = openHelpWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->windowTitle(), title);
    const QRect available = window.screen()->availableGeometry();
    QCOMPARE(windows.first()->size(), HelpMenu::openingSize(available.size()));
    QVERIFY(available.contains(windows.first()->geometry()));
    QCOMPARE(windows.first()->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(windows.first()->isVisible());
    QVERIFY(windows.first()->isReadOnly());
}

void HelpMenuTest::openingSizeFitsTheScreen_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("large screen keeps 700 x 900") << QSize(1400, 1000) << QSize(700, 900);
    QTest::newRow("just room for the frame") << QSize(720, 950) << QSize(700, 900);
    QTest::newRow("1366 x 768 laptop with a panel") << QSize(1366, 740) << QSize(700, 690);
    QTest::newRow("1600 x 1200 at 200 %") << QSize(800, 570) << QSize(700, 520);
    QTest::newRow("narrow portrait screen") << QSize(600, 1900) << QSize(580, 900);
    QTest::newRow("tiny area still shows something") << QSize(100, 100) << QSize(200, 150);
}

void HelpMenuTest::openingSizeFitsTheScreen()
{
    QFETCH(QSize, available);
    QTEST(HelpMenu::openingSize(available), "expected");
}

void HelpMenuTest::windowShowsHeadingTextAndImage()
{
    QVERIFY(writeFile("KMapHelp.txt", "\nRead the map.\nSecond line."));

    HelpMenu help(QStringLiteral("K-Map"));

    QCOMPARE(blocks(*help.document()),
             QStringList({"16|" + QString(40, ' ') + "K-Map Help", "|", "13|Read the map.",
                          "13|Second line.[Screenshot2.png]"}));
}

void HelpMenuTest::variableTopicShowsBothTextsAndImages()
{
    QVERIFY(writeFile("VariableHelp.txt", "\nFirst text."));
    QVERIFY(writeFile("VariableHelp2.txt", "\nSecond text."));

    HelpMenu help(QStringLiteral("Variable"));

    QCOMPARE(blocks(*help.document()),
             QStringList({"16|" + QString(38, ' ') + "Variable Help", "|",
                          "13|First text.[Screenshot4.png]", "13|Second text.[Screenshot5.png]"}));
}

void HelpMenuTest::secondImageFollowsAnEmptyParagraph()
{
    QVERIFY(writeFile("importHelp.txt", "\nFiles."));

    HelpMenu help(QStringLiteral("Import"));

    QCOMPARE(blocks(*help.document()),
             QStringList({"16|" + QString(30, ' ') + "Import and Export Help", "|",
                          "13|Files.[Import1.png]", "|", "|[import2.png]"}));
}

// The shipped texts beside the program are found whenever the working
// directory lacks a file, so the window is shown an empty local copy here; a
// file found nowhere reads as the same empty text.
void HelpMenuTest::emptyOrMissingTextGivesHeadingAndImagesOnly()
{
    QCOMPARE(HelpMenu::loadHelpText(QStringLiteral("NoSuchHelp.txt")), QString());
    QVERIFY(writeFile("SOPHelp.txt", ""));
    HelpMenu help(QStringLiteral("SOP"));

    QCOMPARE(help.windowTitle(), QStringLiteral("SOP/POS Help"));
    QCOMPARE(help.document()->firstBlock().text(), QString(34, ' ') + "SOP and POS Help");
    QCOMPARE(imageNames(*help.document()), QStringList({"POS&SOP1.png", "POS&SOP2.png"}));
    QString text = help.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    QCOMPARE(text.trimmed(), QStringLiteral("SOP and POS Help"));
}

void HelpMenuTest::firstCharacterIsDropped_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text");

    QTest::newRow("line break first") << QByteArray("\nHello") << "Hello";
    QTest::newRow("one character then text") << QByteArray("xHello") << "Hello";
    QTest::newRow("byte-order mark is not a character")
        << QByteArray("\xEF\xBB\xBF\nHello") << "Hello";
    QTest::newRow("empty file") << QByteArray() << "";
}

void HelpMenuTest::firstCharacterIsDropped()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QVERIFY(writeFile("EquationHelp.txt", content));

    QCOMPARE(HelpMenu::loadHelpText(QStringLiteral("EquationHelp.txt")), text);
}

void HelpMenuTest::eachActivationOpensANewWindow()
{
    MainWindow window;
    QAction *equation = nullptr;
    for (QAction *action : window.menuBar()->actions().last()->menu()->actions())
        if (action->text() == QLatin1String("Equation Help"))
            equation = action;
    QVERIFY(equation);

    // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): QVERIFY returned on null
    equation->trigger();
    equation->trigger();

    const QList<HelpMenu *> windows = openHelpWindows();
    QCOMPARE(windows.size(), 2);
    QVERIFY(windows.at(0)->isVisible());
    QVERIFY(windows.at(1)->isVisible());
}

void HelpMenuTest::unknownTopicGivesAnEmptyReadOnlyWindow()
{
    HelpMenu help(QStringLiteral("Nothing"));
    QVERIFY(help.isReadOnly());
    QCOMPARE(help.toPlainText(), QString());
}

// The build copies the help folder next to the programs' folder; the lookup
// finds it there when the working directory holds no help files.
void HelpMenuTest::filesAreFoundBesideTheProgram()
{
    QVERIFY(!QFileInfo::exists(QStringLiteral("README.md")));
    const QString found = HelpFiles::locate(QStringLiteral("README.md"));
    QVERIFY2(QFileInfo(found).isAbsolute(), qPrintable(found));
    QVERIFY(QFileInfo::exists(found));

    QVERIFY(writeFile("README.md", "local copy"));
    QCOMPARE(HelpFiles::locate(QStringLiteral("README.md")),
             QDir(folder->path()).filePath(QStringLiteral("README.md")));
}

QTEST_MAIN(HelpMenuTest)
#include "HelpMenuTest.moc"
