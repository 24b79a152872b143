#include "core/storage/fixed_text.h"

#include <algorithm>
#include <cstring>

#include "core/storage/cp1252.h"
#include "core/storage/fixed_text_inline.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

bool IsAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

void StoreFixedText(std::string_view text, std::size_t capacity, char* field) {
    const std::string_view trimmed = TrimView(text);
    std::string converted;
    std::string_view bytes = trimmed;
    if (!IsAscii(trimmed)) {
        converted = Utf8ToCp1252(trimmed);
        bytes = converted;
    }
    // The cut may end inside a run of blanks; those never reach the file.
    bytes = TrimView(bytes.substr(0, std::min(bytes.size(), capacity)));
    field[0] = static_cast<char>(bytes.size());
    std::memcpy(field + 1, bytes.data(), bytes.size());
    std::memset(field + 1 + bytes.size(), 0, capacity - bytes.size());
}

void ReadFixedTextInto(const char* field, std::size_t capacity, std::string& out) {
    ReadFixedTextInline(field, capacity, out);
}

}  // namespace corvelo
