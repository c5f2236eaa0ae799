#pragma once

class QString;
class QWidget;

// Everything the program adds for screen readers, installed by one call.
// The program's own, on every platform: what gives a control its name, role
// or value (the unit boxes' interface, comboboxaccessible) and the
// announcements. The rest works around Qt's AT-SPI bridge or Orca and is
// compiled only where that applies, as the file of each says:
// - on Linux, what keeps Orca to what is on screen: the calculators' area as
//   a filler (mdiareaaccessible), the selection changes it is sent
//   (selectionfilter) and a child window's parent (mdisubwindowaccessible);
// - on Linux before Qt 6.8, the line edits' text attributes
//   (lineeditaccessible), for Qt 6.4's bridge;
// - on Linux before Qt 6.8 and from Qt 6.11, the focus reported again after
//   a window's activation (focusreport), for Orca 43 and 51;
// - on Linux from Qt 6.11, what Orca 51 needs to hear a prompt's message:
//   the message box's text as its description (messageboxaccessible).
namespace platform::accessibility {

// Call once, after the QApplication exists and before the first window.
void install();

// Tells a screen reader what just happened, without moving the focus: the
// figures a Calculate press has filled in, for instance.
void announce(QWidget *source, const QString &message);

} // namespace platform::accessibility
