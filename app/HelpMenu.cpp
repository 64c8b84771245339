// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpMenu.h"

#include "app/HelpFiles.h"

#include <QFile>
#include <QRect>
#include <QSize>
#include <QTextStream>

#include <array>

namespace {

// One topic: the untranslated key a window is opened with and its files,
// the translated texts of its Help menu entry and window, and the entry's
// keys. The Help menu lists the topics in this order.
struct HelpTopic
{
    const char *key;
    const char *menuText;
    QKeySequence::StandardKey standardKeys; // UnknownKey where `keys` applies
    const char *keys;                       // nullptr for an entry without keys
    const char *windowTitle;
    const char *heading;
    int headingBlanks;
    const char *firstText;
    const char *secondText; // shown after the first picture, or nullptr
    const char *firstImage;
    const char *secondImage; // nullptr when the topic has one picture
};

constexpr QKeySequence::StandardKey noStandardKeys = QKeySequence::UnknownKey;

const std::array<HelpTopic, 8> topics{{
    {"Truthtable", QT_TRANSLATE_NOOP("HelpMenu", "Truthtable Help"), QKeySequence::AddTab, nullptr,
     QT_TRANSLATE_NOOP("HelpMenu", "Truth Table Help"),
     QT_TRANSLATE_NOOP("HelpMenu", "Truth Table Help"), 36, "TruthtableHelp.txt", nullptr,
     "Screenshot.png", nullptr},
    {"K-Map", QT_TRANSLATE_NOOP("HelpMenu", "K-Map Help"), noStandardKeys, "Ctrl+K",
     QT_TRANSLATE_NOOP("HelpMenu", "K-Map Help"), QT_TRANSLATE_NOOP("HelpMenu", "K-Map Help"), 40,
     "KMapHelp.txt", nullptr, "Screenshot2.png", nullptr},
    {"Equation", QT_TRANSLATE_NOOP("HelpMenu", "Equation Help"), noStandardKeys, "Ctrl+E",
     QT_TRANSLATE_NOOP("HelpMenu", "Equation Help"), QT_TRANSLATE_NOOP("HelpMenu", "Equation Help"),
     36, "EquationHelp.txt", nullptr, "Screenshot3.png", nullptr},
    {"Variable", QT_TRANSLATE_NOOP("HelpMenu", "Variable Help"), QKeySequence::SelectAll, nullptr,
     QT_TRANSLATE_NOOP("HelpMenu", "Variable Help"), QT_TRANSLATE_NOOP("HelpMenu", "Variable Help"),
     38, "VariableHelp.txt", "VariableHelp2.txt", "Screenshot4.png", "Screenshot5.png"},
    {"SOP", QT_TRANSLATE_NOOP("HelpMenu", "POS/SOP Help"), noStandardKeys, "Ctrl+V",
     QT_TRANSLATE_NOOP("HelpMenu", "SOP/POS Help"),
     QT_TRANSLATE_NOOP("HelpMenu", "SOP and POS Help"), 34, "SOPHelp.txt", nullptr, "POS&SOP1.png",
     "POS&SOP2.png"},
    {"Import", QT_TRANSLATE_NOOP("HelpMenu", "Import/Export Help"), noStandardKeys, "Ctrl+I",
     QT_TRANSLATE_NOOP("HelpMenu", "Import/Export Help"),
     QT_TRANSLATE_NOOP("HelpMenu", "Import and Export Help"), 30, "importHelp.txt", nullptr,
     "Import1.png", "import2.png"},
    {"Steps", QT_TRANSLATE_NOOP("HelpMenu", "Minimize Menu Help"), noStandardKeys, nullptr,
     QT_TRANSLATE_NOOP("HelpMenu", "Minimize Menu Help"),
     QT_TRANSLATE_NOOP("HelpMenu", "The Minimize Menu and the Steps"), 26, "StepsHelp.txt", nullptr,
     "Steps1.png", "Steps2.png"},
    {"Circuit", QT_TRANSLATE_NOOP("HelpMenu", "Circuit Help"), noStandardKeys, nullptr,
     QT_TRANSLATE_NOOP("HelpMenu", "Circuit Help"), QT_TRANSLATE_NOOP("HelpMenu", "Circuit Help"),
     38, "CircuitHelp.txt", nullptr, "Circuit1.png", nullptr},
}};

// The pictures are laid out for this width; the height shows a good part of
// a topic at once.
constexpr QSize preferredSize(700, 900);
// Room for a title bar and borders, which the size of the widget excludes.
constexpr QSize frameAllowance(20, 50);

constexpr qreal headingPointSize = 16;
constexpr qreal textPointSize = 13;

} // namespace

HelpMenu::HelpMenu(const QString &topic, QWidget *parent) : QTextEdit(parent)
{
    setFontPointSize(headingPointSize);
    for (const HelpTopic &entry : topics) {
        if (topic != QLatin1String(entry.key))
            continue;
        const QString heading = tr(entry.heading);
        setWindowTitle(tr(entry.windowTitle));
        insertPlainText(QString(entry.headingBlanks, QLatin1Char(' ')) + heading +
                        QLatin1Char('\n'));
        appendHelpText(QLatin1String(entry.firstText));
        insertImage(QLatin1String(entry.firstImage));
        if (entry.secondText) {
            appendHelpText(QLatin1String(entry.secondText));
            insertImage(QLatin1String(entry.secondImage));
        } else if (entry.secondImage) {
            append(QStringLiteral("\n"));
            insertImage(QLatin1String(entry.secondImage));
        }
        scrollToAnchor(heading);
        break;
    }
    setReadOnly(true);
}

QList<HelpMenu::MenuEntry> HelpMenu::menuEntries()
{
    QList<MenuEntry> entries;
    for (const HelpTopic &topic : topics) {
        QKeySequence keys(topic.standardKeys);
        if (topic.keys)
            keys = QKeySequence(QString::fromLatin1(topic.keys));
        entries.append({QLatin1String(topic.key), tr(topic.menuText), keys});
    }
    return entries;
}

QString HelpMenu::loadHelpText(const QString &fileName)
{
    QFile file(HelpFiles::locateLocalized(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QTextStream stream(&file);
    return stream.readAll().mid(1);
}

void HelpMenu::appendHelpText(const QString &fileName)
{
    setFontPointSize(textPointSize);
    append(loadHelpText(fileName));
}

void HelpMenu::insertImage(const QString &fileName)
{
    const QString path = HelpFiles::locateLocalized(fileName).toHtmlEscaped();
    insertHtml(QStringLiteral("<img src=\"%1\">").arg(path));
}

QSize HelpMenu::openingSize(const QSize &available)
{
    return preferredSize.boundedTo(available - frameAllowance).expandedTo(QSize(200, 150));
}

void HelpMenu::fitScreen(const QRect &available)
{
    const QSize size = openingSize(available.size());
    resize(size);
    if (size != preferredSize)
        move(available.topLeft());
}
