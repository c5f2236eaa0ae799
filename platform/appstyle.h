#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace platform {

// The platform's style, with two changes. The fixed icons of title bars and
// menu bars are made once, and only when first drawn: Qt 6.4's Fusion builds
// a new icon from its built-in images at every paint of a maximised child
// window's buttons, and each new icon leaves another scaled copy in the
// pixmap cache, so memory grew with every calculator switch. And Alt alone
// does not take the keyboard to the menu bar, whose commands act at once on
// Alt and their letter: with a screen reader listening, Qt (6.4) at times
// took Alt+F's release for a lone Alt and left the focus in the menu bar.
class AppStyle : public QProxyStyle
{
    Q_OBJECT

public:
    AppStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

private:
    mutable QHash<int, QIcon> m_fixedIcons;
};

} // namespace platform
