// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

namespace TestFiles {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString writeFileIn(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    QString path = folder.filePath(name);
    if (!writeFile(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace TestFiles
