// The PDF manual Guida.pdf: every page of the help window, laid out as an
// A4 portrait document with a contents list, headings, paragraphs wrapped to
// the page and a footer with the page number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/app/help_pages.h"
#include "core/report/report_document.h"

namespace corvelo::report {

// The help pages in the order the manual shows them.
std::vector<HelpPage> ManualPages();

// Lays the pages out. Title "Guida all'utilizzo del software", subject
// "Guida".
ReportDocument BuildManual(const std::vector<HelpPage>& pages);

// Breaks text into lines no wider than width units in the given font, at
// blanks; a word wider than a whole line is cut where it must be. Line feeds
// (and CR LF pairs) in the text start new lines.
std::vector<std::string> WrapText(std::string_view text, const Font& font, double width);

}  // namespace corvelo::report
