// Reads arbitrary text as a date and checks that an accepted date is one
// that exists and reads back the same from its dd/mm/yyyy form.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/app/routines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto date = corvelo::TextToDate(text);
    if (corvelo::IsValidDate(text) != date.has_value()) std::abort();
    if (!date) return 0;
    if (!date->ok() || size < 8 || size > 10) std::abort();
    char again[16];
    std::snprintf(again, sizeof again, "%02u/%02u/%04d", static_cast<unsigned>(date->day()),
                  static_cast<unsigned>(date->month()), static_cast<int>(date->year()));
    const auto back = corvelo::TextToDate(again);
    if (!back || *back != *date) std::abort();
    return 0;
}
