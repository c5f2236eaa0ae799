#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

namespace platform::accessibility {

// Which of a line edit's selection changes reach the screen reader, on
// Linux. Orca speaks a selection change as it is sent, but the box's
// selection is already read with the box when its focus is reported, and a
// replaced text is told by the text's change; so these add words for nothing
// a user sees, and are kept back:
// - the end of a selection whose text was typed over: Qt reports it right
//   after the text's change, and Orca 48 then says "Text unselected.";
// - a change in a box that does not have the focus, or before its focus has
//   been reported: with Qt 6.4 a Tab said "Text unselected." for the box it
//   left, and the value and "selected" before the name of the box it
//   entered, then the name and the value once more; with Qt 6.8 a switch
//   back to a calculator said "Text unselected." after its box;
// before Qt 6.8 (Orca 43, Qt 6.4) also:
// - the end of a selection, and the caret's move, that a replaced text
//   causes (a unit picked with Up or Down): Qt reports them before the new
//   text.
// from Qt 6.8 also:
// - what the unit box's interface says is told otherwise (ComboBoxAccessible).
// Everything else passes unchanged, in its order.
class SelectionFilter
{
public:
    // Puts the filter between Qt and its AT-SPI bridge, through
    // QAccessible::installUpdateHandler: public, though undocumented, and
    // the one way to see each event before the bridge does.
    static void install();

private:
    static void handle(QAccessibleEvent *event);
    static void forward(QAccessibleEvent *event);
    static bool isNoise(const QAccessibleEvent *event);

    static QAccessible::UpdateHandler s_previous;
    // The box whose text changed last, until its selection is next reported.
    static QPointer<QObject> s_typedOver;
    static void track(const QAccessibleEvent *event);
    static bool isAheadOfFocus(const QAccessibleEvent *event);

    // The control whose focus the screen reader was last told of, and the
    // text of its box as the screen reader last heard it.
    static QPointer<QObject> s_reportedFocus;
    static QString s_heardText;
};

} // namespace platform::accessibility
