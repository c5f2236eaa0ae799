#include "core/estimate.h"

#include "platform/numbertext.h"

#include <cmath>

namespace mixora {
namespace {

// The figures the estimator has always used; they are not meant to be exact.
constexpr double kCubicFeetPerYard = 27;
constexpr double kPi = 3.142;
constexpr double kYardsPerCubicInch = 2.14334705e-05;
constexpr double kMetersPerYard = 0.76;
constexpr double kBags60PerYard = 60;
constexpr double kBags80PerYard = 45;
constexpr double kReadyMixPrice = 75;
constexpr double kBag60Price = 5;
constexpr double kBag80Price = 6;

} // namespace

bool Estimate::isFinite() const
{
    for (double figure : {Yards, Meters, Cost, Bags60, Cost60, Bags80, Cost80}) {
        if (!std::isfinite(figure))
            return false;
    }
    return true;
}

double RectangularYards(double t, double w, double l)
{
    return ((t * w) * l) / kCubicFeetPerYard;
}

double CylinderYards(double d, double h)
{
    return ((((d / 2) * (d / 2)) * kPi) * h) * kYardsPerCubicInch;
}

double RoundToHundredths(double x)
{
    return platform::roundToWhole(x * 100) / 100;
}

Estimate EstimateFromVolume(double volume)
{
    Estimate e;
    // Every later figure builds on the rounded volume, so equal read-outs
    // of cubic yards always come with equal costs.
    e.Yards = RoundToHundredths(volume);
    e.Meters = RoundToHundredths(kMetersPerYard * e.Yards);
    e.Bags60 = RoundToHundredths(kBags60PerYard * e.Yards);
    e.Bags80 = RoundToHundredths(kBags80PerYard * e.Yards);
    e.Cost = kReadyMixPrice * e.Yards;
    e.Cost60 = kBag60Price * e.Bags60;
    e.Cost80 = kBag80Price * e.Bags80;
    return e;
}

} // namespace mixora
