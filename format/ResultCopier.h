// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/ExpressionFormatter.h"
#include "format/OutputFormat.h"
#include "minimize/MinimizedCover.h"

#include <QObject>
#include <QString>

#include <optional>

// The window's "Copy As": keeps the cover of the last "Minimize!" and the
// names the window shows now, and puts the cover, written in the chosen
// notation, on the clipboard. A notation that cannot take the names is
// refused with a sentence for the user; nothing is copied then.
class ResultCopier : public QObject
{
    Q_OBJECT
public:
    explicit ResultCopier(QObject *parent = nullptr);

    // The text copyAs() would put on the clipboard, or an empty string with
    // `error` set.
    QString formatted(OutputFormat format, QString &error) const;
    // A formatter's refusal in the program's language.
    static QString refusal(const ExpressionFormatter::Result &result);

signals:
    void copied(const QString &text);
    void refused(const QString &message);

public slots:
    void copyAs(OutputFormat format);
    void setCover(const MinimizedCover &minimized);
    void setNames(const QString &one, const QString &two, const QString &three, const QString &four,
                  const QString &five, const QString &six);
    // Back to the default names, with no cover to copy (after "Reset").
    void reset();

private:
    std::optional<MinimizedCover> cover;
    VariableNames names;
};
