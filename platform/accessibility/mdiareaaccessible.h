#pragma once

#include <QAccessibleWidget>

class QMdiArea;

namespace platform::accessibility {

// The area that holds the calculators, as a screen reader reads it, in place
// of Qt's own; on Linux only. Qt gives it the role of a layered pane, which
// Orca (43, 48 and 51) names among the containers of the box that takes the
// focus, as "layered pane" or "layered pane 0 items", whenever the focus
// comes in from the main window or a prompt: a word for something no one
// sees. As a filler, a role Orca takes for layout alone, it goes unsaid.
// Its children are its child windows, as in Qt's own.
class MdiAreaAccessible : public QAccessibleWidget
{
public:
    explicit MdiAreaAccessible(QMdiArea *area);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QMdiArea *mdiArea() const;
};

} // namespace platform::accessibility
