#include "core/ComboFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

bool ComboFocus::Leaves(const QWidget *combo, const QEvent *event)
{
    if (!combo || event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return false;
    const QWidget *now = QApplication::focusWidget();
    if (!now)
        return true;
    // The drop-down list, as any popup over the window (a menu, a completer's
    // list), holds the focus only while it is open.
    if (now->window()->windowType() == Qt::Popup)
        return false;
    return now != combo && !combo->isAncestorOf(now);
}

ComboFocus::Change ComboFocus::see(int index, const QWidget *combo, const QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (current_ != index && static_cast<const QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            current_ = index;
            return Change::Arrived;
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (current_ == index && Leaves(combo, event)) {
            current_ = 0;
            return Change::Left;
        }
    }
    return Change::None;
}
