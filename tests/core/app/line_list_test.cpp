#include "core/app/line_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace corvelo {
namespace {

// The sort against the plainest stable sort by CompareCaseless, over lines
// that share long beginnings, end at and around multiples of eight bytes,
// differ only in the case of A-Z, and hold bytes above 0x7F and NUL.
TEST(LineListTest, SortAgreesWithAStableSortByCompareCaseless) {
    std::mt19937 rng(7);
    const std::string alphabet =
        std::string("aAbBzZ@[`{ \x7F\x80\xC3\xA8", 16) + std::string(1, '\0');
    for (int round = 0; round < 20; ++round) {
        LineList list;
        std::vector<std::string> lines;
        const std::string common(rng() % 30, 'R');
        for (int i = 0; i < 300; ++i) {
            std::string line = common.substr(0, rng() % (common.size() + 1));
            const std::size_t tail = rng() % 20;
            for (std::size_t k = 0; k < tail; ++k) line += alphabet[rng() % alphabet.size()];
            lines.push_back(line);
            list.Add(line);
        }
        std::stable_sort(
            lines.begin(), lines.end(),
            [](const std::string& a, const std::string& b) { return CompareCaseless(a, b) < 0; });
        list.SortCaseless();
        ASSERT_EQ(list.ToVector(), lines) << "round " << round;
    }
}

}  // namespace
}  // namespace corvelo
