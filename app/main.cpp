#include "app/appsetup.h"
#include "app/fontwarmup.h"
#include "windows/shell/forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    setUpApplication(app);
    startMixora();
    const int status = app.exec();
    // The windows closed on the way out are deleted later; do it now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
