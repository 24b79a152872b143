#include "core/documents/receipt_list_line.h"

#include "core/app/archive_scan.h"
#include "core/app/routines.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

using R = TRicevuta;

// A Windows-1252 field cut or padded to `width` characters: one byte is one
// character, so this is FitWidth of the decoded text.
void AppendFitted(std::string_view raw, std::size_t width, std::string& out) {
    if (raw.size() > width) raw = raw.substr(0, width);
    AppendCp1252(raw, out);
    out.append(width - raw.size(), ' ');
}

}  // namespace

std::string ReceiptListLine(const TRicevuta& r) {
    std::string line = "Ric. n. ";
    line += FitWidth(Trim(r[R::NumRic]), 12);
    line += "  Data: ";
    line += FitWidth(Trim(r[R::Data]), 10);
    line += "  ";
    line += FitWidth(Trim(r[R::Cliente]), 30);
    line += "  C.F. ";
    line += FitWidth(Trim(r[R::CodFiscCliente]), 16);
    line += "  Acconti: \xE2\x82\xAC ";
    line += FitWidth(Trim(r[R::Acconti]), 8);
    line += "  Bollo: ";
    line += FitWidth(Trim(r[R::Tassa]), 8);
    line += "  Totale: \xE2\x82\xAC ";
    line += Trim(r[R::TotCorrispettivi]);
    return line;
}

void AppendReceiptListLine(const char* record, std::string& out) {
    const auto& f = R::kFields;
    out += "Ric. n. ";
    AppendFitted(RawField(record, f[R::NumRic]), 12, out);
    out += "  Data: ";
    AppendFitted(RawField(record, f[R::Data]), 10, out);
    out += "  ";
    AppendFitted(RawField(record, f[R::Cliente]), 30, out);
    out += "  C.F. ";
    AppendFitted(RawField(record, f[R::CodFiscCliente]), 16, out);
    out += "  Acconti: \xE2\x82\xAC ";
    AppendFitted(RawField(record, f[R::Acconti]), 8, out);
    out += "  Bollo: ";
    AppendFitted(RawField(record, f[R::Tassa]), 8, out);
    out += "  Totale: \xE2\x82\xAC ";
    AppendCp1252(RawField(record, f[R::TotCorrispettivi]), out);
}

LocatedReceipt LocateReceiptByLine(const std::filesystem::path& path, std::string_view line,
                                   FileSystem& fs) {
    return LocateByLine<TRicevuta>(path, line, AppendReceiptListLine, fs);
}

}  // namespace corvelo
