// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/ResultCopier.h"

#include "format/ExpressionFormatter.h"
#include "messages/PhraseTemplate.h"
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
        error = refusal(result);
        return QString();
    }
    return QString::fromStdString(result.text);
}

QString ResultCopier::refusal(const ExpressionFormatter::Result &result)
{
    using Fault = ExpressionFormatter::NameFault;
    QString pattern;
    switch (result.fault) {
    case Fault::NoName:
        pattern = tr("A variable has no name, which %2 needs.");
        break;
    case Fault::BadFirstCharacter:
        pattern = tr("%1 is not a valid name in %2: a name there must start with a letter (A-Z, "
                     "a-z). Rename the variable with \"Variables\".");
        break;
    case Fault::BadCharacter:
        pattern = tr("%1 is not a valid name in %2: only the letters A-Z, a-z and digits may be "
                     "used there.");
        break;
    case Fault::ReservedWord:
        pattern = tr("%1 is a reserved word in %2 and cannot name a variable. Rename the variable "
                     "with \"Variables\".");
        break;
    case Fault::SameName:
        pattern = tr("%1 and %3 are the same name in %2.");
        break;
    case Fault::SameNameIgnoringCase:
        pattern = tr("%1 and %3 are the same name in %2, which ignores case.");
        break;
    case Fault::None:
        return QString::fromStdString(result.error);
    }
    return QString::fromStdString(PhraseTemplate::filled(pattern.toStdString(), result.values));
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
