#include "windows/calculators/readoutbox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit's own margins around its text, inside the contents rectangle.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

} // namespace

ReadoutBox::ReadoutBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &ReadoutBox::describe);
}

QRect ReadoutBox::textRect() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
}

bool ReadoutBox::fits() const
{
    return fontMetrics().horizontalAdvance(text()) <= textRect().width();
}

QString ReadoutBox::shownText() const
{
    if (hasFocus() || fits())
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, textRect().width());
}

void ReadoutBox::paintEvent(QPaintEvent *event)
{
    if (hasFocus() || fits()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    style()->drawItemText(&painter, textRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          QPalette::Text);
}

void ReadoutBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    describe();
}

// The whole figure, where the box shows only part of it.
void ReadoutBox::describe()
{
    const QString whole = fits() ? QString() : text();
    if (toolTip() != whole) {
        setToolTip(whole);
        setAccessibleDescription(whole);
    }
}
