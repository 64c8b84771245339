// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/FuzzChecks.h"
#include "messages/SafeText.h"

#include <QObject>
#include <QTest>

#include <random>
#include <string>

// The fuzz targets are only as strict as their checks: a check that let an
// escape sequence or a broken sequence through would make every run pass.
class FuzzChecksTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanText_data();
    void cleanText();
    void safeTextIsAlwaysClean();
};

void FuzzChecksTest::cleanText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("inLine");
    QTest::addColumn<bool>("inLayout");

    QTest::newRow("empty") << QByteArray() << true << true;
    QTest::newRow("plain ASCII") << QByteArray("A'&B+C") << true << true;
    QTest::newRow("two-, three- and four-byte characters")
        << QByteArray("\xc3\xa4\xe2\x9c\x93\xf0\x9f\x98\x80") << true << true;
    QTest::newRow("newline and tab are layout only") << QByteArray("a\nb\tc") << false << true;
    QTest::newRow("carriage return") << QByteArray("a\rb") << false << false;
    QTest::newRow("escape sequence") << QByteArray("\x1b[31m") << false << false;
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << false << false;
    QTest::newRow("DEL") << QByteArray("a\x7f") << false << false;
    QTest::newRow("C1 control CSI") << QByteArray("\xc2\x9b") << false << false;
    QTest::newRow("right-to-left override") << QByteArray("\xe2\x80\xae") << false << false;
    QTest::newRow("line separator") << QByteArray("\xe2\x80\xa8") << false << false;
    QTest::newRow("lone continuation byte") << QByteArray("a\x80") << false << false;
    QTest::newRow("cut sequence at the end") << QByteArray("a\xe2\x9c") << false << false;
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << false << false;
    QTest::newRow("overlong three bytes") << QByteArray("\xe0\x80\xaf") << false << false;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false << false;
    QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false << false;
    QTest::newRow("highest code point") << QByteArray("\xf4\x8f\xbf\xbf") << true << true;
}

void FuzzChecksTest::cleanText()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, inLine);
    QFETCH(bool, inLayout);
    QCOMPARE(FuzzChecks::isCleanText(text.toStdString(), false), inLine);
    QCOMPARE(FuzzChecks::isCleanText(text.toStdString(), true), inLayout);
}

// Two independent readings of the same rule agree on random bytes.
void FuzzChecksTest::safeTextIsAlwaysClean()
{
    std::mt19937 random(17);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text += static_cast<char>(byte(random));
        const std::string shown = SafeText::shown(text, SafeText::nameLimit);
        QVERIFY2(FuzzChecks::isCleanText(shown, false), shown.c_str());
        // Short text SafeText leaves alone is exactly the clean text.
        QCOMPARE(shown == text, FuzzChecks::isCleanText(text, false));
    }
}

QTEST_GUILESS_MAIN(FuzzChecksTest)
#include "FuzzChecksTest.moc"
