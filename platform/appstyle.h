#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace platform {

// The platform's style, with one change: the fixed icons of title bars and
// menu bars are made once, and only when first drawn. Qt 6.4's Fusion builds
// a new icon from its built-in images at every paint of a maximised child
// window's buttons, and each new icon leaves another scaled copy in the
// pixmap cache, so memory grew with every calculator switch.
class SteadyIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    SteadyIconStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    mutable QHash<int, QIcon> m_fixedIcons;
};

} // namespace platform
