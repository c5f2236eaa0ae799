#include "platform/centering.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QObject>
#include <QScreen>
#include <QWidget>

namespace platform {
namespace {

QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void place(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins margins = frameMargins(window);
    const QSize room = available.size().shrunkBy(margins);
    if (window->minimumSize() != window->maximumSize())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));

    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    // A window larger than the screen keeps its title and menu in view.
    frame.moveLeft(qMax(frame.left(), available.left()));
    frame.moveTop(qMax(frame.top(), available.top()));
    window->move(frame.topLeft());
}

// Places the window again once the window manager's frame around it is known,
// then goes away. A window that is active without a frame has none to wait for.
class FramedPlacer : public QObject
{
public:
    explicit FramedPlacer(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::WindowActivate)
            return false;
        const bool framed = !frameMargins(window).isNull();
        if (framed || type == QEvent::WindowActivate) {
            window->removeEventFilter(this);
            deleteLater();
            if (framed)
                place(window);
        }
        return false;
    }
};

} // namespace

void centerOnScreen(QWidget *window)
{
    place(window);
    if (!window->isVisible())
        new FramedPlacer(window);
}

} // namespace platform
