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

std::uint8_t U8(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]);
}

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;
// Larger pictures than this are not logos; refusing them keeps a damaged
// header from asking for gigabytes.
constexpr std::int64_t kMaxPixels = 16'000'000;

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kAlphaBitFields = 6,
};

// One colour channel packed in a pixel value by a bit mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;  // mask >> shift

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        max = mask >> shift;
    }
    // The channel of `pixel` scaled to 0..255; 255 for an absent channel
    // when `absent` says so.
    std::uint8_t Get(std::uint32_t pixel, std::uint8_t absent = 0) const {
        if (max == 0) return absent;
        const std::uint64_t v = (pixel & mask) >> shift;
        return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
    }
};

struct Layout {
    std::int32_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    std::uint16_t bpp = 0;
    std::uint32_t compression = kRgb;
    Channel red, green, blue, alpha;
    std::vector<std::uint8_t> palette;  // R, G, B per entry
    std::size_t pixelOffset = 0;
};

// Alpha over white paper.
std::uint8_t OverWhite(std::uint8_t c, std::uint8_t a) {
    return static_cast<std::uint8_t>((c * a + 255 * (255 - a) + 127) / 255);
}

// Reads both headers, the bit masks and the palette; checks that they fit in
// the file and describe a picture this reader decodes.
std::optional<Layout> ReadLayout(std::string_view b) {
    if (b.size() < kFileHeader + 4 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    Layout l;
    l.pixelOffset = U32(b, 10);
    const std::uint32_t dibSize = U32(b, 14);
    if (dibSize > b.size() - kFileHeader) return std::nullopt;
    std::size_t paletteEntry = 4;
    std::uint32_t colours = 0;
    if (dibSize == kCoreHeader) {
        l.width = U16(b, 18);
        l.height = U16(b, 20);
        l.bpp = U16(b, 24);
        paletteEntry = 3;
    } else if (dibSize == 40 || dibSize == 52 || dibSize == 56 || dibSize == 108 ||
               dibSize == 124) {
        l.width = static_cast<std::int32_t>(U32(b, 18));
        const auto rawHeight = static_cast<std::int32_t>(U32(b, 22));
        if (rawHeight == INT32_MIN) return std::nullopt;
        l.topDown = rawHeight < 0;
        l.height = l.topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
        l.bpp = U16(b, 28);
        l.compression = U32(b, 30);
        colours = U32(b, 46);
    } else {
        return std::nullopt;
    }
    if (l.width <= 0 || l.height <= 0) return std::nullopt;
    if (static_cast<std::int64_t>(l.width) * l.height > kMaxPixels) return std::nullopt;

    switch (l.compression) {
        case kRgb:
            if (l.bpp != 1 && l.bpp != 4 && l.bpp != 8 && l.bpp != 16 && l.bpp != 24 &&
                l.bpp != 32) {
                return std::nullopt;
            }
            break;
        case kRle8:
        case kRle4:
            // Compressed rows are always stored bottom-up.
            if (l.bpp != (l.compression == kRle8 ? 8 : 4) || l.topDown) return std::nullopt;
            break;
        case kBitFields:
        case kAlphaBitFields:
            if (l.bpp != 16 && l.bpp != 32) return std::nullopt;
            break;
        default:
            return std::nullopt;
    }

    // Bit masks: inside the longer headers, after the 40-byte one.
    std::size_t at = kFileHeader + dibSize;
    if (l.compression == kBitFields || l.compression == kAlphaBitFields) {
        std::size_t masksAt = kFileHeader + 40;
        const std::size_t count = l.compression == kAlphaBitFields || dibSize >= 56 ? 4 : 3;
        if (dibSize == 40) at += count * 4;
        if (masksAt + count * 4 > b.size()) return std::nullopt;
        l.red = Channel(U32(b, masksAt));
        l.green = Channel(U32(b, masksAt + 4));
        l.blue = Channel(U32(b, masksAt + 8));
        if (count == 4) l.alpha = Channel(U32(b, masksAt + 12));
    } else if (l.bpp == 16) {
        l.red = Channel(0x7C00);
        l.green = Channel(0x03E0);
        l.blue = Channel(0x001F);
    } else if (l.bpp >= 24) {
        l.red = Channel(0xFF0000);
        l.green = Channel(0x00FF00);
        l.blue = Channel(0x0000FF);
    }

    if (l.bpp <= 8) {
        const std::uint32_t most = 1u << l.bpp;
        if (colours == 0 || colours > most) colours = most;
        // A palette cut short by the pixels' offset keeps the entries before it.
        const std::size_t end = std::min(l.pixelOffset, b.size());
        if (end < at + paletteEntry) return std::nullopt;
        colours =
            static_cast<std::uint32_t>(std::min<std::size_t>(colours, (end - at) / paletteEntry));
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t entry = at + i * paletteEntry;
            l.palette.push_back(U8(b, entry + 2));
            l.palette.push_back(U8(b, entry + 1));
            l.palette.push_back(U8(b, entry));
        }
    }
    if (l.pixelOffset > b.size()) return std::nullopt;
    return l;
}

class PictureWriter {
  public:
    explicit PictureWriter(const Layout& l) : l_(l) {
        picture_.width = l.width;
        picture_.height = static_cast<int>(l.height);
        picture_.rgb.assign(static_cast<std::size_t>(l.width) * l.height * 3, 255);
    }

    // Sets pixel x of file row `row` (counted as stored: from the bottom for
    // bottom-up pictures) to palette entry `index`; false when the palette
    // has no such entry. Pixels outside the picture are dropped.
    bool PutIndex(std::int64_t x, std::int64_t row, unsigned index) {
        if (index * 3u + 2 >= l_.palette.size()) return false;
        if (std::uint8_t* out = At(x, row)) std::copy_n(&l_.palette[index * 3u], 3, out);
        return true;
    }

    void PutPacked(std::int64_t x, std::int64_t row, std::uint32_t pixel) {
        std::uint8_t* out = At(x, row);
        if (!out) return;
        out[0] = l_.red.Get(pixel);
        out[1] = l_.green.Get(pixel);
        out[2] = l_.blue.Get(pixel);
        if (l_.alpha.max != 0) {
            const std::uint8_t a = l_.alpha.Get(pixel);
            for (int c = 0; c < 3; ++c) out[c] = OverWhite(out[c], a);
        }
    }

    Picture Take() { return std::move(picture_); }

  private:
    std::uint8_t* At(std::int64_t x, std::int64_t row) {
        if (x < 0 || x >= l_.width || row < 0 || row >= l_.height) return nullptr;
        const std::int64_t y = l_.topDown ? row : l_.height - 1 - row;
        return &picture_.rgb[(static_cast<std::size_t>(y) * l_.width + x) * 3];
    }

    const Layout& l_;
    Picture picture_;
};

std::optional<Picture> DecodeRows(std::string_view b, const Layout& l) {
    const std::size_t stride = ((static_cast<std::size_t>(l.bpp) * l.width + 31) / 32) * 4;
    if (stride * l.height > b.size() - l.pixelOffset) return std::nullopt;
    PictureWriter out(l);
    for (std::int64_t row = 0; row < l.height; ++row) {
        const std::size_t start = l.pixelOffset + static_cast<std::size_t>(row) * stride;
        for (std::int32_t x = 0; x < l.width; ++x) {
            if (l.bpp <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * l.bpp;
                const unsigned byte = U8(b, start + bit / 8);
                const unsigned index = (byte >> (8 - l.bpp - bit % 8)) & ((1u << l.bpp) - 1);
                if (!out.PutIndex(x, row, index)) return std::nullopt;
            } else {
                const std::size_t at = start + static_cast<std::size_t>(x) * (l.bpp / 8);
                std::uint32_t pixel = U16(b, at);
                if (l.bpp == 24) pixel |= static_cast<std::uint32_t>(U8(b, at + 2)) << 16;
                if (l.bpp == 32) pixel = U32(b, at);
                out.PutPacked(x, row, pixel);
            }
        }
    }
    return out.Take();
}

// RLE8 and RLE4: runs of one index (RLE4: two alternating indices) and
// escapes for end of line, end of picture, a jump ahead and literal pixels.
std::optional<Picture> DecodeRle(std::string_view b, const Layout& l) {
    const bool four = l.compression == kRle4;
    PictureWriter out(l);
    std::size_t at = l.pixelOffset;
    std::int64_t x = 0, row = 0;
    auto indexOf = [four](unsigned byte, std::size_t i) {
        return four ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte;
    };
    while (row < l.height) {
        if (b.size() - at < 2) return std::nullopt;  // ends before the picture does
        const unsigned count = U8(b, at), value = U8(b, at + 1);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i, ++x) {
                if (!out.PutIndex(x, row, indexOf(value, i))) return std::nullopt;
            }
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (b.size() - at < 2) return std::nullopt;
            x += U8(b, at);
            row += U8(b, at + 1);
            at += 2;
        } else {
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            const std::size_t padded = bytes + bytes % 2;
            if (b.size() - at < padded) return std::nullopt;
            for (unsigned i = 0; i < value; ++i, ++x) {
                const unsigned byte = U8(b, at + (four ? i / 2 : i));
                if (!out.PutIndex(x, row, indexOf(byte, i))) return std::nullopt;
            }
            at += padded;
        }
    }
    return out.Take();
}

}  // namespace

std::optional<Picture> DecodeBmp(std::string_view b) {
    const std::optional<Layout> layout = ReadLayout(b);
    if (!layout) return std::nullopt;
    if (layout->compression == kRle8 || layout->compression == kRle4) {
        return DecodeRle(b, *layout);
    }
    return DecodeRows(b, *layout);
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
