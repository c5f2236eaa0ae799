#pragma once

#include "windows/calculators/calculatorwindow.h"

// The slab and footing calculators: one block of thickness (or depth),
// width and length, worked in feet.
class RectangularCalculator : public CalculatorWindow
{
    Q_OBJECT

public:
    enum class Kind { Slab, Footing };

    explicit RectangularCalculator(Kind kind, QWidget *parent = nullptr);

protected:
    double volumeYards(const QList<double> &values, const QStringList &units) const override;
};
