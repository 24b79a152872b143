#include "core/app/line_list.h"

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

}  // namespace

int CompareCaseless(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = kFold[static_cast<unsigned char>(a[i])];
        const unsigned char y = kFold[static_cast<unsigned char>(b[i])];
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void LineList::SortCaseless() {
    std::stable_sort(spans_.begin(), spans_.end(), [this](const Span& x, const Span& y) {
        return CompareCaseless(std::string_view(text_).substr(x.begin, x.end - x.begin),
                               std::string_view(text_).substr(y.begin, y.end - y.begin)) < 0;
    });
}

std::vector<std::string> LineList::ToVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
    return out;
}

}  // namespace corvelo
