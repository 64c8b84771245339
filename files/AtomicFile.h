// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's contents all at once: the bytes go to a new file beside
// it, which takes the file's name only when every byte is written. A write
// that fails part-way (a full disk, a removed medium) leaves an earlier file
// byte for byte as it was.
class AtomicFile
{
public:
    // False with the system's reason in `error` when the file is not written.
    static bool write(const QString &fileName, const QByteArray &bytes, QString &error);
};
