#include "app/appsetup.h"

#include "platform/accessibility/accessibility.h"
#include "platform/appidentity.h"
#include "platform/style/appstyle.h"
#include "windows/design.h"

#include <QApplication>
#include <QIcon>

void setUpApplication(QApplication &)
{
    QApplication::setApplicationName(platform::applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(MIXORA_VERSION_TEXT));
    // Desktops match windows to their launcher by this id (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quendrix.Mixora"));

    QApplication::setWindowIcon(applicationIcon());
    QApplication::setStyle(new platform::AppStyle);
    platform::accessibility::install();
}
