#pragma once

#include <QObject>

class QWidget;

namespace platform::accessibility {

// Keeps what Orca hears of the keyboard focus in step with it, on Linux
// (with Qt 6.8 and Orca 48, the screen-reader journey passes without any of
// it):
// - the focus is reported again once a window's activation has been, which
//   Orca announces after the box already reported, so the box is heard too;
//   with Qt 6.4 and Orca 43, and with Qt 6.11 and Orca 51, where the first
//   report of a window's focus, as the program starts, can reach Orca before
//   the window's activation or not at all: the splash was heard as "Mixora",
//   without its Continue button. From Qt 6.11, only this.
// Before Qt 6.8 also:
// - the focus is reported again when the box that has it is shown again (as
//   a child window is, hidden for a moment, when it is restored): Orca moves
//   its attention to the window when the box is hidden, and would leave it
//   there;
// - a window does not report its activation again around a drop-down
//   list: Qt 6.4 reports the window activated whenever its native
//   window loses the keyboard to the list and gets it back, and Orca then
//   announces the window in place of the list or the box.
class FocusReport : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reportLater(QWidget *control);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    bool popupTookFocus(QObject *watched, QEvent *event);

    bool m_popupTookFocus = false;
#endif
};

} // namespace platform::accessibility
