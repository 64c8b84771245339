// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/ValueKeys.h"

#include "edit/ValueColumn.h"
#include "tables/ValueKeyTarget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>

namespace ValueKeys {

namespace {

bool hasCommandModifier(const QKeyEvent &event)
{
    return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

} // namespace

QString valueFor(const QKeyEvent &event)
{
    if (hasCommandModifier(event))
        return QString();
    if (event.key() == Qt::Key_Delete || event.key() == Qt::Key_Backspace)
        return QStringLiteral("0");
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() > 127)
        return QString();
    const char value = ValueColumn::valueOf(static_cast<char>(text.at(0).unicode()));
    return value == '\0' ? QString() : QString(QLatin1Char(value));
}

bool advances(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Space && !hasCommandModifier(event);
}

bool isViewShortcut(const QKeyEvent &event)
{
    return event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Copy) ||
           event.matches(QKeySequence::Paste);
}

QString advanced(const QString &value)
{
    if (value == QLatin1String("0"))
        return QStringLiteral("1");
    if (value == QLatin1String("1"))
        return QStringLiteral("X");
    if (value == QLatin1String("X"))
        return QStringLiteral("0");
    return value;
}

QString pasteRefusal(const ValueColumn::Parsed &parsed)
{
    return QCoreApplication::translate(
               "ValueKeys",
               "Line %1 holds \"%2\"; each value must be 0, 1 or X (x and - mean X as well).")
        .arg(QString::number(parsed.errorLine), QString::fromStdString(parsed.errorText));
}

void handleKey(ValueKeyTarget &view, QKeyEvent *event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        view.markAll();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        view.copyMarked();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        view.pasteValues();
        return;
    }
    const QString value = valueFor(*event);
    if (!value.isEmpty()) {
        view.setMarked(value);
        return;
    }
    if (advances(*event)) {
        view.advanceMarked();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        view.moveVertically((event->modifiers() & Qt::ShiftModifier) ? -1 : 1);
        return;
    }
    const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0 &&
                        event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab;
    view.moveCursorBy(event, extend);
}

void refusePaste(QWidget *parent, const QString &reason)
{
    QMessageBox::warning(
        parent, QCoreApplication::translate("ValueKeys", "Paste Values"),
        QCoreApplication::translate("ValueKeys", "The values were not pasted.\n%1").arg(reason));
}

} // namespace ValueKeys
