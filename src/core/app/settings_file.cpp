#include "core/app/settings_file.h"

#include <string>
#include <system_error>

#include "core/storage/cp1252.h"
#include "core/storage/file_replace.h"
#include "core/storage/text.h"

namespace corvelo {

namespace {

// One line of a settings file: its text and its own line ending ("\r\n",
// "\n", or "" for a last line without one), so that lines we do not change
// are written back exactly as they were read.
struct Line {
    std::string text;
    std::string ending;
};

std::vector<Line> SplitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        std::size_t end = lf;
        if (end > start && bytes[end - 1] == '\r') --end;
        lines.push_back({std::string(bytes.substr(start, end - start)),
                         std::string(bytes.substr(end, lf + 1 - end))});
        start = lf + 1;
    }
    return lines;
}

// The file's own line ending, taken from its first line; CRLF for a file
// that has none yet.
std::string LineEnding(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (!line.ending.empty()) return line.ending;
    }
    return "\r\n";
}

bool SameName(std::string_view a, std::string_view b) {
    return AsciiLower(TrimView(a)) == AsciiLower(TrimView(b));
}

// The section a line opens, or nullopt when it opens none. A "[" without
// its "]" takes the rest of the line as the name.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view t = TrimView(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const std::size_t close = t.find(']');
    return TrimView(
        t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a key line and where its "=" is; comments (";") and lines
// without "=" hold no key.
struct KeyLine {
    std::string_view key;
    std::size_t equals;
};

std::optional<KeyLine> KeyOf(std::string_view line) {
    const std::string_view t = TrimView(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{TrimView(line.substr(0, equals)), equals};
}

// Where key lies in section: the index of its first line in a section of
// that name, and the line after which a missing key belongs (the last key
// line, or the header, of the first section of that name).
struct Place {
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> insertAfter;
};

Place Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Place place;
    bool inSection = false;
    bool firstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i].text)) {
            inSection = SameName(*name, section);
            firstSection = inSection && !place.insertAfter.has_value();
            if (firstSection) place.insertAfter = i;
            continue;
        }
        if (!inSection) continue;
        const auto keyLine = KeyOf(lines[i].text);
        if (!keyLine) continue;
        if (SameName(keyLine->key, key)) {
            place.keyLine = i;
            return place;
        }
        if (firstSection) place.insertAfter = i;
    }
    return place;
}

// A value holding a line break would add lines of its own to the file (a
// forged key, or a section of another name): breaks are stored as blanks.
std::string OneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

std::string FullPath(const std::filesystem::path& file) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(file, ec);
    return (ec ? file : full).string();
}

std::string WriteFailure(const std::filesystem::path& file) {
    return "Unable to write to " + FullPath(file);
}

// The bytes of file: "" when it does not exist, nullopt when it exists and
// cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
    Result<std::optional<std::string>> read = ReadWholeFile(file);
    if (!read.ok()) return std::nullopt;
    return read.value.value_or(std::string());
}

}  // namespace

std::string ReadSettingFromBytes(std::string_view bytes, std::string_view section,
                                 std::string_view key) {
    const std::vector<Line> lines = SplitLines(bytes);
    const Place place = Locate(lines, Utf8ToCp1252(section), Utf8ToCp1252(key));
    if (!place.keyLine) return "";
    const std::string& line = lines[*place.keyLine].text;
    const std::size_t equals = line.find('=');
    return Cp1252ToUtf8(TrimView(std::string_view(line).substr(equals + 1)));
}

std::string WriteSettingsToBytes(std::string_view bytes, std::string_view section,
                                 const SettingValues& values) {
    std::vector<Line> lines = SplitLines(bytes);
    const std::string eol = LineEnding(lines);
    const std::string sectionName = Utf8ToCp1252(section);
    for (const auto& [keyUtf8, valueUtf8] : values) {
        const std::string key = Utf8ToCp1252(keyUtf8);
        const std::string text = key + "=" + Utf8ToCp1252(OneLine(valueUtf8));
        const Place place = Locate(lines, sectionName, key);
        if (place.keyLine) {
            lines[*place.keyLine].text = text;
            continue;
        }
        std::size_t at = lines.size();
        if (place.insertAfter) {
            at = *place.insertAfter + 1;
        } else {
            lines.push_back({"[" + sectionName + "]", eol});
            at = lines.size();
        }
        // A last line without its ending gets one before anything follows it.
        if (at > 0 && lines[at - 1].ending.empty()) lines[at - 1].ending = eol;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, eol});
    }
    // The header appended above may follow a last line without an ending.
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].ending.empty()) lines[i].ending = eol;
    }
    std::string out;
    out.reserve(bytes.size() + 64);
    for (const Line& line : lines) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

std::optional<std::string> ReadSettingStrict(const std::filesystem::path& file,
                                             std::string_view section, std::string_view key) {
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return std::nullopt;
    return ReadSettingFromBytes(*bytes, section, key);
}

std::string ReadSetting(const std::filesystem::path& file, std::string_view section,
                        std::string_view key) {
    return ReadSettingStrict(file, section, key).value_or("");
}

std::optional<std::string> WriteSettings(const std::filesystem::path& file,
                                         std::string_view section, const SettingValues& values) {
    // A file that exists but cannot be read is never replaced: its other
    // sections would be lost.
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return WriteFailure(file);
    if (!ReplaceFile(file, WriteSettingsToBytes(*bytes, section, values)).ok()) {
        return WriteFailure(file);
    }
    return std::nullopt;
}

std::optional<std::string> WriteSetting(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key, std::string_view value) {
    return WriteSettings(file, section, {{std::string(key), std::string(value)}});
}

}  // namespace corvelo
