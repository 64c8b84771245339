// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QTextEdit>

// A read-only help window for one topic: a heading, the topic's help text
// and its pictures. Each activation of a Help menu entry makes a new one.
class HelpMenu : public QTextEdit
{
    Q_OBJECT
public:
    explicit HelpMenu(const QString &topic, QWidget *parent = nullptr);

    // An entry of the Help menu. The window is opened with `topic`, which
    // stays untranslated whatever language the entry's text is in.
    struct MenuEntry
    {
        QString topic;
        QString text;
        QKeySequence keys;
    };
    // One entry per topic, in the menu's order.
    static QList<MenuEntry> menuEntries();

    // The text of a help file minus its first character, which every help
    // file spends on a leading line break; empty when it cannot be read.
    static QString loadHelpText(const QString &fileName);

    // The size a help window opens at on a screen whose available area is
    // `available`: 700 x 900 where that fits with the window's frame, else
    // as much of it as the area holds. The user may resize it either way.
    static QSize openingSize(const QSize &available);

    // Resizes the window to openingSize() for the screen it will show on and
    // keeps it inside that screen's available area.
    void fitScreen(const QRect &available);

private:
    void appendHelpText(const QString &fileName);
    void insertImage(const QString &fileName);
};
