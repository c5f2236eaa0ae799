#include "platform/focusreport.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace platform {

FocusReport::FocusReport(QObject *parent)
    : QObject(parent)
{
}

bool FocusReport::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason)
        return false;
    const auto *combo = qobject_cast<QComboBox *>(watched);
    if (qobject_cast<QLineEdit *>(watched) || (combo && combo->isEditable())) {
        QAccessibleEvent focus(watched, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    return false;
}

void installFocusReport()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    qApp->installEventFilter(new FocusReport(qApp));
#endif
}

} // namespace platform
