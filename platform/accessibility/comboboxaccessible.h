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
// On Linux with Qt 6.8, a unit picked with Up or Down while the list is
// closed is announced: Qt reports it as the box's change of selection, which
// Orca 48 leaves to the box's text to tell, and the text's changes, not
// being the focus, go unspoken. Qt 6.4 and Orca 43 say it already, and so do
// Qt 6.11 and Orca 51, from the text's change.
class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QComboBox *box);

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
