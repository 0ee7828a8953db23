#include "TTypingLimitNotice.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace {
// QLineEdit's own "no limit".
constexpr int Unlimited = 32767;
} // namespace

void TTypingLimitNotice::Install()
{
    static TTypingLimitNotice* filter = nullptr;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new TTypingLimitNotice(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

QString TTypingLimitNotice::Text(int limit)
{
    return limit == 1 ? QStringLiteral("This field holds 1 character") : QStringLiteral("This field holds at most %1 characters").arg(limit);
}

bool TTypingLimitNotice::WouldOverflow(const QLineEdit& edit, const QKeyEvent& key, const QString& clipboard)
{
    const int limit = edit.maxLength();
    if (limit >= Unlimited || edit.isReadOnly() || !edit.isEnabled())
        return false;
    QString added;
    if (key.matches(QKeySequence::Paste))
        added = clipboard;
    else if (!(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !key.text().isEmpty() &&
             key.text().at(0).isPrint())
        added = key.text();
    if (added.isEmpty())
        return false;
    const qsizetype kept = edit.text().size() - edit.selectedText().size();
    return kept + added.size() > limit;
}

bool TTypingLimitNotice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString clipboard = key->matches(QKeySequence::Paste) && QApplication::clipboard() ? QApplication::clipboard()->text() : QString();
    if (WouldOverflow(*edit, *key, clipboard)) {
        // The key still goes to the field, which keeps what fits.
        QApplication::beep();
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), Text(edit->maxLength()), edit);
    }
    return false;
}
