#pragma once

#include <QString>
#include <QStringList>

// A small model of what the program must show, written from its rules
// rather than from its code: which calculators exist and which one is in
// view, every box's text, and the prompt each Calculate should raise.
class SoakModel
{
public:
    enum Calculator { Slab, Footing, Circular };
    static constexpr int kCalculators = 3;

    struct Window
    {
        bool exists = false;
        bool visible = false;
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

    int visible() const; // -1 when none is in view
    const Window &window(int calculator) const { return m_windows[calculator]; }
    static int rows(int calculator) { return calculator == Circular ? 2 : 3; }

private:
    void create(int calculator);
    QStringList figures(int calculator) const;

    Window m_windows[kCalculators];
};
