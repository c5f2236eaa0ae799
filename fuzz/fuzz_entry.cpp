// Dimension texts: whatever is usable parses to a finite number, and that
// number's read-out text keeps every read-out property.
#include "core/entry.h"
#include "core/units.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    fuzzsupport::pinLocale(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    if (!mixora::IsUsableEntry(text))
        return 0;
    const double value = mixora::ParseEntry(text);
    fuzzsupport::require(std::isfinite(value), "a usable text parses to a finite number", text);
    fuzzsupport::checkFormatted(value, mixora::FormatResult(value));
    for (const QString &unit : mixora::UnitNames()) {
        // Conversions never fail; a huge value may overflow, but only to infinity.
        fuzzsupport::require(!std::isnan(mixora::ToFeet(value, unit)), "ToFeet is a number", text);
        fuzzsupport::require(!std::isnan(mixora::ToInches(value, unit)), "ToInches is a number", text);
    }
    return 0;
}
