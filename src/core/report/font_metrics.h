// Widths of texts in the standard PDF fonts the reports are written with
// (Helvetica for Arial and Verdana, Courier for Courier New).
#pragma once

#include <string_view>

#include "core/report/report_document.h"

namespace corvelo::report {

// Advance width of one Windows-1252 byte, in thousandths of the font size.
int GlyphWidth(FontFamily family, bool bold, bool italic, unsigned char code);

// Width of a UTF-8 text in units at the given size in points. Characters the
// code page cannot hold count as '?', as they are written.
double TextWidth(std::string_view utf8, FontFamily family, double sizePoints, bool bold,
                 bool italic);

}  // namespace corvelo::report
