// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Finds the help texts and pictures. The working directory comes first, so a
// user can run the program beside edited copies; then the program's own
// folder and the data folder that the build and the installation fill
// (../share/tavolin from the executable), so that help also works when the
// program is started from a desktop menu.
class HelpFiles
{
public:
    // Folders searched, in order.
    static QStringList searchFolders();

    // The path of the first existing file of that name, or the bare name
    // (which then resolves against the working directory and fails quietly).
    static QString locate(const QString &fileName);

    // The file of that name in the subfolder named after the help language
    // ("de/KMapHelp.txt" for German) where one exists, else locate(fileName):
    // an untranslated text falls back to the English one.
    static QString locateLocalized(const QString &fileName);

    // The language of the help texts, "de" say; empty (the default) for the
    // English ones. Set with the window's translation, so that the window
    // and its help always speak the same language.
    static void setLanguage(const QString &language);
    static QString language();
};
