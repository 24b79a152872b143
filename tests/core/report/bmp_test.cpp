#include "core/report/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/bmp_files.h"
#include "support/case_names.h"

namespace corvelo::report {
namespace {

using testing::BmpCase;
using testing::BmpFile;
using testing::BmpLayout;
using testing::Bytes;
using testing::Entry;
using testing::Le16;
using testing::Le32;

class BmpKinds : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpKinds, DecodesEveryPixel) {
    const BmpCase& c = GetParam();
    const auto p = DecodeBmp(c.file);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->width, c.width);
    EXPECT_EQ(p->height, c.height);
    EXPECT_EQ(p->rgb, c.rgb);
}

TEST_P(BmpKinds, RefusesTheFileCutShortAnywhere) {
    const std::string& file = GetParam().file;
    for (std::size_t size = 0; size < file.size(); ++size) {
        EXPECT_FALSE(DecodeBmp(file.substr(0, size)).has_value()) << "cut to " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BmpKinds, ::testing::ValuesIn(testing::BmpCases()),
                         testing::ByName());

struct BadCase {
    const char* name;
    std::string file;
};

// Files that look like BMPs but hold what the reader must not decode.
std::vector<BadCase> BadFiles() {
    const std::string palette = Entry(0, 0, 0) + Entry(255, 255, 255);
    auto rle8 = [&](const std::string& stream, int height = 2) {
        return BmpFile({.width = 2,
                        .height = height,
                        .bpp = 8,
                        .compression = 1,
                        .palette = palette,
                        .pixels = stream});
    };
    std::string wrongMagic = BmpFile({.pixels = Bytes({0, 0, 0, 0})});
    wrongMagic[1] = 'A';
    std::string jpeg = BmpFile({.pixels = Bytes({0, 0, 0, 0})});
    jpeg.replace(30, 4, Le32(4));
    std::string palettePastEnd = BmpFile({.bpp = 8, .palette = palette, .pixels = Bytes({1})});
    palettePastEnd.replace(10, 4, Le32(2000));
    return {
        {"empty", ""},
        {"jpeg_bytes", "\xFF\xD8\xFF\xE0 not a bmp"},
        {"wrong_magic", wrongMagic},
        {"header_size_64", BmpFile({.headerSize = 64, .pixels = Bytes({0, 0, 0, 0})})},
        {"jpeg_inside", jpeg},
        {"bitfields_24_bit", BmpFile({.bpp = 24,
                                      .compression = 3,
                                      .masks = {0xFF, 0xFF00, 0xFF0000},
                                      .pixels = Bytes({0, 0, 0, 0})})},
        {"rle8_with_4_bits",
         BmpFile({.bpp = 4, .compression = 1, .palette = palette, .pixels = Bytes({0, 1})})},
        {"rle_top_down", rle8(Bytes({0, 1}), -2)},
        {"zero_width", BmpFile({.width = 0, .pixels = ""})},
        {"zero_height", BmpFile({.height = 0, .pixels = ""})},
        {"too_many_pixels", BmpFile({.width = 0x7FFFFFFF, .pixels = Bytes({0, 0, 0, 0})})},
        {"palette_past_the_end", palettePastEnd},
        {"index_past_palette",
         BmpFile({.bpp = 8, .palette = palette, .pixels = Bytes({5, 0, 0, 0})})},
        {"rle_index_past_palette", rle8(Bytes({2, 7, 0, 1}))},
        {"rle_literal_index_past_palette", rle8(Bytes({0, 3, 1, 9, 1, 0, 0, 1}))},
        {"rle_literal_past_the_end", rle8(Bytes({0, 4, 1, 1}))},
        {"rle_delta_past_the_end", rle8(Bytes({0, 2, 1}))},
        {"rle_ends_without_end_of_picture", rle8(Bytes({2, 1, 0, 0, 2, 1}))},
    };
}

class BmpRefused : public ::testing::TestWithParam<BadCase> {};

TEST_P(BmpRefused, Refuses) {
    EXPECT_FALSE(DecodeBmp(GetParam().file).has_value());
}

INSTANTIATE_TEST_SUITE_P(Files, BmpRefused, ::testing::ValuesIn(BadFiles()), testing::ByName());

TEST(BmpTest, RleRunsAndJumpsPastTheEdgeAreClipped) {
    // 2 x 2 RLE8: a run of 5 on the bottom row, then a jump far up and right.
    const std::string palette = Entry(0, 0, 0) + Entry(255, 0, 0);
    const auto p = DecodeBmp(BmpFile({.width = 2,
                                      .height = 2,
                                      .bpp = 8,
                                      .compression = 1,
                                      .palette = palette,
                                      .pixels = Bytes({5, 1, 0, 2, 200, 200, 1, 1, 0, 1})}));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->rgb,
              (std::vector<std::uint8_t>{255, 255, 255, 255, 255, 255, 255, 0, 0, 255, 0, 0}));
}

TEST(BmpTest, LastRowEndedByEndOfLineNeedsNoEndOfPicture) {
    const std::string palette = Entry(0, 0, 0) + Entry(0, 0, 255);
    const auto p = DecodeBmp(BmpFile({.width = 1,
                                      .height = 2,
                                      .bpp = 8,
                                      .compression = 1,
                                      .palette = palette,
                                      .pixels = Bytes({1, 1, 0, 0, 1, 0, 0, 0})}));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->rgb, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 255}));
}

TEST(BmpTest, DefaultLogoIsABlueSignOnWhite) {
    const Picture logo = DefaultLogo();
    EXPECT_EQ(logo.width, 297);
    EXPECT_EQ(logo.height, 184);
    ASSERT_EQ(logo.rgb.size(), 297u * 184u * 3u);
    // Corners white, and a good share of strongly blue pixels.
    EXPECT_EQ(logo.rgb[0], 255);
    std::size_t blue = 0;
    for (std::size_t i = 0; i < logo.rgb.size(); i += 3) {
        if (logo.rgb[i + 2] > 150 && logo.rgb[i] < 80) ++blue;
    }
    EXPECT_GT(blue, 297u * 184u / 10);
}

}  // namespace
}  // namespace corvelo::report
