#include "platform/appidentity.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace platform {
namespace {

// Metric-compatible stand-ins for the faces the layouts were drawn with.
constexpr auto kSansFamily = "Liberation Sans";
// The layouts were drawn for an 8 pt bitmap face that runs narrower than
// Liberation Sans; at 7.5 pt the widest caption, "Estimated Cost ($):", fits
// its 89 pixels.
constexpr qreal kDialogPointSize = 7.5;

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Mixora");
}

QIcon applicationIcon()
{
    // The .ico holds the 16 and 32 pixel images of the icon; the larger
    // renderings keep it sharp on high-density screens and in launchers.
    QIcon icon(QStringLiteral(":/assets/mixora.ico"));
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/assets/icons/mixora-%1.png").arg(size), QSize(size, size));
    return icon;
}

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(MIXORA_VERSION_TEXT));

    QApplication::setWindowIcon(applicationIcon());

    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QString::fromLatin1(kSansFamily));
    QFont::insertSubstitution(QStringLiteral("Arial"), QString::fromLatin1(kSansFamily));

    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSizeF(kDialogPointSize);
    app.setFont(dialogFont);
}

} // namespace platform
