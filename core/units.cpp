#include "core/units.h"

namespace mixora {
namespace {

// Feet per metre as the estimator has always used it, not 3.28084.
constexpr double kFeetPerMeter = 3.281;
constexpr double kInchesPerFoot = 12;

} // namespace

QStringList UnitNames()
{
    return {kInches, kFeet, kMeters};
}

double ToFeet(double value, const QString &unit)
{
    if (unit == kInches)
        return value / kInchesPerFoot;
    if (unit == kMeters)
        return value * kFeetPerMeter;
    return value;
}

double ToInches(double value, const QString &unit)
{
    if (unit == kFeet)
        return value * kInchesPerFoot;
    if (unit == kMeters)
        return (value * kFeetPerMeter) * kInchesPerFoot;
    return value;
}

} // namespace mixora
