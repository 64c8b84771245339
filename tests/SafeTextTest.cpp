// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/SafeText.h"

#include <QObject>
#include <QTest>

#include <string>

namespace {

// True when the text is valid UTF-8 with no control character, the
// condition for putting it into a message.
bool isShowable(const std::string &text)
{
    const QString decoded = QString::fromUtf8(text);
    if (decoded.toUtf8() != QByteArray::fromStdString(text))
        return false;
    for (const QChar c : decoded) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f) ||
            c.unicode() == 0x202e)
            return false;
    }
    return true;
}

} // namespace

class SafeTextTest : public QObject
{
    Q_OBJECT
private slots:
    void shown_data();
    void shown();
    void megabyteLineIsCutAndEscaped();
};

void SafeTextTest::shown_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray ellipsis("\xe2\x80\xa6");
    QTest::newRow("plain text stays") << QByteArray("CWP<6> x_1") << 60 << QByteArray("CWP<6> x_1");
    QTest::newRow("empty") << QByteArray() << 60 << QByteArray();
    QTest::newRow("valid UTF-8 stays") << QByteArray("\xc3\xa4\xe2\x82\xac\xf0\x9f\x98\x80") << 60
                                       << QByteArray("\xc3\xa4\xe2\x82\xac\xf0\x9f\x98\x80");
    QTest::newRow("terminal escape sequence")
        << QByteArray("\x1b[31mred\x1b[0m") << 60 << QByteArray("\\x1b[31mred\\x1b[0m");
    QTest::newRow("title-setting sequence ended by BEL")
        << QByteArray("\x1b]0;owned\x07") << 60 << QByteArray("\\x1b]0;owned\\x07");
    QTest::newRow("NUL inside") << QByteArray("a\0b", 3) << 60 << QByteArray("a\\x00b");
    QTest::newRow("line breaks, tab and DEL")
        << QByteArray("a\nb\r\tc\x7f") << 60 << QByteArray("a\\x0ab\\x0d\\x09c\\x7f");
    QTest::newRow("C1 control CSI") << QByteArray("\xc2\x9b"
                                                  "2J")
                                    << 60
                                    << QByteArray("\\xc2\\x9b"
                                                  "2J");
    QTest::newRow("right-to-left override") << QByteArray("ab\xe2\x80\xae"
                                                          "cd")
                                            << 60
                                            << QByteArray("ab\\xe2\\x80\\xae"
                                                          "cd");
    QTest::newRow("line separator")
        << QByteArray("\xe2\x80\xa8") << 60 << QByteArray("\\xe2\\x80\\xa8");
    QTest::newRow("lone continuation byte") << QByteArray("a\x80") << 60 << QByteArray("a\\x80");
    QTest::newRow("sequence cut at the end")
        << QByteArray("a\xe2\x82") << 60 << QByteArray("a\\xe2\\x82");
    QTest::newRow("sequence broken by ASCII") << QByteArray("\xe2"
                                                            "ab")
                                              << 60
                                              << QByteArray("\\xe2"
                                                            "ab");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << 60 << QByteArray("\\xc0\\xaf");
    QTest::newRow("overlong three-byte")
        << QByteArray("\xe0\x80\xaf") << 60 << QByteArray("\\xe0\\x80\\xaf");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << 60 << QByteArray("\\xed\\xa0\\x80");
    QTest::newRow("past U+10FFFF")
        << QByteArray("\xf4\x90\x80\x80") << 60 << QByteArray("\\xf4\\x90\\x80\\x80");
    QTest::newRow("0xff") << QByteArray("\xff") << 60 << QByteArray("\\xff");
    QTest::newRow("exactly the limit stays") << QByteArray(10, 'a') << 10 << QByteArray(10, 'a');
    QTest::newRow("one past the limit is cut")
        << QByteArray(11, 'a') << 10 << QByteArray(10, 'a') + ellipsis;
    QTest::newRow("an escape counts four")
        << QByteArray("aaaaaaa\x1b") << 10 << QByteArray("aaaaaaa") + ellipsis;
    QTest::newRow("an escape is never split")
        << QByteArray("aaaaaa\x1b") << 10 << QByteArray("aaaaaa\\x1b");
    QTest::newRow("a multi-byte character counts one")
        << QByteArray("\xc3\xa9\xc3\xa9\xc3\xa9") << 3 << QByteArray("\xc3\xa9\xc3\xa9\xc3\xa9");
    QTest::newRow("a multi-byte character is never split")
        << QByteArray("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9") << 3
        << QByteArray("\xc3\xa9\xc3\xa9\xc3\xa9") + ellipsis;
}

void SafeTextTest::shown()
{
    QFETCH(QByteArray, text);
    QFETCH(int, limit);

    const std::string result = SafeText::shown(text.toStdString(), static_cast<std::size_t>(limit));
    QTEST(QByteArray::fromStdString(result), "expected");
    QVERIFY(isShowable(result));
}

void SafeTextTest::megabyteLineIsCutAndEscaped()
{
    std::string line;
    for (int i = 0; line.size() < std::size_t{1024} * 1024; ++i)
        line += i % 7 == 0 ? std::string("\x1b[2J\0\xff", 6) : std::string("word ");
    const std::string result = SafeText::shown(line);
    QVERIFY(isShowable(result));
    QVERIFY2(result.size() <= SafeText::fragmentLimit + 3, result.c_str());
    QVERIFY(result.compare(0, 8, "\\x1b[2J\\") == 0);
}

QTEST_GUILESS_MAIN(SafeTextTest)
#include "SafeTextTest.moc"
