// Linux only; its parts for Qt 6.4 are guarded.
#include "platform/accessibility/selectionfilter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace platform::accessibility {
namespace {

bool isTextChange(QAccessible::Event type)
{
    return type == QAccessible::TextInserted || type == QAccessible::TextRemoved || type == QAccessible::TextUpdated;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 11, 0)
// What the bridge sends as a container's change of selection.
bool isSelectionChange(QAccessible::Event type)
{
    return type == QAccessible::Selection || type == QAccessible::SelectionAdd || type == QAccessible::SelectionRemove
        || type == QAccessible::SelectionWithin;
}
#endif

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
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
#endif

} // namespace

QAccessible::UpdateHandler SelectionFilter::s_previous = nullptr;
QPointer<QObject> SelectionFilter::s_typedOver;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
QPointer<QObject> SelectionFilter::s_reportedFocus;
QString SelectionFilter::s_heardText;
#endif

void SelectionFilter::install()
{
    s_previous = QAccessible::installUpdateHandler(handle);
}

void SelectionFilter::handle(QAccessibleEvent *event)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    track(event);
#endif
    const bool noise = isNoise(event);
    if (isTextChange(event->type()))
        s_typedOver = event->object();
    else if (event->type() == QAccessible::TextSelectionChanged && event->object() == s_typedOver)
        s_typedOver = nullptr;
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 11, 0)
    if (auto *unitBox = qobject_cast<QComboBox *>(event->object()))
        return isSelectionChange(event->type()) && !unitBox->view()->isVisible();
#endif
    if (!qobject_cast<QLineEdit *>(event->object()))
        return false;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (isAheadOfFocus(event))
        return true;
#endif
    if (event->type() != QAccessible::TextSelectionChanged)
        return false;
    const auto *selection = static_cast<const QAccessibleTextSelectionEvent *>(event);
    return selection->selectionStart() == selection->selectionEnd() && event->object() == s_typedOver;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
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
    // Qt reports a replaced text after the caret's move and the selection's
    // end that it causes.
    return (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved)
        && focusReported && box->text() != s_heardText;
}
#endif

} // namespace platform::accessibility
