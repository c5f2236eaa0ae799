#pragma once

#include <QLineEdit>

// A box that shows one of a calculator's figures. A figure too long for the
// box is shown cut in the middle, with an ellipsis where digits are left
// out, so that it keeps its first digits and its end (the exponent, or the
// digits before the decimal point run on) and never reads as a shorter
// number; the whole figure is its tooltip and accessible description. With
// the focus, it is an ordinary line edit again, to move through or copy.
class ReadoutBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ReadoutBox(QWidget *parent);

    // What the box draws when it does not have the focus.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect textRect() const;
    bool fits() const;
    void describe();
};
