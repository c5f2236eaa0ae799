#include "platform/appidentity.h"
#include "platform/fontsetup.h"
#include "windows/shell/forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::FontSetUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    platform::setUpApplication(app);
    startMixora();
    const int status = app.exec();
    // The windows closed on the way out are deleted later; do it now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
