#include "tests/support/shelldriver.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QWindow>

namespace shell {
namespace {

// The title bar as QMdiSubWindow lays it out: inside its border, and as
// tall as the style's title bar, which a minimised window's frame encloses.
QStyleOptionTitleBar titleBar(QMdiSubWindow *child)
{
    QStyleOptionTitleBar option;
    option.initFrom(child);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = child->windowFlags();
    option.titleBarState = child->windowState();
    option.icon = child->windowIcon();
    const bool bordered = !child->style()->styleHint(QStyle::SH_TitleBar_NoBorder, &option, child);
    const int border = bordered ? 4 : 0;
    int height = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, child);
    if (bordered)
        height += child->isMinimized() ? 8 : 4;
    height -= child->isMinimized() ? 2 * border : border;
    option.rect = QRect(border, border, child->width() - 2 * border, height);
    return option;
}

// Where a control of the child window's frame is, in the widget that takes
// its clicks; an empty rectangle when its state shows no such control.
QRect titleBarControl(QMdiSubWindow *child, QStyle::SubControl control)
{
    const QStyleOptionTitleBar option = titleBar(child);
    return child->style()->subControlRect(QStyle::CC_TitleBar, &option, control, child);
}

// A restored child larger than the area (the native Windows frame is) has
// scroll bars beside it, which may cover its buttons: the user scrolls first.
void scrollIntoView(QMdiSubWindow *child, const QRect &control)
{
    QMdiArea *area = child->mdiArea();
    const QRect inViewport(child->mapTo(area->viewport(), control.topLeft()), control.size());
    const QRect visible = area->viewport()->rect();
    if (inViewport.right() > visible.right())
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + inViewport.right() - visible.right());
    if (inViewport.left() < 0)
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + inViewport.left());
    if (inViewport.top() < 0)
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + inViewport.top());
}

// Clicks a control of the child window's title bar, in view. Under Wine,
// the first click on a button of a child window whose flags changed (Stay
// on Top) does nothing; the user clicks again.
void clickTitleBar(QMdiSubWindow *child, QStyle::SubControl control)
{
    const QRect where = titleBarControl(child, control);
    scrollIntoView(child, where);
    const QPointer<QMdiSubWindow> target = child;
    const Qt::WindowStates before = child->windowState();
    click(child, where.center());
    if (target && target->windowState() == before && !target->systemMenu()->isVisible())
        click(child, where.center());
}

QRect cornerControl(QWidget *controls, QStyle::SubControl control)
{
    QStyleOptionComplex option;
    option.initFrom(controls);
    option.subControls = QStyle::SC_MdiMinButton | QStyle::SC_MdiNormalButton | QStyle::SC_MdiCloseButton;
    return controls->style()->subControlRect(QStyle::CC_MdiControls, &option, control, controls);
}

QString plain(QString text)
{
    return text.remove(u'&');
}

// Alt pressed and released alone, with the modifiers a window system gives
// it: held while it goes down, none once it is up.
void altAlone(QWidget *window)
{
    QWindow *handle = window->window()->windowHandle();
    QTest::keyPress(handle, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(handle, Qt::Key_Alt, Qt::NoModifier);
}

} // namespace

// Through the top-level window, as the window system delivers a click: a
// window that a prompt blocks takes none. The pointer gets there first, as a person's
// does, for the controls that light up under it (a title bar's buttons act
// only on the one under it).
void click(QWidget *widget, const QPoint &at)
{
    QWidget *top = widget->window();
    const QPoint inTop = widget->mapTo(top, at);
    QTest::mouseMove(top->windowHandle(), inTop);
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, inTop);
}

void key(QWidget *window, const QKeySequence &keys)
{
    for (int i = 0; i < keys.count(); ++i) {
        const QKeyCombination combination = keys[i];
        QTest::keyClick(window->window()->windowHandle(), combination.key(), combination.keyboardModifiers());
    }
}

void requestClose(QWidget *window)
{
    window->windowHandle()->close();
}

bool clickButton(QMainWindow *mainWindow, QMdiSubWindow *child, Button button)
{
    if (child->isMaximized()) {
        QWidget *controls = mainWindow->menuBar()->cornerWidget(Qt::TopRightCorner);
        const QStyle::SubControl controlsOf[] = {QStyle::SC_MdiMinButton, QStyle::SC_MdiNormalButton, QStyle::SC_None,
                                                 QStyle::SC_MdiCloseButton};
        const QStyle::SubControl control = controlsOf[int(button)];
        if (!controls || control == QStyle::SC_None)
            return false;
        click(controls, cornerControl(controls, control).center());
        return true;
    }
    QStyle::SubControl control = QStyle::SC_TitleBarCloseButton;
    switch (button) {
    case Button::Minimize:
        control = QStyle::SC_TitleBarMinButton;
        break;
    case Button::Restore:
        control = child->isMinimized() ? QStyle::SC_TitleBarNormalButton : QStyle::SC_None;
        break;
    case Button::Maximize:
        control = QStyle::SC_TitleBarMaxButton;
        break;
    case Button::Close:
        break;
    }
    if (control == QStyle::SC_None || (control == QStyle::SC_TitleBarMinButton && child->isMinimized()))
        return false;
    if (!titleBarControl(child, control).isValid())
        return false;
    clickTitleBar(child, control);
    return true;
}

QStringList windowMenuEntries(QMdiSubWindow *child)
{
    QStringList entries;
    for (QAction *action : child->systemMenu()->actions()) {
        if (!action->isSeparator())
            entries.append(plain(action->text()));
    }
    return entries;
}

bool chooseWindowMenuEntry(QMainWindow *mainWindow, QMdiSubWindow *child, const QString &entry)
{
    if (child->isMaximized()) {
        QWidget *icon = mainWindow->menuBar()->cornerWidget(Qt::TopLeftCorner);
        if (!icon)
            return false;
        click(icon, icon->rect().center());
    } else {
        clickTitleBar(child, QStyle::SC_TitleBarSysMenu);
    }
    QMenu *menu = child->systemMenu();
    if (!menu->isVisible())
        return false;
    // Qt leaves out the entries a state does not offer (Move and Size while
    // maximised, and after it until the window's flags change).
    for (QAction *action : menu->actions()) {
        if (plain(action->text()) == entry && action->isVisible())
            click(menu, menu->actionGeometry(action).center());
    }
    // Move and Size take the mouse and wait for the arrows; a disabled entry
    // leaves the menu open.
    if (QWidget::mouseGrabber() == child)
        key(mainWindow, Qt::Key_Escape);
    if (QWidget *popup = QApplication::activePopupWidget())
        key(popup, Qt::Key_Escape);
    return true;
}

bool menuCommand(QMainWindow *mainWindow, const QString &name, Way way)
{
    QMenuBar *bar = mainWindow->menuBar();
    const QList<QAction *> commands = bar->actions();
    QAction *action = bar->findChild<QAction *>(name);
    if (!action)
        return false;
    switch (way) {
    case Way::Click:
        click(bar, bar->actionGeometry(action).center());
        break;
    case Way::AltLetter:
        key(mainWindow, QKeySequence(Qt::ALT | Qt::Key(action->text().at(action->text().indexOf(u'&') + 1).toUpper().unicode())));
        break;
    case Way::AltArrows:
        if (!bar->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, bar))
            return false;
        altAlone(mainWindow);
        // Alt lights the command under the pointer, or else the first.
        if (QAction *lit = bar->activeAction()) {
            const qsizetype steps = (commands.indexOf(action) - commands.indexOf(lit) + commands.size()) % commands.size();
            for (qsizetype i = 0; i < steps; ++i)
                key(mainWindow, Qt::Key_Right);
        }
        key(mainWindow, Qt::Key_Return);
        break;
    }
    return true;
}

} // namespace shell
