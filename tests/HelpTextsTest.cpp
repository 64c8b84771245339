// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <utility>

namespace {

// Markup the help windows render as intended. Anything else is most likely a
// typo, which the text editor would drop without a word.
const QStringList knownTags{
    QStringLiteral("a"),   QStringLiteral("b"),     QStringLiteral("br"),  QStringLiteral("code"),
    QStringLiteral("h2"),  QStringLiteral("h3"),    QStringLiteral("i"),   QStringLiteral("li"),
    QStringLiteral("ol"),  QStringLiteral("p"),     QStringLiteral("pre"), QStringLiteral("sub"),
    QStringLiteral("sup"), QStringLiteral("table"), QStringLiteral("td"),  QStringLiteral("th"),
    QStringLiteral("tr"),  QStringLiteral("tt"),    QStringLiteral("ul"),
};
const QStringList emptyTags{QStringLiteral("br")};

QByteArray readHelpFile(const QString &fileName)
{
    QFile file(QStringLiteral(TAVOLIN_HELP_SOURCE_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The help window drops the first character of every file before showing it.
QString shownMarkup(const QByteArray &content)
{
    return QString::fromUtf8(content).mid(1);
}

QString withoutWhitespace(const QString &text)
{
    QString result;
    for (const QChar c : text)
        if (!c.isSpace())
            result += c;
    return result;
}

struct MarkupScan
{
    QString error; // empty when the markup is well formed
    QString text;  // the characters outside tags, entities decoded
};

MarkupScan scanMarkup(const QString &markup)
{
    static const QRegularExpression tagPattern(
        QStringLiteral("<(/?)([a-z][a-z0-9]*)((?:\\s+[a-z]+=\"[^\"<>]*\")*)\\s*>"));
    static const QRegularExpression entityPattern(
        QStringLiteral("&(amp|lt|gt|quot|nbsp|#[0-9]+);"));
    const QHash<QString, QChar> namedEntities{
        {QStringLiteral("amp"), QLatin1Char('&')},    {QStringLiteral("lt"), QLatin1Char('<')},
        {QStringLiteral("gt"), QLatin1Char('>')},     {QStringLiteral("quot"), QLatin1Char('"')},
        {QStringLiteral("nbsp"), QChar(QChar::Nbsp)},
    };

    MarkupScan scan;
    QStringList openTags;
    const auto fail = [&](qsizetype position, const QString &what) {
        const qsizetype line = markup.left(position).count(QLatin1Char('\n')) + 2;
        scan.error = QStringLiteral("line %1: %2").arg(line).arg(what);
        return scan;
    };

    for (qsizetype i = 0; i < markup.size();) {
        const QChar c = markup.at(i);
        if (c == QLatin1Char('<')) {
            const QRegularExpressionMatch tag =
                tagPattern.match(markup, i, QRegularExpression::NormalMatch,
                                 QRegularExpression::AnchorAtOffsetMatchOption);
            if (!tag.hasMatch())
                return fail(i, QStringLiteral("'<' that starts no tag"));
            const QString name = tag.captured(2);
            if (!knownTags.contains(name))
                return fail(i, QStringLiteral("unknown tag <%1>").arg(name));
            if (!tag.captured(1).isEmpty()) {
                if (openTags.isEmpty() || openTags.last() != name)
                    return fail(i, QStringLiteral("</%1> closes nothing open").arg(name));
                openTags.removeLast();
            } else if (!emptyTags.contains(name)) {
                openTags << name;
            }
            i = tag.capturedEnd();
        } else if (c == QLatin1Char('&')) {
            const QRegularExpressionMatch entity =
                entityPattern.match(markup, i, QRegularExpression::NormalMatch,
                                    QRegularExpression::AnchorAtOffsetMatchOption);
            if (!entity.hasMatch())
                return fail(i, QStringLiteral("'&' that starts no entity"));
            const QString name = entity.captured(1);
            if (name.startsWith(QLatin1Char('#')))
                scan.text += QChar(char16_t(name.mid(1).toUInt()));
            else
                scan.text += namedEntities.value(name);
            i = entity.capturedEnd();
        } else if (c == QLatin1Char('>')) {
            return fail(i, QStringLiteral("'>' outside a tag"));
        } else {
            scan.text += c;
            ++i;
        }
    }
    if (!openTags.isEmpty())
        return fail(markup.size(), QStringLiteral("<%1> never closed").arg(openTags.last()));
    return scan;
}

QStringList anchorNames(const QTextDocument &document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
    return names;
}

const QList<std::pair<const char *, const char *>> helpFiles{
    {"TruthtableHelp.txt", "Truth Table Help"},
    {"KMapHelp.txt", "K-Map Help"},
    {"EquationHelp.txt", "Equation Help"},
    {"VariableHelp.txt", "Variable Help"},
    {"VariableHelp2.txt", nullptr}, // shown below VariableHelp.txt, under its anchor
    {"SOPHelp.txt", "SOP and POS Help"},
    {"importHelp.txt", "Import and Export Help"},
    {"StepsHelp.txt", "The Minimize Menu and the Steps"},
    {"CircuitHelp.txt", "Circuit Help"},
};

void addFileRows(bool anchoredOnly)
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("anchor");
    for (const auto &[fileName, anchor] : helpFiles)
        if (anchor || !anchoredOnly)
            QTest::newRow(fileName)
                << QString::fromLatin1(fileName) << QString::fromLatin1(anchor ? anchor : "");
}

} // namespace

class HelpTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void startsWithLineBreak_data() { addFileRows(false); }
    void startsWithLineBreak();
    void isUtf8_data() { addFileRows(false); }
    void isUtf8();
    void shownAsRichText_data() { addFileRows(false); }
    void shownAsRichText();
    void markupIsWellFormed_data() { addFileRows(false); }
    void markupIsWellFormed();
    void documentKeepsAllText_data() { addFileRows(false); }
    void documentKeepsAllText();
    void definesItsAnchor_data() { addFileRows(true); }
    void definesItsAnchor();
};

void HelpTextsTest::startsWithLineBreak()
{
    QFETCH(QString, fileName);
    const QByteArray content = readHelpFile(fileName);
    QVERIFY2(!content.isEmpty(), qPrintable(fileName + QStringLiteral(" is missing or empty")));
    // A byte-order mark would be swallowed by the reader, and the character
    // dropped after it would then be real text.
    QVERIFY(!content.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(content.at(0), '\n');
}

void HelpTextsTest::isUtf8()
{
    QFETCH(QString, fileName);
    const QByteArray content = readHelpFile(fileName);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(content);
    QVERIFY(!text.isEmpty());
    QVERIFY(!decoder.hasError());
}

void HelpTextsTest::shownAsRichText()
{
    QFETCH(QString, fileName);
    // The window appends the text as HTML only when it looks like HTML.
    QVERIFY(Qt::mightBeRichText(shownMarkup(readHelpFile(fileName))));
}

void HelpTextsTest::markupIsWellFormed()
{
    QFETCH(QString, fileName);
    const MarkupScan scan = scanMarkup(shownMarkup(readHelpFile(fileName)));
    QVERIFY2(scan.error.isEmpty(), qPrintable(scan.error));
    QVERIFY(!withoutWhitespace(scan.text).isEmpty());
}

void HelpTextsTest::documentKeepsAllText()
{
    QFETCH(QString, fileName);
    const QString markup = shownMarkup(readHelpFile(fileName));
    const MarkupScan scan = scanMarkup(markup);
    QVERIFY2(scan.error.isEmpty(), qPrintable(scan.error));
    QTextDocument document;
    document.setHtml(markup);
    // Line breaks and spacing differ between source and document; every other
    // character has to arrive, in order.
    QCOMPARE(withoutWhitespace(document.toPlainText()), withoutWhitespace(scan.text));
}

void HelpTextsTest::definesItsAnchor()
{
    QFETCH(QString, fileName);
    QFETCH(QString, anchor);
    const QString markup = shownMarkup(readHelpFile(fileName));
    QVERIFY(markup.contains(QStringLiteral("<a name=\"%1\"></a>").arg(anchor)));
    QTextDocument document;
    document.setHtml(markup);
    // The window scrolls to this anchor, which works only if the document kept it.
    QVERIFY2(anchorNames(document).contains(anchor), qPrintable(anchorNames(document).join(',')));
}

QTEST_MAIN(HelpTextsTest)
#include "HelpTextsTest.moc"
