#pragma once

class QWidget;

namespace platform {

// Asks the desktop to leave a top-level window out of its taskbar and pager,
// whatever its taskbar makes of the window's type. Call it before the window
// is first shown. On X11 this sets the window's EWMH states; Wayland gives a
// client no say in this, so there it does nothing.
void keepOffTaskbar(QWidget *window);

} // namespace platform
