// The least a Qt Widgets program can do: show one empty window, ended as soon
// as it is on screen. The start-up probe is measured against this.
#include "bench/exposewatcher.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    new ExposeWatcher(&window);
    window.show();
    return app.exec();
}
