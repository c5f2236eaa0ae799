// Whole estimates from arbitrary dimensions and unit texts: every figure of
// a finite estimate obeys the rounding and pricing rules and formats cleanly.
#include "core/entry.h"
#include "core/estimate.h"
#include "core/units.h"
#include "fuzz/fuzzsupport.h"

namespace {

QString unitFor(uint8_t selector)
{
    static const QString units[] = {mixora::kInches, mixora::kFeet, mixora::kMeters,
                                    QStringLiteral("inches"), QStringLiteral("Yards"), QString()};
    return units[selector % (sizeof units / sizeof units[0])];
}

bool isHundredths(double figure)
{
    return std::nearbyint(figure * 100) / 100 == figure;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    fuzzsupport::pinLocale(data[0]);
    const uint8_t units = data[1];
    data += 2;
    size -= 2;
    double t = 0, w = 0, l = 0;
    if (!fuzzsupport::takeDouble(data, size, t) || !fuzzsupport::takeDouble(data, size, w))
        return 0;
    const bool cylinder = !fuzzsupport::takeDouble(data, size, l);
    if (!std::isfinite(t) || !std::isfinite(w) || !std::isfinite(l))
        return 0;

    const double volume = cylinder
        ? mixora::CylinderYards(mixora::ToInches(t, unitFor(units)), mixora::ToInches(w, unitFor(units >> 3)))
        : mixora::RectangularYards(mixora::ToFeet(t, unitFor(units)), mixora::ToFeet(w, unitFor(units >> 3)),
                                   mixora::ToFeet(l, unitFor(units >> 6)));
    const mixora::Estimate e = mixora::EstimateFromVolume(volume);
    if (!e.isFinite())
        return 0;

    const QString detail = QString::number(volume, 'g', 17);
    fuzzsupport::require(isHundredths(e.Yards) && isHundredths(e.Meters) && isHundredths(e.Bags60)
                             && isHundredths(e.Bags80),
                         "rounded figures are whole hundredths", detail);
    fuzzsupport::require(e.Cost == 75 * e.Yards && e.Cost60 == 5 * e.Bags60 && e.Cost80 == 6 * e.Bags80,
                         "costs are plain products of the rounded figures", detail);
    for (double figure : {e.Yards, e.Meters, e.Cost, e.Bags60, e.Cost60, e.Bags80, e.Cost80})
        fuzzsupport::checkFormatted(figure, mixora::FormatResult(figure));
    return 0;
}
