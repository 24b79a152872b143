// The FixedText reader in a form the compiler can inline into record
// decoding, which reads some ninety fields per record in a scan. Internal to
// the storage library; use ReadFixedTextInto elsewhere.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/storage/cp1252.h"

namespace corvelo {

// True when no byte of [p, p + n) has the high bit set; eight bytes a step.
inline bool AllAscii(const char* p, std::size_t n) {
    std::uint64_t high = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        high |= word;
    }
    for (; i < n; ++i) high |= static_cast<unsigned char>(p[i]);
    return (high & 0x8080808080808080ULL) == 0;
}

inline void ReadFixedTextInline(const char* field, std::size_t capacity, std::string& out) {
    std::size_t end = std::min<std::size_t>(static_cast<unsigned char>(field[0]), capacity);
    const char* text = field + 1;
    // Windows-1252 bytes up to the blank are the same characters as in UTF-8,
    // so trimming the bytes trims the text.
    std::size_t begin = 0;
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    const std::size_t n = end - begin;
    if (n == 0) {
        out.clear();
    } else if (AllAscii(text + begin, n)) {
        out.assign(text + begin, n);
    } else {
        out.clear();
        AppendCp1252AsUtf8(std::string_view(text + begin, n), out);
    }
}

}  // namespace corvelo
