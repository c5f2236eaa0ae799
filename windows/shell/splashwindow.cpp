#include "windows/shell/splashwindow.h"

#include "platform/centering.h"
#include "platform/twips.h"
#include "platform/x11/taskbar.h"
#include "windows/design.h"
#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace twips = platform::twips;

namespace {

struct SplashLabel
{
    const char *name;
    const char *text;
    QRect box; // twips, within the frame
    qreal pointSize;
    bool bold;
    bool rightAligned;
    bool sizedToText;
};

const SplashLabel kLabels[] = {
    {"lblLicenseTo", "LicenseTo", {120, 240, 6855, 255}, 8.25, false, true, false},
    {"lblWarning", "Warning", {240, 3600, 6855, 195}, 8.25, false, false, false},
    {"lblCompany", "Company", {3960, 3120, 2415, 255}, 8.25, false, false, false},
    {"lblCopyright", "Copyright", {3960, 2880, 2415, 255}, 8.25, false, false, false},
    {"lblVersion", "Version", {3960, 2640, 885, 285}, 12, true, true, true},
    {"lblPlatform", "MIXORA", {2040, 1800, 3990, 360}, 15.75, true, true, true},
    {"lblCompanyProduct", "Quendrix's", {2355, 705, 3345, 435}, 18, true, false, true},
};

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QFrame(parent)
{
    // No title bar and no taskbar button; Alt+F4 still closes it, which
    // ends the program because no other window is open yet.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // Some taskbars list utility windows all the same.
    platform::keepOffTaskbar(this);
    setAttribute(Qt::WA_QuitOnClose);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialogFont());
    // The fixed dialog border, drawn around the client area.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    const int border = frameWidth();
    setFixedSize(twips::size(7380, 4245) + QSize(2 * border, 2 * border));
    // The window has no caption; a screen reader still says what it is.
    setAccessibleName(QStringLiteral("Mixora"));

    // An etched box like a caption-less group box, drawn without the style's
    // group-box image, which would load every image plugin at start-up.
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips::rect(150, 60, 7080, 4050).translated(border, border));

    buildLogo(frame);
    buildLabels(frame);
    m_continue = new QPushButton(tr("Continue"), frame);
    m_continue->setObjectName(QStringLiteral("Command1"));
    m_continue->setGeometry(twips::rect(5160, 3480, 1335, 495));
    connect(m_continue, &QPushButton::clicked, this, &SplashWindow::Command1_Click);
    m_continue->setFocus();

    fitOnScreen(frame);
    platform::centerOnScreen(this);
}

// On a screen smaller than the window, the window takes the screen's size
// and its contents scroll, with Continue in view.
void SplashWindow::fitOnScreen(QWidget *frame)
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : size();
    if (room.width() >= width() && room.height() >= height())
        return;
    const int border = frameWidth();
    auto *content = new QWidget;
    content->resize(size().shrunkBy(QMargins(border, border, border, border)));
    frame->setParent(content);
    frame->move(frame->pos() - QPoint(border, border));
    frame->show();
    setFixedSize(size().boundedTo(room));
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setGeometry(contentsRect());
    // Continue keeps the keyboard; the arrows of the bars are for the mouse.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(content);
    scroll->ensureWidgetVisible(m_continue);
    m_continue->setFocus();
}

void SplashWindow::buildLabels(QWidget *frame)
{
    for (const SplashLabel &caption : kLabels) {
        auto *label = new QLabel(QString::fromLatin1(caption.text), frame);
        label->setObjectName(QString::fromLatin1(caption.name));
        label->setFont(designFont(caption.pointSize, caption.bold));
        label->setAlignment((caption.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setGeometry(twips::rect(caption.box));
        if (caption.sizedToText)
            label->resize(label->sizeHint());
    }
}

void SplashWindow::buildLogo(QWidget *frame)
{
    auto *logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setAccessibleName(tr("Mixora logo"));
    logo->setGeometry(twips::rect(240, 840, 1815, 1905));
    // Stretched pixel by pixel, so the 32 pixel artwork stays crisp instead
    // of blurring; rendered for the screen's pixel density.
    const qreal ratio = devicePixelRatioF();
    QPixmap stretched = QPixmap::fromImage(
        programImage(32).scaled(logo->size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    stretched.setDevicePixelRatio(ratio);
    logo->setPixmap(stretched);
}

// A tool window is not activated when it appears, by window managers on X11
// nor by Windows; the splash asks for the keyboard itself, so that Continue
// has it and a screen reader finds the window. It asks once it is on screen:
// Windows shows a tool window without activating it after this event.
void SplashWindow::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    QTimer::singleShot(0, this, &QWidget::activateWindow);
}

void SplashWindow::Command1_Click()
{
    MDIForm1->show();
    close();
}
