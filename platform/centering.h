#pragma once

class QWidget;

namespace platform {

// Moves a top-level window so that it stands in the middle of its screen.
void centerOnScreen(QWidget *window);

} // namespace platform
