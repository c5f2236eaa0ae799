#pragma once

class QAccessibleInterface;
class QObject;

namespace platform::accessibility {

// Announcements, on every platform. Qt 6.8 has an announcement event for
// them. Qt 6.4 has none (and its AT-SPI bridge sends a changed description
// without its text), so there an empty, invisible notification inside the
// source carries the message; a screen reader reads a notification out when
// it appears. It goes again when the focus leaves. announce() is declared in
// accessibility.h.

// The notification's interface, for an object that is one; else none.
QAccessibleInterface *noticeInterface(QObject *object);

} // namespace platform::accessibility
