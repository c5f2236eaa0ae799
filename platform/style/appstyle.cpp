// Every platform and Qt version; Alt alone kept from the menu bar on Linux before Qt 6.8.
#include "platform/style/appstyle.h"

#include "platform/style/latericon.h"

#include <QPointer>

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
