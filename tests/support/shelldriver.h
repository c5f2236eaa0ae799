#pragma once

#include <QKeySequence>
#include <QString>

class QMainWindow;
class QMdiSubWindow;
class QPoint;
class QWidget;

// Drives the main window's frame the way a person does, through the window
// system, so that a prompt's modality holds events back as it would hold
// back a person's: the child window's buttons, wherever its state puts them,
// its window menu, the menu commands and the keys.
namespace shell {

enum class Button { Minimize, Restore, Maximize, Close };

// The child window's button, in the menu bar's corner while it is
// maximised, otherwise in its title bar. False when its state offers none.
bool clickButton(QMainWindow *mainWindow, QMdiSubWindow *child, Button button);

// Opens the child window's window menu by its icon and clicks the entry
// with this text ("Restore", "Move", ..., "Close"); Escape ends the entries
// that wait for keys (Move, Size) and leaves a disabled entry's menu. False
// when the menu did not open.
bool chooseWindowMenuEntry(QMainWindow *mainWindow, QMdiSubWindow *child, const QString &entry);
// The entries of the child window's window menu, without their '&'.
QStringList windowMenuEntries(QMdiSubWindow *child);

// A menu command by a click, by Alt and its letter, or by Alt alone, the
// arrows and Enter (where the style gives Alt alone to the menu bar).
enum class Way { Click, AltLetter, AltArrows };
bool menuCommand(QMainWindow *mainWindow, const QString &name, Way way);

// A key, as the window system delivers it to the active window.
void key(QWidget *window, const QKeySequence &keys);
// The window system's request to close a window (its close button).
void requestClose(QWidget *window);

void click(QWidget *widget, const QPoint &at);

} // namespace shell
