#pragma once

#include <QString>

class QApplication;
class QIcon;

namespace platform {

// The program's title, used as the main window's caption and every message box's.
QString applicationTitle();

// The program icon, in every size it is drawn at.
QIcon applicationIcon();

// Sets the application's name, version, window icon, style and fonts. The layouts
// were drawn for an 8 pt dialog font; the default font is chosen so that
// every caption fits.
void setUpApplication(QApplication &app);

} // namespace platform
