#pragma once

#include <QMdiSubWindow>
#include <QPointer>

class CalculatorWindow;

// A calculator's child window in the main window's area. It keeps the
// control the user was in across hide, show, Restore and switching, which
// QMdiSubWindow moves on as it hides (Restore hides it for a moment) and
// forgets as it leaves the area and comes back. It scrolls what the keyboard
// lands on into view, and restored, takes the designed size the area holds.
class CalculatorSubWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    CalculatorSubWindow(CalculatorWindow *calculator, QWidget *parent);
    ~CalculatorSubWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
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
