#pragma once

#include <QString>
#include <QStringList>

// A small model of what the program must show, written from its rules
// rather than from its code: which calculators exist, which one is in view
// and in what state (maximised, restored or minimised), the main window's
// title, where the keyboard focus was left in each calculator, every box's
// text, and the prompt each Calculate should raise.
class SoakModel
{
public:
    enum Calculator { Slab, Footing, Circular };
    static constexpr int kCalculators = 3;
    enum State { Maximized, Normal, Minimized };

    struct Window
    {
        bool exists = false;
        bool visible = false; // its child window is in the area
        State state = Maximized;
        QString focus; // the control given the focus when it is shown
        QStringList texts;
        QStringList units;
        QStringList readouts;
    };

    SoakModel(); // as after Continue: the slab calculator in view

    // The menu command for a calculator.
    void choose(Calculator calculator);
    void type(int row, const QString &text);
    void setUnit(int row, const QString &unit);
    // Returns the prompt that Calculate raises, or an empty text.
    QString calculate();
    void clear();
    void closeVisible();
    // The child window's buttons and window menu.
    void setState(State state);
    // The control the user left the focus in, in the calculator in view.
    void focusOn(const QString &control);

    int visible() const; // -1 when none is in view
    // In view and not minimised: its controls are on screen.
    bool showing(int calculator) const;
    QString title() const;
    const Window &window(int calculator) const { return m_windows[calculator]; }
    static int rows(int calculator) { return calculator == Circular ? 2 : 3; }

private:
    void create(int calculator);
    QStringList figures(int calculator) const;

    Window m_windows[kCalculators];
};
