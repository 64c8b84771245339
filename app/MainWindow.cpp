#include "app/MainWindow.h"

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {}
