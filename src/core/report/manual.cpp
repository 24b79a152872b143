#include "core/report/manual.h"

#include <algorithm>

#include "core/report/font_metrics.h"
#include "core/storage/cp1252.h"

namespace corvelo::report {
namespace {

constexpr double kMargin = 20 * kUnitsPerMm;
constexpr double kPageWidth = kA4Short;
constexpr double kPageHeight = kA4Long;
constexpr double kTextWidth = kPageWidth - 2 * kMargin;
constexpr double kFooterTop = kPageHeight - kMargin + 4 * kUnitsPerMm;
constexpr double kBodyBottom = kPageHeight - kMargin - 2 * kUnitsPerMm;
constexpr Rgb kHeading{0x1F, 0x4E, 0x8C};
constexpr Rgb kGrey{0x60, 0x60, 0x60};
constexpr Rgb kRule{0xB8, 0xC6, 0xDB};
constexpr Rgb kBand{0xEE, 0xF2, 0xF8};

constexpr Font kBody{FontFamily::Arial, 10.5};
constexpr Font kTopic{FontFamily::Verdana, 13, true};
constexpr Font kFooter{FontFamily::Arial, 8};

double Width(std::string_view text, const Font& font) {
    return TextWidth(text, font.family, font.size, font.bold, font.italic);
}

double LineHeight(const Font& font) {
    return font.size * kUnitsPerPoint * 1.4;
}

TextObject Text(std::string name, double left, double top, double width, const Font& font,
                std::string text, Rgb colour = kBlack, HAlign align = HAlign::Left) {
    TextObject t;
    t.name = std::move(name);
    t.left = left;
    t.top = top;
    t.width = width;
    t.height = LineHeight(font);
    t.font = font;
    t.color = colour;
    t.align = align;
    t.runs = {TextRun{std::move(text)}};
    return t;
}

// Appends the words of one line of text to lines, wrapping it.
void WrapLine(std::string_view line, const Font& font, double width,
              std::vector<std::string>& lines) {
    std::string current;
    const std::size_t before = lines.size();
    std::size_t i = 0;
    const auto flush = [&] {
        lines.push_back(current);
        current.clear();
    };
    while (i < line.size()) {
        const std::size_t end = std::min(line.find(' ', i), line.size());
        std::string word(line.substr(i, end - i));
        i = end + 1;
        if (word.empty()) continue;
        const std::string joined = current.empty() ? word : current + " " + word;
        if (Width(joined, font) <= width) {
            current = joined;
            continue;
        }
        if (!current.empty()) flush();
        // A word longer than the line is cut, one character at a time.
        while (Width(word, font) > width) {
            const std::u32string points = Utf8ToCodePoints(word);
            std::string piece;
            std::size_t taken = 0;
            for (char32_t cp : points) {
                std::string next = piece + CodePointsToUtf8(std::u32string_view(&cp, 1));
                if (!piece.empty() && Width(next, font) > width) break;
                piece = std::move(next);
                ++taken;
            }
            lines.push_back(piece);
            word = word.substr(piece.size());
            if (taken == 0) break;
        }
        current = word;
    }
    if (!current.empty() || lines.size() == before) flush();  // an empty line stays
}

// Places objects top to bottom, starting new pages as they fill.
class Flow {
  public:
    explicit Flow(ReportDocument& doc) : doc_(doc) { NewPage(); }

    double top() const { return y_; }
    // Starts a new page unless height fits on this one.
    void Need(double height) {
        if (y_ + height > kBodyBottom) NewPage();
    }
    void Add(ReportObject object) { doc_.pages.back().objects.push_back(std::move(object)); }
    void Skip(double height) { y_ += height; }
    std::size_t page() const { return doc_.pages.size(); }

  private:
    void NewPage() {
        doc_.pages.push_back(Page{kPageWidth, kPageHeight, {}});
        y_ = kMargin;
    }
    ReportDocument& doc_;
    double y_ = 0;
};

void AddFooters(ReportDocument& doc) {
    const std::size_t total = doc.pages.size();
    for (std::size_t i = 0; i < total; ++i) {
        Page& page = doc.pages[i];
        page.objects.push_back(LineObject{"lineFooter", kMargin, kFooterTop - 3,
                                          kPageWidth - kMargin, kFooterTop - 3, 0.75, kRule});
        page.objects.push_back(Text("txtFooterTitle", kMargin, kFooterTop, kTextWidth / 2, kFooter,
                                    "Corvelo - Guida all'utilizzo del software", kGrey));
        page.objects.push_back(
            Text("txtFooterPage", kMargin + kTextWidth / 2, kFooterTop, kTextWidth / 2, kFooter,
                 "Pagina " + std::to_string(i + 1) + " di " + std::to_string(total), kGrey,
                 HAlign::Right));
    }
}

}  // namespace

std::vector<HelpPage> ManualPages() {
    std::vector<HelpPage> pages;
    for (HelpTopic topic : {HelpTopic::Avvio, HelpTopic::Ricevute, HelpTopic::Riepiloghi,
                            HelpTopic::Statistiche, HelpTopic::ExpRicevute, HelpTopic::Anagrafica,
                            HelpTopic::ExpClienti, HelpTopic::Magazzino, HelpTopic::ExpMagazzino}) {
        pages.push_back(GetHelpPage(topic));
    }
    return pages;
}

std::vector<std::string> WrapText(std::string_view text, const Font& font, double width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        WrapLine(line, font, width, lines);
        start = end + 1;
    }
    return lines;
}

ReportDocument BuildManual(const std::vector<HelpPage>& pages) {
    ReportDocument doc;
    doc.name = "Guida";
    doc.title = "Guida all'utilizzo del software";
    doc.subject = "Guida";
    Flow flow(doc);

    // Title block.
    flow.Add(BoxObject{"shpTitolo", kMargin, kMargin, kTextWidth, 30 * kUnitsPerMm, kHeading,
                       std::nullopt});
    flow.Add(Text("txtTitolo", kMargin + 8 * kUnitsPerMm, kMargin + 7 * kUnitsPerMm,
                  kTextWidth - 16 * kUnitsPerMm, Font{FontFamily::Verdana, 26, true}, "Corvelo",
                  kWhite));
    flow.Add(Text("txtSottotitolo", kMargin + 8 * kUnitsPerMm, kMargin + 19 * kUnitsPerMm,
                  kTextWidth - 16 * kUnitsPerMm, Font{FontFamily::Verdana, 12},
                  "Guida all'utilizzo del software", kWhite));
    flow.Skip(30 * kUnitsPerMm + 10 * kUnitsPerMm);

    // Contents: the topics in order, numbered.
    const Font contents{FontFamily::Verdana, 11, true};
    flow.Add(Text("txtIndice", kMargin, flow.top(), kTextWidth, contents, "Indice", kHeading));
    flow.Skip(LineHeight(contents) + 2);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        flow.Add(Text("txtIndice" + std::to_string(i + 1), kMargin + 4 * kUnitsPerMm, flow.top(),
                      kTextWidth, kBody, std::to_string(i + 1) + ". " + pages[i].title));
        flow.Skip(LineHeight(kBody));
    }
    flow.Skip(8 * kUnitsPerMm);

    const double bandHeight = LineHeight(kTopic) + 8;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // A heading never stays alone at the foot of a page.
        flow.Need(bandHeight + 6 + 3 * LineHeight(kBody));
        flow.Add(BoxObject{"shpArgomento", kMargin, flow.top(), kTextWidth, bandHeight, kBand,
                           std::nullopt});
        flow.Add(BoxObject{"shpArgomentoBordo", kMargin, flow.top(), 4, bandHeight, kHeading,
                           std::nullopt});
        TextObject heading = Text("txtArgomento", kMargin + 10, flow.top(), kTextWidth - 14, kTopic,
                                  std::to_string(i + 1) + ". " + pages[i].title, kHeading);
        heading.height = bandHeight;
        heading.centreVertically = true;
        flow.Add(std::move(heading));
        flow.Skip(bandHeight + 8);
        for (const std::string& paragraph : pages[i].paragraphs) {
            for (const std::string& line :
                 WrapText(paragraph, kBody, kTextWidth - 2 * kTextInsetX)) {
                flow.Need(LineHeight(kBody));
                flow.Add(Text("txtTesto", kMargin, flow.top(), kTextWidth, kBody, line));
                flow.Skip(LineHeight(kBody));
            }
            flow.Skip(LineHeight(kBody) * 0.6);
        }
        flow.Skip(6 * kUnitsPerMm);
    }
    AddFooters(doc);
    return doc;
}

}  // namespace corvelo::report
