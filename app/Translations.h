// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// Installs the program's translation and Qt's own one (the texts of the
// standard dialogs and buttons) for a locale. The program's .qm files live in
// the "translations" subfolder of the help folders, so that a build tree and
// an installation both find theirs.
class Translations
{
public:
    // Folders searched for tavolin_<language>.qm, in order.
    static QStringList searchFolders();

    // Installs what exists for `locale` into `application`, which owns the
    // translators, and with the program's own translation also the language
    // of the help texts. Returns whether the program's own translation was
    // found; English (and the C locale) needs none and returns false.
    static bool install(QCoreApplication &application, const QLocale &locale);
};
