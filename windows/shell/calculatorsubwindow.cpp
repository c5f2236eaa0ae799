#include "windows/shell/calculatorsubwindow.h"

#include "platform/messagebox.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/design.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QScrollBar>

CalculatorSubWindow::CalculatorSubWindow(CalculatorWindow *calculator, QWidget *parent)
    : QMdiSubWindow(parent)
{
    setObjectName(calculator->objectName());
    // Its title bar belongs to the layout measured in twips.
    setFont(dialogFont());
    // A new calculator starts in the box it chose; taken in, it forgets it.
    m_focus = calculator->focusWidget();
    setWidget(calculator);
    for (QWidget *control : calculator->findChildren<QWidget *>())
        control->installEventFilter(this);
    // Restored from maximised, a calculator takes its designed size.
    resize(sizeHint());
    setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &QMdiSubWindow::windowStateChanged, this, &CalculatorSubWindow::changeState);
}

// QMdiSubWindow's teardown reports its last state change, which must not
// reach this part of it, gone by then.
CalculatorSubWindow::~CalculatorSubWindow()
{
    disconnect(this, &QMdiSubWindow::windowStateChanged, this, nullptr);
}

// Modality holds back the mouse and keys of a real desktop; a close that
// reaches the window anyway (its shortcut, on a platform that lets the main
// window be activated under a prompt) waits for the prompt like any command.
void CalculatorSubWindow::closeEvent(QCloseEvent *event)
{
    if (platform::isMessageOpen()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

bool CalculatorSubWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        auto *control = static_cast<QWidget *>(watched);
        if (control->window() == window()) {
            m_focus = control;
            scrollIntoView(control);
        }
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

// Hiding, the window keeps its focus where it is, for its return.
bool CalculatorSubWindow::focusNextPrevChild(bool next)
{
    if (!isVisible())
        return true;
    return QMdiSubWindow::focusNextPrevChild(next);
}

void CalculatorSubWindow::changeState(Qt::WindowStates oldState, Qt::WindowStates newState)
{
    constexpr Qt::WindowStates sized = Qt::WindowMaximized | Qt::WindowMinimized;
    if ((oldState & sized) && !(newState & sized))
        fitInArea();
    if (newState & Qt::WindowMinimized)
        return;
    // QMdiSubWindow hides the calculator while minimised, and shows it again
    // as it is restored only if it stayed in the area all along: one that
    // was minimised as it left for the shelf would come back blank.
    if (widget()->isHidden())
        widget()->show();
    // Activated, before QMdiSubWindow would pick a control itself; or back
    // from minimised, where the frame itself kept the focus.
    if (newState & Qt::WindowActive && m_focus && !widget()->isAncestorOf(QApplication::focusWidget()))
        m_focus->setFocus();
}

// Restored, a calculator keeps its designed size where the area holds it,
// and shrinks to the area where it does not, so nothing hides under scroll
// bars; the calculator scrolls only on a screen too small for its controls.
void CalculatorSubWindow::fitInArea()
{
    if (!mdiArea())
        return;
    const QSize fitting = sizeHint().boundedTo(mdiArea()->maximumViewportSize());
    setGeometry(QRect(QPoint(0, 0), fitting.expandedTo(minimumSizeHint())));
}

void CalculatorSubWindow::scrollIntoView(QWidget *control)
{
    QWidget *viewport = mdiArea() ? mdiArea()->viewport() : nullptr;
    if (!viewport || !viewport->isAncestorOf(control))
        return;
    const QRect box(control->mapTo(viewport, QPoint(0, 0)), control->size());
    auto scroll = [](QScrollBar *bar, int start, int end, int length) {
        if (end > length)
            bar->setValue(bar->value() + qMin(end - length, start));
        else if (start < 0)
            bar->setValue(bar->value() + start);
    };
    scroll(mdiArea()->horizontalScrollBar(), box.left(), box.right() + 1, viewport->width());
    scroll(mdiArea()->verticalScrollBar(), box.top(), box.bottom() + 1, viewport->height());
}
