#include "windows/calculators/circularcalculator.h"

#include "core/estimate.h"
#include "core/units.h"

namespace {

CalculatorWindow::Design design()
{
    auto tr = [](const char *text) { return CircularCalculator::tr(text); };
    return {
        tr("Circular Calculator"),
        tr("CIRCULAR CALCULATOR"),
        840,
        3255,
        {4725, 5610},
        {
            {'t', tr("Diameter:"), 975, mixora::kInches, tr("Please enter a number value for the Diameter.")},
            {'w', tr("Height:"), 975, mixora::kInches, tr("Please enter a number value for the Height.")},
        },
    };
}

} // namespace

CircularCalculator::CircularCalculator(QWidget *parent)
    : CalculatorWindow(design(), parent)
{
}

double CircularCalculator::volumeYards(const QList<double> &values, const QStringList &units) const
{
    return mixora::CylinderYards(mixora::ToInches(values[0], units[0]), mixora::ToInches(values[1], units[1]));
}
