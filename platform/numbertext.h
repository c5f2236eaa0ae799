#pragma once

#include <QString>

// The platform's number services: the locale's reading and writing of numbers
// and its rounding. Everything goes through the default QLocale, so a user who
// writes 2,5 gets 2,5 back.
namespace platform {

// True when the whole text reads as one finite number in the locale's syntax.
// Digit-group separators are refused so that "1.5" in a dot-grouping locale
// is never silently read as 15.
bool isNumericText(const QString &text);

// The value of a text that passed isNumericText().
double textToDouble(const QString &text);

// The nearest whole number, ties to the even neighbour.
double roundToWhole(double value);

// The general form: at most 15 significant digits, no grouping, no "-0".
QString doubleToText(double value);

} // namespace platform
