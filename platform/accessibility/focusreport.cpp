// Linux only (Orca, through Qt's AT-SPI bridge): before Qt 6.8, and from
// Qt 6.11 its report after activation alone.
#include "platform/accessibility/focusreport.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace platform::accessibility {
namespace {

void reportFocus(QObject *control)
{
    QAccessibleEvent focus(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace

bool FocusReport::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        // The main window and the splash (a tool window), not the prompts.
        if (auto *window = qobject_cast<QWidget *>(watched);
            window && (window->windowType() == Qt::Window || window->windowType() == Qt::Tool))
            reportLater(window->focusWidget());
        break;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    case QEvent::Show:
        if (watched == QApplication::focusWidget())
            reportLater(QApplication::focusWidget());
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        return popupTookFocus(watched, event);
#endif
    default:
        break;
    }
    return false;
}

// Once the event that caused it is over, if the control still has the focus.
void FocusReport::reportLater(QWidget *control)
{
    if (!control)
        return;
    QTimer::singleShot(0, control, [control] {
        if (control->hasFocus())
            reportFocus(control);
    });
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The native window's loss of the keyboard to a drop-down list, and its
// return after, other than by Tab, are kept from the widgets.
bool FocusReport::popupTookFocus(QObject *watched, QEvent *event)
{
    const auto *window = qobject_cast<QWindow *>(watched);
    if (!window || window->type() == Qt::Popup)
        return false;
    if (event->type() == QEvent::FocusOut && QApplication::activePopupWidget()) {
        m_popupTookFocus = true;
        return true;
    }
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    return event->type() == QEvent::FocusIn && std::exchange(m_popupTookFocus, false)
        && reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason;
}
#endif

} // namespace platform::accessibility
