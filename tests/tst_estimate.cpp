#include "core/entry.h"
#include "core/estimate.h"
#include "core/units.h"

#include <QLocale>
#include <QTest>

#include <limits>

using namespace mixora;

// Volumes, rounding and the seven figures of an estimate.
class TestEstimate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void rectangular_data();
    void rectangular();
    void cylinder_data();
    void cylinder();
    void roundToHundredths_data();
    void roundToHundredths();
    void figuresBuildOnRoundedYards();
    void finiteness_data();
    void finiteness();
};

namespace {

// The read-outs in the order yards, metres, cost, 60 lb bags and their cost,
// 80 lb bags and their cost.
QStringList readouts(const Estimate &e)
{
    QStringList texts;
    for (double figure : {e.Yards, e.Meters, e.Cost, e.Bags60, e.Cost60, e.Bags80, e.Cost80})
        texts.append(FormatResult(figure));
    return texts;
}

QStringList figures(const char *list)
{
    return QString::fromLatin1(list).split(u' ');
}

} // namespace

void TestEstimate::rectangular_data()
{
    QTest::addColumn<QStringList>("entries"); // value and unit, three times
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("slab 4 in by 10 ft by 10 ft")
        << figures("4 Inches 10 Feet 10 Feet") << figures("1.23 0.93 92.25 73.8 369 55.35 332.1");
    QTest::newRow("slab 6 in by 20 ft by 30 ft")
        << figures("6 Inches 20 Feet 30 Feet") << figures("11.11 8.44 833.25 666.6 3333 499.95 2999.7");
    QTest::newRow("slab in meters")
        << figures("0.1 Meters 3 Meters 4 Meters") << figures("1.57 1.19 117.75 94.2 471 70.65 423.9");
    QTest::newRow("footing 4 in by 10 in by 10 ft")
        << figures("4 Inches 10 Inches 10 Feet") << figures("0.1 0.08 7.5 6 30 4.5 27");
    QTest::newRow("block of 0.125 yards is a tie to even")
        << figures("1.5 Feet 1.5 Feet 1.5 Feet") << figures("0.12 0.09 9 7.2 36 5.4 32.4");
    QTest::newRow("zero width")
        << figures("4 Inches 0 Feet 10 Feet") << figures("0 0 0 0 0 0 0");
    QTest::newRow("negative times zero shows no minus sign")
        << figures("-4 Feet 0 Feet 10 Feet") << figures("0 0 0 0 0 0 0");
    QTest::newRow("negative thickness")
        << figures("-4 Inches 10 Feet 10 Feet") << figures("-1.23 -0.93 -92.25 -73.8 -369 -55.35 -332.1");
    QTest::newRow("yards as a unit counts as feet")
        << figures("4 Inches 10 Feet 10 Yards") << figures("1.23 0.93 92.25 73.8 369 55.35 332.1");
    QTest::newRow("lower-case inches counts as feet")
        << figures("4 inches 10 Feet 10 Feet") << figures("14.81 11.26 1110.75 888.6 4443 666.45 3998.7");
    QTest::newRow("volume of 0.005 yards shows zero")
        << figures("0.135 Feet 1 Feet 1 Feet") << figures("0 0 0 0 0 0 0");
}

void TestEstimate::rectangular()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);

    const double t = ToFeet(ParseEntry(entries[0]), entries[1]);
    const double w = ToFeet(ParseEntry(entries[2]), entries[3]);
    const double l = ToFeet(ParseEntry(entries[4]), entries[5]);
    QCOMPARE(readouts(EstimateFromVolume(RectangularYards(t, w, l))), expected);
}

void TestEstimate::cylinder_data()
{
    QTest::addColumn<QStringList>("entries"); // value and unit, twice
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("12 in across, 4 ft high")
        << figures("12 Inches 4 Feet") << figures("0.12 0.09 9 7.2 36 5.4 32.4");
    QTest::newRow("1 ft across, 4 ft high")
        << figures("1 Feet 4 Feet") << figures("0.12 0.09 9 7.2 36 5.4 32.4");
    QTest::newRow("1 ft across, 10 ft high")
        << figures("1 Feet 10 Feet") << figures("0.29 0.22 21.75 17.4 87 13.05 78.3");
    QTest::newRow("0.3 m across, 1.2 m high")
        << figures("0.3 Meters 1.2 Meters") << figures("0.11 0.08 8.25 6.6 33 4.95 29.7");
    QTest::newRow("lower-case feet counts as inches")
        << figures("12 feet 4 Feet") << figures("0.12 0.09 9 7.2 36 5.4 32.4");
    QTest::newRow("zero height")
        << figures("12 Inches 0 Feet") << figures("0 0 0 0 0 0 0");
}

void TestEstimate::cylinder()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);

    const double d = ToInches(ParseEntry(entries[0]), entries[1]);
    const double h = ToInches(ParseEntry(entries[2]), entries[3]);
    QCOMPARE(readouts(EstimateFromVolume(CylinderYards(d, h))), expected);
}

void TestEstimate::roundToHundredths_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");

    QTest::newRow("tie 12.5 goes down to even") << 0.125 << 0.12;
    QTest::newRow("tie 13.5 goes up to even") << 0.135 << 0.14;
    QTest::newRow("tie 1.5 goes up to even") << 0.015 << 0.02;
    QTest::newRow("tie 2.5 goes down to even") << 0.025 << 0.02;
    QTest::newRow("1.005 is below the tie in binary") << 1.005 << 1.0;
    QTest::newRow("2.675 times 100 lands on the tie 267.5") << 2.675 << 2.68;
    QTest::newRow("negative tie goes to even") << -0.125 << -0.12;
    QTest::newRow("negative tie goes to even away from zero") << -0.135 << -0.14;
    QTest::newRow("upper end of the zero band") << 0.005 << 0.0;
    QTest::newRow("lower end of the zero band") << -0.005 << 0.0;
    QTest::newRow("just past the zero band") << 0.0051 << 0.01;
    QTest::newRow("ordinary value") << 1.2345679 << 1.23;
    QTest::newRow("already whole") << 7.0 << 7.0;
}

void TestEstimate::roundToHundredths()
{
    QFETCH(double, x);
    QFETCH(double, rounded);

    QVERIFY2(RoundToHundredths(x) == rounded, qPrintable(QString::number(RoundToHundredths(x), 'g', 17)));
}

// Metres, bags and costs come from the rounded yards, not the raw volume.
void TestEstimate::figuresBuildOnRoundedYards()
{
    QCOMPARE(readouts(EstimateFromVolume(1.2345679)), figures("1.23 0.93 92.25 73.8 369 55.35 332.1"));
    QCOMPARE(readouts(EstimateFromVolume(1.2349)), readouts(EstimateFromVolume(1.2251)));
}

void TestEstimate::finiteness_data()
{
    QTest::addColumn<double>("volume");
    QTest::addColumn<bool>("finite");

    const double huge = RectangularYards(1e200, 1e200, 1e200);
    QTest::newRow("ordinary volume") << 1.23 << true;
    QTest::newRow("large but representable") << 1e300 << true;
    QTest::newRow("hundredfold leaves the range") << 1e307 << false;
    QTest::newRow("bag count leaves the range though yards do not") << 1e305 << false;
    QTest::newRow("overflowing block") << huge << false;
    QTest::newRow("overflowing cylinder") << CylinderYards(1e200, 1e200) << false;
    QTest::newRow("infinity times zero") << RectangularYards(1e200, 1e200, 0) * huge << false;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << false;
}

void TestEstimate::finiteness()
{
    QFETCH(double, volume);
    QFETCH(bool, finite);

    QCOMPARE(EstimateFromVolume(volume).isFinite(), finite);
}

QTEST_GUILESS_MAIN(TestEstimate)
#include "tst_estimate.moc"
