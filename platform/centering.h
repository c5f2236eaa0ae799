#pragma once

class QWidget;

namespace platform {

// Moves a top-level window, frame and all, into the middle of its screen's
// available area, shrinking a resizable window that would not fit and keeping
// the top-left corner (title bar, menu bar) on screen when it still does not.
// Before the window is first shown its frame is not known yet; the window is
// placed once now and once more when the window manager has framed it.
void centerOnScreen(QWidget *window);

} // namespace platform
