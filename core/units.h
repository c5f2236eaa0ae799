#pragma once

#include <QString>
#include <QStringList>

// The three unit names and the conversions to each shape's working unit.
// A unit text that is none of the names leaves the value as it is.
namespace mixora {

inline const QString kInches = QStringLiteral("Inches");
inline const QString kFeet = QStringLiteral("Feet");
inline const QString kMeters = QStringLiteral("Meters");

// The names in the order every unit box offers them.
QStringList UnitNames();

// For the rectangular shapes: the value in feet.
double ToFeet(double value, const QString &unit);

// For the circular shape: the value in inches.
double ToInches(double value, const QString &unit);

} // namespace mixora
