#include "windows/shell/mainwindow.h"

#include "platform/appidentity.h"
#include "platform/centering.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/shell/forms.h"

#include <QAccessible>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace twips = platform::twips;

namespace {

QMdiSubWindow *subWindowOf(CalculatorWindow *calculator)
{
    return qobject_cast<QMdiSubWindow *>(calculator->parentWidget());
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(platform::applicationTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // On a screen too small for a calculator, it scrolls into reach.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // ... and the keyboard's focus scrolls along with it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        keepFocusOfHidden(old);
        scrollIntoView(now);
    });
    setCentralWidget(m_mdiArea);
    m_shelf = new QWidget(this, Qt::Window);
    m_shelf->setObjectName(QStringLiteral("shelf"));
    buildMenu();
}

// The children go before QObject's own teardown would cut these connections,
// and their last focus and state changes must not reach a half-gone window.
MainWindow::~MainWindow()
{
    QObject::disconnect(qApp, nullptr, this, nullptr);
    for (QMdiSubWindow *subWindow : findChildren<QMdiSubWindow *>())
        subWindow->disconnect(this);
}

// The client area below the menu bar, as the window was designed. A
// maximised child puts its buttons into the menu bar, which grows a little
// for them; the bar keeps that height, so the area below it does not change
// whether or not a calculator is maximised.
void MainWindow::fitClientArea()
{
    const int barHeight = menuBar()->sizeHint().height();
    menuBar()->setMinimumHeight(barHeight);
    resize(twips::size(4665, 5970) + QSize(0, barHeight));
    platform::centerOnScreen(this);
}

// Restored, a calculator keeps its designed size where the area holds it,
// and shrinks to the area where it does not, so nothing hides under scroll
// bars; the calculator scrolls only on a screen too small for its controls.
void MainWindow::fitInArea(QMdiSubWindow *subWindow)
{
    const QSize fitting = subWindow->sizeHint().boundedTo(m_mdiArea->maximumViewportSize());
    subWindow->setGeometry(QRect(QPoint(0, 0), fitting.expandedTo(subWindow->minimumSizeHint())));
}

// Restoring or maximising a child hides it for a moment, and Qt then moves
// its focus on to the next control (and selects that one's text); the
// control the user was in is noted and given back once the change is over.
void MainWindow::keepFocusOfHidden(QWidget *old)
{
    for (QMdiSubWindow *subWindow : m_mdiArea->subWindowList()) {
        if (!subWindow->isVisible() && old && subWindow->isAncestorOf(old))
            static_cast<CalculatorWindow *>(subWindow->widget())->rememberFocus(old);
    }
}

// Qt (6.4) reports the window as activated again whenever its native window
// loses the keyboard to a drop-down list and gets it back, and a screen
// reader then announces the main window instead of the list or the box. The
// window stays the active one throughout, so those two reports are dropped.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != windowHandle())
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut && QApplication::activePopupWidget()) {
        m_popupTookFocus = true;
        return true;
    }
    if (event->type() == QEvent::FocusIn && std::exchange(m_popupTookFocus, false)
        && static_cast<QFocusEvent *>(event)->reason() != Qt::TabFocusReason
        && static_cast<QFocusEvent *>(event)->reason() != Qt::BacktabFocusReason)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    windowHandle()->installEventFilter(this);
}

// The box with the focus is reported before the window's activation, which
// a screen reader then announces last; reported again, the box is heard too.
void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QTimer::singleShot(0, this, [this] {
            if (QWidget *focus = focusWidget(); focus && isActiveWindow()) {
                QAccessibleEvent focusEvent(focus, QAccessible::Focus);
                QAccessible::updateAccessibility(&focusEvent);
            }
        });
    }
}

void MainWindow::scrollIntoView(QWidget *control)
{
    QWidget *viewport = m_mdiArea->viewport();
    if (!control || !viewport->isAncestorOf(control))
        return;
    const QRect box(control->mapTo(viewport, QPoint(0, 0)), control->size());
    auto scroll = [](QScrollBar *bar, int start, int end, int length) {
        if (end > length)
            bar->setValue(bar->value() + qMin(end - length, start));
        else if (start < 0)
            bar->setValue(bar->value() + start);
    };
    scroll(m_mdiArea->horizontalScrollBar(), box.left(), box.right() + 1, viewport->width());
    scroll(m_mdiArea->verticalScrollBar(), box.top(), box.bottom() + 1, viewport->height());
}

void MainWindow::buildMenu()
{
    // Commands on the bar itself: a click or Alt+letter acts at once.
    struct Command
    {
        const char *name;
        const char *caption;
        void (MainWindow::*handler)();
    };
    const Command commands[] = {
        {"slab", QT_TR_NOOP("&Slab"), &MainWindow::slab_Click},
        {"footing", QT_TR_NOOP("&Footing"), &MainWindow::footing_Click},
        {"circular", QT_TR_NOOP("&Circular"), &MainWindow::circular_Click},
    };
    for (const Command &command : commands) {
        QAction *action = menuBar()->addAction(tr(command.caption));
        action->setObjectName(QString::fromLatin1(command.name));
        connect(action, &QAction::triggered, this, command.handler);
    }
}

void MainWindow::MDIForm_Load()
{
    m_switching = true;
    showCalculator(slabcalc.get());
    fitClientArea();
    endSwitch();
}

void MainWindow::slab_Click()
{
    switchTo(slabcalc.get(), footingcalc.get(), circularcalc.get());
}

void MainWindow::footing_Click()
{
    switchTo(footingcalc.get(), circularcalc.get(), slabcalc.get());
}

void MainWindow::circular_Click()
{
    switchTo(circularcalc.get(), footingcalc.get(), slabcalc.get());
}

// Shows the chosen calculator first, then hides the other two in the order given.
void MainWindow::switchTo(CalculatorWindow *shown, CalculatorWindow *firstHidden, CalculatorWindow *secondHidden)
{
    if (platform::isMessageOpen())
        return;
    m_switching = true;
    showCalculator(shown);
    hideCalculator(firstHidden);
    hideCalculator(secondHidden);
    endSwitch();
}

CalculatorWindow *MainWindow::adopt(CalculatorWindow *calculator)
{
    auto *subWindow = new QMdiSubWindow(m_shelf);
    subWindow->setObjectName(calculator->objectName());
    // Its title bar belongs to the layout measured in twips.
    subWindow->setFont(platform::dialogFont());
    subWindow->setWidget(calculator);
    // Restored from maximised, a calculator takes its designed size.
    subWindow->resize(subWindow->sizeHint());
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    // A restored or maximised child changes the title, unless in a switch.
    connect(subWindow, &QMdiSubWindow::windowStateChanged, this,
            [this, subWindow](Qt::WindowStates, Qt::WindowStates now) {
                if (!(now & (Qt::WindowMaximized | Qt::WindowMinimized)))
                    fitInArea(subWindow);
                static_cast<CalculatorWindow *>(subWindow->widget())->restoreFocus();
                if (!m_switching)
                    showTitle();
            });
    subWindow->hide();
    return calculator;
}

// Left to itself, QMdiArea (Qt 6.4) merges a maximised child's caption into the main
// window's title and takes it out again as children are shown and hidden:
// several titles in one switch, each of which the desktop is told of. So the
// child being shown has no caption until the switch is over; then the main
// window sets its title, once, and the child gets its caption back, which
// QMdiArea finds already in the title.
void MainWindow::endSwitch()
{
    m_switching = false;
    showTitle();
    for (QMdiSubWindow *subWindow : findChildren<QMdiSubWindow *>())
        subWindow->setWindowTitle(subWindow->widget()->windowTitle());
}

void MainWindow::showTitle()
{
    QString title = platform::applicationTitle();
    if (QMdiSubWindow *active = m_mdiArea->activeSubWindow(); active && active->isMaximized())
        title = tr("%1 - [%2]").arg(title, active->widget()->windowTitle());
    setWindowTitle(title);
}

void MainWindow::showCalculator(CalculatorWindow *calculator)
{
    QMdiSubWindow *subWindow = subWindowOf(calculator);
    for (QMdiSubWindow *inView : m_mdiArea->subWindowList()) {
        if (inView->isVisible())
            static_cast<CalculatorWindow *>(inView->widget())->rememberFocus(inView->widget()->focusWidget());
    }
    if (!m_mdiArea->subWindowList().contains(subWindow))
        m_mdiArea->addSubWindow(subWindow);
    subWindow->setWindowTitle(QString()); // until the switch is over; see endSwitch()
    // Maximised, a calculator fills the client area, which was made to hold one.
    subWindow->showMaximized();
    m_mdiArea->setActiveSubWindow(subWindow);
    calculator->restoreFocus();
}

void MainWindow::hideCalculator(CalculatorWindow *calculator)
{
    QMdiSubWindow *subWindow = subWindowOf(calculator);
    subWindow->hide();
    // A hidden calculator waits outside the area: QMdiArea (Qt 6.4) brings the child it
    // activated last back into view when the program is activated again with
    // no child active, hidden or not.
    if (m_mdiArea->subWindowList().contains(subWindow)) {
        m_mdiArea->removeSubWindow(subWindow);
        subWindow->setParent(m_shelf);
    }
}
