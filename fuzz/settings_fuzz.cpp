// Reads arbitrary bytes as a settings file, writes a value into it and checks
// that the value reads back and that another key of the file is unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/app/settings_file.h"
#include "core/storage/cp1252.h"
#include "core/storage/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte splits the rest into a value and the file.
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t valueLength = std::min<std::size_t>(data[0] % 32, rest.size());
    const std::string value = corvelo::Cp1252ToUtf8(rest.substr(0, valueLength));
    const std::string_view file = rest.substr(valueLength);

    const char* section = (data[0] & 0x20) ? "Ditta Emittente" : "ditta EMITTENTE";
    const char* key = (data[0] & 0x40) ? "Nome" : "NOME";
    const std::string otherBefore = corvelo::ReadSettingFromBytes(file, "Ditta Emittente", "CAP");
    const std::string elsewhereBefore = corvelo::ReadSettingFromBytes(file, "Accesso", "Valore");
    (void)corvelo::ReadSettingFromBytes(file, section, key);

    const std::string written = corvelo::WriteSettingsToBytes(file, section, {{key, value}});
    std::string expected = value;
    for (char& c : expected) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (corvelo::ReadSettingFromBytes(written, "Ditta Emittente", "Nome") !=
        corvelo::Trim(expected))
        std::abort();
    if (corvelo::ReadSettingFromBytes(written, "Ditta Emittente", "CAP") != otherBefore)
        std::abort();
    if (corvelo::ReadSettingFromBytes(written, "Accesso", "Valore") != elsewhereBefore)
        std::abort();
    // Writing the same value again changes nothing.
    if (corvelo::WriteSettingsToBytes(written, section, {{key, value}}) != written) std::abort();
    return 0;
}
