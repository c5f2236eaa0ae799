#include "platform/steadyiconstyle.h"

namespace platform {

SteadyIconStyle::SteadyIconStyle() = default;

QIcon SteadyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // These are fixed images, the same for every option and widget.
    if (icon < SP_TitleBarMenuButton || icon > SP_TitleBarContextHelpButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    auto cached = m_titleBarIcons.constFind(icon);
    if (cached == m_titleBarIcons.cend())
        cached = m_titleBarIcons.insert(icon, QProxyStyle::standardIcon(icon, option, widget));
    return *cached;
}

} // namespace platform
