#include "windows/design.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "assets/mixora-16.xpm"
#include "assets/mixora-32.xpm"

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

QImage programImage(int size)
{
    return QImage(size <= 16 ? mixora_16_xpm : mixora_32_xpm);
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
