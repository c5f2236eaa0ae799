#pragma once

#include <QFrame>

class QPushButton;

// The first window of every run: product name and logo, and a Continue
// button that opens the main window and closes this one for good.
class SplashWindow : public QFrame
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

    // Continue: shows the main window, then closes the splash.
    void Command1_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLabels(QWidget *frame);
    void buildLogo(QWidget *frame);
    void fitOnScreen(QWidget *frame);

    QPushButton *m_continue = nullptr;
};
