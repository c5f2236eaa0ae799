#pragma once

#include <QAccessibleWidget>
#include <QMdiArea>
#include <QPointer>

class QMdiSubWindow;

namespace platform::accessibility {

// A calculator's child window as a screen reader reads it, in place of Qt's
// own; on Linux only. A hidden calculator waits outside the area and comes
// back into it; Qt's AT-SPI bridge reports no change of parent, and Orca 48
// keeps the parent it read while the calculator was away: back from
// minimised by way of another calculator, its boxes were taken for those of
// a window never active, and nothing in it was heard. So its parent stays
// the area it was last in. Named by its title, with its calculator as its
// only child, as in Qt's own.
class MdiSubWindowAccessible : public QAccessibleWidget
{
public:
    explicit MdiSubWindowAccessible(QMdiSubWindow *window);

    QString text(QAccessible::Text t) const override;
    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QMdiSubWindow *subWindow() const;

    mutable QPointer<QMdiArea> m_area;
};

} // namespace platform::accessibility
