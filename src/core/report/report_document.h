// A laid-out report as plain data: pages holding text, line, box and picture
// objects at fixed positions. Templates fill it from texts; the PDF writer
// and the screen/printer renderer both draw exactly what it holds, so tests
// can check objects and texts without rendering anything.
//
// Positions and sizes are report units of 1/96 inch measured from the top-left
// corner of the sheet; font sizes are points.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvelo::report {

inline constexpr double kUnitsPerMm = 3.7795;
inline constexpr double kUnitsPerPoint = 96.0 / 72.0;
// Where a text starts inside its box.
inline constexpr double kTextInsetX = 2.0;
inline constexpr double kTextInsetY = 1.0;

enum class FontFamily { Arial, CourierNew, Verdana };

struct Font {
    FontFamily family = FontFamily::Arial;
    double size = 10.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

enum class HAlign { Left, Centre, Right };

// A piece of text in one style. The style adds to the object's font: a bold
// run in a bold object is bold, a plain run in a bold object is bold too.
struct TextRun {
    std::string text;  // UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const TextRun&) const = default;
};

// One line of text in a box. Never wrapped; whatever passes the box's edge is
// cut off. The text starts kTextInsetX from the side and kTextInsetY from the
// top (or is centred vertically).
struct TextObject {
    std::string name;
    double left = 0, top = 0, width = 0, height = 0;
    Font font;
    Rgb color = kBlack;
    std::optional<Rgb> fill;  // none: transparent
    HAlign align = HAlign::Left;
    bool centreVertically = false;
    std::vector<TextRun> runs;

    // The runs' texts joined.
    std::string Text() const;
};

// A straight line from (x1, y1) to (x2, y2).
struct LineObject {
    std::string name;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double thickness = 1.0;
    Rgb color = kBlack;
};

// A rectangle with an optional fill and an optional outline.
struct BoxObject {
    std::string name;
    double left = 0, top = 0, width = 0, height = 0;
    std::optional<Rgb> fill;
    std::optional<Rgb> border = kBlack;
};

// A decoded picture: width x height pixels, 3 bytes (R, G, B) each, rows from
// the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    bool Empty() const { return width <= 0 || height <= 0; }
};

// How a picture fills its box.
enum class PictureFit {
    Stretch,     // fills the whole box
    KeepAspect,  // scaled to fit, aspect kept, placed at the top-left corner
};

struct PictureObject {
    std::string name;
    double left = 0, top = 0, width = 0, height = 0;
    PictureFit fit = PictureFit::KeepAspect;
    Picture picture;
};

using ReportObject = std::variant<TextObject, LineObject, BoxObject, PictureObject>;

struct Page {
    double width = 0, height = 0;  // units
    std::vector<ReportObject> objects;
};

struct ReportDocument {
    std::string name;     // the template's document name
    std::string title;    // PDF /Title
    std::string subject;  // PDF /Subject
    std::vector<Page> pages;

    // The first object of that name on any page, or null.
    TextObject* FindText(std::string_view name);
    const TextObject* FindText(std::string_view name) const;
    PictureObject* FindPicture(std::string_view name);
    const PictureObject* FindPicture(std::string_view name) const;
    const BoxObject* FindBox(std::string_view name) const;
    const LineObject* FindLine(std::string_view name) const;

    // Replaces the text of the named text object with one literal run.
    // Returns false when there is no such object.
    bool SetText(std::string_view name, std::string_view text);
    // Replaces the text of the named object with the runs of a text that
    // carries formatting tags (see ParseFormattedText).
    bool SetFormattedText(std::string_view name, std::string_view taggedText);
    // Puts a picture into the named picture object.
    bool SetPicture(std::string_view name, const Picture& picture);
};

// Page sizes in units.
inline constexpr double kA4Short = 210.0 * kUnitsPerMm;
inline constexpr double kA4Long = 297.0 * kUnitsPerMm;

// Turns a text with the tags <b>, <i>, <u> and their closing forms (any case,
// nestable) into styled runs. Any other "<...>" and every other character,
// square brackets included, is literal. A closing tag without its opening tag
// is dropped; an opening tag left open lasts to the end.
std::vector<TextRun> ParseFormattedText(std::string_view tagged);

// Vertical metrics of a font face in units of its size (em), shared by both
// renderers so that they put every baseline at the same place.
struct FaceMetrics {
    double ascent;
    double descent;
};
FaceMetrics FaceMetricsOf(FontFamily family);

// Where the baseline of a text object's line lies (units from the top of the
// sheet).
double TextBaseline(const TextObject& text);

// Where a line of the given width starts (units from the left of the sheet),
// by the object's alignment and inset.
double TextStartX(const TextObject& text, double textWidth);

}  // namespace corvelo::report
