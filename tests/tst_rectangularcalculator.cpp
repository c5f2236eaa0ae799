#include "tests/support/calculatordriver.h"
#include "tests/support/windowtest.h"
#include "windows/calculators/readoutbox.h"
#include "windows/calculators/rectangularcalculator.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using driver::words;

using Kind = RectangularCalculator::Kind;
Q_DECLARE_METATYPE(RectangularCalculator::Kind)

// The slab and footing windows, driven through their boxes and buttons.
class TestRectangularCalculator : public WindowTest
{
    Q_OBJECT

private slots:
    void startingState_data();
    void startingState();
    void focusOrder_data();
    void focusOrder();
    void captionsFit_data();
    void captionsFit();
    void calculate_data();
    void calculate();
    void unusableEntry_data();
    void unusableEntry();
    void failedCalculateKeepsResults();
    void clearKeepsUnits();
    void enterPressesNothing();
    void overflowLeavesWindowAsItWas();
    void longPaste_data();
    void longPaste();
    void longFigureNeverReadsAsAnother_data();
    void longFigureNeverReadsAsAnother();
    void decimalComma_data();
    void decimalComma();
    void slabAndFootingKeepTheirOwnContents();

private:
    QWidget *open(Kind kind) { return WindowTest::open(std::make_unique<RectangularCalculator>(kind)); }
    void enter(const QStringList &texts, const QStringList &units = {})
    {
        driver::calculate(window(), texts, units);
    }
};

void TestRectangularCalculator::startingState_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QSize>("client");

    QTest::newRow("slab") << Kind::Slab << "Slab Calculator" << "SLAB CALCULATOR" << "Thickness:"
                          << words("Inches|Feet|Feet") << QSize(314, 374);
    QTest::newRow("footing") << Kind::Footing << "Footing Calculator" << "FOOTING CALCULATOR" << "Depth:"
                             << words("Inches|Inches|Feet") << QSize(315, 377);
}

void TestRectangularCalculator::startingState()
{
    QFETCH(Kind, kind);
    QFETCH(QString, caption);
    QFETCH(QString, heading);
    QFETCH(QString, firstLabel);
    QFETCH(QStringList, units);
    QFETCH(QSize, client);

    QWidget *w = open(kind);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), client);
    QCOMPARE(w->findChild<QLabel *>("Label11")->text(), heading);
    QCOMPARE(w->findChild<QLabel *>("Label1")->text(), firstLabel);
    QCOMPARE(w->findChild<QLabel *>("Label2")->text(), QStringLiteral("Width:"));
    QCOMPARE(w->findChild<QLabel *>("Label3")->text(), QStringLiteral("Length:"));
    QCOMPARE(driver::dimensionTexts(w), words("||"));
    QCOMPARE(driver::readouts(w), kNoResults);
    QCOMPARE(driver::unitTexts(w), units);
    for (const char *name : {"tc", "wc", "lc"}) {
        QComboBox *box = driver::unitBox(w, name);
        QVERIFY(box->isEditable());
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items.append(box->itemText(i));
        QCOMPARE(items, words("Inches|Feet|Meters"));
    }
    QCOMPARE(driver::focusName(w), QStringLiteral("tt"));
}

void TestRectangularCalculator::focusOrder_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("slab") << Kind::Slab;
    QTest::newRow("footing") << Kind::Footing;
}

void TestRectangularCalculator::focusOrder()
{
    QFETCH(Kind, kind);
    open(kind);

    QStringList order{driver::focusName(window())};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(driver::focusName(window()));
    }
    QCOMPARE(order, words("tt|wt|lt|tc|wc|lc|Command1|Command2|yt|ct|mt|b60t|b80t|c60t|c80t|tt"));
}

void TestRectangularCalculator::captionsFit_data()
{
    focusOrder_data();
}

void TestRectangularCalculator::captionsFit()
{
    QFETCH(Kind, kind);
    QWidget *w = open(kind);

#ifdef Q_OS_WIN
    const QString face = QStringLiteral("Arial");
#else
    const QString face = QStringLiteral("Liberation Sans");
#endif
    QCOMPARE(QFontInfo(w->findChild<QLabel *>("Label4")->font()).family(), face);
    QCOMPARE(driver::captionsThatDoNotFit(w), QStringList());
}

void TestRectangularCalculator::calculate_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("units"); // empty: the starting unit
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("slab 4 in by 10 ft by 10 ft")
        << Kind::Slab << words("4|10|10") << words("||") << words("1.23|0.93|92.25|73.8|369|55.35|332.1");
    QTest::newRow("footing with its width in inches")
        << Kind::Footing << words("4|10|10") << words("||") << words("0.1|0.08|7.5|6|30|4.5|27");
    QTest::newRow("slab 6 in by 20 ft by 30 ft")
        << Kind::Slab << words("6|20|30") << words("||") << words("11.11|8.44|833.25|666.6|3333|499.95|2999.7");
    QTest::newRow("slab in meters")
        << Kind::Slab << words("0.1|3|4") << words("Meters|Meters|Meters")
        << words("1.57|1.19|117.75|94.2|471|70.65|423.9");
    QTest::newRow("footing block of 0.125 yards")
        << Kind::Footing << words("1.5|1.5|1.5") << words("Feet|Feet|Feet") << words("0.12|0.09|9|7.2|36|5.4|32.4");
    QTest::newRow("negative thickness and zero width")
        << Kind::Slab << words("-4|0|10") << words("||") << words("0|0|0|0|0|0|0");
    QTest::newRow("yards typed as the length unit")
        << Kind::Slab << words("4|10|10") << words("||yards") << words("1.23|0.93|92.25|73.8|369|55.35|332.1");
    QTest::newRow("lower-case inches typed as a unit")
        << Kind::Slab << words("4|10|10") << words("inches||")
        << words("14.81|11.26|1110.75|888.6|4443|666.45|3998.7");
    QTest::newRow("start of a unit name typed as a unit")
        << Kind::Slab << words("4|10|10") << words("Meter||")
        << words("14.81|11.26|1110.75|888.6|4443|666.45|3998.7");
    QTest::newRow("blanks around a number")
        << Kind::Slab << words(" 4 |10|10") << words("||") << words("1.23|0.93|92.25|73.8|369|55.35|332.1");
}

void TestRectangularCalculator::calculate()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, units);
    QFETCH(QStringList, expected);

    QWidget *w = open(kind);
    const QStringList startUnits = driver::unitTexts(w);
    enter(texts, units);

    QCOMPARE(driver::readouts(w), expected);
    QCOMPARE(driver::dimensionTexts(w), texts);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(driver::unitTexts(w)[i], units[i].isEmpty() ? startUnits[i] : units[i]);
    QCOMPARE(driver::focusName(w), QStringLiteral("Command2"));
}

void TestRectangularCalculator::unusableEntry_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("slab, all empty")
        << Kind::Slab << words("||") << "Please enter a number value for the Thickness." << "tt" << words("||");
    QTest::newRow("slab, width not a number, length not looked at")
        << Kind::Slab << words("4|abc|xyz") << "Please enter a number value for the Width." << "wt"
        << words("4||xyz");
    QTest::newRow("slab, length with a unit")
        << Kind::Slab << words("4|10|12 ft") << "Please enter a number value for the Length." << "lt"
        << words("4|10|");
    QTest::newRow("slab, grouped thousands")
        << Kind::Slab << words("1,000|10|10") << "Please enter a number value for the Thickness." << "tt"
        << words("|10|10");
    QTest::newRow("footing, one blank as depth")
        << Kind::Footing << words(" |10|10") << "Please enter a number value for the Depth." << "tt"
        << words("|10|10");
    QTest::newRow("footing, inf as width")
        << Kind::Footing << words("4|inf|10") << "Please enter a number value for the Width." << "wt"
        << words("4||10");
    QTest::newRow("footing, length out of range")
        << Kind::Footing << words("4|10|1e400") << "Please enter a number value for the Length." << "lt"
        << words("4|10|");
}

void TestRectangularCalculator::unusableEntry()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, texts);
    QFETCH(QString, prompt);
    QFETCH(QString, emptied);
    QFETCH(QStringList, after);

    QWidget *w = open(kind);
    enter(texts);

    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: " + prompt});
    QCOMPARE(driver::dimensionTexts(w), after);
    QCOMPARE(driver::focusName(w), emptied);
    QCOMPARE(driver::readouts(w), kNoResults);
}

void TestRectangularCalculator::failedCalculateKeepsResults()
{
    QWidget *w = open(Kind::Slab);
    enter(words("4|10|10"));
    const QStringList results = driver::readouts(w);
    QCOMPARE(results.first(), QStringLiteral("1.23"));

    enter(words("4|abc|10"));
    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: Please enter a number value for the Width."});
    QCOMPARE(driver::readouts(w), results);
}

void TestRectangularCalculator::clearKeepsUnits()
{
    QWidget *w = open(Kind::Slab);
    enter(words("0.1|3|4"), words("Meters||"));
    QCOMPARE(driver::readouts(w).first(), QStringLiteral("0.15"));

    driver::click(w, "Command1");
    QCOMPARE(driver::dimensionTexts(w), words("||"));
    QCOMPARE(driver::readouts(w), kNoResults);
    QCOMPARE(driver::unitTexts(w), words("Meters|Feet|Feet"));
    QCOMPARE(driver::focusName(w), QStringLiteral("Command1"));
}

void TestRectangularCalculator::enterPressesNothing()
{
    QWidget *w = open(Kind::Slab);
    driver::type(w, "tt", QStringLiteral("4"));
    // A default button's click comes 100 ms after the key; its press at once.
    QSignalSpy clearPressed(driver::button(w, "Command1"), &QAbstractButton::pressed);
    QSignalSpy calculatePressed(driver::button(w, "Command2"), &QAbstractButton::pressed);
    QTest::keyClick(driver::textBox(w, "tt"), Qt::Key_Return);
    QTest::keyClick(driver::unitBox(w, "tc")->lineEdit(), Qt::Key_Return);
    QTest::keyClick(driver::textBox(w, "tt"), Qt::Key_Escape);

    QCOMPARE(clearPressed.count(), 0);
    QCOMPARE(calculatePressed.count(), 0);
    QVERIFY(prompts().isEmpty());
    QCOMPARE(driver::dimensionTexts(w), words("4||"));
    QCOMPARE(driver::readouts(w), kNoResults);
    QVERIFY(!driver::button(w, "Command1")->isDefault());
    QVERIFY(!driver::button(w, "Command2")->isDefault());
}

void TestRectangularCalculator::overflowLeavesWindowAsItWas()
{
    QWidget *w = open(Kind::Footing);
    enter(words("4|10|10"));
    const QStringList results = driver::readouts(w);

    enter(words("1e200|1e200|1e200"), words("Feet|Feet|Feet"));
    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: The dimensions are too large to estimate."});
    QCOMPARE(driver::dimensionTexts(w), words("1e200|1e200|1e200"));
    QCOMPARE(driver::unitTexts(w), words("Feet|Feet|Feet"));
    QCOMPARE(driver::readouts(w), results);

    // Still usable afterwards.
    enter(words("1.5|1.5|1.5"));
    QCOMPARE(driver::readouts(w), words("0.12|0.09|9|7.2|36|5.4|32.4"));
}

void TestRectangularCalculator::longPaste_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("expectedPrompts");

    QTest::newRow("100,000 zeros, then 5") << QString(100000, u'0') + u'5' << words("5|3.8|375|300|1500|225|1350")
                                            << QStringList();
    QTest::newRow("5, 40,000 blanks, then 0")
        << u'5' + QString(40000, u' ') + u'0' << kNoResults
        << QStringList{"Mixora: Please enter a number value for the Thickness."};
}

// A paste longer than a line edit holds by default is judged whole, never cut.
void TestRectangularCalculator::longPaste()
{
    QFETCH(QString, pasted);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, expectedPrompts);

    QWidget *w = open(Kind::Slab);
    driver::typeUnit(w, "tc", QStringLiteral("Feet"));
    driver::type(w, "wt", QStringLiteral("1"));
    driver::type(w, "lt", QStringLiteral("27"));
    QGuiApplication::clipboard()->setText(pasted);
    QLineEdit *thickness = driver::textBox(w, "tt");
    QTest::mouseClick(thickness, Qt::LeftButton);
    QTest::keyClick(thickness, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(thickness->text().size(), pasted.size());
    driver::click(w, "Command2");

    QCOMPARE(prompts().takeSummaries(), expectedPrompts);
    QCOMPARE(driver::readouts(w), expected);
}

void TestRectangularCalculator::longFigureNeverReadsAsAnother_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("yards");
    QTest::addColumn<QString>("end");
    QTest::newRow("long plain figure") << words("1e15|1|27") << "83333333333333.3" << ".3";
    QTest::newRow("figure with an exponent") << words("1e18|1|27") << "8.33333333333333e+16" << "e+16";
}

// A figure too long for its box is shown cut in the middle: its start and
// its end in view, an ellipsis between, the whole of it in the tooltip and
// the accessible description. A short one is shown as it is.
void TestRectangularCalculator::longFigureNeverReadsAsAnother()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, yards);
    QFETCH(QString, end);

    QWidget *w = open(Kind::Slab);
    enter(texts);
    auto *box = qobject_cast<ReadoutBox *>(driver::textBox(w, "yt"));
    QVERIFY(box);
    QCOMPARE(box->text(), yards);
    const QString shown = box->shownText();
    QVERIFY2(shown.contains(QChar(0x2026)) && shown.startsWith(yards.left(2)) && shown.endsWith(end),
             qPrintable(shown));
    QVERIFY(box->fontMetrics().horizontalAdvance(shown) <= box->contentsRect().width());
    QCOMPARE(box->toolTip(), yards);
    QCOMPARE(box->accessibleDescription(), yards);

    auto *bags = qobject_cast<ReadoutBox *>(driver::textBox(w, "b60t"));
    QVERIFY(bags);
    QCOMPARE(bags->toolTip().isEmpty(), bags->shownText() == bags->text());
}

void TestRectangularCalculator::decimalComma_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("whole numbers")
        << words("4|10|10") << words("1,23|0,93|92,25|73,8|369|55,35|332,1");
    QTest::newRow("decimal commas")
        << words("6|20,0|3e1") << words("11,11|8,44|833,25|666,6|3333|499,95|2999,7");
}

void TestRectangularCalculator::decimalComma()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QWidget *w = open(Kind::Slab);
    enter(texts);
    QCOMPARE(driver::readouts(w), expected);

    // A decimal point is this locale's group separator: asked for again, never read as 15.
    enter(words("1.5|10|10"));
    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: Please enter a number value for the Thickness."});
    QCOMPARE(driver::readouts(w), expected);
}

void TestRectangularCalculator::slabAndFootingKeepTheirOwnContents()
{
    RectangularCalculator slab(Kind::Slab);
    RectangularCalculator footing(Kind::Footing);
    slab.show();
    footing.show();

    for (QWidget *w : {static_cast<QWidget *>(&slab), static_cast<QWidget *>(&footing)}) {
        driver::calculate(w, words("4|5|6"));
    }
    QCOMPARE(driver::dimensionTexts(&slab), words("4|5|6"));
    QCOMPARE(driver::dimensionTexts(&footing), words("4|5|6"));
    QCOMPARE(driver::readouts(&slab).first(), QStringLiteral("0.37")); // 4/12 * 5 * 6 / 27
    QCOMPARE(driver::readouts(&footing).first(), QStringLiteral("0.03")); // 4/12 * 5/12 * 6 / 27

    driver::click(&slab, "Command1");
    QCOMPARE(driver::readouts(&slab), kNoResults);
    QCOMPARE(driver::readouts(&footing).first(), QStringLiteral("0.03"));
    QCOMPARE(driver::dimensionTexts(&footing), words("4|5|6"));
}

QTEST_MAIN(TestRectangularCalculator)
#include "tst_rectangularcalculator.moc"
