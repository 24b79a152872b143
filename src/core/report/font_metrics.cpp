#include "core/report/font_metrics.h"

#include "core/storage/cp1252.h"

namespace corvelo::report {
namespace {

// Helvetica, -Bold, -Oblique, -BoldOblique, then the same four of Courier.
constexpr int kWidths[8][256] = {
#include "core/report/font_widths.inc"
};

}  // namespace

int GlyphWidth(FontFamily family, bool bold, bool italic, unsigned char code) {
    int face = (bold ? 1 : 0) + (italic ? 2 : 0);
    if (family == FontFamily::CourierNew) face += 4;
    return kWidths[face][code];
}

double TextWidth(std::string_view utf8, FontFamily family, double sizePoints, bool bold,
                 bool italic) {
    long total = 0;
    for (char c : Utf8ToCp1252(utf8)) {
        total += GlyphWidth(family, bold, italic, static_cast<unsigned char>(c));
    }
    return static_cast<double>(total) / 1000.0 * sizePoints * kUnitsPerPoint;
}

}  // namespace corvelo::report
