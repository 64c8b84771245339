// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/ResultCopier.h"

#include "format/ExpressionFormatter.h"
#include "minimize/Minimization.h"

#include <QClipboard>
#include <QGuiApplication>

ResultCopier::ResultCopier(QObject *parent) : QObject(parent), names(Minimization::defaultNames())
{}

QString ResultCopier::formatted(OutputFormat format, QString &error) const
{
    if (!cover) {
        error = tr("There is no minimized function to copy yet: press \"Minimize!\" first.");
        return QString();
    }
    const ExpressionFormatter::Result result = ExpressionFormatter::format(*cover, names, format);
    if (!result.ok) {
        error = QString::fromStdString(result.error);
        return QString();
    }
    return QString::fromStdString(result.text);
}

void ResultCopier::copyAs(OutputFormat format)
{
    QString error;
    const QString text = formatted(format, error);
    if (text.isEmpty()) {
        emit refused(error);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    emit copied(text);
}

void ResultCopier::setCover(const MinimizedCover &minimized)
{
    cover = minimized;
}

void ResultCopier::setNames(const QString &one, const QString &two, const QString &three,
                            const QString &four, const QString &five, const QString &six)
{
    names = {one.toStdString(),  two.toStdString(),  three.toStdString(),
             four.toStdString(), five.toStdString(), six.toStdString()};
}

void ResultCopier::reset()
{
    cover.reset();
    names = Minimization::defaultNames();
}
