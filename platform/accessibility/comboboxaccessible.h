#pragma once

#include <QAccessibleWidget>
#include <QComboBox>

namespace platform::accessibility {

// An editable combo box (a unit box) as a screen reader reads it, on every
// platform: named by its own name ("Width unit"), where Qt 6.4 names it
// after its text on Linux, with its text as its value and the action that
// opens its list. Its children are the list and the text, as in Qt's own: a
// screen reader ignores a list whose parent does not count it among its
// children.
//
// A unit picked with Up or Down while the list is closed is told once, on
// Linux: with Qt 6.4 and Orca 43, and with Qt 6.11 and Orca 51, by the
// text's change; with Qt 6.8, where Orca 48 says no change of a text that is
// not the focus, by an announcement. From Qt 6.8 Qt's bridge also sends the
// box's change of value as its change of selection, which Orca 48 and 51
// then said again with the box's name and role: that event is held back.
class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QComboBox *box);

#if defined(Q_OS_LINUX) && QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Whether the event is a unit box's change that is told otherwise.
    static bool isToldOtherwise(const QAccessibleEvent *event);
#endif

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString &action) override;

private:
    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }
};

} // namespace platform::accessibility
