#include "windows/calculators/rectangularcalculator.h"

#include "core/estimate.h"
#include "core/units.h"

namespace {

// The few things in which the slab and footing windows differ.
struct Differences
{
    const char *caption;
    const char *heading;
    int headingLeft;
    int headingWidth;
    QSize client;
    const char *firstCaption;
    const char *firstPrompt;
    const QString &widthStartUnit;
};

Differences differences(RectangularCalculator::Kind kind)
{
    if (kind == RectangularCalculator::Kind::Slab) {
        return {QT_TR_NOOP("Slab Calculator"), QT_TR_NOOP("SLAB CALCULATOR"), 1200, 2655, {4710, 5610},
                QT_TR_NOOP("Thickness:"), QT_TR_NOOP("Please enter a number value for the Thickness."),
                mixora::kFeet};
    }
    return {QT_TR_NOOP("Footing Calculator"), QT_TR_NOOP("FOOTING CALCULATOR"), 960, 3135, {4725, 5655},
            QT_TR_NOOP("Depth:"), QT_TR_NOOP("Please enter a number value for the Depth."),
            mixora::kInches};
}

CalculatorWindow::Design design(RectangularCalculator::Kind kind)
{
    const Differences d = differences(kind);
    auto tr = [](const char *text) { return RectangularCalculator::tr(text); };
    return {
        tr(d.caption),
        tr(d.heading),
        d.headingLeft,
        d.headingWidth,
        d.client,
        {
            {'t', tr(d.firstCaption), 975, mixora::kInches, tr(d.firstPrompt)},
            {'w', tr("Width:"), 975, d.widthStartUnit, tr("Please enter a number value for the Width.")},
            {'l', tr("Length:"), 855, mixora::kFeet, tr("Please enter a number value for the Length.")},
        },
    };
}

} // namespace

RectangularCalculator::RectangularCalculator(Kind kind, QWidget *parent)
    : CalculatorWindow(design(kind), parent)
{
}

double RectangularCalculator::volumeYards(const QList<double> &values, const QStringList &units) const
{
    return mixora::RectangularYards(mixora::ToFeet(values[0], units[0]),
                                    mixora::ToFeet(values[1], units[1]),
                                    mixora::ToFeet(values[2], units[2]));
}
