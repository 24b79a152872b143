// The receipt list line shared by the search, the unpaid list and the
// summaries:
// "Ric. n. " NumRic(12) "  Data: " Data(10) "  " Cliente(30) "  C.F. "
// CodFiscCliente(16) "  Acconti: € " Acconti(8) "  Bollo: " Tassa(8)
// "  Totale: € " TotCorrispettivi
// each field trimmed and cut or padded to its width; the last one (the total
// of the lines, not the amount due) only trimmed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/app/record_search.h"
#include "core/storage/file_system.h"
#include "core/storage/ricevuta.h"
#include "core/storage/status.h"

namespace corvelo {

std::string ReceiptListLine(const TRicevuta& record);

// The same line from the raw bytes of a record, appended to `out`.
void AppendReceiptListLine(const char* record, std::string& out);

using LocatedReceipt = LocatedRecord<TRicevuta>;

// The record behind a double-clicked list line: every record's line is
// built and compared with `line`, both trimmed; when several records give
// the same line the last of them is the one.
LocatedReceipt LocateReceiptByLine(const std::filesystem::path& path, std::string_view line,
                                   FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo
