// Every platform and Qt version; what a picked unit tells on Linux from
// Qt 6.8 is guarded.
#include "platform/accessibility/comboboxaccessible.h"

#include "platform/accessibility/accessibility.h"
#include "platform/messagebox.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace platform::accessibility {

ComboBoxAccessible::ComboBoxAccessible(QComboBox *box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{
#if defined(Q_OS_LINUX) && QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && QT_VERSION < QT_VERSION_CHECK(6, 11, 0)
    // Made once per box, when a screen reader first asks for it.
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
        if (box->hasFocus() && !box->view()->isVisible())
            announce(box, box->currentText());
    });
#endif
}

#if defined(Q_OS_LINUX) && QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
bool ComboBoxAccessible::isToldOtherwise(const QAccessibleEvent *event)
{
    auto *box = qobject_cast<QComboBox *>(event->object());
    return box && event->type() == QAccessible::ValueChanged && !box->view()->isVisible();
}
#endif

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return comboBox()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(comboBox()->view());
    if (index == 1)
        return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
    return nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (child->object() == comboBox()->view())
        return 0;
    if (child->object() == comboBox()->lineEdit())
        return 1;
    return -1;
}

// Modality stops mouse and keys, not a screen reader's actions.
void ComboBoxAccessible::doAction(const QString &action)
{
    if (action != showMenuAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    if (!isMessageOpen())
        comboBox()->showPopup();
}

} // namespace platform::accessibility
