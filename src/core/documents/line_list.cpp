#include "core/documents/line_list.h"

#include <algorithm>
#include <array>
#include <cstdint>

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
    if (spans_.size() < 2) return;
    auto line = [this](const Span& s) {
        return std::string_view(text_).substr(s.begin, s.end - s.begin);
    };
    // The lines of a list mostly share their start ("Ric. n. "), so each is
    // sorted by the eight folded bytes after the start they all share, big
    // end first and padded with zero bytes, and only lines with equal keys
    // are compared as texts. A key that differs orders two lines as their
    // texts do: up to the first differing byte both keys hold the texts'
    // bytes, or a line that ended (zeros) and the other's zero bytes.
    std::size_t shared = line(spans_[0]).size();
    for (const Span& s : spans_) {
        const std::string_view a = line(spans_[0]);
        const std::string_view b = line(s);
        std::size_t k = 0;
        const std::size_t n = std::min(shared, b.size());
        while (k < n &&
               kFold[static_cast<unsigned char>(a[k])] == kFold[static_cast<unsigned char>(b[k])]) {
            ++k;
        }
        shared = k;
    }
    struct Keyed {
        std::uint64_t key;
        Span span;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(spans_.size());
    for (const Span& s : spans_) {
        const std::string_view rest = line(s).substr(shared);
        std::uint64_t key = 0;
        for (std::size_t k = 0; k < 8; ++k) {
            key = (key << 8) | (k < rest.size() ? kFold[static_cast<unsigned char>(rest[k])] : 0);
        }
        keyed.push_back({key, s});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& x, const Keyed& y) {
        if (x.key != y.key) return x.key < y.key;
        return CompareCaseless(line(x.span).substr(shared), line(y.span).substr(shared)) < 0;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) spans_[i] = keyed[i].span;
}

std::vector<std::string> LineList::ToVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
    return out;
}

}  // namespace corvelo
