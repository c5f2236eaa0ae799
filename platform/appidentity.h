#pragma once

#include <QString>

class QApplication;
class QFont;
class QIcon;

namespace platform {

// The program's title, used as the main window's caption and every message box's.
QString applicationTitle();

// The program icon, in every size it is drawn at.
QIcon applicationIcon();

// The face the windows' texts are set in, at a size and weight: Arial on
// Windows, one of the faces the layouts were drawn with ("MS Sans Serif" and
// "Arial"), and Liberation Sans, metric-compatible with it, elsewhere. Asked
// for by its own name, which the font database finds at once, where a
// substituted name is first looked for in vain.
QFont designFont(qreal pointSize, bool bold = false);

// The font of the windows laid out in twips, the splash and the calculators.
// Their layouts were drawn for an 8 pt dialog font; this one is chosen so that
// every caption fits. Everything else (menu bar, prompts) keeps the desktop's.
QFont dialogFont();

// Sets the application's name, version, window icon and style.
void setUpApplication(QApplication &app);

} // namespace platform
