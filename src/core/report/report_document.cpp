#include "core/report/report_document.h"

#include <algorithm>
#include <cctype>

namespace corvelo::report {
namespace {

template <class T, class Doc>
auto* FindObject(Doc& doc, std::string_view name) {
    using Ptr = std::conditional_t<std::is_const_v<Doc>, const T*, T*>;
    for (auto& page : doc.pages) {
        for (auto& object : page.objects) {
            if (auto* found = std::get_if<T>(&object); found != nullptr && found->name == name) {
                return static_cast<Ptr>(found);
            }
        }
    }
    return static_cast<Ptr>(nullptr);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string TextObject::Text() const {
    std::string out;
    for (const auto& run : runs) out += run.text;
    return out;
}

TextObject* ReportDocument::FindText(std::string_view n) {
    return FindObject<TextObject>(*this, n);
}
const TextObject* ReportDocument::FindText(std::string_view n) const {
    return FindObject<TextObject>(*this, n);
}
PictureObject* ReportDocument::FindPicture(std::string_view n) {
    return FindObject<PictureObject>(*this, n);
}
const PictureObject* ReportDocument::FindPicture(std::string_view n) const {
    return FindObject<PictureObject>(*this, n);
}
const BoxObject* ReportDocument::FindBox(std::string_view n) const {
    return FindObject<BoxObject>(*this, n);
}
const LineObject* ReportDocument::FindLine(std::string_view n) const {
    return FindObject<LineObject>(*this, n);
}

bool ReportDocument::SetText(std::string_view n, std::string_view text) {
    TextObject* object = FindText(n);
    if (object == nullptr) return false;
    object->runs = {TextRun{std::string(text)}};
    return true;
}

bool ReportDocument::SetFormattedText(std::string_view n, std::string_view taggedText) {
    TextObject* object = FindText(n);
    if (object == nullptr) return false;
    object->runs = ParseFormattedText(taggedText);
    return true;
}

bool ReportDocument::SetPicture(std::string_view n, const Picture& picture) {
    PictureObject* object = FindPicture(n);
    if (object == nullptr) return false;
    object->picture = picture;
    return true;
}

std::vector<TextRun> ParseFormattedText(std::string_view tagged) {
    std::vector<TextRun> runs;
    int bold = 0, italic = 0, underline = 0;
    std::string current;
    auto flush = [&] {
        if (current.empty()) return;
        runs.push_back(TextRun{std::move(current), bold > 0, italic > 0, underline > 0});
        current.clear();
    };
    std::size_t i = 0;
    while (i < tagged.size()) {
        if (tagged[i] == '<') {
            std::size_t close = tagged.find('>', i);
            if (close != std::string_view::npos) {
                std::string_view inside = tagged.substr(i + 1, close - i - 1);
                bool closing = !inside.empty() && inside.front() == '/';
                if (closing) inside.remove_prefix(1);
                int* depth = EqualsNoCase(inside, "b")   ? &bold
                             : EqualsNoCase(inside, "i") ? &italic
                             : EqualsNoCase(inside, "u") ? &underline
                                                         : nullptr;
                if (depth != nullptr) {
                    flush();
                    if (!closing) {
                        ++*depth;
                    } else if (*depth > 0) {
                        --*depth;
                    }
                    i = close + 1;
                    continue;
                }
            }
        }
        current += tagged[i];
        ++i;
    }
    flush();
    return runs;
}

FaceMetrics FaceMetricsOf(FontFamily family) {
    // The ascent and descent of the faces the screens resolve these names to
    // (Liberation Sans and Mono, metric twins of the Windows faces); the PDF
    // fonts share the advance widths, so a baseline placed by these numbers
    // looks the same on paper and on screen.
    switch (family) {
        case FontFamily::CourierNew:
            return {0.833, 0.300};
        case FontFamily::Arial:
        case FontFamily::Verdana:
            break;
    }
    return {0.905, 0.212};
}

double TextBaseline(const TextObject& text) {
    const FaceMetrics m = FaceMetricsOf(text.font.family);
    const double size = text.font.size * kUnitsPerPoint;
    if (text.centreVertically) {
        const double lineHeight = (m.ascent + m.descent) * size;
        return text.top + (text.height - lineHeight) / 2.0 + m.ascent * size;
    }
    return text.top + kTextInsetY + m.ascent * size;
}

double TextStartX(const TextObject& text, double textWidth) {
    switch (text.align) {
        case HAlign::Left:
            break;
        case HAlign::Centre:
            return text.left + (text.width - textWidth) / 2.0;
        case HAlign::Right:
            return text.left + text.width - kTextInsetX - textWidth;
    }
    return text.left + kTextInsetX;
}

}  // namespace corvelo::report
