// dump receipts YEAR | dump customers | dump warehouse: every record of an
// archive as one JSON object per line, fields under their own names.
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/cli.h"
#include "core/receipts/archive_year.h"
#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/messages.h"
#include "core/storage/record_file.h"
#include "core/storage/ricevuta.h"
#include "core/storage/text.h"

namespace corvelo::cli {
namespace {

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (b < 0x20) {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\u%04X", b);
                    out += code;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

template <class R>
int Dump(Context& ctx, const std::filesystem::path& path) {
    // Opened as the screens open it: a missing archive is created empty.
    RecordFile file;
    Status status = file.OpenOrCreate(path, R::kSize);
    std::string bytes;
    std::string line;
    R record;
    while (status.ok() && !file.AtEnd()) {
        status = file.ReadRecord(bytes);
        if (!status.ok()) break;
        DecodeRecord(bytes, record);
        line.assign("{\"card\": ");
        line += std::to_string(file.CurrentPosition());
        for (std::size_t i = 0; i < R::kFieldCount; ++i) {
            line += ", ";
            AppendJsonString(line, R::kFields[i].name);
            line += ": ";
            AppendJsonString(line, record.fields[i]);
        }
        line += "}\n";
        ctx.out << line;
    }
    const std::size_t trailing = file.IsOpen() ? file.TrailingBytes() : 0;
    if (status.ok()) status = file.CloseRecordFile();
    ctx.out.flush();
    if (!status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    if (trailing != 0) {
        ctx.err << path.filename().string() << ": the last " << trailing
                << " bytes are a partial record, not a record\n";
    }
    return kDone;
}

int Run(Context& ctx) {
    const auto& a = ctx.args;
    if (a.size() == 2 && a[0] == "receipts") {
        const std::string year = Trim(a[1]);
        if (!IsFourDigitYear(year)) {
            ctx.err << "dump receipts: YEAR must be four digits\n";
            return kUsage;
        }
        return Dump<TRicevuta>(ctx, ctx.dir / ReceiptArchiveFileName(year));
    }
    if (a.size() == 1 && a[0] == "customers") {
        return Dump<TCliente>(ctx, ctx.dir / std::string(kClientiFileName));
    }
    if (a.size() == 1 && a[0] == "warehouse") {
        return Dump<TArticolo>(ctx, ctx.dir / std::string(kMagazzinoFileName));
    }
    ctx.err << "usage: corvelo-cli [--dir FOLDER] dump receipts YEAR | dump customers | dump "
               "warehouse\n";
    return kUsage;
}

static CliCommand reg("dump", "dump receipts YEAR | dump customers | dump warehouse", Run);

}  // namespace
}  // namespace corvelo::cli
