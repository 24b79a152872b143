#include "core/app/line_list.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

namespace {

// One line during the sort: the next (up to) eight folded bytes of its text
// from the current depth as a big-endian number, how many there were (9
// when the text goes on after them), and the line's place in the list.
struct SortItem {
    std::uint64_t key;
    std::uint32_t len;
    std::uint32_t line;
    std::size_t begin;  // the line's text, kept here to spare a look-up per round
    std::size_t size;
    bool operator<(const SortItem& o) const {
        if (key != o.key) return key < o.key;
        if (len != o.len) return len < o.len;  // a text that ends comes first
        return line < o.line;                  // equal texts keep their order
    }
};

// Eight bytes with A-Z turned to a-z, all at once: a byte gets 0x20 added
// when it lies in 0x41..0x5A.
std::uint64_t FoldAZ(std::uint64_t x) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    const std::uint64_t low7 = x & ~kHigh;
    const std::uint64_t at_least_a = low7 + kOnes * (0x80 - 'A');
    const std::uint64_t above_z = low7 + kOnes * (0x80 - 'Z' - 1);
    const std::uint64_t upper = at_least_a & ~above_z & ~x & kHigh;
    return x | (upper >> 2);
}

// Sorts items[0, n) by their folded texts from byte `depth` on, eight bytes
// at a time: the keys lie in the items themselves, so a pass touches each
// text once instead of once per comparison.
void SortFrom(SortItem* items, std::size_t n, std::size_t depth, std::string_view text) {
    constexpr std::size_t kAhead = 8;  // texts are fetched this many items ahead
    for (std::size_t i = 0; i < n; ++i) {
        if (i + kAhead < n) __builtin_prefetch(text.data() + items[i + kAhead].begin + depth);
        const std::size_t size = items[i].size;
        const std::size_t rest = size > depth ? size - depth : 0;
        const std::size_t take = rest < 8 ? rest : 8;
        std::uint64_t bytes = 0;
        const std::size_t at = items[i].begin + depth;
        if (at + 8 <= text.size()) {
            std::memcpy(&bytes, text.data() + at, 8);
        } else if (take != 0) {
            std::memcpy(&bytes, text.data() + at, take);
        }
        if constexpr (std::endian::native == std::endian::little) {
            bytes = __builtin_bswap64(bytes);  // the first byte most significant
        }
        std::uint64_t key = FoldAZ(bytes);
        if (take < 8) key &= take == 0 ? 0 : ~std::uint64_t{0} << (8 * (8 - take));
        items[i].key = key;
        items[i].len = static_cast<std::uint32_t>(rest > 8 ? 9 : take);
    }
    // Lines that share a long beginning (the same name, the same labels)
    // give equal keys for several rounds; items of equal keys already lie in
    // list order.
    bool all_equal = true;
    for (std::size_t i = 1; i < n && all_equal; ++i) {
        all_equal = items[i].key == items[0].key && items[i].len == items[0].len;
    }
    if (!all_equal) std::sort(items, items + n);
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i + 1;
        while (j < n && items[j].key == items[i].key && items[j].len == items[i].len) ++j;
        if (j - i > 1 && items[i].len == 9) SortFrom(items + i, j - i, depth + 8, text);
        i = j;
    }
}

}  // namespace

void LineList::SortCaseless() {
    if (spans_.size() < 2) return;
    std::vector<SortItem> items(spans_.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].line = static_cast<std::uint32_t>(i);
        items[i].begin = spans_[i].begin;
        items[i].size = spans_[i].end - spans_[i].begin;
    }
    SortFrom(items.data(), items.size(), 0, std::string_view(text_));
    std::vector<Span> sorted(spans_.size());
    for (std::size_t i = 0; i < items.size(); ++i) sorted[i] = spans_[items[i].line];
    spans_ = std::move(sorted);
}

std::vector<std::string> LineList::ToVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
    return out;
}

}  // namespace corvelo
