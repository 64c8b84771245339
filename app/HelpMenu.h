#pragma once

#include <QTextEdit>

// A read-only help window for one topic: a heading, the topic's help text
// and its pictures. Each activation of a Help menu entry makes a new one.
class HelpMenu : public QTextEdit
{
    Q_OBJECT
public:
    explicit HelpMenu(const QString &topic, QWidget *parent = nullptr);

    // The text of a help file minus its first character, which every help
    // file spends on a leading line break; empty when it cannot be read.
    static QString loadHelpText(const QString &fileName);

private:
    void appendHelpText(const QString &fileName);
    void insertImage(const QString &fileName);
};
