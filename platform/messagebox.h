#pragma once

#include <QString>

class QWidget;

namespace platform {

// Shows text in a modal message box: the application title as its caption,
// one OK button and no icon. Returns when the user dismisses it.
void showMessage(QWidget *parent, const QString &text);

} // namespace platform
