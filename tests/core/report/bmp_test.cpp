#include "core/report/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace corvelo::report {
namespace {

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

// A BMP file with a 40-byte info header, built from the format's offsets.
std::string Bmp(int width, int height, int bpp, const std::string& palette,
                const std::string& pixels) {
    std::string b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(54 + palette.size() + pixels.size()));
    Put32(b, 10, static_cast<std::uint32_t>(54 + palette.size()));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint16_t>(bpp));
    Put32(b, 46, static_cast<std::uint32_t>(palette.size() / 4));
    return b + palette + pixels;
}

TEST(BmpTest, Decodes24BitBottomUpRowsWithPadding) {
    // 2 x 2: bottom row blue, green; top row red, white. Rows padded to 8 bytes.
    const std::string pixels = std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8) +
                               std::string("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);
    const auto p = DecodeBmp(Bmp(2, 2, 24, "", pixels));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->width, 2);
    EXPECT_EQ(p->height, 2);
    EXPECT_EQ(p->rgb, (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0}));
}

TEST(BmpTest, Decodes8BitPaletteAndTopDown) {
    const std::string palette("\x00\x00\x00\x00\x10\x20\x30\x00", 8);  // black, RGB 30 20 10
    const std::string pixels("\x01\x00\x00\x00\x00\x01\x00\x00", 8);   // 2 x 2, rows of 4
    const auto p = DecodeBmp(Bmp(2, -2, 8, palette, pixels));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->rgb,
              (std::vector<std::uint8_t>{0x30, 0x20, 0x10, 0, 0, 0, 0, 0, 0, 0x30, 0x20, 0x10}));
}

TEST(BmpTest, RefusesWhatItCannotReadSafely) {
    const std::string good = Bmp(2, 2, 24, "", std::string(16, '\0'));
    EXPECT_TRUE(DecodeBmp(good).has_value());
    EXPECT_FALSE(DecodeBmp("").has_value());
    EXPECT_FALSE(DecodeBmp("\xFF\xD8\xFF\xE0 not a bmp").has_value());
    EXPECT_FALSE(DecodeBmp(good.substr(0, good.size() - 1)).has_value()) << "truncated";
    std::string rle = good;
    Put32(rle, 30, 1);
    EXPECT_FALSE(DecodeBmp(rle).has_value()) << "compressed";
    std::string bits16 = good;
    Put16(bits16, 28, 16);
    EXPECT_FALSE(DecodeBmp(bits16).has_value());
    std::string huge = good;
    Put32(huge, 18, 0x7FFFFFFF);
    EXPECT_FALSE(DecodeBmp(huge).has_value());
    // A palette index past the palette's end.
    const std::string palette("\x00\x00\x00\x00", 4);
    EXPECT_FALSE(DecodeBmp(Bmp(1, 1, 8, palette, std::string("\x05\x00\x00\x00", 4))).has_value());
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
