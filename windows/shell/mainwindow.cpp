#include "windows/shell/mainwindow.h"

#include "platform/appidentity.h"
#include "platform/centering.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/shell/calculatorsubwindow.h"
#include "windows/shell/forms.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

namespace twips = platform::twips;

namespace {

CalculatorSubWindow *subWindowOf(CalculatorWindow *calculator)
{
    return qobject_cast<CalculatorSubWindow *>(calculator->parentWidget());
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
    setCentralWidget(m_mdiArea);
    m_shelf = new QWidget(this, Qt::Window);
    m_shelf->setObjectName(QStringLiteral("shelf"));
    buildMenu();
}

// The children go before QObject's own teardown would cut these connections,
// and their last state changes must not reach a half-gone window.
MainWindow::~MainWindow()
{
    for (QMdiSubWindow *subWindow : findChildren<QMdiSubWindow *>())
        subWindow->disconnect(this);
}

// A prompt is a calculator's, and the calculator is this window's: the window
// stays until the prompt is answered, whatever asks it to close.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (platform::isMessageOpen()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
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

// A new calculator is made inside the area, where a screen reader first
// learns of it and keeps it: one that first appeared on the shelf would be
// taken for a window of its own, never active, after it joined the area. It
// joins the area's list of children when first shown.
CalculatorWindow *MainWindow::adopt(CalculatorWindow *calculator)
{
    auto *subWindow = new CalculatorSubWindow(calculator, m_mdiArea->viewport());
    // A restored or maximised child changes the title, unless in a switch.
    connect(subWindow, &QMdiSubWindow::windowStateChanged, this, [this] {
        if (!m_switching)
            showTitle();
    });
    // A closed child is still the active one as it goes, and takes its
    // caption out of the title only as it is destroyed; the title is set
    // after it has gone.
    connect(subWindow, &QObject::destroyed, this, &MainWindow::showTitle);
    subWindow->hide();
    return calculator;
}

// Left to itself, QMdiArea merges a maximised child's caption into the main
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
    if (!m_mdiArea->subWindowList().contains(subWindow))
        m_mdiArea->addSubWindow(subWindow);
    subWindow->setWindowTitle(QString()); // until the switch is over; see endSwitch()
    // Maximised, a calculator fills the client area, which was made to hold one.
    subWindow->showMaximized();
    m_mdiArea->setActiveSubWindow(subWindow);
}

void MainWindow::hideCalculator(CalculatorWindow *calculator)
{
    QMdiSubWindow *subWindow = subWindowOf(calculator);
    subWindow->hide();
    // A hidden calculator waits outside the area, out of its order of
    // activation: QMdiArea brings the child it activated last back into view
    // when the program is activated again with no child active, hidden or not.
    if (m_mdiArea->subWindowList().contains(subWindow)) {
        m_mdiArea->removeSubWindow(subWindow);
        subWindow->setParent(m_shelf);
    }
}
