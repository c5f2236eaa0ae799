#pragma once

// Volumes in cubic yards and the seven figures every calculator shows.
namespace mixora {

struct Estimate
{
    double Yards = 0;
    double Meters = 0;
    double Cost = 0;
    double Bags60 = 0;
    double Cost60 = 0;
    double Bags80 = 0;
    double Cost80 = 0;

    // False when a dimension was so large that a figure left the double range.
    bool isFinite() const;
};

// Thickness, width and length in feet; unrounded cubic yards.
double RectangularYards(double t, double w, double l);

// Diameter and height in inches; unrounded cubic yards.
double CylinderYards(double d, double h);

// x to hundredths, ties to the even neighbour on the double product x * 100.
double RoundToHundredths(double x);

Estimate EstimateFromVolume(double volume);

} // namespace mixora
