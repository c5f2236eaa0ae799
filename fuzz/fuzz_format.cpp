// Read-out texts of arbitrary finite doubles.
#include "core/entry.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    fuzzsupport::pinLocale(data[0]);
    ++data;
    --size;
    double value = 0;
    while (fuzzsupport::takeDouble(data, size, value)) {
        if (std::isfinite(value))
            fuzzsupport::checkFormatted(value, mixora::FormatResult(value));
    }
    return 0;
}
