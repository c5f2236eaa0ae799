#pragma once

#include <QtGui/qtguiglobal.h>

class QWidget;

namespace platform {

// Asks the desktop to leave a top-level window out of its taskbar and pager,
// whatever its taskbar makes of the window's type: some X11 taskbars list
// utility windows all the same. Call it before the window is first shown.
// Where Qt has X11 (xcb) this sets the window's EWMH states; an X11 program
// on a Wayland desktop is told so too, and a native Wayland one has no say.
// Elsewhere a tool window, which the splash is, gets no taskbar button
// anyway, and this does nothing.
#if QT_CONFIG(xcb)
void keepOffTaskbar(QWidget *window);
#else
inline void keepOffTaskbar(QWidget *)
{
}
#endif

} // namespace platform
