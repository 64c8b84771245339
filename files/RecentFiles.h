// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

// The files imported or exported last, newest first, each once, at most
// `limit` of them, kept as absolute paths so that they still name the same
// file from another working folder.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int limit = 8;

    explicit RecentFiles(QObject *parent = nullptr);

    QStringList paths() const { return list; }

signals:
    void changed(const QStringList &paths);

public slots:
    void add(const QString &fileName);
    // Replaces the list, as read back from the settings.
    void setPaths(const QStringList &paths);
    void clear();

private:
    QStringList list;
};
