#pragma once

class QString;
class QWidget;

namespace platform {

// Tells a screen reader what just happened, without moving the focus: the
// figures a Calculate press has filled in, for instance. Qt 6.8 has an
// announcement event for this. Qt 6.4 has none (and its AT-SPI bridge sends
// a changed description without its text), so there an empty, invisible
// notification inside the source carries the message; Orca reads a
// notification out when it appears. It goes again when the focus leaves.
void announce(QWidget *source, const QString &message);

} // namespace platform
