#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace platform {

// The platform's style, on every platform and Qt version, with its fixed
// icons (title bars, menu bar) made once and only when first drawn: Qt 6.4's
// Fusion builds a new icon from its built-in images at every paint of a
// maximised child window's buttons, each leaving another scaled copy in the
// pixmap cache, so memory grew with every calculator switch; and some are
// read from image files, which would load every image plugin on the way to
// the first calculator on screen.
//
// On Linux before Qt 6.8, Alt alone does not take the keyboard to the menu
// bar, whose commands act at once on Alt and their letter: with a screen
// reader listening, Qt 6.4 at times took Alt+F's release for a lone Alt and
// left the focus in the menu bar. Elsewhere Alt alone goes to the menu bar,
// as the platform's own programs do.
//
// On Windows, a maximised child's buttons at the menu bar's end are the
// theme's push buttons with the title-bar icons, sharp at every scale.
class AppStyle : public QProxyStyle
{
    Q_OBJECT

public:
    AppStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
#ifdef Q_OS_WIN
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
#endif
#if defined(Q_OS_LINUX) && QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
#endif

private:
    mutable QHash<int, QIcon> m_fixedIcons;
};

} // namespace platform
