// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the pictures of the help windows from the program itself: it drives
// the real main window, offscreen, into each situation the help texts
// describe and saves the PNG files into the folder given on the command line.
//
//   help_images <output folder>        (run by `make help-images`)
#include "app/MainWindow.h"
#include "circuit/CircuitView.h"
#include "explain/StepsWindow.h"
#include "pla/ImportExport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// The help windows are 700 pixels wide; a picture must fit beside the
// vertical scroll bar without a horizontal one.
QPixmap fitHelpWindow(const QPixmap &picture)
{
    constexpr int widest = 660;
    if (picture.width() <= widest)
        return picture;
    return picture.scaledToWidth(widest, Qt::SmoothTransformation);
}

class HelpImages
{
public:
    explicit HelpImages(const QString &folder) : output(QDir(folder).absolutePath()) {}

    bool run();

private:
    template <typename Widget> Widget *child(const char *name) const
    {
        return window->findChild<Widget *>(QLatin1String(name));
    }

    void freshWindow();
    void save(QWidget *widget, const char *file);
    void setCount(int count);
    void clickOutputs(const QList<int> &ones, const QList<int> &dontCares = {});
    void typeEquation(const QString &equation);
    void press(const char *button);

    void truthTable();
    void karnaughMap();
    void equation();
    void variableNames();
    void sopAndPos();
    void importFile();
    void steps();
    void circuit();

    QDir output;
    std::unique_ptr<MainWindow> window;
    bool ok = true;
};

void HelpImages::freshWindow()
{
    window = std::make_unique<MainWindow>();
    window->setStatusBar(new QStatusBar());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        ok = false;
}

void HelpImages::save(QWidget *widget, const char *file)
{
    QApplication::processEvents();
    const QString path = output.filePath(QLatin1String(file));
    if (!widget || !fitHelpWindow(widget->grab()).save(path, "PNG")) {
        (void)std::fprintf(stderr, "help_images: could not make %s\n", file);
        ok = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

void HelpImages::setCount(int count)
{
    auto *box = child<QComboBox>("variableCountManager");
    box->setCurrentIndex(count - 2);
}

void HelpImages::clickOutputs(const QList<int> &ones, const QList<int> &dontCares)
{
    auto *table = child<QTableWidget>("truthTableWidget");
    const int output = table->columnCount() - 1;
    auto click = [&](int row) {
        QTableWidgetItem *item = table->item(row, output);
        table->scrollToItem(item);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table->visualItemRect(item).center());
    };
    for (int row : ones)
        click(row);
    for (int row : dontCares) {
        click(row);
        click(row);
    }
    table->scrollToTop();
}

void HelpImages::typeEquation(const QString &equation)
{
    auto *field = child<QLineEdit>("equationManager");
    field->clear();
    QTest::keyClicks(field, equation);
    QTest::keyClick(field, Qt::Key_Return);
}

void HelpImages::press(const char *button)
{
    child<QPushButton>(button)->click();
}

void HelpImages::truthTable()
{
    freshWindow();
    clickOutputs({0, 2, 5, 7, 8, 10, 13}, {15});
    press("minimizeButton");
    save(window.get(), "Screenshot.png");
}

void HelpImages::karnaughMap()
{
    freshWindow();
    setCount(5);
    typeEquation(QStringLiteral("A&C'+B&D&E'+C&E"));
    press("minimizeButton");
    save(window.get(), "Screenshot2.png");
}

void HelpImages::equation()
{
    freshWindow();
    setCount(3);
    typeEquation(QStringLiteral("A&B'+C"));
    save(window.get(), "Screenshot3.png");
}

void HelpImages::variableNames()
{
    freshWindow();
    setCount(3);
    press("variablesButton");
    QDialog *dialog = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("changeVarsPopup") && widget->isVisible())
            dialog = qobject_cast<QDialog *>(widget);
    if (!dialog) {
        (void)std::fprintf(stderr, "help_images: the names dialog did not open\n");
        ok = false;
        return;
    }
    const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
    const QStringList names{"x", "y", "Cin"};
    for (int i = 0; i < fields.size() && i < names.size(); ++i) {
        fields.at(i)->selectAll();
        QTest::keyClicks(fields.at(i), names.at(i));
    }
    save(dialog, "Screenshot4.png");
    dialog->findChild<QPushButton *>()->click();
    typeEquation(QStringLiteral("x^y^Cin"));
    press("minimizeButton");
    save(window.get(), "Screenshot5.png");
}

void HelpImages::sopAndPos()
{
    freshWindow();
    setCount(3);
    clickOutputs({3, 5, 6, 7});
    press("minimizeButton");
    save(window.get(), "POS&SOP1.png");
    child<QRadioButton>("posRadio")->click();
    press("minimizeButton");
    save(window.get(), "POS&SOP2.png");
}

void HelpImages::importFile()
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QFile file(QStringLiteral("adder.pla"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(".i 3\n.o 1\n.ilb x y Cin \n011 1\n101 1\n110 1\n111 1\n");
        file.close();
    }

    freshWindow();
    // The dialog opens where the user was last; for the picture, beside the file.
    child<ImportExport>("importExport")->setStartFolder(folder.path());
    QTimer::singleShot(0, [this] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->selectFile(QStringLiteral("adder.pla"));
        save(dialog, "Import1.png");
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides accept()
    });
    press("importButton");
    press("minimizeButton");
    save(window.get(), "import2.png");
    window.reset();
    QDir::setCurrent(previous);
}

// The worked example of the help text: the chart of the steps window, then
// a minimum solution selected there and shaded on the map.
void HelpImages::steps()
{
    freshWindow();
    clickOutputs({4, 8, 10, 11, 12, 15}, {9, 14});
    press("minimizeButton");
    auto *steps = child<StepsWindow>("stepsWindow");
    QSignalSpy refreshed(steps, &StepsWindow::refreshed);
    child<QAction>("showStepsAction")->trigger();
    while (refreshed.isEmpty() || !refreshed.last().at(0).toBool()) {
        if (!refreshed.wait(10000)) {
            (void)std::fprintf(stderr, "help_images: the steps window was not refreshed\n");
            ok = false;
            return;
        }
    }
    steps->resize(640, 420);
    auto *tabs = steps->findChild<QTabWidget *>(QStringLiteral("stepsTabs"));
    tabs->setCurrentIndex(2);
    save(steps, "Steps1.png");
    tabs->setCurrentIndex(tabs->count() - 1);
    auto *solutions = steps->findChild<QTableWidget *>(QStringLiteral("solutionsTable"));
    if (solutions && solutions->rowCount() > 1)
        solutions->selectRow(1);
    save(window.get(), "Steps2.png");
}

void HelpImages::circuit()
{
    freshWindow();
    setCount(3);
    clickOutputs({3, 5, 6, 7});
    press("minimizeButton");
    auto *view = child<CircuitView>("circuitView");
    view->resize(640, 400);
    view->show();
    if (!QTest::qWaitForWindowExposed(view))
        ok = false;
    save(view, "Circuit1.png");
}

bool HelpImages::run()
{
    truthTable();
    karnaughMap();
    equation();
    variableNames();
    sopAndPos();
    importFile();
    steps();
    circuit();
    window.reset();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The pictures show the options as a first start has them.
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 2) {
        (void)std::fprintf(stderr, "usage: help_images <output folder>\n");
        return 2;
    }
    HelpImages images(QString::fromLocal8Bit(argv[1]));
    return images.run() ? 0 : 1;
}
