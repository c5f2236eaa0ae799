#pragma once

class QString;
class QWidget;

// Everything the program adds for screen readers, installed by one call.
// Each part is compiled only where it is needed; the file of each says where:
// - on every platform, what gives a control its name, role or value: the
//   unit boxes' interface (comboboxaccessible) and the announcements;
// - on Linux, what keeps Orca to what is on screen: the calculators' area as
//   a filler (mdiareaaccessible), the selection changes it is sent
//   (selectionfilter) and a child window's parent (mdisubwindowaccessible);
// - on Linux before Qt 6.8, what works around Orca 43 or Qt 6.4's AT-SPI
//   bridge: the focus reports (focusreport) and the line edits' text
//   attributes (lineeditaccessible);
// - on Linux from Qt 6.11, what Orca 51 needs to hear a prompt's message:
//   the message box's text as its description (messageboxaccessible).
namespace platform::accessibility {

// Call once, after the QApplication exists and before the first window.
void install();

// Tells a screen reader what just happened, without moving the focus: the
// figures a Calculate press has filled in, for instance.
void announce(QWidget *source, const QString &message);

} // namespace platform::accessibility
