#include "platform/numbertext.h"

#include <QLocale>

#include <cmath>

namespace platform {
namespace {

constexpr int kSignificantDigits = 15;

QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

bool isNumericText(const QString &text)
{
    bool ok = false;
    const double value = numberLocale().toDouble(text, &ok);
    // QLocale reads "inf" and "nan" as numbers; they are no dimension.
    return ok && std::isfinite(value);
}

double textToDouble(const QString &text)
{
    return numberLocale().toDouble(text);
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
