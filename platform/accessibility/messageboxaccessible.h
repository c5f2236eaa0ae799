#pragma once

#include <QAccessibleWidget>

class QMessageBox;

namespace platform::accessibility {

// A message box as a screen reader reads it, in place of Qt's own, with its
// text as its description too. Orca reads an alert as its title and then its
// description or, lacking one, the labels in it that label nothing and take
// no focus. The message box's label takes the focus on a click (its text is
// selectable with the mouse), which Orca 43 and 48 (with Qt 6.4 and 6.8)
// overlook and Orca 51 (with Qt 6.11, Debian testing) does not: there a
// prompt was heard as "alert Mixora", without its message.
class MessageBoxAccessible : public QAccessibleWidget
{
public:
    explicit MessageBoxAccessible(QMessageBox *box);

    QString text(QAccessible::Text t) const override;
};

} // namespace platform::accessibility
