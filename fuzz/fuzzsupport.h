#pragma once

#include "core/entry.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// What every fuzz target shares: a locale picked by the input's first byte,
// and a check that stops the run with a message when a property breaks.
namespace fuzzsupport {

inline void require(bool holds, const char *property, const QString &detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s: %s\n", property, qPrintable(detail));
    std::abort();
}

// C, a decimal-point, two decimal-comma and a narrow-space-grouping locale,
// and two whose signs carry direction marks and whose exponents are words.
inline void pinLocale(uint8_t selector)
{
    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::German, QLocale::Switzerland),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
    };
    QLocale::setDefault(locales[selector % (sizeof locales / sizeof locales[0])]);
}

// The largest magnitude whose 15-digit text still lies inside the double
// range; above it the text rounds up past the largest double.
constexpr double kLargestReadableBack = 1.79769313486231e308;

// The properties every read-out text must have, for a finite value.
inline void checkFormatted(double value, const QString &text)
{
    const QString detail = QString::number(value, 'g', 17) + QStringLiteral(" -> ") + text;
    require(text != QStringLiteral("-0"), "no negative zero", detail);
    require(!text.contains(QStringLiteral("nan"), Qt::CaseInsensitive), "no nan", detail);
    require(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive), "no inf", detail);
    require(!text.contains(QLocale().groupSeparator()), "no group separator", detail);
    if (std::fabs(value) > kLargestReadableBack)
        return;
    // Typed back into a dimension box, it is the same number.
    require(mixora::IsUsableEntry(text), "the text reads back", detail);
    const double back = mixora::ParseEntry(text);
    require(QString::number(back, 'g', 15) == QString::number(value, 'g', 15), "same to 15 digits", detail);
}

// Eight input bytes as a double; false when there are too few.
inline bool takeDouble(const uint8_t *&data, size_t &size, double &value)
{
    if (size < sizeof value)
        return false;
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
    return true;
}

} // namespace fuzzsupport
