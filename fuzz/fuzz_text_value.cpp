// Any bytes at all: textValue reads no further than the text, and its value
// is a number or an infinity, never NaN.
#include "conversions/TextValue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // libFuzzer's buffer is exactly `size` bytes, so ASan sees any read past it.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = conversions::textValue(text);
    if (std::isnan(value))
        std::abort();
    return 0;
}
