// Linux only, before Qt 6.8.
#include "platform/accessibility/lineeditaccessible.h"

#include "platform/messagebox.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace platform::accessibility {

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return lineEdit()->echoMode() == QLineEdit::Normal ? lineEdit()->text() : QString();
    return QAccessibleWidget::text(t);
}

bool LineEditAccessible::isRange(int startOffset, int endOffset) const
{
    return 0 <= startOffset && startOffset <= endOffset && endOffset <= lineEdit()->text().size();
}

// Modality holds back mouse and keys, not a client's calls.
void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value)
        QAccessibleWidget::setText(t, text);
    else if (!isMessageOpen())
        lineEdit()->setText(text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !lineEdit()->isReadOnly();
    state.readOnly = lineEdit()->isReadOnly();
    state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = lineEdit()->selectionEnd();
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0 && !isMessageOpen())
        lineEdit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0 && isRange(startOffset, endOffset) && !isMessageOpen())
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

void LineEditAccessible::setCursorPosition(int position)
{
    if (isRange(position, position) && !isMessageOpen())
        lineEdit()->setCursorPosition(position);
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    if (isRange(startIndex, endIndex))
        setCursorPosition(endIndex);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (!isRange(startOffset, endOffset))
        return QString();
    return text(QAccessible::Value).mid(startOffset, endOffset - startOffset);
}

// Where the character's cell is on screen, from the box's text margins and
// the advance of the text before it; a box scrolled sideways shifts it, which
// this leaves out.
QRect LineEditAccessible::characterRect(int offset) const
{
    const QString shown = text(QAccessible::Value);
    if (offset < 0 || offset >= shown.size())
        return QRect();
    QStyleOptionFrame option;
    option.initFrom(lineEdit());
    const QRect contents = lineEdit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, lineEdit())
                               .marginsRemoved(lineEdit()->textMargins());
    const QFontMetrics metrics = lineEdit()->fontMetrics();
    const int left = metrics.horizontalAdvance(shown.left(offset));
    const QRect cell(contents.left() + left, contents.top(), metrics.horizontalAdvance(shown.at(offset)),
                     contents.height());
    return QRect(lineEdit()->mapToGlobal(cell.topLeft()), cell.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

// No attributes, in one run over the whole text.
QString LineEditAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (!isRange(startOffset, endOffset) || isMessageOpen())
        return;
    QString changed = lineEdit()->text();
    changed.replace(startOffset, endOffset - startOffset, text);
    lineEdit()->setText(changed);
}

} // namespace platform::accessibility
