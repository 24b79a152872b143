#include "core/warehouse/spreadsheet_export.h"

#include <array>
#include <utility>

#include "core/storage/cp1252.h"
#include "core/storage/file_replace.h"
#include "core/storage/text.h"

namespace corvelo {

void TextGrid::SetRowCount(std::size_t rows) {
    Clear();
    rows_ = rows;
    ends_.assign(rows * columns_, 0);
}

void TextGrid::Clear() {
    rows_ = 0;
    cells_in_row_ = 0;
    text_.clear();
    ends_.clear();
}

void TextGrid::CloseCell() {
    ends_.push_back(text_.size());
    if (cells_in_row_ == 0) ++rows_;
    if (++cells_in_row_ == columns_) cells_in_row_ = 0;
}

namespace {

// Collects the file in a string (tests, small files).
struct StringSink {
    std::string& out;
    void Append(std::string_view bytes) { out += bytes; }
    void Append(char c) { out += c; }
};

// The bytes written as they are: ASCII other than the four HTML specials.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> plain{};
    for (int c = 0; c < 0x80; ++c) plain[c] = c != '&' && c != '<' && c != '>' && c != '"';
    return plain;
}();

// Appends a UTF-8 text as Windows-1252 with the four HTML specials as
// entities; characters outside the code page become '?'.
template <class Sink>
void AppendEscaped(Sink& sink, std::string_view utf8) {
    std::size_t run = 0;  // start of the plain ASCII run not yet appended
    std::size_t i = 0;
    auto flush_run = [&] {
        if (i > run) sink.Append(utf8.substr(run, i - run));
    };
    while (i < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (kPlain[c]) {
            ++i;
            continue;
        }
        flush_run();
        if (c < 0x80) {
            sink.Append(c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&quot;");
            ++i;
        } else {
            // One multi-byte character: hand its bytes to the code page converter.
            std::size_t n = 1;
            while (i + n < utf8.size() && n < 4 &&
                   (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) {
                ++n;
            }
            sink.Append(Utf8ToCp1252(utf8.substr(i, n)));
            i += n;
        }
        run = i;
    }
    flush_run();
}

constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    for (unsigned char c : {'&', '<', '>', '"'}) special[c] = true;
    return special;
}();

constexpr std::string_view kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";
constexpr std::string_view kAfterName =
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>"
    "<tr>";
constexpr std::string_view kHeaderCell =
    "<td style=\"text-align: left; font-weight: bold;\" width=";
#define CORVELO_DATA_CELL "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">"
// A row is written as "<tr>" kDataCell TEXT, then kNextCell TEXT for every
// further cell, then kRowEnd: one copy at each cell boundary.
constexpr std::string_view kRowStart = "<tr>" CORVELO_DATA_CELL;
constexpr std::string_view kNextCell = "</td>" CORVELO_DATA_CELL;
constexpr std::string_view kRowEnd = "</td></tr>";
#undef CORVELO_DATA_CELL
constexpr std::string_view kTail = "</table></body></html>";

// Appends Windows-1252 bytes with the four HTML specials as entities: the
// bytes AppendEscaped gives for their UTF-8 text, since every byte of the
// code page (the five undefined ones too) comes back from UTF-8 as itself.
void AppendEscapedCp1252(FileSink& sink, std::string_view bytes) {
    std::size_t run = 0;  // start of the bytes not yet appended
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (!kSpecial[static_cast<unsigned char>(c)]) continue;
        if (i > run) sink.Append(bytes.substr(run, i - run));
        sink.Append(c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&quot;");
        run = i + 1;
    }
    if (bytes.size() > run) sink.Append(bytes.substr(run));
}

template <class Sink>
void WriteHead(Sink& sink, std::string_view worksheet, std::span<const SpreadsheetColumn> headers) {
    sink.Append(kHead);
    AppendEscaped(sink, worksheet);
    sink.Append(kAfterName);
    for (const SpreadsheetColumn& h : headers) {
        sink.Append(kHeaderCell);
        sink.Append(std::to_string(h.width));
        sink.Append('>');
        AppendEscaped(sink, h.title);
        sink.Append("</td>");
    }
    sink.Append("</tr>");
}

template <class Sink>
void WritePieces(Sink& sink, std::string_view worksheet, std::span<const SpreadsheetColumn> headers,
                 const TextGrid& grid) {
    WriteHead(sink, worksheet, headers);
    for (std::size_t r = 0; r < grid.RowCount(); ++r) {
        if (grid.ColumnCount() < 2) {
            sink.Append("<tr></tr>");
            continue;
        }
        for (std::size_t c = 1; c < grid.ColumnCount(); ++c) {
            sink.Append(c == 1 ? kRowStart : kNextCell);
            AppendEscaped(sink, TrimView(grid.Cell(r, c)));
        }
        sink.Append(kRowEnd);
    }
    sink.Append(kTail);
}

}  // namespace

std::string SpreadsheetBytes(std::string_view worksheet, std::span<const SpreadsheetColumn> headers,
                             const TextGrid& grid) {
    std::string out;
    StringSink sink{out};
    WritePieces(sink, worksheet, headers, grid);
    return out;
}

bool WriteSpreadsheetFile(const std::filesystem::path& path, std::string_view worksheet,
                          std::span<const SpreadsheetColumn> headers, const TextGrid& grid) {
    return ReplaceFile(path, [&](FileSink& sink) { WritePieces(sink, worksheet, headers, grid); })
        .ok();
}

void SpreadsheetRowWriter::Cell(std::string_view cp1252) {
    sink_.Append(in_row_ ? kNextCell : kRowStart);
    in_row_ = true;
    AppendEscapedCp1252(sink_, TrimView(cp1252));
}

void SpreadsheetRowWriter::EndRow() {
    sink_.Append(in_row_ ? kRowEnd : std::string_view("<tr></tr>"));
    in_row_ = false;
    ++rows_;
}

Status WriteSpreadsheetRows(const std::filesystem::path& path, std::string_view worksheet,
                            std::span<const SpreadsheetColumn> headers,
                            const std::function<Status(SpreadsheetRowWriter&)>& rows,
                            FileSystem& fs) {
    return ReplaceFile(
        path,
        [&](FileSink& sink) {
            WriteHead(sink, worksheet, headers);
            SpreadsheetRowWriter writer(sink);
            if (Status s = rows(writer); !s.ok()) {
                sink.Fail(std::move(s));
                return;
            }
            if (writer.in_row_) writer.EndRow();
            if (writer.rows_ == 0) {
                for (std::size_t r = 0; r < TextGrid::kInitialRows; ++r) {
                    for (std::size_t c = 0; c < headers.size(); ++c) writer.Cell({});
                    writer.EndRow();
                }
            }
            sink.Append(kTail);
        },
        fs);
}

bool WriteSpreadsheetFile(const std::filesystem::path& path, std::string_view bytes) {
    return ReplaceFile(path, bytes).ok();
}

}  // namespace corvelo
