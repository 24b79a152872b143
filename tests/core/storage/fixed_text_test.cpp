#include "core/storage/fixed_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_names.h"

namespace corvelo {
namespace {

struct StoreCase {
    const char* what;
    std::string text;  // UTF-8, as typed
    std::size_t capacity;
    std::string stored;  // expected Windows-1252 text after the length byte
};

class StoreFixedTextTest : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreFixedTextTest, WritesLengthTextAndZeroTail) {
    const StoreCase& c = GetParam();
    std::string field(c.capacity + 1, '\x55');  // leftovers of an earlier content
    StoreFixedText(c.text, c.capacity, field.data());
    std::string expected(c.capacity + 1, '\0');
    expected[0] = static_cast<char>(c.stored.size());
    expected.replace(1, c.stored.size(), c.stored);
    EXPECT_EQ(field, expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreFixedTextTest,
    ::testing::Values(
        StoreCase{"empty", "", 5, ""}, StoreCase{"only blanks", " \t\r\n ", 5, ""},
        StoreCase{"blanks at both ends", "  Rossi \t", 10, "Rossi"},
        StoreCase{"inner blanks kept", "a  b", 10, "a  b"},
        StoreCase{"exactly the capacity", "abcde", 5, "abcde"},
        StoreCase{"60 characters into 50", std::string(50, 'a') + std::string(10, 'b'), 50,
                  std::string(50, 'a')},
        StoreCase{"cut after trimming", "   " + std::string(12, 'z') + "   ", 10,
                  std::string(10, 'z')},
        StoreCase{"cut leaves no trailing blank", "abcd efgh", 5, "abcd"},
        StoreCase{"accents become one byte each", "Sì però €", 20, "S\xEC per\xF2 \x80"},
        StoreCase{"capacity counts bytes after encoding", "ààààà", 3, "\xE0\xE0\xE0"},
        StoreCase{"unrepresentable becomes ?", "日本 ok", 10, "?? ok"}),
    [](const auto& info) { return testing::CaseName(info.param.what); });

struct ReadCase {
    const char* what;
    std::string field;  // length byte and bytes, Windows-1252
    std::size_t capacity;
    std::string text;  // expected UTF-8
};

class ReadFixedTextTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadFixedTextTest, ReadsTrimmedUtf8) {
    const ReadCase& c = GetParam();
    std::string out = "previous content";
    ReadFixedTextInto(c.field.data(), c.capacity, out);
    EXPECT_EQ(out, c.text) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFixedTextTest,
    ::testing::Values(
        ReadCase{"empty", std::string("\x00xyz", 4), 3, ""},
        ReadCase{"garbage after text ignored", std::string("\x02okGARBAGE", 10), 9, "ok"},
        ReadCase{"length above capacity clamped", std::string("\xFF") + "abcdef", 4, "abcd"},
        ReadCase{"blanks and controls trimmed", std::string("\x07 \tab c\r\n"), 7, "ab c"},
        ReadCase{"Windows-1252 decoded", std::string("\x03S\xEC\x80"), 3, "Sì€"},
        ReadCase{"undefined byte kept as C1 control", std::string("\x01\x81"), 1, "\xC2\x81"}),
    [](const auto& info) { return testing::CaseName(info.param.what); });

TEST(FixedText, RoundTripKeepsTrimmedText) {
    for (const std::string text : {"Mario", "  Àèìòù  ", "12,50", "a\nb"}) {
        std::string field(51, '\0');
        StoreFixedText(text, 50, field.data());
        std::string trimmed = text;
        trimmed.erase(0, trimmed.find_first_not_of(' '));
        trimmed.erase(trimmed.find_last_not_of(' ') + 1);
        EXPECT_EQ(ReadFixedText(field.data(), 50), trimmed);
    }
}

}  // namespace
}  // namespace corvelo
