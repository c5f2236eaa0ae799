#include "platform/appidentity.h"
#include "windows/shell/forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::setUpApplication(app);
    startMixora();
    const int status = app.exec();
    // The windows closed on the way out are deleted later; do it now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
