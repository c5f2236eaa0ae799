// The program's own start-up, ended as soon as the splash window is on screen.
#include "bench/exposewatcher.h"
#include "platform/appidentity.h"
#include "windows/shell/forms.h"
#include "windows/shell/splashwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::setUpApplication(app);
    new ExposeWatcher(frmSplash.get());
    startMixora();
    return app.exec();
}
