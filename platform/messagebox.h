#pragma once

#include <QString>

class QWidget;

namespace platform {

// Shows text in a modal message box: the application title as its caption,
// one OK button and no icon. Returns when the user dismisses it, or when
// its parent is destroyed under it.
void showMessage(QWidget *parent, const QString &text);

// True while a message box is open. Modality stops mouse and keys only; an
// assistive technology can still press buttons and menu commands, so every
// handler that acts asks this first and does nothing while a prompt is up.
bool isMessageOpen();

} // namespace platform
