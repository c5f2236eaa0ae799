#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QMainWindow;
class QLineEdit;
class QPushButton;
class QWidget;

// Drives a calculator window the way a person does: clicks into a box,
// types, clicks the buttons, and reads what the boxes show.
namespace driver {

// "4|10|10" as a list of texts, the way the tests write expected boxes.
QStringList words(const char *list);

QLineEdit *textBox(QWidget *window, const char *name);
QComboBox *unitBox(QWidget *window, const char *name);
QPushButton *button(QWidget *window, const char *name);

// Replaces a dimension box's text by typing.
void type(QWidget *window, const char *name, const QString &text);
// Replaces a unit box's text by typing into it, then leaves it with Tab.
void typeUnit(QWidget *window, const char *name, const QString &text);
// Picks a unit from the box's drop-down list with the mouse.
void pickUnit(QWidget *window, const char *name, int index);
void click(QWidget *window, const char *name);

// Types each dimension text ("tt", "wt", "lt") and each non-empty unit text
// ("tc", "wc", "lc"), then clicks Calculate.
void calculate(QWidget *window, const QStringList &texts, const QStringList &units = {});

// What the dimension boxes and the unit boxes show, first row first.
QStringList dimensionTexts(QWidget *window);
QStringList unitTexts(QWidget *window);

// yt, mt, ct, b60t, c60t, b80t, c80t: the order of the worked examples.
QStringList readouts(QWidget *window);
// The name of the control that holds the keyboard focus within the window,
// or will hold it when the window is next active.
QString focusName(QWidget *window);

} // namespace driver

namespace driver {

// Clicks the close button of the main window's maximised child window.
void closeMaximizedChild(QMainWindow *mainWindow);

// Names of the labels and buttons whose caption does not fit its box in the
// font it is drawn with.
QStringList captionsThatDoNotFit(QWidget *window);

} // namespace driver
