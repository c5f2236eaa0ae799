#pragma once

#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QCoreApplication>

// Ends whatever a test left of the program: the windows and, with them, the
// calculators, so the next test starts from nothing as the program does.
inline void closeProgram()
{
    delete MDIForm1.existing();
    delete frmSplash.existing();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
