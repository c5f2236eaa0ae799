#include "platform/appidentity.h"

#include "platform/focusreport.h"
#include "platform/images.h"
#include "platform/lineeditaccessible.h"
#include "platform/appstyle.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace platform {
namespace {

// Windows has Arial, the face the layouts were drawn with; Linux has
// Liberation Sans, drawn to Arial's widths.
#ifdef Q_OS_WIN
constexpr auto kSansFamily = "Arial";
#else
constexpr auto kSansFamily = "Liberation Sans";
#endif
// The layouts were drawn for an 8 pt bitmap face that runs narrower than
// Arial; at 7.5 pt the widest caption, "Estimated Cost ($):", fits its 89
// pixels.
constexpr qreal kDialogPointSize = 7.5;

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Mixora");
}

QIcon applicationIcon()
{
    // The 32 pixel images serve the 16 pixel places on a doubled screen too;
    // launchers take the larger renderings from the installed icon theme.
    QIcon icon;
    for (int size : {32, 16})
        icon.addPixmap(QPixmap::fromImage(programImage(size)));
    return icon;
}

QFont designFont(qreal pointSize, bool bold)
{
    QFont font(QString::fromLatin1(kSansFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont dialogFont()
{
    return designFont(kDialogPointSize);
}

void setUpApplication(QApplication &)
{
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(MIXORA_VERSION_TEXT));
    // Desktops match windows to their launcher by this id (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quendrix.Mixora"));

    QApplication::setWindowIcon(applicationIcon());
    QApplication::setStyle(new AppStyle);
    installLineEditAccessible();
    installFocusReport();
}

} // namespace platform
