#include "core/app/list_find.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvelo {
namespace {

// A list screen's "Trova": its selection and its last key between presses.
class Finder {
  public:
    explicit Finder(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    ListFind Press(std::string_view key) {
        ListFind result = FindInList(lines_, key, selected_, lastKey_);
        if (result.applicable) selected_ = result.selected;
        lastKey_ = result.lastKey;
        return result;
    }
    std::optional<std::size_t> selected_;
    std::string lastKey_;

  private:
    std::vector<std::string> lines_;
};

const std::vector<std::string> kLines = {
    "001  Bianchi Anna       ", "002  Rossi Mario        ", "003  Verdi Luca         ",
    "004  ROSSI Paola        ", "005  ÈRCOLE Àngelo      ",
};

TEST(FindInList, RepeatedKeyWalksTheMatchesRound) {
    Finder finder(kLines);
    EXPECT_EQ(finder.Press("rossi").selected, 1u);
    EXPECT_EQ(finder.Press("rossi").selected, 3u);
    EXPECT_EQ(finder.Press("rossi").selected, 1u);
    // Upper case is the same key: still a repeated search.
    EXPECT_EQ(finder.Press("ROSSI").selected, 3u);
}

TEST(FindInList, NewKeyStartsFromTheFirstLine) {
    Finder finder(kLines);
    finder.selected_ = 3;
    EXPECT_EQ(finder.Press("rossi").selected, 1u);  // new key: from the top
    EXPECT_EQ(finder.Press("0").selected, 0u);      // another key starts again
    EXPECT_EQ(finder.Press("0").selected, 1u);
}

TEST(FindInList, SingleMatchStaysSelected) {
    Finder finder(kLines);
    EXPECT_EQ(finder.Press("verdi").selected, 2u);
    const ListFind again = finder.Press("verdi");
    EXPECT_TRUE(again.found);
    EXPECT_EQ(again.selected, 2u);
}

TEST(FindInList, OnlyAToZChangeCase) {
    Finder finder(kLines);
    EXPECT_TRUE(finder.Press("ÈRCOLE").found);  // the typed key matches the line as written
    const ListFind lower = finder.Press("èrcole");
    EXPECT_FALSE(lower.found);      // è is not È
    EXPECT_EQ(lower.selected, 4u);  // selection as it was
    EXPECT_EQ(lower.lastKey, "èrcole");
}

TEST(FindInList, NothingFoundKeepsTheSelectionAndTheKey) {
    Finder finder(kLines);
    ListFind result = finder.Press("Neri");
    EXPECT_TRUE(result.applicable);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.selected, 0u);  // nothing was selected: the first line is
    EXPECT_EQ(result.lastKey, "neri");
    finder.selected_ = 2;
    EXPECT_EQ(finder.Press("Neri").selected, 2u);
    // An empty key matches nothing, not every line.
    result = finder.Press("");
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.selected, 2u);
    EXPECT_EQ(result.lastKey, "");
}

TEST(FindInList, EmptyListIsNotSearched) {
    const ListFind result = FindInList({}, "rossi", std::nullopt, "bianchi");
    EXPECT_FALSE(result.applicable);
    EXPECT_EQ(result.lastKey, "bianchi");
}

TEST(FindInList, SelectionOutOfRangeCountsAsNone) {
    const ListFind result = FindInList(kLines, "rossi", 99, "rossi");
    EXPECT_EQ(result.selected, 1u);  // repeated key from line 0: the next match
}

}  // namespace
}  // namespace corvelo
