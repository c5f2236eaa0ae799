// Linux only.
#include "platform/accessibility/mdisubwindowaccessible.h"

#include <QMdiSubWindow>

namespace platform::accessibility {

MdiSubWindowAccessible::MdiSubWindowAccessible(QMdiSubWindow *window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

QMdiSubWindow *MdiSubWindowAccessible::subWindow() const
{
    return static_cast<QMdiSubWindow *>(widget());
}

QString MdiSubWindowAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return subWindow()->windowTitle().remove(QLatin1String("[*]"));
    return QAccessibleWidget::text(t);
}

QAccessibleInterface *MdiSubWindowAccessible::parent() const
{
    if (QMdiArea *area = subWindow()->mdiArea())
        m_area = area;
    else if (m_area)
        return QAccessible::queryAccessibleInterface(m_area->viewport());
    return QAccessibleWidget::parent();
}

int MdiSubWindowAccessible::childCount() const
{
    return subWindow()->widget() ? 1 : 0;
}

QAccessibleInterface *MdiSubWindowAccessible::child(int index) const
{
    QWidget *calculator = subWindow()->widget();
    return index == 0 && calculator ? QAccessible::queryAccessibleInterface(calculator) : nullptr;
}

int MdiSubWindowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() && child->object() == subWindow()->widget() ? 0 : -1;
}

} // namespace platform::accessibility
