#include "platform/appidentity.h"

#include <QApplication>
#include <QFont>

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

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationDisplayName(applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(MIXORA_VERSION_TEXT));

    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QString::fromLatin1(kSansFamily));
    QFont::insertSubstitution(QStringLiteral("Arial"), QString::fromLatin1(kSansFamily));

    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSizeF(kDialogPointSize);
    app.setFont(dialogFont);
}

} // namespace platform
