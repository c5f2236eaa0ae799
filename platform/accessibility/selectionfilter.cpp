// Linux only; its parts before Qt 6.8 and from Qt 6.8 are guarded.
#include "platform/accessibility/selectionfilter.h"

#include "platform/accessibility/comboboxaccessible.h"

#include <QComboBox>
#include <QLineEdit>

namespace platform::accessibility {
namespace {

bool isTextChange(QAccessible::Event type)
{
    return type == QAccessible::TextInserted || type == QAccessible::TextRemoved || type == QAccessible::TextUpdated;
}

// The box whose text a control shows: itself, or a unit box's line edit.
QLineEdit *textBoxOf(QObject *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(control);
}

// The widget that takes the focus for it: a unit box for its line edit.
QWidget *focusOwner(QWidget *widget)
{
    while (widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

} // namespace

QAccessible::UpdateHandler SelectionFilter::s_previous = nullptr;
QPointer<QObject> SelectionFilter::s_typedOver;
QPointer<QObject> SelectionFilter::s_reportedFocus;
QString SelectionFilter::s_heardText;

void SelectionFilter::install()
{
    s_previous = QAccessible::installUpdateHandler(handle);
}

void SelectionFilter::handle(QAccessibleEvent *event)
{
    track(event);
    const bool noise = isNoise(event);
    // Only the selection reported right after a text's change went with it.
    if (event->object() == s_typedOver || isTextChange(event->type()))
        s_typedOver = isTextChange(event->type()) ? event->object() : nullptr;
    if (!noise)
        forward(event);
}

// To the bridge, as Qt would have sent it without a handler.
void SelectionFilter::forward(QAccessibleEvent *event)
{
    if (s_previous) {
        s_previous(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handle);
}

bool SelectionFilter::isNoise(const QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (ComboBoxAccessible::isToldOtherwise(event))
        return true;
#endif
    if (!qobject_cast<QLineEdit *>(event->object()))
        return false;
    if (isAheadOfFocus(event))
        return true;
    if (event->type() != QAccessible::TextSelectionChanged)
        return false;
    const auto *selection = static_cast<const QAccessibleTextSelectionEvent *>(event);
    return selection->selectionStart() == selection->selectionEnd() && event->object() == s_typedOver;
}

// What the screen reader was last told of the focus and its box's text.
void SelectionFilter::track(const QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus) {
        s_reportedFocus = event->object();
        if (QLineEdit *box = textBoxOf(event->object()))
            s_heardText = box->text();
    } else if (isTextChange(event->type())) {
        if (QLineEdit *box = textBoxOf(s_reportedFocus); box && box == event->object())
            s_heardText = box->text();
    }
}

bool SelectionFilter::isAheadOfFocus(const QAccessibleEvent *event)
{
    auto *box = static_cast<QLineEdit *>(event->object());
    const bool focusReported = box->hasFocus() && focusOwner(box) == s_reportedFocus;
    if (event->type() == QAccessible::TextSelectionChanged && !focusReported)
        return true;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt reports a replaced text after the caret's move and the selection's
    // end that it causes.
    return (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved)
        && focusReported && box->text() != s_heardText;
#else
    return false;
#endif
}

} // namespace platform::accessibility
