// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/RecentFiles.h"

#include <QFileInfo>

RecentFiles::RecentFiles(QObject *parent) : QObject(parent) {}

void RecentFiles::add(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > limit)
        list.removeLast();
    emit changed(list);
}

void RecentFiles::setPaths(const QStringList &paths)
{
    list.clear();
    for (const QString &path : paths) {
        if (!path.isEmpty() && !list.contains(path) && list.size() < limit)
            list.append(path);
    }
    emit changed(list);
}

void RecentFiles::clear()
{
    list.clear();
    emit changed(list);
}
