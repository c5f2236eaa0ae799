// The least that Qt Widgets programs of Mixora's kind must do, each shown
// as mixora_startupbench shows Mixora:
//   empty  one empty QWidget
//   label  one bold 18 pt Arial label (what showing any text costs: fonts)
//   mdi    a Continue button that opens a QMainWindow with a menu bar and a
//          QMdiArea holding one maximised sub-window of 27 widgets
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>

#include <cstring>

namespace {

// As many controls of each kind as a calculator has, in a plain grid.
QWidget *formOfThirty()
{
    auto *form = new QWidget;
    auto place = [form](QWidget *widget, int column, int row) {
        widget->setParent(form);
        widget->setGeometry(8 + column * 100, 8 + row * 30, 92, 24);
    };
    place(new QLabel(QStringLiteral("Heading")), 0, 0);
    for (int row = 1; row <= 3; ++row) {
        place(new QLabel(QStringLiteral("Caption:")), 0, row);
        place(new QLineEdit, 1, row);
        auto *unit = new QComboBox;
        unit->setEditable(true);
        unit->addItems({QStringLiteral("Inches"), QStringLiteral("Feet"), QStringLiteral("Meter")});
        place(unit, 2, row);
    }
    for (int i = 0; i < 7; ++i) {
        place(new QLabel(QStringLiteral("Result")), i % 3, 4 + 2 * (i / 3));
        auto *readOut = new QLineEdit;
        readOut->setReadOnly(true);
        place(readOut, i % 3, 5 + 2 * (i / 3));
    }
    place(new QPushButton(QStringLiteral("Clear")), 0, 10);
    place(new QPushButton(QStringLiteral("Calculate")), 1, 10);
    return form;
}

void showMainWindow()
{
    auto *window = new QMainWindow;
    for (const char *command : {"&Slab", "&Footing", "&Circular"})
        window->menuBar()->addAction(QString::fromLatin1(command));
    auto *area = new QMdiArea(window);
    window->setCentralWidget(area);
    QMdiSubWindow *sub = area->addSubWindow(formOfThirty());
    sub->setWindowTitle(QStringLiteral("Calculator"));
    sub->showMaximized();
    window->resize(311, 420);
    window->show();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const char *mode = argc > 1 ? argv[1] : "empty";
    QWidget *window = nullptr;
    if (std::strcmp(mode, "label") == 0) {
        auto *label = new QLabel(QStringLiteral("Quendrix's"));
        QFont font(QStringLiteral("Arial"), 18);
        font.setBold(true);
        label->setFont(font);
        window = label;
    } else if (std::strcmp(mode, "mdi") == 0) {
        auto *button = new QPushButton(QStringLiteral("Continue"));
        QObject::connect(button, &QPushButton::clicked, button, [button] {
            showMainWindow();
            button->close();
        });
        window = button;
    } else {
        window = new QWidget;
    }
    window->show();
    return app.exec();
}
