// The report engine's two readers of outside input: BMP files (Logo.bmp can
// be anything) and the formatting tags in receipt notes. A decoded picture
// must hold exactly its pixels, the runs must give back the text without its
// tags, and a PDF made of both must be written without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/report/bmp.h"
#include "core/report/pdf_writer.h"
#include "core/report/report_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    using namespace corvelo::report;

    const auto picture = DecodeBmp(bytes);
    if (picture) {
        if (picture->width <= 0 || picture->height <= 0) std::abort();
        if (picture->rgb.size() != static_cast<std::size_t>(picture->width) * picture->height * 3) {
            std::abort();
        }
    }

    const auto runs = ParseFormattedText(bytes);
    std::size_t length = 0;
    for (const TextRun& run : runs) {
        if (run.text.empty()) std::abort();
        length += run.text.size();
    }
    if (length > size) std::abort();

    if (size < 4096) {
        ReportDocument doc;
        doc.title = std::string(bytes);
        Page& page = doc.pages.emplace_back();
        page.width = 200;
        page.height = 100;
        TextObject text;
        text.width = 100;
        text.height = 20;
        text.runs = runs;
        page.objects.push_back(text);
        if (picture && picture->width * picture->height < 10000) {
            PictureObject p;
            p.width = 50;
            p.height = 50;
            p.picture = *picture;
            page.objects.push_back(p);
        }
        const std::string pdf = RenderPdf(doc);
        if (pdf.rfind("%%EOF\n") != pdf.size() - 6) std::abort();
    }
    return 0;
}
