// Every platform and Qt version; what it installs of the workarounds for
// Linux is guarded as they are compiled (platform/CMakeLists.txt).
#include "platform/accessibility/accessibility.h"

#include "platform/accessibility/comboboxaccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

#ifdef MIXORA_FOCUS_REPORT
#include "platform/accessibility/focusreport.h"
#endif
#ifdef MIXORA_ATSPI_BRIDGE
#include "platform/accessibility/mdiareaaccessible.h"
#include "platform/accessibility/mdisubwindowaccessible.h"
#include "platform/accessibility/selectionfilter.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#endif
#ifdef MIXORA_ATSPI_WORKAROUNDS
#include "platform/accessibility/lineeditaccessible.h"
#endif
#ifdef MIXORA_ALERT_DESCRIPTION
#include "platform/accessibility/messageboxaccessible.h"

#include <QMessageBox>
#endif

namespace platform::accessibility {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// An announcement before Qt 6.8, which has no event for it (and whose AT-SPI
// bridge sends a changed description without its text): an empty, invisible
// notification inside the source, which a screen reader reads out when it
// appears. It goes again when the focus leaves. Draws nothing and takes no
// input.
class Notice : public QWidget
{
public:
    explicit Notice(QWidget *source)
        : QWidget(source)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(0, 0);
        source->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            hide();
        return false;
    }
};
#endif

// Asked for each class of an object, its own first, then its base classes'.
QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox")) {
        auto *combo = static_cast<QComboBox *>(object);
        return combo->isEditable() ? new ComboBoxAccessible(combo) : nullptr;
    }
#ifdef MIXORA_ATSPI_BRIDGE
    if (className == QLatin1String("QMdiArea"))
        return new MdiAreaAccessible(static_cast<QMdiArea *>(object));
    if (className == QLatin1String("QMdiSubWindow"))
        return new MdiSubWindowAccessible(static_cast<QMdiSubWindow *>(object));
#endif
#ifdef MIXORA_ATSPI_WORKAROUNDS
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
#endif
#ifdef MIXORA_ALERT_DESCRIPTION
    if (className == QLatin1String("QMessageBox"))
        return new MessageBoxAccessible(static_cast<QMessageBox *>(object));
#endif
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
#endif
    return nullptr;
}

} // namespace

void install()
{
    QAccessible::installFactory(interfaceFor);
#ifdef MIXORA_ATSPI_BRIDGE
    SelectionFilter::install();
#endif
#ifdef MIXORA_FOCUS_REPORT
    qApp->installEventFilter(new FocusReport(qApp));
#endif
}

void announce(QWidget *source, const QString &message)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, message);
    QAccessible::updateAccessibility(&event);
#else
    Notice *notice = nullptr;
    for (QObject *child : source->children()) {
        if ((notice = dynamic_cast<Notice *>(child)))
            break;
    }
    if (!notice)
        notice = new Notice(source);
    notice->hide();
    notice->setAccessibleName(message);
    notice->show();
#endif
}

} // namespace platform::accessibility
