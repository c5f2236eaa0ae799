#include "tests/support/calculatordriver.h"
#include "tests/support/windowtest.h"
#include "windows/calculators/circularcalculator.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using driver::words;

// The circular window, driven through its boxes and buttons.
class TestCircularCalculator : public WindowTest
{
    Q_OBJECT

private slots:
    void startingState();
    void focusOrder();
    void captionsFit();
    void calculate_data();
    void calculate();
    void unusableEntry_data();
    void unusableEntry();
    void clearKeepsUnits();
    void overflowLeavesWindowAsItWas();
    void decimalComma();

private:
    QWidget *open() { return WindowTest::open(std::make_unique<CircularCalculator>()); }
};

void TestCircularCalculator::startingState()
{
    QWidget *w = open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Circular Calculator"));
    QCOMPARE(w->size(), QSize(315, 374));
    QCOMPARE(w->findChild<QLabel *>("Label11")->text(), QStringLiteral("CIRCULAR CALCULATOR"));
    QCOMPARE(w->findChild<QLabel *>("Label1")->text(), QStringLiteral("Diameter:"));
    QCOMPARE(w->findChild<QLabel *>("Label2")->text(), QStringLiteral("Height:"));
    QVERIFY(!w->findChild<QLabel *>("Label3"));
    QVERIFY(!w->findChild<QWidget *>("lt"));
    QVERIFY(!w->findChild<QWidget *>("lc"));
    QCOMPARE(driver::dimensionTexts(w), words("|"));
    QCOMPARE(driver::unitTexts(w), words("Inches|Inches"));
    QCOMPARE(driver::readouts(w), kNoResults);
    QCOMPARE(driver::focusName(w), QStringLiteral("tt"));
}

void TestCircularCalculator::focusOrder()
{
    QWidget *w = open();
    QStringList order{driver::focusName(w)};
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        order.append(driver::focusName(w));
    }
    QCOMPARE(order, words("tt|wt|tc|wc|Command1|Command2|yt|ct|mt|b60t|b80t|c60t|c80t|tt"));
}

void TestCircularCalculator::captionsFit()
{
    QCOMPARE(driver::captionsThatDoNotFit(open()), QStringList());
}

void TestCircularCalculator::calculate_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("units"); // empty: the starting unit
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("12 in across, 4 ft high")
        << words("12|4") << words("|Feet") << words("0.12|0.09|9|7.2|36|5.4|32.4");
    QTest::newRow("1 ft across, 4 ft high")
        << words("1|4") << words("Feet|Feet") << words("0.12|0.09|9|7.2|36|5.4|32.4");
    QTest::newRow("1 ft across, 10 ft high")
        << words("1|10") << words("Feet|Feet") << words("0.29|0.22|21.75|17.4|87|13.05|78.3");
    QTest::newRow("0.3 m across, 1.2 m high")
        << words("0.3|1.2") << words("Meters|Meters") << words("0.11|0.08|8.25|6.6|33|4.95|29.7");
    QTest::newRow("lower-case feet typed as a unit counts as inches")
        << words("12|4") << words("feet|Feet") << words("0.12|0.09|9|7.2|36|5.4|32.4");
    QTest::newRow("start of a unit name typed as a unit counts as inches")
        << words("12|48") << words("|Fe") << words("0.12|0.09|9|7.2|36|5.4|32.4");
    QTest::newRow("negative diameter squares away its sign")
        << words("-12|48") << words("|") << words("0.12|0.09|9|7.2|36|5.4|32.4");
    QTest::newRow("negative height")
        << words("12|-48") << words("|") << words("-0.12|-0.09|-9|-7.2|-36|-5.4|-32.4");
}

void TestCircularCalculator::calculate()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, units);
    QFETCH(QStringList, expected);

    QWidget *w = open();
    driver::calculate(w, texts, units);
    QCOMPARE(driver::readouts(w), expected);
    QCOMPARE(driver::dimensionTexts(w), texts);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(driver::unitTexts(w)[i], units[i].isEmpty() ? QStringLiteral("Inches") : units[i]);
}

void TestCircularCalculator::unusableEntry_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("empty diameter, height not looked at")
        << words("|abc") << "Please enter a number value for the Diameter." << "tt" << words("|abc");
    QTest::newRow("height not a number")
        << words("12|4 ft") << "Please enter a number value for the Height." << "wt" << words("12|");
    QTest::newRow("nan as height")
        << words("12|nan") << "Please enter a number value for the Height." << "wt" << words("12|");
}

void TestCircularCalculator::unusableEntry()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, prompt);
    QFETCH(QString, emptied);
    QFETCH(QStringList, after);

    QWidget *w = open();
    driver::calculate(w, texts);
    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: " + prompt});
    QCOMPARE(driver::dimensionTexts(w), after);
    QCOMPARE(driver::focusName(w), emptied);
    QCOMPARE(driver::readouts(w), kNoResults);
}

void TestCircularCalculator::clearKeepsUnits()
{
    QWidget *w = open();
    driver::calculate(w, words("1|10"), words("Feet|Meters"));
    QCOMPARE(driver::readouts(w).first(), QStringLiteral("0.95"));

    driver::click(w, "Command1");
    QCOMPARE(driver::dimensionTexts(w), words("|"));
    QCOMPARE(driver::readouts(w), kNoResults);
    QCOMPARE(driver::unitTexts(w), words("Feet|Meters"));
}

void TestCircularCalculator::overflowLeavesWindowAsItWas()
{
    QWidget *w = open();
    driver::calculate(w, words("12|48"));
    driver::calculate(w, words("1e200|1e200"));
    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: The dimensions are too large to estimate."});
    QCOMPARE(driver::dimensionTexts(w), words("1e200|1e200"));
    QCOMPARE(driver::readouts(w), words("0.12|0.09|9|7.2|36|5.4|32.4"));
}

void TestCircularCalculator::decimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QWidget *w = open();
    driver::calculate(w, words("0,3|1,2"), words("Meters|Meters"));
    QCOMPARE(driver::readouts(w), words("0,11|0,08|8,25|6,6|33|4,95|29,7"));
}

QTEST_MAIN(TestCircularCalculator)
#include "tst_circularcalculator.moc"
