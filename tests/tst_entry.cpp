#include "core/entry.h"

#include <QLocale>
#include <QTest>

#include <limits>

using namespace mixora;

// Which dimension texts are usable, what they read as, and how results are written.
class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void usableEntry_data();
    void usableEntry();
    void formatResult_data();
    void formatResult();
    void formatResultReadsBack_data();
    void formatResultReadsBack();
};

void TestEntry::usableEntry_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<double>("value");

    auto accept = [](const char *row, const char *locale, const char *text, double value) {
        QTest::newRow(row) << QString::fromLatin1(locale) << QString::fromUtf8(text) << true << value;
    };
    auto refuse = [](const char *row, const char *locale, const char *text) {
        QTest::newRow(row) << QString::fromLatin1(locale) << QString::fromUtf8(text) << false << 0.0;
    };

    accept("C: whole number", "C", "12", 12);
    accept("C: decimal", "C", "1.5", 1.5);
    accept("C: blanks around", "C", "  3 ", 3);
    accept("C: tab and newline around", "C", "\t7\n", 7);
    accept("C: leading plus", "C", "+4", 4);
    accept("C: negative", "C", "-5", -5);
    accept("C: zero", "C", "0", 0);
    accept("C: lower-case exponent", "C", "1e3", 1000);
    accept("C: upper-case negative exponent", "C", "2.5E-1", 0.25);
    accept("C: exponent with plus", "C", "1e+3", 1000);
    accept("C: leading point", "C", ".5", 0.5);
    accept("C: trailing point", "C", "5.", 5);
    accept("C: largest double range", "C", "1.7e308", 1.7e308);
    refuse("C: empty", "C", "");
    refuse("C: one blank", "C", " ");
    refuse("C: word", "C", "abc");
    refuse("C: number with unit", "C", "12 ft");
    refuse("C: blank inside", "C", "1 000");
    refuse("C: two points", "C", "1.2.3");
    refuse("C: lone sign", "C", "-");
    refuse("C: two signs", "C", "+-1");
    refuse("C: exponent without digits", "C", "1e");
    refuse("C: exponent alone", "C", "e3");
    refuse("C: group separator", "C", "1,000");
    refuse("C: decimal comma", "C", "2,5");
    refuse("C: currency sign", "C", "$5");
    refuse("C: parentheses", "C", "(5)");
    refuse("C: hexadecimal", "C", "0x1A");
    refuse("C: inf", "C", "inf");
    refuse("C: INF", "C", "INF");
    refuse("C: negative inf", "C", "-inf");
    refuse("C: Infinity", "C", "Infinity");
    refuse("C: nan", "C", "nan");
    refuse("C: NaN", "C", "NaN");
    refuse("C: beyond the double range", "C", "1e400");
    refuse("C: negative beyond the double range", "C", "-1e400");
    refuse("C: below the smallest double", "C", "1e-400");
    refuse("C: Arabic-Indic digit", "C", "٣");

    accept("en_US: decimal", "en_US", "1.5", 1.5);
    accept("en_US: exponent", "en_US", "2.5E-1", 0.25);
    accept("en_US: exponent as Qt 6.11 writes it", "en_US", "2.5e+20", 2.5e20);
    refuse("en_US: group separator", "en_US", "1,000");
    refuse("en_US: grouped with decimals", "en_US", "1,000.5");
    refuse("en_US: decimal comma", "en_US", "2,5");
    refuse("en_US: dollar amount", "en_US", "$5.00");
    refuse("en_US: nan", "en_US", "nan");

    accept("de_DE: decimal comma", "de_DE", "2,5", 2.5);
    accept("de_DE: negative decimal comma", "de_DE", "-0,25", -0.25);
    accept("de_DE: comma and exponent", "de_DE", "1,5e2", 150);
    accept("de_DE: exponent as Qt 6.4 writes it", "de_DE", "-2,5E-07", -2.5e-7);
    accept("de_DE: whole number", "de_DE", "10", 10);
    refuse("de_DE: point is its group separator", "de_DE", "1.5");
    refuse("de_DE: grouped thousands", "de_DE", "1.000");
    refuse("de_DE: point and exponent", "de_DE", "2.5E-1");
    refuse("de_DE: euro amount", "de_DE", "5 €");
    refuse("de_DE: inf", "de_DE", "inf");

    accept("ar_EG: negative with its letter mark", "ar_EG", "\u061C-\u0661\u066B\u0665", -1.5);
    accept("ar_EG: exponent as Qt 6.4 writes it", "ar_EG", "\u0662\u066B\u0665\u0627\u0633\u061C-\u0660\u0667", 2.5e-7);
    accept("ar_EG: exponent as Qt 6.8 writes it", "ar_EG", "\u0662\u066B\u0665\u0623\u0633\u061C-\u0660\u0667", 2.5e-7);
    accept("fa_IR: its own minus sign", "fa_IR", "\u200E\u2212\u06F1\u066B\u06F2", -1.2);
    accept("sv_SE: times ten exponent", "sv_SE", "2,5\u00D710^\u221207", 2.5e-7);
    refuse("ar_EG: direction mark alone", "ar_EG", "\u061C");
    refuse("ar_EG: its sign after the digits", "ar_EG", "\u0661\u061C-");
    refuse("fa_IR: two decimal separators", "fa_IR", "\u06F1\u066B\u06F2\u066B\u06F3");
    refuse("fa_IR: its digits with a Latin word", "fa_IR", "\u06F1\u06F2 ft");
    refuse("sv_SE: decimal point", "sv_SE", "2.5");
    refuse("sv_SE: exponent without digits", "sv_SE", "2,5\u00D710^");
}

void TestEntry::usableEntry()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, usable);
    QFETCH(double, value);

    QLocale::setDefault(QLocale(locale));
    QCOMPARE(IsUsableEntry(text), usable);
    if (usable)
        QVERIFY2(ParseEntry(text) == value, qPrintable(QString::number(ParseEntry(text), 'g', 17)));
}

void TestEntry::formatResult_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("C: zero") << "C" << 0.0 << "0";
    QTest::newRow("C: negative zero") << "C" << -0.0 << "0";
    QTest::newRow("C: negative zero from a product") << "C" << -4.0 * 0.0 << "0";
    QTest::newRow("C: whole value") << "C" << 5.0 * 73.8 << "369";
    QTest::newRow("C: cost of 1.23 yards") << "C" << 75 * 1.23 << "92.25";
    QTest::newRow("C: cost of 55.35 bags") << "C" << 6 * 55.35 << "332.1";
    QTest::newRow("C: below one") << "C" << 0.93 << "0.93";
    QTest::newRow("C: negative") << "C" << -1.23 << "-1.23";
    QTest::newRow("C: fifteen digits kept") << "C" << 123456789012345.0 << "123456789012345";
    QTest::newRow("C: sixteenth digit rounded away") << "C" << 0.1 + 0.2 << "0.3";
    QTest::newRow("C: a third") << "C" << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("C: no grouping") << "C" << 1234567.5 << "1234567.5";
    QTest::newRow("C: large value") << "C" << 1e15 << "1e+15";
    QTest::newRow("C: small value plain") << "C" << 0.0001 << "0.0001";
    QTest::newRow("C: small value exponent") << "C" << 0.00001 << "1e-05";
    QTest::newRow("C: largest double") << "C" << std::numeric_limits<double>::max() << "1.79769313486232e+308";
    QTest::newRow("en_US: no grouping") << "en_US" << 1234567.5 << "1234567.5";
    QTest::newRow("en_US: large value") << "en_US" << 2.5e20 << "2.5E+20";
    QTest::newRow("de_DE: decimal comma") << "de_DE" << 92.25 << "92,25";
    QTest::newRow("de_DE: no grouping") << "de_DE" << 1234567.5 << "1234567,5";
    QTest::newRow("de_DE: negative zero") << "de_DE" << -0.0 << "0";
    QTest::newRow("de_DE: small value") << "de_DE" << -2.5e-7 << "-2,5E-07";
}

void TestEntry::formatResult()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QLocale::setDefault(QLocale(locale));
    // The locale's exponent symbol as listed ("E" in en_US, as Qt 6.4 and
    // 6.8 write it) or in lower case, as Qt 6.11 writes it for the 'g' form;
    // the digits and the exponent's sign and value are the same on both.
    const QString symbol = QLocale().exponential();
    const QString lowered = QString(text).replace(symbol, symbol.toLower());
    const QString written = FormatResult(value);
    QVERIFY2(written == text || written == lowered, qPrintable(written + " is not " + text));
}

void TestEntry::formatResultReadsBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");

    // Among them locales whose signs carry direction marks, a minus sign
    // other than the hyphen, or an exponent of several characters.
    for (const char *locale : {"C", "en_US", "de_DE", "de_CH", "fr_FR", "hi_IN", "ar_EG", "ar_SA", "ps_AF",
                               "fa_IR", "he_IL", "sv_SE"}) {
        for (double value : {2999.7, -0.12, 1e300, -2.5e-7, 4.9e-300, 1234567.125}) {
            const QByteArray row = QByteArray(locale) + ": " + QByteArray::number(value, 'g', 17);
            QTest::newRow(row.constData()) << QString::fromLatin1(locale) << value;
        }
    }
}

// What a read-out shows can be typed back into a dimension box.
void TestEntry::formatResultReadsBack()
{
    QFETCH(QString, locale);
    QFETCH(double, value);

    QLocale::setDefault(QLocale(locale));
    const QString text = FormatResult(value);
    QVERIFY2(IsUsableEntry(text), qPrintable(text));
    QCOMPARE(QString::number(ParseEntry(text), 'g', 15), QString::number(value, 'g', 15));
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
