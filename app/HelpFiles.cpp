// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TAVOLIN_INSTALLED_HELP_DIR
#define TAVOLIN_INSTALLED_HELP_DIR ""
#endif

QStringList HelpFiles::searchFolders()
{
    QStringList folders{QDir::currentPath()};
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty()) {
        folders << programDir;
        folders << QDir(programDir).filePath(QStringLiteral("../share/tavolin"));
    }
    const QString installed = QStringLiteral(TAVOLIN_INSTALLED_HELP_DIR);
    if (!installed.isEmpty())
        folders << installed;
    return folders;
}

QString HelpFiles::locate(const QString &fileName)
{
    for (const QString &folder : searchFolders()) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return QDir::cleanPath(candidate.absoluteFilePath());
    }
    return fileName;
}

namespace {

QString &helpLanguage()
{
    static QString language;
    return language;
}

} // namespace

void HelpFiles::setLanguage(const QString &language)
{
    helpLanguage() = language;
}

QString HelpFiles::language()
{
    return helpLanguage();
}

QString HelpFiles::locateLocalized(const QString &fileName)
{
    const QString language = helpLanguage();
    if (!language.isEmpty()) {
        const QString translated = QDir(language).filePath(fileName);
        QString found = locate(translated);
        if (found != translated)
            return found;
    }
    return locate(fileName);
}
