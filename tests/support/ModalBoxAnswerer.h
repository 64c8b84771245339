// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

// Answers the next modal window (a message box or a file dialog) that the
// code under test opens, so that a test never blocks on it. Arm it before
// the action that opens the box; it records the box's title and text and
// then closes it with `respond` or, by default, with its default button.
class ModalBoxAnswerer : public QObject
{
    Q_OBJECT
public:
    using Responder = std::function<void(QWidget *modal)>;

    explicit ModalBoxAnswerer(QObject *parent = nullptr);

    // Starts watching for the next modal window. `respond` closes it; when
    // empty, a message box gets its escape or default button pressed and any
    // other dialog is rejected.
    void arm(Responder respond = {});

    // Answers a file dialog by entering `fileName` and accepting it.
    void armFileDialog(const QString &fileName);

    bool answered() const { return answeredCount > 0; }
    int answeredTimes() const { return answeredCount; }
    QString title() const { return lastTitle; }
    QString text() const { return lastText; }
    QString className() const { return lastClass; }

private:
    void poll();

    QTimer timer;
    Responder responder;
    int answeredCount = 0;
    QString lastTitle;
    QString lastText;
    QString lastClass;
};
