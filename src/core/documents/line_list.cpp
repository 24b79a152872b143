#include "core/documents/line_list.h"

#include <algorithm>
#include <numeric>

namespace corvelo {

int CompareCaseless(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void LineList::SortCaseless() {
    std::vector<std::size_t> order(size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t x, std::size_t y) {
        return CompareCaseless((*this)[x], (*this)[y]) < 0;
    });
    LineList sorted;
    sorted.text_.reserve(text_.size());
    sorted.ends_.reserve(ends_.size());
    for (std::size_t i : order) sorted.Add((*this)[i]);
    *this = std::move(sorted);
}

std::vector<std::string> LineList::ToVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
    return out;
}

}  // namespace corvelo
