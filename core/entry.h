#pragma once

#include <QString>

// Dimension texts as typed, and results as shown, in the user's locale.
namespace mixora {

// True when the text is not empty and reads as one finite number.
bool IsUsableEntry(const QString &text);

// The value of a text for which IsUsableEntry() is true.
double ParseEntry(const QString &text);

// The text a read-out box shows for a result.
QString FormatResult(double value);

} // namespace mixora
