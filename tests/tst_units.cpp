#include "core/entry.h"
#include "core/units.h"

#include <QLocale>
#include <QTest>

using namespace mixora;

// Unit texts and the conversions to feet and to inches.
class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void unitNames();
    void conversions_data();
    void conversions();
};

void TestUnits::unitNames()
{
    QCOMPARE(UnitNames(), QStringList({"Inches", "Feet", "Meters"}));
}

void TestUnits::conversions_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("inches");

    // Results as a read-out would show them, to 15 significant digits.
    QTest::newRow("six inches") << 6.0 << "Inches" << "0.5" << "6";
    QTest::newRow("two feet") << 2.0 << "Feet" << "2" << "24";
    QTest::newRow("ten meters use 3.281 feet each") << 10.0 << "Meters" << "32.81" << "393.72";
    QTest::newRow("one meter is 39.372 inches") << 1.0 << "Meters" << "3.281" << "39.372";
    QTest::newRow("negative inches") << -18.0 << "Inches" << "-1.5" << "-18";
    QTest::newRow("zero meters") << 0.0 << "Meters" << "0" << "0";
    QTest::newRow("lower-case inches is no unit") << 4.0 << "inches" << "4" << "4";
    QTest::newRow("lower-case feet is no unit") << 4.0 << "feet" << "4" << "4";
    QTest::newRow("upper-case METERS is no unit") << 4.0 << "METERS" << "4" << "4";
    QTest::newRow("yards typed over the unit") << 4.0 << "Yards" << "4" << "4";
    QTest::newRow("empty unit text") << 4.0 << "" << "4" << "4";
    QTest::newRow("unit name with a blank") << 4.0 << " Inches" << "4" << "4";
    QTest::newRow("unit name cut short") << 4.0 << "Meter" << "4" << "4";
}

void TestUnits::conversions()
{
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(QString, feet);
    QFETCH(QString, inches);

    QCOMPARE(FormatResult(ToFeet(value, unit)), feet);
    QCOMPARE(FormatResult(ToInches(value, unit)), inches);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
