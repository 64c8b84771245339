// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "app/HelpFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool installFirst(QCoreApplication &application, const QLocale &locale, const QString &name,
                  const QStringList &folders)
{
    auto *translator = new QTranslator(&application);
    for (const QString &folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

QStringList Translations::searchFolders()
{
    QStringList folders;
    for (const QString &folder : HelpFiles::searchFolders())
        folders << QDir(folder).filePath(QStringLiteral("translations"));
    return folders;
}

bool Translations::install(QCoreApplication &application, const QLocale &locale)
{
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return false;
    installFirst(application, locale, QStringLiteral("qtbase"),
                 {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    if (!installFirst(application, locale, QStringLiteral("tavolin"), searchFolders()))
        return false;
    HelpFiles::setLanguage(locale.name().section(QLatin1Char('_'), 0, 0));
    return true;
}
