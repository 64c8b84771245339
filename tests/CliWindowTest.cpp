// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-cli against the window itself: the same file gives the same result
// text as "Minimize!" shows, and the map command draws the window's map.

#include "CliRun.h"
#include "ModalBoxAnswerer.h"
#include "TestFiles.h"
#include "TestFunctions.h"
#include "app/MainWindow.h"
#include "minimize/Minimization.h"
#include "tables/kMap.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using TestFiles::writeFileIn;
using TestFunctions::plaText;
using TestFunctions::randomValues;

class CliWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sameResultAsTheWindow_data();
    void sameResultAsTheWindow();
    void mapIsTheWindowsMap_data();
    void mapIsTheWindowsMap();
    void mapRefusesUnwritableImage();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void CliWindowTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void CliWindowTest::sameResultAsTheWindow_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("SOP, 5 variables with don't cares, .ilb names")
        << 5 << false << QStringList{"x", "Y2", "abc", "D", "e"};
    QTest::newRow("POS, 4 variables with don't cares, no .ilb") << 4 << true << QStringList();
}

void CliWindowTest::sameResultAsTheWindow()
{
    QFETCH(int, n);
    QFETCH(bool, pos);

    QFETCH(QStringList, names);

    const QByteArray text = plaText(n, randomValues(n, "01X0", 77u + n), names);
    const QString path = writeFileIn(*dir, QStringLiteral("w.pla"), text);
    QStringList arguments{QStringLiteral("minimize"), path};
    if (pos)
        arguments << QStringLiteral("--pos");
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 0);

    // The window's own import, the file chosen in its file dialog.
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ModalBoxAnswerer answerer;
    answerer.armFileDialog(path);
    window.findChild<QPushButton *>(QStringLiteral("importButton"))->click();
    QCOMPARE(answerer.answeredTimes(), 1);
    if (pos)
        QTest::mouseClick(window.findChild<QRadioButton *>(QStringLiteral("posRadio")),
                          Qt::LeftButton);
    window.findChild<QPushButton *>(QStringLiteral("minimizeButton"))->click();

    const QString shown = window.findChild<QLineEdit *>(QStringLiteral("resultEdit"))->text();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(QString::fromUtf8(run.outBytes), shown + '\n');
}

void CliWindowTest::mapIsTheWindowsMap_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("pos");
    QTest::addColumn<QString>("format");
    for (int n = 2; n <= 6; ++n)
        QTest::addRow("%d variables, PNG", n) << n << (n % 2 == 0) << "png";
    QTest::newRow("6 variables, SVG") << 6 << false << "svg";
}

void CliWindowTest::mapIsTheWindowsMap()
{
    QFETCH(int, n);
    QFETCH(bool, pos);
    QFETCH(QString, format);

    const std::string values = randomValues(n, "01X0", 300u + n);
    const QStringList names{"P", "Q1", "R", "abc", "T", "U"};
    const QString path =
        writeFileIn(*dir, QStringLiteral("m.pla"), plaText(n, values, names.mid(0, n)));
    const QString image = dir->filePath(QStringLiteral("map.") + format);
    QStringList arguments{QStringLiteral("map"), path, QStringLiteral("-o"), image};
    if (pos)
        arguments << QStringLiteral("--pos");
    const CliRun run = runCli(arguments);
    QVERIFY2(run.status == 0, qPrintable(run.err));

    // The window's map after the same import and "Minimize!".
    kMap map(4, 4);
    map.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    map.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    map.changeNumberElements(n);
    map.changeVarNames("P", "Q1", "R", "abc", "T", "U");
    QTableWidgetItem value;
    std::vector<int> codes;
    for (std::size_t m = 0; m < values.size(); ++m) {
        value.setText(QString(QChar::fromLatin1(values[m])));
        map.updateCell(static_cast<int>(m), &value);
        codes.push_back(Minimization::cellCode(std::string(1, values[m])));
    }
    Minimization minimization;
    const MinimizationResult result = minimization.run(
        n, codes, pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts);
    QVector<QVector<int>> groups;
    for (const std::vector<int> &group : result.groups)
        groups.append(QVector<int>(group.begin(), group.end()));
    map.updateCircles(groups);
    map.setAttribute(Qt::WA_DontShowOnScreen);
    map.show();
    map.resize(map.minimumSize());

    if (format == QLatin1String("svg")) {
        QFile file(image);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        QCOMPARE(xml.attributes().value(QLatin1String("viewBox")).toString(),
                 QStringLiteral("0 0 %1 %2").arg(map.width()).arg(map.height()));
        return;
    }

    QImage written(image);
    QVERIFY(!written.isNull());
    QImage drawn(map.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::white);
    map.render(&drawn);
    QCOMPARE(written.size(), drawn.size());
    QCOMPARE(written.convertToFormat(QImage::Format_ARGB32),
             drawn.convertToFormat(QImage::Format_ARGB32));
}

void CliWindowTest::mapRefusesUnwritableImage()
{
    const QString path = writeFileIn(*dir, QStringLiteral("m.pla"), plaText(3, "01101001"));
    const CliRun run = runCli({QStringLiteral("map"), path, QStringLiteral("-o"),
                               dir->filePath(QStringLiteral("missing/map.png"))});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(QLatin1String("missing/map.png: cannot write")), qPrintable(run.err));
}

QTEST_MAIN(CliWindowTest)
#include "CliWindowTest.moc"
