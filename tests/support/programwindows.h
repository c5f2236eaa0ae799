#pragma once

#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QCoreApplication>
#include <QMdiArea>

// Ends whatever a test left of the program: the windows and, with them, the
// calculators, so the next test starts from nothing as the program does.
inline void closeProgram()
{
    delete MDIForm1.existing();
    delete frmSplash.existing();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window's area of calculators, found by its object name as other
// tools find it: the main window does not hand it out.
inline QMdiArea *calculatorArea()
{
    MainWindow *main = MDIForm1.existing();
    return main ? main->findChild<QMdiArea *>(QStringLiteral("mdiArea")) : nullptr;
}
