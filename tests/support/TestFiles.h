// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTemporaryDir;

namespace TestFiles {

// The whole file, or nothing when it cannot be read.
QByteArray readFile(const QString &path);

// Whether all of `bytes` went into the file.
bool writeFile(const QString &path, const QByteArray &bytes);

// Writes the file `name` in `folder` and returns its path; a file the test
// cannot write ends the run.
QString writeFileIn(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes);

} // namespace TestFiles
