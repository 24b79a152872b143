// Small text helpers whose exact behaviour matters to stored and compared
// data. Case changes touch only the letters A-Z and a-z: never locale-aware.
#pragma once

#include <string>
#include <string_view>

namespace corvelo {

// Returns text without leading and trailing characters up to and including
// the blank (control characters and spaces); other characters are kept.
inline std::string_view TrimView(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

inline std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

// Returns text with a-z turned into A-Z; every other byte is kept.
inline std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// Returns text with A-Z turned into a-z; every other byte is kept.
inline std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

}  // namespace corvelo
