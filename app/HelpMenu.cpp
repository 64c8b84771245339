#include "app/HelpMenu.h"

#include "app/HelpFiles.h"

#include <QFile>
#include <QRect>
#include <QSize>
#include <QTextStream>

#include <array>

namespace {

struct HelpTopic
{
    const char *key;
    const char *windowTitle;
    const char *heading;
    int headingBlanks;
    const char *firstText;
    const char *secondText; // shown after the first picture, or nullptr
    const char *firstImage;
    const char *secondImage; // nullptr when the topic has one picture
};

const std::array<HelpTopic, 8> topics{{
    {"Truthtable", "Truth Table Help", "Truth Table Help", 36, "TruthtableHelp.txt", nullptr,
     "Screenshot.png", nullptr},
    {"K-Map", "K-Map Help", "K-Map Help", 40, "KMapHelp.txt", nullptr, "Screenshot2.png", nullptr},
    {"Equation", "Equation Help", "Equation Help", 36, "EquationHelp.txt", nullptr,
     "Screenshot3.png", nullptr},
    {"Variable", "Variable Help", "Variable Help", 38, "VariableHelp.txt", "VariableHelp2.txt",
     "Screenshot4.png", "Screenshot5.png"},
    {"SOP", "SOP/POS Help", "SOP and POS Help", 34, "SOPHelp.txt", nullptr, "POS&SOP1.png",
     "POS&SOP2.png"},
    {"Import", "Import/Export Help", "Import and Export Help", 30, "importHelp.txt", nullptr,
     "Import1.png", "import2.png"},
    {"Steps", "Minimize Menu Help", "The Minimize Menu and the Steps", 26, "StepsHelp.txt", nullptr,
     "Steps1.png", "Steps2.png"},
    {"Circuit", "Circuit Help", "Circuit Help", 38, "CircuitHelp.txt", nullptr, "Circuit1.png",
     nullptr},
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
        const QString heading = QLatin1String(entry.heading);
        setWindowTitle(QLatin1String(entry.windowTitle));
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

QString HelpMenu::loadHelpText(const QString &fileName)
{
    QFile file(HelpFiles::locate(fileName));
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
    const QString path = HelpFiles::locate(fileName).toHtmlEscaped();
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
