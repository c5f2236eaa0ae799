// Memory against menu commands: presses Alt+S, Alt+F and Alt+C in turn on
// the real main window, letting each switch paint, and prints the heap in use
// and the resident size after 100 switches and after each further thousand.
// Run by hand: build/bench/mixora_switchmemory [SWITCHES] (default 10000),
// on Xvfb (QT_QPA_PLATFORM=xcb) or offscreen.
#include "app/appsetup.h"
#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <malloc.h>

#include <cstdio>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

long heapInUseKb()
{
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    const int switches = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;

    startMixora();
    if (!QTest::qWaitForWindowExposed(frmSplash.get()))
        return 1;
    frmSplash->Command1_Click();
    MainWindow *main = MDIForm1.get();
    if (!QTest::qWaitForWindowExposed(main))
        return 1;

    const char keys[] = {'F', 'C', 'S'};
    long heapAt100 = 0;
    long residentAt100 = 0;
    for (int i = 1; i <= switches; ++i) {
        QTest::keyClick(main, keys[i % 3], Qt::AltModifier);
        // Paint what the switch changed, as the screen would.
        QCoreApplication::processEvents();
        main->repaint();
        if (i == 100) {
            heapAt100 = heapInUseKb();
            residentAt100 = residentKb();
        }
        if (i == 100 || i % 1000 == 0)
            std::printf("%6d switches: heap in use %7ld KB, resident %7ld KB\n", i, heapInUseKb(), residentKb());
    }
    std::printf("growth from 100 to %d switches: heap %+ld KB, resident %+ld KB\n", switches,
                heapInUseKb() - heapAt100, residentKb() - residentAt100);
    return 0;
}
