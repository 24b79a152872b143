#include "core/report/bmp_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/report/bmp.h"

namespace corvelo::report {
namespace {

std::uint32_t Get32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + i]);
    return v;
}
std::uint32_t Get16(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

TEST(EncodeBmp, WritesA24BitBottomUpFileWithPaddedRows) {
    // 2 x 2: top row red, white; bottom row blue, green.
    Picture p{2, 2, {255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0}};
    const std::string b = EncodeBmp(p);
    ASSERT_EQ(b.size(), 54u + 16u);
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(Get32(b, 2), 70u);   // file size
    EXPECT_EQ(Get32(b, 6), 0u);    // reserved
    EXPECT_EQ(Get32(b, 10), 54u);  // pixels offset
    EXPECT_EQ(Get32(b, 14), 40u);  // info header size
    EXPECT_EQ(Get32(b, 18), 2u);
    EXPECT_EQ(Get32(b, 22), 2u);  // positive height: bottom-up
    EXPECT_EQ(Get16(b, 26), 1u);
    EXPECT_EQ(Get16(b, 28), 24u);
    EXPECT_EQ(Get32(b, 30), 0u);  // no compression
    EXPECT_EQ(Get32(b, 34), 16u);
    EXPECT_EQ(Get32(b, 46), 0u);  // no palette
    // Blue-green-red per pixel, each row padded to 8 bytes, bottom row first.
    EXPECT_EQ(b.substr(54), std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00"
                                        "\x00\x00\xFF\xFF\xFF\xFF\x00\x00",
                                        16));
}

TEST(EncodeBmp, RoundTripsThroughTheReaderAndRefusesBadPictures) {
    Picture p{3, 2, {}};
    for (int i = 0; i < 18; ++i) p.rgb.push_back(static_cast<std::uint8_t>(i * 13));
    const auto back = DecodeBmp(EncodeBmp(p));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->width, 3);
    EXPECT_EQ(back->height, 2);
    EXPECT_EQ(back->rgb, p.rgb);

    EXPECT_EQ(EncodeBmp(Picture{}), "");
    EXPECT_EQ(EncodeBmp(Picture{2, 2, {1, 2, 3}}), "");
}

}  // namespace
}  // namespace corvelo::report
