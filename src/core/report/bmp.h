// Pictures for reports: a reader of uncompressed BMP files and the default
// receipt logo.
#pragma once

#include <optional>
#include <string_view>

#include "core/report/report_document.h"

namespace corvelo::report {

// Decodes an uncompressed BMP (24-bit, or 8-bit with a palette; bottom-up or
// top-down). Returns nullopt for anything else or for damaged data.
std::optional<Picture> DecodeBmp(std::string_view bytes);

// The built-in logo used when Logo.bmp cannot be loaded: a blue euro sign on
// white, 297 x 184 pixels.
Picture DefaultLogo();

}  // namespace corvelo::report
