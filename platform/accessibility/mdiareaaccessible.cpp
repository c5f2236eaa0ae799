// Linux only.
#include "platform/accessibility/mdiareaaccessible.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace platform::accessibility {

MdiAreaAccessible::MdiAreaAccessible(QMdiArea *area)
    : QAccessibleWidget(area, QAccessible::Client)
{
}

QMdiArea *MdiAreaAccessible::mdiArea() const
{
    return static_cast<QMdiArea *>(widget());
}

int MdiAreaAccessible::childCount() const
{
    return int(mdiArea()->subWindowList().size());
}

QAccessibleInterface *MdiAreaAccessible::child(int index) const
{
    const QList<QMdiSubWindow *> children = mdiArea()->subWindowList();
    if (index < 0 || index >= children.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int MdiAreaAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    auto *window = child ? qobject_cast<QMdiSubWindow *>(child->object()) : nullptr;
    return window ? int(mdiArea()->subWindowList().indexOf(window)) : -1;
}

} // namespace platform::accessibility
