#include "platform/accessibility/accessibility.h"

#include "platform/accessibility/announcer.h"
#include "platform/accessibility/comboboxaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>

#ifdef MIXORA_FOCUS_REPORT
#include "platform/accessibility/focusreport.h"
#endif
#ifdef MIXORA_LINE_EDIT_ACCESSIBLE
#include "platform/accessibility/lineeditaccessible.h"
#include <QLineEdit>
#endif

namespace platform::accessibility {
namespace {

// Asked for each class of an object, its own first, then its base classes'.
QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox")) {
        auto *combo = static_cast<QComboBox *>(object);
        return combo->isEditable() ? new ComboBoxAccessible(combo) : nullptr;
    }
#ifdef MIXORA_LINE_EDIT_ACCESSIBLE
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
#endif
    return noticeInterface(object);
}

} // namespace

void install()
{
    QAccessible::installFactory(interfaceFor);
#ifdef MIXORA_FOCUS_REPORT
    qApp->installEventFilter(new FocusReport(qApp));
#endif
}

} // namespace platform::accessibility
