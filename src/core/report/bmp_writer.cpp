#include "core/report/bmp_writer.h"

#include <cstddef>
#include <cstdint>

namespace corvelo::report {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dpi

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::string EncodeBmp(const Picture& picture) {
    if (picture.Empty()) return {};
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    if (picture.rgb.size() != width * height * 3) return {};
    const std::size_t row = (width * 3 + 3) / 4 * 4;
    const std::size_t pixels = row * height;
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    if (pixels > UINT32_MAX - offset) return {};  // beyond what the header can say

    std::string out;
    out.reserve(offset + pixels);
    out += "BM";
    Put32(out, static_cast<std::uint32_t>(offset + pixels));
    Put32(out, 0);  // reserved
    Put32(out, static_cast<std::uint32_t>(offset));

    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
    Put16(out, 1);                                   // planes
    Put16(out, 24);                                  // bits per pixel
    Put32(out, 0);                                   // no compression
    Put32(out, static_cast<std::uint32_t>(pixels));
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours in the palette: none
    Put32(out, 0);  // important colours: all

    for (std::size_t y = height; y-- > 0;) {
        const std::uint8_t* p = &picture.rgb[y * width * 3];
        for (std::size_t x = 0; x < width; ++x, p += 3) {
            out += static_cast<char>(p[2]);
            out += static_cast<char>(p[1]);
            out += static_cast<char>(p[0]);
        }
        out.append(row - width * 3, '\0');
    }
    return out;
}

}  // namespace corvelo::report
