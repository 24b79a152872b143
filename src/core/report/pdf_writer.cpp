#include "core/report/pdf_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <type_traits>

#include "core/report/font_metrics.h"
#include "core/storage/cp1252.h"
#include "core/storage/file_replace.h"

namespace corvelo::report {
namespace {

constexpr double kPointsPerUnit = 72.0 / 96.0;

constexpr std::array<const char*, 8> kBaseFonts = {
    "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Courier",   "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique"};

int FaceIndex(FontFamily family, bool bold, bool italic) {
    int face = (bold ? 1 : 0) + (italic ? 2 : 0);
    return family == FontFamily::CourierNew ? face + 4 : face;
}

// A number as PDF wants it: "C" locale, at most three decimals, no exponent.
std::string Num(double value) {
    if (value > -0.0005 && value < 0.0005) return "0";
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    if (ec != std::errc()) return "0";
    std::string text(buffer, end);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string Colour(const Rgb& c, const char* op) {
    return Num(c.r / 255.0) + " " + Num(c.g / 255.0) + " " + Num(c.b / 255.0) + " " + op + "\n";
}

// A PDF literal string of Windows-1252 bytes.
std::string LiteralString(std::string_view bytes) {
    std::string out = "(";
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7F) {
            char octal[5];
            octal[0] = '\\';
            octal[1] = static_cast<char>('0' + ((c >> 6) & 7));
            octal[2] = static_cast<char>('0' + ((c >> 3) & 7));
            octal[3] = static_cast<char>('0' + (c & 7));
            octal[4] = '\0';
            out += octal;
        } else {
            out += ch;
        }
    }
    out += ')';
    return out;
}

// A text string of the document information: plain ASCII as it is, anything
// else as UTF-16BE with a byte order mark, so every reader shows it right.
std::string InfoString(std::string_view utf8) {
    bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    });
    if (ascii) return LiteralString(utf8);
    static const char* hex = "0123456789ABCDEF";
    std::string out = "<FEFF";
    auto unit = [&](unsigned u) {
        for (int shift = 12; shift >= 0; shift -= 4) out += hex[(u >> shift) & 0xF];
    };
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out + ">";
}

struct PageContent {
    std::string stream;
    std::array<bool, 8> fonts{};
    std::vector<int> images;  // indexes into the document's image list
};

class PdfBuilder {
  public:
    explicit PdfBuilder(const ReportDocument& doc) : doc_(doc) {}

    std::string Build();

  private:
    void Draw(const Page& page, const ReportObject& object, PageContent& out);
    void DrawText(const Page& page, const TextObject& text, PageContent& out);
    int ImageIndex(const Picture& picture);

    double X(double units) const { return units * kPointsPerUnit; }
    double Y(const Page& page, double units) const {
        return (page.height - units) * kPointsPerUnit;
    }

    const ReportDocument& doc_;
    std::vector<const Picture*> images_;
};

int PdfBuilder::ImageIndex(const Picture& picture) {
    // The receipt carries the same logo twice; one image object serves both.
    for (std::size_t i = 0; i < images_.size(); ++i) {
        const Picture& known = *images_[i];
        if (known.width == picture.width && known.height == picture.height &&
            known.rgb == picture.rgb) {
            return static_cast<int>(i);
        }
    }
    images_.push_back(&picture);
    return static_cast<int>(images_.size() - 1);
}

void PdfBuilder::DrawText(const Page& page, const TextObject& text, PageContent& out) {
    std::string& s = out.stream;
    if (text.fill) {
        s += Colour(*text.fill, "rg");
        s += Num(X(text.left)) + " " + Num(Y(page, text.top + text.height)) + " " +
             Num(X(text.width)) + " " + Num(X(text.height)) + " re f\n";
    }
    if (text.runs.empty()) return;

    struct Piece {
        std::string bytes;
        int face;
        bool underline;
        double width;  // units
    };
    std::vector<Piece> pieces;
    double total = 0;
    for (const TextRun& run : text.runs) {
        const bool bold = text.font.bold || run.bold;
        const bool italic = text.font.italic || run.italic;
        Piece piece{Utf8ToCp1252(run.text), FaceIndex(text.font.family, bold, italic),
                    text.font.underline || run.underline, 0};
        piece.width = TextWidth(run.text, text.font.family, text.font.size, bold, italic);
        total += piece.width;
        pieces.push_back(std::move(piece));
    }

    // Whatever passes the box's edge is cut off there.
    s += "q\n" + Num(X(text.left)) + " " + Num(Y(page, text.top + text.height)) + " " +
         Num(X(text.width)) + " " + Num(X(text.height)) + " re W n\n";
    const double baseline = Y(page, TextBaseline(text));
    double x = TextStartX(text, total);
    const std::string size = Num(text.font.size);
    s += Colour(text.color, "rg");
    s += "BT\n";
    for (const Piece& piece : pieces) {
        out.fonts[piece.face] = true;
        s += "/F" + std::to_string(piece.face) + " " + size + " Tf\n";
        s += "1 0 0 1 " + Num(X(x)) + " " + Num(baseline) + " Tm\n";
        s += LiteralString(piece.bytes) + " Tj\n";
        x += piece.width;
    }
    s += "ET\n";
    // Underlines as thin strokes just below the baseline, one per run.
    x = TextStartX(text, total);
    for (const Piece& piece : pieces) {
        if (piece.underline && piece.width > 0) {
            const double y = baseline - text.font.size * 0.1;
            s += Colour(text.color, "RG");
            s += Num(text.font.size * 0.05) + " w\n";
            s += Num(X(x)) + " " + Num(y) + " m " + Num(X(x + piece.width)) + " " + Num(y) +
                 " l S\n";
        }
        x += piece.width;
    }
    s += "Q\n";
}

void PdfBuilder::Draw(const Page& page, const ReportObject& object, PageContent& out) {
    std::string& s = out.stream;
    if (const auto* box = std::get_if<BoxObject>(&object)) {
        if (!box->fill && !box->border) return;
        const std::string rect = Num(X(box->left)) + " " + Num(Y(page, box->top + box->height)) +
                                 " " + Num(X(box->width)) + " " + Num(X(box->height)) + " re ";
        if (box->fill) s += Colour(*box->fill, "rg");
        if (box->border) s += Colour(*box->border, "RG") + Num(X(1.0)) + " w\n";
        s += rect + (box->fill && box->border ? "B" : box->fill ? "f" : "S") + "\n";
    } else if (const auto* line = std::get_if<LineObject>(&object)) {
        s += Colour(line->color, "RG") + Num(X(line->thickness)) + " w\n";
        s += Num(X(line->x1)) + " " + Num(Y(page, line->y1)) + " m " + Num(X(line->x2)) + " " +
             Num(Y(page, line->y2)) + " l S\n";
    } else if (const auto* picture = std::get_if<PictureObject>(&object)) {
        const Picture& p = picture->picture;
        if (p.Empty() || p.rgb.size() < static_cast<std::size_t>(p.width) * p.height * 3) return;
        double w = picture->width, h = picture->height;
        if (picture->fit == PictureFit::KeepAspect) {
            const double scale = std::min(picture->width / p.width, picture->height / p.height);
            w = p.width * scale;
            h = p.height * scale;
        }
        const int index = ImageIndex(p);
        out.images.push_back(index);
        s += "q\n" + Num(X(w)) + " 0 0 " + Num(X(h)) + " " + Num(X(picture->left)) + " " +
             Num(Y(page, picture->top + h)) + " cm\n/Im" + std::to_string(index) + " Do\nQ\n";
    } else if (const auto* text = std::get_if<TextObject>(&object)) {
        DrawText(page, *text, out);
    }
}

std::string PdfBuilder::Build() {
    std::vector<PageContent> contents;
    for (const Page& page : doc_.pages) {
        PageContent content;
        for (const ReportObject& object : page.objects) Draw(page, object, content);
        contents.push_back(std::move(content));
    }
    std::array<bool, 8> usedFonts{};
    for (const auto& c : contents) {
        for (int f = 0; f < 8; ++f) usedFonts[f] = usedFonts[f] || c.fonts[f];
    }

    // Object numbers: 1 catalog, 2 page tree, 3 information, then fonts,
    // images, and a page and its content stream for every page.
    int next = 4;
    std::array<int, 8> fontObject{};
    for (int f = 0; f < 8; ++f) {
        if (usedFonts[f]) fontObject[f] = next++;
    }
    std::vector<int> imageObject;
    for (std::size_t i = 0; i < images_.size(); ++i) imageObject.push_back(next++);
    std::vector<int> pageObject;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        pageObject.push_back(next);
        next += 2;
    }
    const int objectCount = next;

    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets(objectCount, 0);
    auto begin = [&](int number) {
        offsets[number] = pdf.size();
        pdf += std::to_string(number) + " 0 obj\n";
    };
    auto end = [&] { pdf += "endobj\n"; };

    begin(1);
    pdf += "<< /Type /Catalog /Pages 2 0 R >>\n";
    end();
    begin(2);
    pdf += "<< /Type /Pages /Kids [";
    for (std::size_t i = 0; i < pageObject.size(); ++i) {
        pdf += (i ? " " : "") + std::to_string(pageObject[i]) + " 0 R";
    }
    pdf += "] /Count " + std::to_string(pageObject.size()) + " >>\n";
    end();
    begin(3);
    pdf += "<< /Title " + InfoString(doc_.title) + " /Subject " + InfoString(doc_.subject) +
           " /Author (Corvelo) /Creator (Corvelo) /Producer (Corvelo) >>\n";
    end();
    for (int f = 0; f < 8; ++f) {
        if (!usedFonts[f]) continue;
        begin(fontObject[f]);
        pdf += "<< /Type /Font /Subtype /Type1 /BaseFont /" + std::string(kBaseFonts[f]) +
               " /Encoding /WinAnsiEncoding >>\n";
        end();
    }
    for (std::size_t i = 0; i < images_.size(); ++i) {
        const Picture& p = *images_[i];
        const std::size_t length = static_cast<std::size_t>(p.width) * p.height * 3;
        begin(imageObject[i]);
        pdf += "<< /Type /XObject /Subtype /Image /Width " + std::to_string(p.width) + " /Height " +
               std::to_string(p.height) + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Length " +
               std::to_string(length) + " >>\nstream\n";
        pdf.append(reinterpret_cast<const char*>(p.rgb.data()), length);
        pdf += "\nendstream\n";
        end();
    }
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const Page& page = doc_.pages[i];
        const PageContent& c = contents[i];
        begin(pageObject[i]);
        pdf += "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Num(X(page.width)) + " " +
               Num(X(page.height)) + "] /Resources << /ProcSet [/PDF /Text /ImageC]";
        if (std::any_of(c.fonts.begin(), c.fonts.end(), [](bool b) { return b; })) {
            pdf += " /Font <<";
            for (int f = 0; f < 8; ++f) {
                if (c.fonts[f]) {
                    pdf += " /F" + std::to_string(f) + " " + std::to_string(fontObject[f]) + " 0 R";
                }
            }
            pdf += " >>";
        }
        if (!c.images.empty()) {
            std::vector<int> unique = c.images;
            std::sort(unique.begin(), unique.end());
            unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
            pdf += " /XObject <<";
            for (int index : unique) {
                pdf += " /Im" + std::to_string(index) + " " + std::to_string(imageObject[index]) +
                       " 0 R";
            }
            pdf += " >>";
        }
        pdf += " >> /Contents " + std::to_string(pageObject[i] + 1) + " 0 R >>\n";
        end();
        begin(pageObject[i] + 1);
        pdf += "<< /Length " + std::to_string(c.stream.size()) + " >>\nstream\n" + c.stream +
               "endstream\n";
        end();
    }

    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objectCount) + "\n0000000000 65535 f\r\n";
    for (int number = 1; number < objectCount; ++number) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n\r\n", offsets[number]);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objectCount) +
           " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

}  // namespace

std::string RenderPdf(const ReportDocument& doc) {
    return PdfBuilder(doc).Build();
}

WriteResult WritePdf(const ReportDocument& doc, const std::filesystem::path& path) {
    const Status written = ReplaceFile(path, RenderPdf(doc));
    if (written.ok()) return {};
    return WriteResult{false, written.detail()};
}

}  // namespace corvelo::report
