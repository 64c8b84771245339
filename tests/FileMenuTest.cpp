// SPDX-License-Identifier: GPL-3.0-or-later
// The File and Edit menus of the window: every way into an import behaves
// as the "Import File" button, exports never destroy an earlier file, the
// map is saved as tavolin-cli draws it, "Copy As" copies the last result with
// the current names, and the window's state survives a restart.

#include "ModalBoxAnswerer.h"
#include "TestFiles.h"
#include "WidgetLookup.h"
#include "app/MainWindow.h"
#include "format/ExpressionFormatter.h"
#include "minimize/Minimization.h"
#include "pla/ImportExport.h"
#include "tables/kMap.h"
#include "tables/truthTable.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using WidgetLookup::named;

using TestFiles::readFile;
using TestFiles::writeFile;

namespace {

QMenu *menuTitled(const QMenuBar &bar, const QString &title)
{
    for (QAction *action : bar.actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QAction *entry(const QMenu &menu, const QString &text)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QString shownValues(const MainWindow &window)
{
    return WidgetLookup::lastColumnText(*named<truthTable>(window, "truthTableWidget"));
}

// Drops `urls` on `target` as a file manager would; a file manager offers
// the paths as text as well.
bool dropOn(QWidget &target, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    QString text;
    for (const QUrl &url : urls)
        text += url.toString() + QLatin1Char('\n');
    data.setText(text);
    const QPoint centre = target.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

const QByteArray goodFile = ".i 3\n.o 1\n.ilb P Q R\n011 1\n101 1\n110 1\n111 1\n.e\n";
const QByteArray badFile = ".i 3\n.o 1\n0110 1\n";

} // namespace

class FileMenuTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void fileAndCopyAsEntriesInOrder();
    void shortcuts_data();
    void shortcuts();
    void everyPathImportsAsTheButton_data();
    void everyPathImportsAsTheButton();
    void otherDropsAreRefused();
    void recentListNewestFirst();
    void exportAddsSuffix();
    void failedExportKeepsEarlierFile_data();
    void failedExportKeepsEarlierFile();
    void mapImageIsTheCliMap_data();
    void mapImageIsTheCliMap();
    void copyResultAsShown();
    void copyAsUsesCurrentNames_data();
    void copyAsUsesCurrentNames();
    void copyAsRefusesInvalidName();
    void sessionSurvivesRestartAndReset();
    void firstStartFitsTheScreen();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void FileMenuTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavolin"));
}

void FileMenuTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QSettings().clear();
}

void FileMenuTest::fileAndCopyAsEntriesInOrder()
{
    MainWindow window;
    QMenu *file = menuTitled(*window.menuBar(), QStringLiteral("File"));
    QStringList entries;
    for (QAction *action : file->actions())
        entries << action->text();
    QCOMPARE(entries,
             (QStringList{"Import…", "Export…", "Open Recent", "", "Save Map Image…", "", "Quit"}));
    auto *copyAs = named<QMenu>(window, "copyAsMenu");
    entries.clear();
    for (QAction *action : copyAs->actions())
        entries << action->text();
    QCOMPARE(entries, (QStringList{"Verilog", "VHDL", "LaTeX", "C/C++", "Python"}));
}

void FileMenuTest::shortcuts_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("import") << "File"
                            << "Import…" << QKeySequence("Ctrl+O");
    QTest::newRow("export") << "File"
                            << "Export…" << QKeySequence("Ctrl+S");
    QTest::newRow("map image") << "File"
                               << "Save Map Image…" << QKeySequence("Ctrl+Shift+M");
    QTest::newRow("quit") << "File"
                          << "Quit" << QKeySequence("Ctrl+Q");
    QTest::newRow("copy result") << "Edit"
                                 << "Copy Result" << QKeySequence("Ctrl+Shift+C");
}

// Each key is the entry's, and no two actions of the window share a key.
void FileMenuTest::shortcuts()
{
    QFETCH(QString, menu);
    QFETCH(QString, text);
    QFETCH(QKeySequence, keys);
    MainWindow window;
    QAction *action = entry(*menuTitled(*window.menuBar(), menu), text);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), keys);
    int holders = 0;
    for (QAction *any : window.findChildren<QAction *>())
        holders += any->shortcut() == keys ? 1 : 0;
    QCOMPARE(holders, 1);
}

void FileMenuTest::everyPathImportsAsTheButton_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("good");
    for (const char *way :
         {"button", "menu", "key", "recent", "drop", "drop on equation", "command line"}) {
        QTest::addRow("%s, good file", way) << QString::fromLatin1(way) << true;
        QTest::addRow("%s, faulty file", way) << QString::fromLatin1(way) << false;
    }
}

void FileMenuTest::everyPathImportsAsTheButton()
{
    QFETCH(QString, way);
    QFETCH(bool, good);
    const QString file = path(QStringLiteral("f.pla"));
    QVERIFY(writeFile(file, goodFile));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (way == QLatin1String("recent")) {
        // Known from an earlier import, then changed on disk.
        QVERIFY(window.openFile(file));
        named<QPushButton>(window, "resetButton")->click();
    }
    if (!good)
        QVERIFY(writeFile(file, badFile));

    // The file dialog, where there is one, then the box of a faulty file.
    ModalBoxAnswerer answerer;
    const bool withDialog = way == QLatin1String("button") || way == QLatin1String("menu") ||
                            way == QLatin1String("key");
    if (withDialog) {
        answerer.arm([&answerer, file](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Import File"));
            dialog->selectFile(file);
            answerer.arm();
            static_cast<QDialog *>(dialog)->accept();
        });
    } else {
        answerer.arm();
    }
    if (way == QLatin1String("button")) {
        named<QPushButton>(window, "importButton")->click();
    } else if (way == QLatin1String("menu")) {
        entry(*menuTitled(*window.menuBar(), QStringLiteral("File")), "Import…")->trigger();
    } else if (way == QLatin1String("key")) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    } else if (way == QLatin1String("recent")) {
        auto *recent = named<QMenu>(window, "recentMenu");
        QCOMPARE(recent->actions().first()->text(), QDir::toNativeSeparators(file));
        recent->actions().first()->trigger();
    } else if (way == QLatin1String("drop")) {
        QCOMPARE(dropOn(window, {QUrl::fromLocalFile(file)}), true);
    } else if (way == QLatin1String("drop on equation")) {
        auto *equation = named<QLineEdit>(window, "equationManager");
        QCOMPARE(dropOn(*equation, {QUrl::fromLocalFile(file)}), true);
        QCOMPARE(equation->text(), QString());
    } else {
        QCOMPARE(window.openFile(file), good);
    }

    const int boxes = good ? 0 : 1;
    QCOMPARE(answerer.answeredTimes(), (withDialog ? 1 : 0) + boxes);
    if (good) {
        QCOMPARE(shownValues(window), QStringLiteral("00010111"));
        return;
    }
    QCOMPARE(answerer.title(), QStringLiteral("Import File"));
    const QString start =
        QStringLiteral("%1 was not imported.\nLine 3: ").arg(QDir::toNativeSeparators(file));
    QVERIFY2(answerer.text().startsWith(start) && answerer.text().size() > start.size(),
             qPrintable(answerer.text()));
    // Nothing changed: the four-variable start (or the reset) state.
    QCOMPARE(shownValues(window), QString(16, QLatin1Char('0')));
}

void FileMenuTest::otherDropsAreRefused()
{
    const QString text = path(QStringLiteral("notes.txt"));
    QVERIFY(writeFile(text, goodFile));
    MainWindow window;
    QCOMPARE(dropOn(window, {QUrl::fromLocalFile(text)}), false);
    QCOMPARE(dropOn(window, {QUrl(QStringLiteral("https://example.org/f.pla"))}), false);
    // Text still drops into the equation field.
    auto *equation = named<QLineEdit>(window, "equationManager");
    QMimeData data;
    data.setText(QStringLiteral("A&B"));
    QDragEnterEvent enter(equation->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(equation, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(shownValues(window), QString(16, QLatin1Char('0')));
}

void FileMenuTest::recentListNewestFirst()
{
    MainWindow window;
    QStringList files;
    for (int k = 0; k < 10; ++k) {
        files << path(QStringLiteral("r%1.pla").arg(k));
        QVERIFY(writeFile(files.last(), goodFile));
        QVERIFY(window.openFile(files.last()));
    }
    // The third again, and an export: both move to the top, each once.
    QVERIFY(window.openFile(files[2]));
    const QString exported = path(QStringLiteral("out.pla"));
    QVERIFY(named<ImportExport>(window, "importExport")->exportTo(exported));

    QStringList shown;
    for (QAction *action : named<QMenu>(window, "recentMenu")->actions())
        shown << action->text();
    const QStringList expected{exported, files[2], files[9], files[8],  files[7],
                               files[6], files[5], files[4], QString(), "Clear List"};
    QCOMPARE(shown, expected);

    named<QMenu>(window, "recentMenu")->actions().last()->trigger();
    QVERIFY(named<QMenu>(window, "recentMenu")->actions().isEmpty());
    QVERIFY(!named<QMenu>(window, "recentMenu")->isEnabled());
}

void FileMenuTest::exportAddsSuffix()
{
    MainWindow window;
    auto *pla = named<ImportExport>(window, "importExport");
    QVERIFY(pla->exportTo(path(QStringLiteral("plain"))));
    QVERIFY(QFile::exists(path(QStringLiteral("plain.pla"))));
    QVERIFY(!QFile::exists(path(QStringLiteral("plain"))));
    QVERIFY(pla->exportTo(path(QStringLiteral("kept.txt"))));
    QVERIFY(QFile::exists(path(QStringLiteral("kept.txt"))));
}

void FileMenuTest::failedExportKeepsEarlierFile_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("file replaced by a directory") << "directory";
    QTest::newRow("path under a file, not a folder") << "under file";
    QTest::newRow("write fails part-way (file size limit)") << "size limit";
    QTest::newRow("read-only folder") << "read-only";
}

void FileMenuTest::failedExportKeepsEarlierFile()
{
    QFETCH(QString, scenario);
    MainWindow window;
    auto *pla = named<ImportExport>(window, "importExport");
    QString target = path(QStringLiteral("earlier.pla"));
    QString kept = target; // the file that must stay as it was
    const QByteArray earlier = ".i 2\n.o 1\n11 1\n";
    QVERIFY(writeFile(target, earlier));
    QString mountPoint;
    if (scenario == QLatin1String("directory")) {
        QVERIFY(QFile::remove(target));
        QVERIFY(QDir().mkdir(target));
        kept = target + QStringLiteral("/inside.pla");
        QVERIFY(writeFile(kept, earlier));
    } else if (scenario == QLatin1String("under file")) {
        target = kept + QStringLiteral("/out.pla");
    } else if (scenario == QLatin1String("read-only")) {
        // Folder permissions do not stop root; a file system mounted
        // read-only stops everyone.
        mountPoint = path(QStringLiteral("ro"));
        QVERIFY(QDir().mkdir(mountPoint));
        if (geteuid() != 0) {
            target = kept = mountPoint + QStringLiteral("/earlier.pla");
            QVERIFY(writeFile(kept, earlier));
            QVERIFY(QFile::setPermissions(mountPoint, QFile::ReadOwner | QFile::ExeOwner));
            mountPoint.clear();
        } else {
            if (QProcess::execute(QStringLiteral("mount"),
                                  {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
                QSKIP("cannot mount a file system here");
            target = kept = mountPoint + QStringLiteral("/earlier.pla");
            QVERIFY(writeFile(kept, earlier));
            QCOMPARE(QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", mountPoint}),
                     0);
        }
    }

    ModalBoxAnswerer box;
    box.arm();
    bool written = false;
    if (scenario == QLatin1String("size limit")) {
        // Beyond the limit the kernel refuses the write with EFBIG, as a
        // full disk refuses it with ENOSPC.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &small);
        written = pla->exportTo(target);
        setrlimit(RLIMIT_FSIZE, &saved);
        (void)std::signal(SIGXFSZ, previous);
    } else {
        written = pla->exportTo(target);
    }
    const QByteArray after = readFile(kept);
    if (!mountPoint.isEmpty())
        QProcess::execute(QStringLiteral("umount"), {mountPoint});
    else if (scenario == QLatin1String("read-only"))
        QFile::setPermissions(path(QStringLiteral("ro")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!written);
    QCOMPARE(after, earlier);
    QVERIFY(box.answered());
    QCOMPARE(box.title(), QStringLiteral("Export File"));
    QVERIFY2(box.text().startsWith(
                 QStringLiteral("Could not write %1: ").arg(QDir::toNativeSeparators(target))),
             qPrintable(box.text()));
    // A reason follows, not just the name.
    QVERIFY2(box.text().size() > QStringLiteral("Could not write %1: .").arg(target).size() + 3,
             qPrintable(box.text()));
    if (scenario == QLatin1String("directory"))
        QVERIFY(QFileInfo(target).isDir());
}

void FileMenuTest::mapImageIsTheCliMap_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("pos");
    for (int n = 2; n <= 6; ++n)
        QTest::addRow("%d variables, %s", n, n % 2 ? "SOP" : "POS") << n << (n % 2 == 0);
}

// Saved through the menu and its dialog, in both formats: the PNG equals,
// pixel for pixel, what tavolin-cli map draws for the same file, and the SVG
// is well-formed XML of the same size.
void FileMenuTest::mapImageIsTheCliMap()
{
    QFETCH(int, n);
    QFETCH(bool, pos);
    const QList<QByteArray> names{"P", "Q1", "R", "abc", "T", "U"};
    QByteArray pla =
        ".i " + QByteArray::number(n) + "\n.o 1\n.ilb " + names.mid(0, n).join(' ') + "\n";
    for (int m = 0; m < (1 << n); ++m) {
        QByteArray bits;
        for (int j = n - 1; j >= 0; --j)
            bits += (m >> j) & 1 ? '1' : '0';
        pla += bits + ' ' + "01X1100"[(m * 7 + n) % 7] + '\n';
    }
    const QString file = path(QStringLiteral("m.pla"));
    QVERIFY(writeFile(file, pla));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openFile(file));
    if (pos)
        named<QRadioButton>(window, "posRadio")->click();
    named<QPushButton>(window, "minimizeButton")->click();
    // Focus and a selection in the window's map stay out of the image.
    auto *map = named<kMap>(window, "kMapWidget");
    map->setFocus();
    map->setCurrentCell(1, 1);

    QAction *save =
        entry(*menuTitled(*window.menuBar(), QStringLiteral("File")), "Save Map Image…");
    ModalBoxAnswerer dialog;
    const QString png = path(QStringLiteral("window.png"));
    dialog.armFileDialog(png);
    save->trigger();
    QCOMPARE(dialog.answeredTimes(), 1);
    QCOMPARE(dialog.title(), QStringLiteral("Save Map Image"));
    const QString svg = path(QStringLiteral("window.svg"));
    QVERIFY(window.saveMapImageTo(svg));

    const QString cliPng = path(QStringLiteral("cli.png"));
    QProcess cli;
    QStringList arguments{QStringLiteral("map"), file, QStringLiteral("-o"), cliPng};
    if (pos)
        arguments << QStringLiteral("--pos");
    cli.start(QStringLiteral(TAVOLIN_CLI), arguments);
    QVERIFY(cli.waitForFinished(60000));
    QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());

    const QImage fromWindow(png);
    const QImage fromCli(cliPng);
    QVERIFY(!fromWindow.isNull());
    QCOMPARE(fromWindow.size(), fromCli.size());
    QCOMPARE(fromWindow.convertToFormat(QImage::Format_ARGB32),
             fromCli.convertToFormat(QImage::Format_ARGB32));

    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svgFile);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    QCOMPARE(xml.attributes().value(QLatin1String("viewBox")).toString(),
             QStringLiteral("0 0 %1 %2").arg(fromCli.width()).arg(fromCli.height()));
    int texts = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            ++texts;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(texts >= (1 << n));
}

void FileMenuTest::copyResultAsShown()
{
    MainWindow window;
    QAction *copy = entry(*menuTitled(*window.menuBar(), QStringLiteral("Edit")), "Copy Result");
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    ModalBoxAnswerer box;
    box.arm();
    copy->trigger();
    QVERIFY(box.answered());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    QVERIFY(writeFile(path(QStringLiteral("f.pla")), goodFile));
    QVERIFY(window.openFile(path(QStringLiteral("f.pla"))));
    named<QPushButton>(window, "minimizeButton")->click();
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Q&R+P&R+P&Q"));
}

void FileMenuTest::copyAsUsesCurrentNames_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    // The majority of P, Q, R; then the names become x, y, z.
    QTest::newRow("Verilog") << "Verilog"
                             << "assign f = (y & z) | (x & z) | (x & y);";
    QTest::newRow("VHDL") << "VHDL"
                          << "f <= (y and z) or (x and z) or (x and y);";
    QTest::newRow("LaTeX") << "LaTeX"
                           << "(y \\cdot z) + (x \\cdot z) + (x \\cdot y)";
    QTest::newRow("C") << "C/C++"
                       << "(y && z) || (x && z) || (x && y)";
    QTest::newRow("Python") << "Python"
                            << "(y and z) or (x and z) or (x and y)";
}

void FileMenuTest::copyAsUsesCurrentNames()
{
    QFETCH(QString, target);
    QFETCH(QString, expected);
    MainWindow window;
    QVERIFY(writeFile(path(QStringLiteral("f.pla")), goodFile));
    QVERIFY(window.openFile(path(QStringLiteral("f.pla"))));
    named<QPushButton>(window, "minimizeButton")->click();
    // Renamed after "Minimize!": the copy takes the names shown now.
    QVERIFY(writeFile(path(QStringLiteral("names.pla")), ".ilb x y z\n"));
    QVERIFY(window.openFile(path(QStringLiteral("names.pla"))));
    QCOMPARE(named<QLineEdit>(window, "resultEdit")->text(), QStringLiteral("Q&R+P&R+P&Q"));

    entry(*named<QMenu>(window, "copyAsMenu"), target)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
}

void FileMenuTest::copyAsRefusesInvalidName()
{
    MainWindow window;
    QVERIFY(writeFile(path(QStringLiteral("f.pla")), ".i 2\n.o 1\n.ilb 1a b\n10 1\n11 1\n"));
    QVERIFY(window.openFile(path(QStringLiteral("f.pla"))));
    named<QPushButton>(window, "minimizeButton")->click();
    QCOMPARE(named<QLineEdit>(window, "resultEdit")->text(), QStringLiteral("1a"));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    ModalBoxAnswerer box;
    box.arm();
    entry(*named<QMenu>(window, "copyAsMenu"), QStringLiteral("C/C++"))->trigger();
    QVERIFY(box.answered());
    QCOMPARE(box.title(), QStringLiteral("Copy"));
    QVERIFY2(box.text().contains(QStringLiteral("\"1a\" is not a valid name in C/C++")),
             qPrintable(box.text()));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    // LaTeX writes any name.
    entry(*named<QMenu>(window, "copyAsMenu"), QStringLiteral("LaTeX"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\\mathit{1a}"));
}

void FileMenuTest::sessionSurvivesRestartAndReset()
{
    const QString file = path(QStringLiteral("s.pla"));
    QVERIFY(writeFile(file, goodFile));
    QRect geometry;
    {
        MainWindow window;
        window.restoreSession();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(QRect(window.geometry().topLeft() + QPoint(10, 20), QSize(700, 480)));
        named<QRadioButton>(window, "posRadio")->click();
        QVERIFY(window.openFile(file));
        geometry = window.geometry();
        window.close();
    }
    {
        MainWindow window;
        window.restoreSession();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry().size(), geometry.size());
        QVERIFY(named<QRadioButton>(window, "posRadio")->isChecked());
        QCOMPARE(named<QMenu>(window, "recentMenu")->actions().first()->text(),
                 QDir::toNativeSeparators(file));
        QCOMPARE(named<ImportExport>(window, "importExport")->startFolder(), dir->path());

        // Reset returns the function and the form to the start, and keeps
        // what the window remembers.
        named<QPushButton>(window, "resetButton")->click();
        QVERIFY(named<QRadioButton>(window, "sopRadio")->isChecked());
        QCOMPARE(named<QMenu>(window, "recentMenu")->actions().first()->text(),
                 QDir::toNativeSeparators(file));
        window.close();
    }
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("files/recent")).toStringList(), QStringList{file});
    QCOMPARE(settings.value(QStringLiteral("files/lastFolder")).toString(), dir->path());
    QVERIFY(!settings.value(QStringLiteral("window/geometry")).toByteArray().isEmpty());

    // A window that was not asked to remember writes nothing.
    settings.clear();
    {
        MainWindow window;
        QVERIFY(window.openFile(file));
        window.close();
    }
    QVERIFY(QSettings().allKeys().isEmpty());
}

void FileMenuTest::firstStartFitsTheScreen()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    QVERIFY2(window.frameGeometry().height() <= available.height() &&
                 window.frameGeometry().width() <= available.width(),
             qPrintable(QStringLiteral("%1x%2 on %3x%4")
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));
    // "Minimize!" stays inside the screen.
    auto *minimize = named<QPushButton>(window, "minimizeButton");
    const QRect button(minimize->mapToGlobal(QPoint(0, 0)), minimize->size());
    QVERIFY(available.contains(button));
}

QTEST_MAIN(FileMenuTest)
#include "FileMenuTest.moc"
