// Small BMP files built byte by byte from the format's offsets, for the
// tests of the BMP reader, and a table of them with the pixels each holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvelo::testing {

inline std::string Le16(std::uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
inline std::string Le32(std::uint32_t v) {
    return Le16(static_cast<std::uint16_t>(v & 0xFFFF)) + Le16(static_cast<std::uint16_t>(v >> 16));
}

struct BmpLayout {
    int width = 1;
    int height = 1;  // negative: rows stored top-down
    int bpp = 24;
    std::uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields, 6 with alpha
    std::uint32_t headerSize = 40;  // 12 (core), 40, 52, 56, 108 or 124
    std::string palette = {};       // entries as stored: B G R 0 (B G R for the core header)
    std::vector<std::uint32_t> masks = {};  // R, G, B[, A]: after a 40-byte header, else inside it
    std::string pixels = {};                // as stored
};

// The whole file: file header, info header (masks inside or after it),
// palette, pixels.
inline std::string BmpFile(const BmpLayout& l) {
    std::string info;
    if (l.headerSize == 12) {
        info = Le32(12) + Le16(static_cast<std::uint16_t>(l.width)) +
               Le16(static_cast<std::uint16_t>(l.height)) + Le16(1) +
               Le16(static_cast<std::uint16_t>(l.bpp));
    } else {
        const std::size_t entries = l.palette.size() / 4;
        info = Le32(l.headerSize) + Le32(static_cast<std::uint32_t>(l.width)) +
               Le32(static_cast<std::uint32_t>(l.height)) + Le16(1) +
               Le16(static_cast<std::uint16_t>(l.bpp)) + Le32(l.compression) +
               Le32(static_cast<std::uint32_t>(l.pixels.size())) + Le32(2835) + Le32(2835) +
               Le32(static_cast<std::uint32_t>(entries)) + Le32(0);
        std::string masks;
        for (std::uint32_t m : l.masks) masks += Le32(m);
        if (l.headerSize == 40) {
            info += masks;
        } else {
            masks.resize(l.headerSize - 40, '\0');
            info += masks;
        }
    }
    const auto offset = static_cast<std::uint32_t>(14 + info.size() + l.palette.size());
    return "BM" + Le32(offset + static_cast<std::uint32_t>(l.pixels.size())) + Le32(0) +
           Le32(offset) + info + l.palette + l.pixels;
}

inline std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s += static_cast<char>(b);
    return s;
}

// A palette entry as stored (blue, green, red, reserved).
inline std::string Entry(int r, int g, int b) {
    return Bytes({b, g, r, 0});
}

struct BmpCase {
    const char* name;
    std::string file;
    int width, height;
    std::vector<std::uint8_t> rgb;  // top row first, R G B per pixel
};

// Files of every kind the reader decodes, each small enough to check pixel
// by pixel. Every file ends exactly where its pixels do, so any shorter cut
// of it is damaged.
inline std::vector<BmpCase> BmpCases() {
    const std::string bw = Entry(0, 0, 0) + Entry(255, 255, 255);
    const std::string four = Entry(0, 0, 0) + Entry(255, 0, 0) + Entry(0, 255, 0) +
                             Entry(0, 0, 255);  // black, red, green, blue
    constexpr std::uint8_t W = 255;
    std::vector<BmpCase> cases;
    // 2 x 2: bottom row blue, green; top row red, white. Rows padded to 8.
    cases.push_back({"rgb24_bottom_up",
                     BmpFile({.width = 2,
                              .height = 2,
                              .pixels = Bytes({255, 0, 0, 0, 255, 0, 0, 0}) +
                                        Bytes({0, 0, 255, 255, 255, 255, 0, 0})}),
                     2,
                     2,
                     {255, 0, 0, W, W, W, 0, 0, 255, 0, 255, 0}});
    cases.push_back({"rgb8_top_down",
                     BmpFile({.width = 2,
                              .height = -2,
                              .bpp = 8,
                              .palette = Entry(0, 0, 0) + Entry(0x30, 0x20, 0x10),
                              .pixels = Bytes({1, 0, 0, 0, 0, 1, 0, 0})}),
                     2,
                     2,
                     {0x30, 0x20, 0x10, 0, 0, 0, 0, 0, 0, 0x30, 0x20, 0x10}});
    // 10 pixels a row, first bit leftmost; rows padded to four bytes.
    cases.push_back({"rgb1_two_rows",
                     BmpFile({.width = 10,
                              .height = 2,
                              .bpp = 1,
                              .palette = bw,
                              .pixels = Bytes({0xFF, 0xC0, 0, 0, 0b10100000, 0b01000000, 0, 0})}),
                     10, 2, [&] {
                         std::vector<std::uint8_t> rgb;
                         for (int bit : {1, 0, 1, 0, 0, 0, 0, 0, 0, 1}) {
                             const std::uint8_t v = bit ? W : 0;
                             rgb.insert(rgb.end(), {v, v, v});
                         }
                         rgb.resize(60, W);
                         return rgb;
                     }()});
    cases.push_back({"rgb4_odd_width",
                     BmpFile({.width = 3,
                              .height = 1,
                              .bpp = 4,
                              .palette = four,
                              .pixels = Bytes({0x31, 0x20, 0, 0})}),
                     3,
                     1,
                     {0, 0, 255, 255, 0, 0, 0, 255, 0}});
    // 5-5-5 unless masks say otherwise: red, green, blue, mid grey (16 of 31).
    cases.push_back({"rgb16_555",
                     BmpFile({.width = 4,
                              .height = 1,
                              .bpp = 16,
                              .pixels = Le16(0x7C00) + Le16(0x03E0) + Le16(0x001F) + Le16(0x4210)}),
                     4,
                     1,
                     {W, 0, 0, 0, W, 0, 0, 0, W, 132, 132, 132}});
    cases.push_back({"bitfields16_565",
                     BmpFile({.width = 3,
                              .height = 1,
                              .bpp = 16,
                              .compression = 3,
                              .masks = {0xF800, 0x07E0, 0x001F},
                              .pixels = Le16(0xF800) + Le16(0x0400) + Le16(0x0010) + Le16(0)}),
                     3,
                     1,
                     {W, 0, 0, 0, 130, 0, 0, 0, 132}});
    // The fourth byte of a plain 32-bit pixel is not alpha.
    cases.push_back({"rgb32_reserved_byte",
                     BmpFile({.width = 2,
                              .height = 1,
                              .bpp = 32,
                              .pixels = Bytes({0x10, 0x20, 0x30, 0x00, 0x40, 0x50, 0x60, 0x7F})}),
                     2,
                     1,
                     {0x30, 0x20, 0x10, 0x60, 0x50, 0x40}});
    // Masks in R G B X byte order, after a 40-byte header.
    cases.push_back({"bitfields32_rgbx",
                     BmpFile({.width = 1,
                              .height = 1,
                              .bpp = 32,
                              .compression = 3,
                              .masks = {0x000000FF, 0x0000FF00, 0x00FF0000},
                              .pixels = Bytes({0x30, 0x20, 0x10, 0xAA})}),
                     1,
                     1,
                     {0x30, 0x20, 0x10}});
    // A 124-byte header with an alpha mask: transparent parts print on white.
    cases.push_back({"bitfields32_alpha_v5",
                     BmpFile({.width = 3,
                              .height = 1,
                              .bpp = 32,
                              .compression = 3,
                              .headerSize = 124,
                              .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
                              .pixels = Bytes({0, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255, 128})}),
                     3,
                     1,
                     {255, 0, 0, W, W, W, 255, 127, 127}});
    // RLE8, 5 x 3 stored bottom-up: a run of 3, end of line; a run of 1, a
    // jump of one pixel right and one row up; an odd literal of 3 (padded to
    // 4 bytes), end of picture. Skipped pixels are white.
    cases.push_back({"rle8_runs_delta_literal",
                     BmpFile({.width = 5,
                              .height = 3,
                              .bpp = 8,
                              .compression = 1,
                              .palette = four,
                              .pixels = Bytes({3, 1, 0, 0,        // row 0: R R R . .
                                               1, 3, 0, 2, 1, 1,  // row 1: B, then row 2 x 2
                                               0, 3, 1, 2, 3, 0,  // row 2: . . R G B
                                               0, 1})}),
                     5,
                     3,
                     {W,   W, W,   W,   W, W, 255, 0, 0, 0, 255, 0, 0, 0, 255,  //
                      0,   0, 255, W,   W, W, W,   W, W, W, W,   W, W, W, W,    //
                      255, 0, 0,   255, 0, 0, 255, 0, 0, W, W,   W, W, W, W}});
    // RLE4, 5 x 2: a run of 5 alternating two indices, end of line; a
    // literal of 3 (two bytes, already even), end of picture.
    cases.push_back({"rle4_runs_literals",
                     BmpFile({.width = 5,
                              .height = 2,
                              .bpp = 4,
                              .compression = 2,
                              .palette = four,
                              .pixels = Bytes({5, 0x12, 0, 0, 0, 3, 0x30, 0x20, 0, 1})}),
                     5,
                     2,
                     {0,   0, 255, 0, 0,   0, 0,   255, 0, W, W,   W, W,   W, W,  //
                      255, 0, 0,   0, 255, 0, 255, 0,   0, 0, 255, 0, 255, 0, 0}});
    // The 12-byte header of early programs: 16-bit sizes, 3-byte palette entries.
    cases.push_back({"core_header_rgb1",
                     BmpFile({.width = 3,
                              .height = 1,
                              .bpp = 1,
                              .headerSize = 12,
                              .palette = Bytes({0x10, 0x20, 0x30, 255, 255, 255}),
                              .pixels = Bytes({0b01000000, 0, 0, 0})}),
                     3,
                     1,
                     {0x30, 0x20, 0x10, W, W, W, 0x30, 0x20, 0x10}});
    return cases;
}

}  // namespace corvelo::testing
