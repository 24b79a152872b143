#include "core/warehouse/item_matching.h"

#include <algorithm>
#include <array>

namespace corvelo {

namespace {

constexpr std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> fold{};
    for (int c = 0; c < 256; ++c) {
        fold[c] = static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    }
    return fold;
}();

unsigned char Fold(char c) {
    return kFold[static_cast<unsigned char>(c)];
}

// True when `needle` occurs in `hay` with A-Z taken as a-z.
bool ContainsCaseless(std::string_view hay, std::string_view needle) {
    if (needle.size() > hay.size()) return false;
    const unsigned char first = Fold(needle[0]);
    for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i) {
        if (Fold(hay[i]) != first) continue;
        std::size_t k = 1;
        while (k < needle.size() && Fold(hay[i + k]) == Fold(needle[k])) ++k;
        if (k == needle.size()) return true;
    }
    return false;
}

bool LessCaseless(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = Fold(a[i]);
        const unsigned char y = Fold(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

}  // namespace

std::size_t CountCriteria(std::span<const std::string> typed) {
    std::size_t n = 0;
    for (const std::string& t : typed) n += TrimView(t).empty() ? 0 : 1;
    return n;
}

bool MatchesCriteria(std::span<const std::string> typed, std::span<const std::string_view> fields) {
    const std::size_t needed = CountCriteria(typed);
    std::size_t hits = 0;
    for (std::size_t i = 0; i < typed.size() && i < fields.size(); ++i) {
        if (!typed[i].empty() && ContainsCaseless(fields[i], typed[i])) ++hits;
    }
    return hits >= needed;
}

void SortLinesCaseless(ItemLines& lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return LessCaseless(a, b); });
}

}  // namespace corvelo
