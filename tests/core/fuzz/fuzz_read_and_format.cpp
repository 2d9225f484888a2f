// libFuzzer target for the reader and the formatter: any text and any mask must
// neither crash nor misbehave, and a number written through a three-decimal
// mask must read back to itself within half a thousandth.
#include "display_mask.h"
#include "read_number.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double read = varnok::ReadNumber(text);
    if (std::isnan(read))
        std::abort(); // reading never invents a not-a-number
    if (const auto whole = varnok::ReadWholeNumber(text); whole && *whole != read)
        std::abort(); // a whole number is what ReadNumber reads, never another value

    // Any mask, with the value read and with raw bit patterns.
    (void)varnok::FormatMask(read, text);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        const std::string_view mask = text.substr(sizeof raw);
        if (varnok::FormatMask(raw, mask) != varnok::detail::FormatMaskExact(raw, mask))
            std::abort(); // the quick rounding left the decimal form
        // A field showing "∞", "-∞" or "不定" reads back as what it shows.
        const double shown = varnok::ReadShown(varnok::FormatMask(raw, "##0.000"));
        if (std::isnan(shown) != std::isnan(raw) || (std::isinf(raw) && shown != raw))
            std::abort();
        if (std::isfinite(raw) && std::fabs(raw) < 1e12) {
            const double back = varnok::ReadNumber(varnok::FormatMask(raw, "##0.000"));
            if (std::fabs(back - raw) > 0.0005 + std::fabs(raw) * 1e-14)
                std::abort();
        }
    }
    return 0;
}
