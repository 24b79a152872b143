#include "core/warehouse/spreadsheet_export.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/storage/cp1252.h"
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

// Appends a UTF-8 text as Windows-1252 with the four HTML specials as
// entities; characters outside the code page become '?'.
void AppendEscaped(std::string_view utf8, std::string& out) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            switch (c) {
                case '&':
                    out += "&amp;";
                    break;
                case '<':
                    out += "&lt;";
                    break;
                case '>':
                    out += "&gt;";
                    break;
                case '"':
                    out += "&quot;";
                    break;
                default:
                    out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        // One multi-byte character: hand its bytes to the code page converter.
        std::size_t n = 1;
        while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80 &&
               n < 4) {
            ++n;
        }
        out += Utf8ToCp1252(utf8.substr(i, n));
        i += n;
    }
}

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
constexpr std::string_view kDataCell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
constexpr std::string_view kTail = "</table></body></html>";

}  // namespace

std::string SpreadsheetBytes(std::string_view worksheet, std::span<const SpreadsheetColumn> headers,
                             const TextGrid& grid) {
    std::string out;
    const std::size_t exported = grid.ColumnCount() > 0 ? grid.ColumnCount() - 1 : 0;
    out.reserve(kHead.size() + kAfterName.size() + 128 * headers.size() +
                grid.RowCount() * (9 + exported * (kDataCell.size() + 5 + 16)));
    out += kHead;
    AppendEscaped(worksheet, out);
    out += kAfterName;
    for (const SpreadsheetColumn& h : headers) {
        out += kHeaderCell;
        out += std::to_string(h.width);
        out += '>';
        AppendEscaped(h.title, out);
        out += "</td>";
    }
    out += "</tr>";
    for (std::size_t r = 0; r < grid.RowCount(); ++r) {
        out += "<tr>";
        for (std::size_t c = 1; c < grid.ColumnCount(); ++c) {
            out += kDataCell;
            AppendEscaped(TrimView(grid.Cell(r, c)), out);
            out += "</td>";
        }
        out += "</tr>";
    }
    out += kTail;
    return out;
}

bool WriteSpreadsheetFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace corvelo
