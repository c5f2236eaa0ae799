#include "platform/accessibility/announcer.h"

#include "platform/accessibility/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QString>
#include <QWidget>

namespace platform::accessibility {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// Draws nothing and takes no input; it exists to be read out.
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

} // namespace

QAccessibleInterface *noticeInterface(QObject *object)
{
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

void announce(QWidget *source, const QString &message)
{
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
}

#else

QAccessibleInterface *noticeInterface(QObject *)
{
    return nullptr;
}

void announce(QWidget *source, const QString &message)
{
    QAccessibleAnnouncementEvent event(source, message);
    QAccessible::updateAccessibility(&event);
}

#endif

} // namespace platform::accessibility
