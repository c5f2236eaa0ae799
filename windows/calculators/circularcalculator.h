#pragma once

#include "windows/calculators/calculatorwindow.h"

// The circular calculator: a round column or pier of diameter and height,
// worked in inches.
class CircularCalculator : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit CircularCalculator(QWidget *parent = nullptr);

protected:
    double volumeYards(const QList<double> &values, const QStringList &units) const override;
};
