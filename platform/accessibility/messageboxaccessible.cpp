// Linux only (Orca, through Qt's AT-SPI bridge), from Qt 6.11.
#include "platform/accessibility/messageboxaccessible.h"

#include <QMessageBox>

namespace platform::accessibility {

MessageBoxAccessible::MessageBoxAccessible(QMessageBox *box)
    : QAccessibleWidget(box, QAccessible::AlertMessage)
{
}

// Qt's own texts: the title as the name, the message as the value and the
// informative text as the help; the message as the description, too.
QString MessageBoxAccessible::text(QAccessible::Text t) const
{
    const auto *box = static_cast<QMessageBox *>(widget());
    const QString own = QAccessibleWidget::text(t);
    switch (t) {
    case QAccessible::Name:
    case QAccessible::Description:
        return own.isEmpty() ? box->text() : own;
    case QAccessible::Value:
        return box->text();
    case QAccessible::Help:
        return box->informativeText();
    default:
        return own;
    }
}

} // namespace platform::accessibility
