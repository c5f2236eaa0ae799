#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>

namespace platform::accessibility {

// A line edit as a screen reader reads it, in place of Qt's own; on Linux
// before Qt 6.8 only. Qt 6.4's reports the text's attributes as runs of no
// length, and Orca then speaks a focused box's text twice, the second time
// without its last character ("369 ... 36 selected"). Qt 6.8 reports one run
// over the whole text, as this does.
//
// What a client sends is checked as a key press would be: an offset outside
// the text, or a range that runs backwards, changes nothing, and nothing
// changes while a prompt is open.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *lineEdit)
        : QAccessibleWidget(lineEdit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return lineEdit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override { return lineEdit()->cursorPosition(); }
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(text(QAccessible::Value).size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *lineEdit() const { return static_cast<QLineEdit *>(widget()); }
    // Whether start..end lies within the box's text, in order.
    bool isRange(int startOffset, int endOffset) const;
};

} // namespace platform::accessibility
