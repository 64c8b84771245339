// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

ModalBoxAnswerer::ModalBoxAnswerer(QObject *parent) : QObject(parent)
{
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, this, &ModalBoxAnswerer::poll);
}

void ModalBoxAnswerer::arm(Responder respond)
{
    responder = std::move(respond);
    timer.start();
}

void ModalBoxAnswerer::armFileDialog(const QString &fileName)
{
    arm([fileName](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        if (fileName.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(fileName);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides accept()
    });
}

void ModalBoxAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    timer.stop();
    ++answeredCount;
    lastTitle = modal->windowTitle();
    lastClass = QString::fromLatin1(modal->metaObject()->className());
    lastText.clear();
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        lastText = box->text();
    else if (auto *input = qobject_cast<QInputDialog *>(modal))
        lastText = input->labelText();

    if (responder) {
        Responder respond = std::exchange(responder, {});
        respond(modal);
        return;
    }
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        QAbstractButton *button = box->escapeButton();
        if (!button)
            button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button) {
            button->click();
            return;
        }
    }
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}
