// The BMP file of a picture, as the logo is stored in Logo.bmp.
#pragma once

#include <string>

#include "core/report/report_document.h"

namespace corvelo::report {

// Returns the bytes of an uncompressed 24-bit BMP file of `picture`: a
// 14-byte file header, a 40-byte information header (bottom-up rows, 96 dpi),
// then the rows from the bottom one up, each as blue, green, red per pixel
// and padded with zeros to a multiple of 4 bytes. Returns "" for an empty
// picture, one whose pixels do not match its size, or one too large for the
// format (4 GB).
std::string EncodeBmp(const Picture& picture);

}  // namespace corvelo::report
