// Every platform and Qt version; Alt alone kept from the menu bar on Linux
// before Qt 6.8; a maximised child's buttons on Windows.
#include "platform/style/appstyle.h"

#include "platform/style/latericon.h"

#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace platform {
namespace {

// Fixed images, the same for every option and widget: the title-bar buttons,
// and the menu bar's overflow button.
bool isFixedIcon(QStyle::StandardPixmap icon)
{
    return (icon >= QStyle::SP_TitleBarMenuButton && icon <= QStyle::SP_TitleBarContextHelpButton)
        || icon == QStyle::SP_ToolBarHorizontalExtensionButton || icon == QStyle::SP_ToolBarVerticalExtensionButton;
}

} // namespace

AppStyle::AppStyle() = default;

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (!isFixedIcon(icon))
        return QProxyStyle::standardIcon(icon, option, widget);
    auto cached = m_fixedIcons.constFind(icon);
    if (cached == m_fixedIcons.cend()) {
        // A menu bar and a child window ask for theirs when they are made, for a
        // window menu and an overflow button seldom shown. Some are read from
        // image files, which loads every image plugin on the way to the first
        // calculator on screen, so each is made when it is first drawn.
        QPointer<const AppStyle> self(this);
        cached = m_fixedIcons.insert(icon, QIcon(new LaterIconEngine([self, icon] {
            return self ? self->QProxyStyle::standardIcon(icon) : QIcon();
        })));
    }
    return *cached;
}

#ifdef Q_OS_WIN
// Qt's windowsvista style (6.4, and still 6.9) draws a maximised child's
// buttons from the theme's one small picture of each; where a button is twice
// that picture's size (from 144 dpi with Wine's theme), it draws them at half
// their size and doubles that (its answer to QTBUG-75927): blurred. Drawn
// here instead as the theme's push buttons with the title-bar icons, both at
// the screen's scale.
void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                  const QWidget *widget) const
{
    if (control != CC_MdiControls) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    struct Button
    {
        SubControl control;
        StandardPixmap icon;
    };
    static constexpr Button buttons[] = {
        {SC_MdiMinButton, SP_TitleBarMinButton},
        {SC_MdiNormalButton, SP_TitleBarNormalButton},
        {SC_MdiCloseButton, SP_TitleBarCloseButton},
    };
    // The size the common style gives a title bar's button icons: the
    // theme's glyphs are as small beside their buttons.
    const QSize iconSize(10, 10);
    for (const Button &button : buttons) {
        if (!(option->subControls & button.control))
            continue;
        QStyleOption bevel = *option;
        bevel.rect = subControlRect(control, option, button.control, widget);
        bevel.state &= ~(State_Sunken | State_MouseOver);
        if (option->activeSubControls & button.control)
            bevel.state |= option->state & (State_Sunken | State_MouseOver);
        drawPrimitive(PE_PanelButtonBevel, &bevel, painter, widget);
        const QIcon::Mode mode = option->state & State_Enabled ? QIcon::Normal : QIcon::Disabled;
        const QPixmap icon = standardIcon(button.icon, &bevel, widget)
                                 .pixmap(iconSize, painter->device()->devicePixelRatio(), mode);
        drawItemPixmap(painter, bevel.rect, Qt::AlignCenter, icon);
    }
}
#endif

#if defined(Q_OS_LINUX) && QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
int AppStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                        QStyleHintReturn *returnData) const
{
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
#endif

} // namespace platform
