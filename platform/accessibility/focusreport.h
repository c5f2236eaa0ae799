#pragma once

#include <QObject>

class QWidget;

namespace platform::accessibility {

// Keeps what Orca 43 hears of the keyboard focus in step with it, through
// Qt 6.4's AT-SPI bridge; on Linux before Qt 6.8 only (with Qt 6.8 and
// Orca 48, the screen-reader journey passes without any of it):
// - the focus is reported again once a window's activation has been, which
//   Orca announces after the box already reported, so the box is heard too;
// - the focus is reported again when the box that has it is shown again (as
//   a child window is, hidden for a moment, when it is restored): Orca moves
//   its attention to the window when the box is hidden, and would leave it
//   there;
// - a box's focus is reported before the box selects its text: Qt 6.4's
//   line edit selects all of its text as Tab brings the focus
//   in, and Qt reports the focus only after that; Orca 43 then says
//   "4 selected" and leaves the box's name unsaid;
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
    bool popupTookFocus(QObject *watched, QEvent *event);

    bool m_popupTookFocus = false;
};

} // namespace platform::accessibility
