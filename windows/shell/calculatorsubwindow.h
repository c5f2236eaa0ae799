#pragma once

#include <QMdiSubWindow>
#include <QPointer>

class CalculatorWindow;

// A calculator's child window in the main window's area. It keeps the
// control the user was in across hide, show, Restore and switching: left to
// itself, QMdiSubWindow moves the focus on to the next control as it hides
// (and Restore hides it for a moment), and forgets its focus as it is moved
// out of the area and back. It brings what the keyboard lands on into view
// where the area is too small for the calculator, and restored, the
// calculator takes its designed size where the area holds it.
class CalculatorSubWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    CalculatorSubWindow(CalculatorWindow *calculator, QWidget *parent);
    ~CalculatorSubWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void changeState(Qt::WindowStates oldState, Qt::WindowStates newState);
    void fitInArea();
    void scrollIntoView(QWidget *control);

    // The control that last had the focus here, given back when the window
    // is activated again.
    QPointer<QWidget> m_focus;
};
