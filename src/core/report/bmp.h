// Pictures for reports: a reader of BMP files and the default receipt logo.
#pragma once

#include <optional>
#include <string_view>

#include "core/report/report_document.h"

namespace corvelo::report {

// Decodes a BMP file as Windows programs write it: the 12-byte core header
// or the 40-, 52-, 56-, 108- or 124-byte info headers; 1, 4 and 8 bits with a
// palette, 16, 24 and 32 bits; uncompressed, RLE8, RLE4 and bit fields
// (16 and 32 bits, with or without an alpha mask); rows bottom-up or, for
// uncompressed pictures, top-down.
//
// Pixels that an RLE picture skips (with a delta or an early end of line or
// of picture) are white, and so is what shows through a transparent pixel:
// the picture is printed on white paper.
//
// Returns nullopt for any other kind of file (JPEG or PNG inside a BMP,
// other compressions) and for damaged data: a file shorter than its header
// and pixels need, an RLE stream that ends before the picture is complete,
// a palette index past the palette, or a picture of more than 16 million
// pixels. Never reads outside `bytes`.
std::optional<Picture> DecodeBmp(std::string_view bytes);

// The built-in logo used when Logo.bmp cannot be loaded: a blue euro sign on
// white, 297 x 184 pixels.
Picture DefaultLogo();

}  // namespace corvelo::report
