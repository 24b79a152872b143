// Sections-and-keys settings files ("[Section]" lines, "Key=Value" lines) in
// Windows-1252, read and written by section and key name. Names compare
// without regard to the case of A-Z; texts in this API are UTF-8.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvelo {

using SettingValues = std::vector<std::pair<std::string, std::string>>;

// Returns the value of key in section of the file, or "" when the file, the
// section or the key is missing or the file cannot be read. The value is the
// rest of the line after the first "=", without blanks at either end.
std::string ReadSetting(const std::filesystem::path& file, std::string_view section,
                        std::string_view key);

// As ReadSetting, but tells a file that exists and cannot be read (nullopt)
// from a missing one (""), for callers that must report the difference.
std::optional<std::string> ReadSettingStrict(const std::filesystem::path& file,
                                             std::string_view section, std::string_view key);

// Sets key in section to value, creating the file, the section and the key as
// needed; every other line of the file is kept byte for byte. The file is
// replaced whole through ReplaceFile. Returns nullopt on success, otherwise
// "Unable to write to <full path>" and the file is left as it was: also when
// it exists and cannot be read, or is marked read-only.
std::optional<std::string> WriteSetting(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key, std::string_view value);

// As WriteSetting for several keys of one section, in one replacement of the
// file. Keys not yet in the file are added in the order given.
std::optional<std::string> WriteSettings(const std::filesystem::path& file,
                                         std::string_view section, const SettingValues& values);

// The same operations on the bytes of a settings file, without the disk.

// Returns the value of key in section of the file bytes (UTF-8), or "".
std::string ReadSettingFromBytes(std::string_view bytes, std::string_view section,
                                 std::string_view key);

// Returns the file bytes with the values set. Line endings follow the file's
// own (CRLF for a file that has none yet).
std::string WriteSettingsToBytes(std::string_view bytes, std::string_view section,
                                 const SettingValues& values);

}  // namespace corvelo
