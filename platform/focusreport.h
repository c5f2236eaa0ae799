#pragma once

#include <QObject>

namespace platform {

// Reports a box's focus to screen readers before the box selects its text.
// Qt 6.4's line edit selects all of its text as Tab brings the focus in, and
// Qt reports the focus only after that; Orca 43 then says "4 selected" and
// leaves the box's name unsaid until a later key. Reported first as well,
// the box is heard by its name. Qt 6.8 and Orca 48 need none of this.
// Install with installFocusReport().
class FocusReport : public QObject
{
    Q_OBJECT

public:
    explicit FocusReport(QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Installs one on the application before Qt 6.8; elsewhere does nothing.
void installFocusReport();

} // namespace platform
