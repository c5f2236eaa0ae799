#include "bench/exposewatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

ExposeWatcher::ExposeWatcher(QWidget *widget)
    : QObject(widget)
{
    widget->winId(); // makes the window handle exist before it is shown
    widget->windowHandle()->installEventFilter(this);
}

bool ExposeWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
        QCoreApplication::exit(0);
    return false;
}
