// Reads arbitrary text as a number the way every amount box does, and checks
// that what is written back is read again as the same number and that an
// amount box never shows a text the calculation cannot read.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/app/amount_box.h"
#include "core/app/routines.h"

namespace {

void CheckWrittenNumber(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = corvelo::NumberToText(value);
    // Fifteen digits of the largest doubles round above the largest double.
    if (std::fabs(value) >= 1e308) return;
    const auto back = corvelo::TextToNumber(text);
    if (!back) std::abort();
    const double tolerance = std::fabs(value) * 1e-14;
    if (std::fabs(*back - value) > tolerance) std::abort();
    if (text == "-0" || text.find('.') != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = corvelo::TextToNumber(text)) {
        if (!std::isfinite(*value)) std::abort();
        CheckWrittenNumber(*value);
        for (int decimals = 0; decimals <= 4; ++decimals)
            CheckWrittenNumber(corvelo::RoundDecimals(*value, decimals));
    }
    const std::string shown = corvelo::NormaliseAmount(text, corvelo::EmptyAmount::StaysEmpty);
    if (!shown.empty() && !corvelo::TextToNumber(shown)) std::abort();
    (void)corvelo::CompleteAmountText(text);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckWrittenNumber(raw);
    }
    return 0;
}
