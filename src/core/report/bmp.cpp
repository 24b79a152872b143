#include "core/report/bmp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace corvelo::report {
namespace {

std::uint32_t U32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

constexpr std::size_t kFileHeader = 14;
// Larger pictures than this are not logos; refusing them keeps a damaged
// header from asking for gigabytes.
constexpr std::int64_t kMaxPixels = 16'000'000;

}  // namespace

std::optional<Picture> DecodeBmp(std::string_view b) {
    if (b.size() < kFileHeader + 40 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const std::uint32_t pixelOffset = U32(b, 10);
    const std::uint32_t dibSize = U32(b, 14);
    if (dibSize < 40 || kFileHeader + dibSize > b.size()) return std::nullopt;
    const auto width = static_cast<std::int32_t>(U32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(U32(b, 22));
    const std::uint16_t bpp = U16(b, 28);
    const std::uint32_t compression = U32(b, 30);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return std::nullopt;
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (static_cast<std::int64_t>(width) * height > kMaxPixels) return std::nullopt;
    if (compression != 0 || (bpp != 8 && bpp != 24 && bpp != 32)) return std::nullopt;

    std::vector<std::uint8_t> palette;  // R, G, B per entry
    if (bpp == 8) {
        std::uint32_t colours = U32(b, 46);
        if (colours == 0 || colours > 256) colours = 256;
        const std::size_t at = kFileHeader + dibSize;
        // A palette may be shorter than 256 entries only when it says so.
        if (at + colours * 4 > pixelOffset || at + colours * 4 > b.size()) return std::nullopt;
        for (std::uint32_t i = 0; i < colours; ++i) {
            palette.push_back(static_cast<std::uint8_t>(b[at + i * 4 + 2]));
            palette.push_back(static_cast<std::uint8_t>(b[at + i * 4 + 1]));
            palette.push_back(static_cast<std::uint8_t>(b[at + i * 4]));
        }
    }
    const std::size_t stride = ((static_cast<std::size_t>(bpp) * width + 31) / 32) * 4;
    if (pixelOffset > b.size() || stride * height > b.size() - pixelOffset) return std::nullopt;

    Picture picture;
    picture.width = width;
    picture.height = static_cast<int>(height);
    picture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t fileRow = topDown ? y : height - 1 - y;
        const std::size_t row = pixelOffset + static_cast<std::size_t>(fileRow) * stride;
        std::uint8_t* out = &picture.rgb[static_cast<std::size_t>(y) * width * 3];
        for (std::int32_t x = 0; x < width; ++x, out += 3) {
            if (bpp == 8) {
                const auto index = static_cast<unsigned char>(b[row + x]);
                if (index * 3u + 2 >= palette.size()) return std::nullopt;
                std::copy_n(&palette[index * 3u], 3, out);
            } else {
                const std::size_t at = row + static_cast<std::size_t>(x) * (bpp / 8);
                out[0] = static_cast<std::uint8_t>(b[at + 2]);
                out[1] = static_cast<std::uint8_t>(b[at + 1]);
                out[2] = static_cast<std::uint8_t>(b[at]);
            }
        }
    }
    return picture;
}

Picture DefaultLogo() {
    constexpr int kWidth = 297, kHeight = 184;
    constexpr int kSamples = 4;  // per side, for smooth edges
    constexpr double kPi = 3.14159265358979323846;
    // A euro sign: a thick ring open to the right, crossed by two bars that
    // reach out to the left.
    const double cx = 160, cy = 92, outer = 74, inner = 56;
    const double opening = 42 * kPi / 180;
    auto inside = [&](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        const double r = std::sqrt(dx * dx + dy * dy);
        const bool ring = r >= inner && r <= outer && std::abs(std::atan2(dy, dx)) >= opening;
        const bool barX = x >= cx - 106 && x <= cx + 22;
        const bool bars =
            barX && ((y >= cy - 26 && y <= cy - 12) || (y >= cy + 12 && y <= cy + 26));
        // The bars slant a little, as the sign is drawn.
        const bool slantCut = x < cx - 106 + (cy + 26 - y) * 0.25;
        return ring || (bars && !slantCut && (r <= outer || x < cx));
    };
    const std::uint8_t blue[3] = {0x1F, 0x4E, 0xB4};
    Picture picture;
    picture.width = kWidth;
    picture.height = kHeight;
    picture.rgb.resize(kWidth * kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
                }
            }
            const double cover = static_cast<double>(hits) / (kSamples * kSamples);
            std::uint8_t* out = &picture.rgb[(static_cast<std::size_t>(y) * kWidth + x) * 3];
            for (int c = 0; c < 3; ++c) {
                out[c] = static_cast<std::uint8_t>(std::lround(255 - (255 - blue[c]) * cover));
            }
        }
    }
    return picture;
}

}  // namespace corvelo::report
