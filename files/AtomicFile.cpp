// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicFile.h"

#include <QSaveFile>

bool AtomicFile::write(const QString &fileName, const QByteArray &bytes, QString &error)
{
    QSaveFile file(fileName);
    // Unbuffered, so that a short write shows in write()'s count: a buffered
    // QSaveFile flushes in commit(), which then reports success for a file
    // the kernel cut short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            break;
        done += written;
    }
    if (done != bytes.size() || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
