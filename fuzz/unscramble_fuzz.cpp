// Unscrambles arbitrary stored values and checks that scrambling the result
// gives back the stored value (upper-cased, without an odd last digit).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/app/password.h"
#include "core/storage/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view stored(reinterpret_cast<const char*>(data), size);
    const auto clear = corvelo::UnscramblePassword(stored);
    if (!clear) return 0;
    const std::string again = corvelo::ScramblePassword(*clear);
    if (again != corvelo::AsciiUpper(stored.substr(0, size / 2 * 2))) std::abort();
    (void)corvelo::PasswordText(*clear);
    (void)corvelo::NewPasswordRefusal(*clear);
    return 0;
}
