#pragma once

#include <QString>

class QApplication;

namespace platform {

// The program's title, used as the main window's caption and every message box's.
QString applicationTitle();

// Sets the application's name, version and fonts. The layouts were drawn for
// an 8 pt dialog font; the default font is chosen so every caption fits.
void setUpApplication(QApplication &app);

} // namespace platform
