#include "core/entry.h"

#include "platform/numbertext.h"

namespace mixora {

bool IsUsableEntry(const QString &text)
{
    return !text.isEmpty() && platform::isNumericText(text);
}

double ParseEntry(const QString &text)
{
    return platform::textToDouble(text);
}

QString FormatResult(double value)
{
    return platform::doubleToText(value);
}

} // namespace mixora
