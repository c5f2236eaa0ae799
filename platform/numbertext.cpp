#include "platform/numbertext.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {
namespace {

constexpr int kSignificantDigits = 15;

QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return locale;
}

// The locale's own number symbols, longest first, with what each stands for
// in the C locale.
QList<std::pair<QString, QString>> localeSymbols(const QLocale &locale)
{
    QList<std::pair<QString, QString>> symbols = {
        {locale.negativeSign(), QStringLiteral("-")},
        {locale.positiveSign(), QStringLiteral("+")},
        {locale.exponential(), QStringLiteral("e")},
        {locale.decimalPoint(), QStringLiteral(".")},
    };
    // Arabic locales write the exponent with a bare alef (U+0627 U+0633) on
    // Qt 6.4 and with a hamza on it (U+0623 U+0633) on Qt 6.8, from newer
    // locale data; either is read, so a figure written on one reads on both.
    const QString arabicExponents[] = {QStringLiteral("\u0627\u0633"), QStringLiteral("\u0623\u0633")};
    for (qsizetype i = 0; i < 2; ++i) {
        if (locale.exponential() == arabicExponents[i])
            symbols.append({arabicExponents[1 - i], QStringLiteral("e")});
    }
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    for (uint digit = 0; digit < 10 && zero.size() == 1; ++digit) {
        const char32_t codePoint = zero.first() + digit;
        symbols.append({QString::fromUcs4(&codePoint, 1), QString(QChar(u'0' + digit))});
    }
    std::stable_sort(symbols.begin(), symbols.end(),
                     [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    return symbols;
}

// Qt 6.4 writes some locales' signs and exponents with direction marks, or
// as several characters, and then does not read them back (Qt 6.8 reads
// them). A text made of
// nothing but the locale's own symbols is spelled out in the C locale's
// symbols instead; any other character makes it no number.
QString inCLocaleSymbols(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    const QList<std::pair<QString, QString>> symbols = localeSymbols(locale);
    QString spelled;
    for (qsizetype at = 0; at < trimmed.size();) {
        const auto symbol = std::find_if(symbols.cbegin(), symbols.cend(), [&](const auto &s) {
            return !s.first.isEmpty() && QStringView(trimmed).sliced(at).startsWith(s.first);
        });
        if (symbol == symbols.cend())
            return QString();
        spelled += symbol->second;
        at += symbol->first.size();
    }
    return spelled;
}

double readNumber(const QString &text, bool *ok)
{
    const QLocale locale = numberLocale();
    double value = locale.toDouble(text, ok);
    if (!*ok) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(inCLocaleSymbols(text, locale), ok);
    }
    return value;
}

} // namespace

bool isNumericText(const QString &text)
{
    bool ok = false;
    const double value = readNumber(text, &ok);
    // QLocale reads "inf" and "nan" as numbers; they are no dimension.
    return ok && std::isfinite(value);
}

double textToDouble(const QString &text)
{
    bool ok = false;
    return readNumber(text, &ok);
}

double roundToWhole(double value)
{
    // std::rint follows the current rounding mode, which nothing here changes
    // from round-to-nearest-even; a product such as 12.5 goes to 12.
    return std::rint(value);
}

QString doubleToText(double value)
{
    if (value == 0.0)
        value = 0.0; // drops the sign of a negative zero
    return numberLocale().toString(value, 'g', kSignificantDigits);
}

} // namespace platform
