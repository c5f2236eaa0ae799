#include "app/appsetup.h"
#include "tests/support/calculatordriver.h"
#include "tests/support/programwindows.h"
#include "tests/support/windowtest.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using driver::words;

// The whole program with key presses alone: from the splash window's
// Continue to an estimate in each calculator, and back from a prompt.
class TestKeyboard : public WindowTest
{
    Q_OBJECT

private slots:
    void estimateInEveryCalculator();
    void promptDismissedWithEnter();

private:
    void openMainWindow();
};

namespace {

// Key presses go wherever the keyboard focus is, as a person's would.
QWidget *focus()
{
    QWidget *widget = QApplication::focusWidget();
    if (!widget)
        qFatal("nothing holds the keyboard focus");
    return widget;
}

void press(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(focus(), key, modifiers);
}

void typeKeys(const QString &text)
{
    QTest::keyClicks(focus(), text);
}


} // namespace

void TestKeyboard::openMainWindow()
{
    startMixora();
    QVERIFY(QTest::qWaitForWindowActive(frmSplash.get()));
    press(Qt::Key_Space); // Continue holds the focus
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!frmSplash.existing());
    QVERIFY(QTest::qWaitForWindowActive(MDIForm1.get()));
}

void TestKeyboard::estimateInEveryCalculator()
{
    openMainWindow();

    // Slab, in the starting units: thickness, width, length, then Tab past
    // the three unit boxes and Clear to Calculate.
    QCOMPARE(focus(), driver::textBox(slabcalc.existing(), "tt"));
    typeKeys("4");
    press(Qt::Key_Tab);
    typeKeys("10");
    press(Qt::Key_Tab);
    typeKeys("10");
    press(Qt::Key_Tab, 5);
    QCOMPARE(focus(), driver::button(slabcalc.existing(), "Command2"));
    press(Qt::Key_Space);
    QCOMPARE(driver::readouts(slabcalc.existing()), words("1.23|0.93|92.25|73.8|369|55.35|332.1"));

    // Footing, its first box focused as it opens; Down picks the next unit.
    press(Qt::Key_F, 1, Qt::AltModifier);
    CalculatorWindow *footing = footingcalc.existing();
    QCOMPARE(focus(), driver::textBox(footing, "tt"));
    typeKeys("1.5");
    press(Qt::Key_Tab);
    typeKeys("1.5");
    press(Qt::Key_Tab);
    typeKeys("1.5");
    press(Qt::Key_Tab);
    press(Qt::Key_Down); // depth: Inches -> Feet
    press(Qt::Key_Tab);
    press(Qt::Key_Down); // width: Inches -> Feet
    press(Qt::Key_Tab, 3);
    press(Qt::Key_Space);
    QCOMPARE(driver::unitTexts(footing), words("Feet|Feet|Feet"));
    QCOMPARE(driver::readouts(footing), words("0.12|0.09|9|7.2|36|5.4|32.4"));

    // Circular: a unit typed rather than picked.
    press(Qt::Key_C, 1, Qt::AltModifier);
    CalculatorWindow *circular = circularcalc.existing();
    QCOMPARE(focus(), driver::textBox(circular, "tt"));
    typeKeys("12");
    press(Qt::Key_Tab);
    typeKeys("4");
    press(Qt::Key_Tab, 2);
    press(Qt::Key_A, 1, Qt::ControlModifier);
    typeKeys("Feet");
    press(Qt::Key_Tab, 2);
    press(Qt::Key_Space);
    QCOMPARE(driver::readouts(circular), words("0.12|0.09|9|7.2|36|5.4|32.4"));

    // Back to the slab: its figures are still there.
    press(Qt::Key_S, 1, Qt::AltModifier);
    QVERIFY(slabcalc.existing()->isAncestorOf(focus()));
    QCOMPARE(driver::readouts(slabcalc.existing()).first(), QStringLiteral("1.23"));
}

void TestKeyboard::promptDismissedWithEnter()
{
    openMainWindow();
    CalculatorWindow *slab = slabcalc.existing();
    typeKeys("4");
    press(Qt::Key_Tab);
    typeKeys("wide");
    press(Qt::Key_Tab, 6);
    press(Qt::Key_Space); // Calculate; the recorder answers the prompt with Return

    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: Please enter a number value for the Width."});
    // A window manager hands the activation back when the prompt closes; the
    // offscreen platform does not, so ask for it.
    MDIForm1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MDIForm1.get()));
    QCOMPARE(focus(), driver::textBox(slab, "wt"));
    QCOMPARE(driver::dimensionTexts(slab), words("4||"));

    typeKeys("10");
    press(Qt::Key_Tab);
    typeKeys("10");
    press(Qt::Key_Tab, 5);
    press(Qt::Key_Space);
    QCOMPARE(driver::readouts(slab).first(), QStringLiteral("1.23"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
