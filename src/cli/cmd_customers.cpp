// search customers [--Cognome T] ... [--Note T]: the customer search with
// those boxes filled as typed; the result lines in list order, then the
// count line.
// export customers [--out FILE]: Clienti.xls as the export screen writes it
// after filling its grid.
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "core/customers/customer_export.h"
#include "core/customers/customer_lists.h"
#include "core/storage/cliente.h"
#include "core/storage/messages.h"
#include "core/warehouse/spreadsheet_export.h"

namespace corvelo::cli {
namespace {

constexpr const char* kSearchUsage =
    "search customers [--Cognome T] [--Nome T] [--Codice T] [--Categoria T] [--CodFisc T] "
    "[--Iva T] [--Zona T] [--Prodotti T] [--Acquisto T] [--Note T]";
constexpr const char* kExportUsage = "export customers [--out FILE]";

int Usage(Context& ctx, const char* usage) {
    ctx.err << "usage: corvelo-cli [--dir FOLDER] " << usage << "\n";
    return kUsage;
}

int Search(Context& ctx) {
    const auto& a = ctx.args;
    CustomerSearchTexts boxes;
    for (std::size_t i = 0; i < a.size(); i += 2) {
        if (i + 1 >= a.size() || a[i].rfind("--", 0) != 0) return Usage(ctx, kSearchUsage);
        const std::string name = a[i].substr(2);
        bool known = false;
        for (std::size_t b = 0; b < kCustomerSearchBoxes.size(); ++b) {
            if (TCliente::kFields[kCustomerSearchBoxes[b].field].name == name) {
                boxes[b] = a[i + 1];
                known = true;
            }
        }
        if (!known) return Usage(ctx, kSearchUsage);
    }
    const CustomerListResult result =
        SearchCustomers(ctx.dir / std::string(kClientiFileName), boxes);
    if (!result.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    std::string out;
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        out += result.lines[i];
        out += '\n';
    }
    out += CustomerSearchCountLine(result.lines.size()) + "\n";
    ctx.out << out;
    return kDone;
}

int Export(Context& ctx) {
    const auto& a = ctx.args;
    std::filesystem::path out = ctx.dir / std::string(kCustomerExportFileName);
    if (a.size() == 2 && a[0] == "--out") {
        out = a[1];
    } else if (!a.empty()) {
        return Usage(ctx, kExportUsage);
    }
    const CustomerExportGrid g = FillCustomerExportGrid(ctx.dir / std::string(kClientiFileName));
    if (!g.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    if (!WriteCustomerExport(out, g.grid)) {
        ctx.err << kMsgEsportaFallita << "\n";
        return kFileError;
    }
    return kDone;
}

static CliCommand search_reg("search", "customers", kSearchUsage, Search);
static CliCommand export_reg("export", "customers", kExportUsage, Export);

}  // namespace
}  // namespace corvelo::cli
