#pragma once

#include <QMainWindow>

class CalculatorWindow;
class QMdiArea;

// The frame in which all estimating happens: three menu commands over an
// MDI area in which exactly one calculator is in view at a time.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Run once when the window is created, before it is first shown.
    void MDIForm_Load();
    void slab_Click();
    void footing_Click();
    void circular_Click();

    // Takes a new calculator in as a hidden child window that is destroyed
    // when the user closes it; it joins the MDI area when first shown.
    CalculatorWindow *adopt(CalculatorWindow *calculator);
    // Brings a calculator into view and makes it the active child.
    void showCalculator(CalculatorWindow *calculator);
    void hideCalculator(CalculatorWindow *calculator);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void switchTo(CalculatorWindow *shown, CalculatorWindow *firstHidden, CalculatorWindow *secondHidden);
    void fitClientArea();
    void endSwitch();
    void showTitle();

    QMdiArea *m_mdiArea = nullptr;
    // Holds the hidden calculators: a window of its own that is never shown,
    // so they are no part of the main window a screen reader walks through,
    // and are still destroyed with it.
    QWidget *m_shelf = nullptr;
    bool m_switching = false;
};
