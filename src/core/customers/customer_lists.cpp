#include "core/customers/customer_lists.h"

#include "core/app/archive_scan.h"
#include "core/app/routines.h"
#include "core/storage/text.h"

namespace corvelo {

using C = TCliente;

namespace {

// A Windows-1252 field cut or padded to `width` characters (one byte is one
// character, so this is FitWidth of the decoded text).
void AppendFitted(std::string_view raw, std::size_t width, std::string& out) {
    if (raw.size() > width) raw = raw.substr(0, width);
    AppendCp1252(raw, out);
    out.append(width - raw.size(), ' ');
}

// Cognome " " Nome, both trimmed, cut or padded to `width`.
void AppendName(const char* record, std::size_t width, std::string& out) {
    const std::string_view cognome = RawField(record, C::kFields[C::Cognome]);
    const std::string_view nome = RawField(record, C::kFields[C::Nome]);
    std::size_t left = width;
    auto put = [&](std::string_view piece) {
        const std::string_view cut = piece.substr(0, std::min(piece.size(), left));
        AppendCp1252(cut, out);
        left -= cut.size();
    };
    put(cognome);
    put(" ");
    put(nome);
    out.append(left, ' ');
}

std::string NameOf(const TCliente& r) {
    return r[C::Cognome] + " " + r[C::Nome];
}

void Decode(const char* record, C::Field f, std::string& out) {
    out.clear();
    AppendCp1252(RawField(record, C::kFields[f]), out);
}

std::optional<int> NoticeDays(std::string_view preavviso) {
    const std::string_view p = TrimView(preavviso);
    if (p.empty() || p.size() > 3 || !IsAllDigits(p)) return std::nullopt;
    int days = 0;
    for (char c : p) days = days * 10 + (c - '0');
    return days;
}

}  // namespace

std::optional<bool> IsInstalmentDue(std::string_view scadenza, std::string_view preavviso,
                                    std::chrono::year_month_day today) {
    const std::optional<std::chrono::year_month_day> due = TextToDate(TrimView(scadenza));
    const std::optional<int> days = NoticeDays(preavviso);
    if (!due || !days) return std::nullopt;
    return std::chrono::sys_days(*due) - std::chrono::days(*days) <= std::chrono::sys_days(today);
}

std::string DueListLine(const TCliente& r) {
    std::string line = FitWidth(NameOf(r), 30);
    line += "  Tel. ";
    line += FitWidth(r[C::Recapito], 12);
    line += "  Scad. ";
    line += FitWidth(r[C::Scadenza], 10);
    line += "  Rata: € ";
    line += FitWidth(r[C::Rata], 15);
    line += "  Acquisto: ";
    line += r[C::Acquisto];
    return line;
}

void AppendDueListLine(const char* record, std::string& out) {
    const auto& f = C::kFields;
    AppendName(record, 30, out);
    out += "  Tel. ";
    AppendFitted(RawField(record, f[C::Recapito]), 12, out);
    out += "  Scad. ";
    AppendFitted(RawField(record, f[C::Scadenza]), 10, out);
    out += "  Rata: € ";
    AppendFitted(RawField(record, f[C::Rata]), 15, out);
    out += "  Acquisto: ";
    AppendCp1252(RawField(record, f[C::Acquisto]), out);
}

DueList BuildDueList(const std::filesystem::path& path, std::chrono::year_month_day today,
                     FileSystem& fs) {
    DueList out;
    std::string scadenza;
    out.status = ArchiveReader::Scan(
        path, C::kSize,
        [&](const char* record, std::size_t card) {
            Decode(record, C::Scadenza, scadenza);
            const std::optional<bool> due =
                IsInstalmentDue(scadenza, RawField(record, C::kFields[C::Preavviso]), today);
            if (!due) {
                SkippedCard& s = out.skipped.emplace_back();
                s.card = card;
                Decode(record, C::Cognome, s.cognome);
                Decode(record, C::Nome, s.nome);
                return;
            }
            if (*due) {
                AppendDueListLine(record, out.lines.OpenLine());
                out.lines.CloseLine();
            }
        },
        fs);
    if (!out.status.ok()) {
        out.lines.Clear();
        out.skipped.clear();
        return out;
    }
    out.lines.SortCaseless();
    return out;
}

std::string SkippedCardName(const SkippedCard& s) {
    return s.cognome + " " + s.nome + " (scheda n. " + std::to_string(s.card) + ")";
}

Notice SkippedCardsNotice(const std::vector<SkippedCard>& skipped) {
    if (skipped.empty()) return {};
    constexpr std::size_t kNamed = 20;
    std::string text = skipped.size() == 1
                           ? "Attenzione: la seguente scheda non è stata elencata perché la data "
                             "della prossima scadenza o i giorni di preavviso non sono validi:\r\n"
                           : "Attenzione: le seguenti schede non sono state elencate perché la "
                             "data della prossima scadenza o i giorni di preavviso non sono "
                             "validi:\r\n";
    for (std::size_t i = 0; i < skipped.size() && i < kNamed; ++i) {
        text += "\r\n" + SkippedCardName(skipped[i]);
    }
    if (skipped.size() > kNamed) {
        text += "\r\n... e altre " + std::to_string(skipped.size() - kNamed) + " schede.";
    }
    text += skipped.size() == 1
                ? "\r\n\r\nPer elencarla, correggere i dati della scheda e salvarla di nuovo."
                : "\r\n\r\nPer elencarle, correggere i dati delle schede e salvarle di nuovo.";
    return {NoticeKind::kWarning, std::move(text)};
}

LocatedRecord<TCliente> LocateDueCustomer(const std::filesystem::path& path, std::string_view line,
                                          FileSystem& fs) {
    return LocateByLine<TCliente>(path, line, AppendDueListLine, fs);
}

const std::array<CustomerSearchBox, 10> kCustomerSearchBoxes = {{
    {"txtCognome", "Cognome:", C::Cognome},
    {"txtNome", "Nome:", C::Nome},
    {"txtCodice", "Codice cliente:", C::Codice},
    {"txtCategoria", "Categoria:", C::Categoria},
    {"txtCodFisc", "Codice fiscale:", C::CodFisc},
    {"txtIva", "Partita IVA:", C::Iva},
    {"txtZona", "Zona di appartenenza:", C::Zona},
    {"txtProdotti", "Prodotti e servizi di interesse:", C::Prodotti},
    {"txtAcquisto", "Acquisto rateale effettuato:", C::Acquisto},
    {"txtNote", "Note:", C::Note},
}};

std::string CustomerSearchLine(const TCliente& r) {
    std::string line = FitWidth(NameOf(r), 28);
    line += "  C.F. ";
    line += FitWidth(r[C::CodFisc], 16);
    line += "  Zona: ";
    line += FitWidth(r[C::Zona], 24);
    line += "  Tel. ";
    line += FitWidth(r[C::Recapito], 14);
    line += "  Note: ";
    line += r[C::Note];
    return line;
}

void AppendCustomerSearchLine(const char* record, std::string& out) {
    const auto& f = C::kFields;
    AppendName(record, 28, out);
    out += "  C.F. ";
    AppendFitted(RawField(record, f[C::CodFisc]), 16, out);
    out += "  Zona: ";
    AppendFitted(RawField(record, f[C::Zona]), 24, out);
    out += "  Tel. ";
    AppendFitted(RawField(record, f[C::Recapito]), 14, out);
    out += "  Note: ";
    AppendCp1252(RawField(record, f[C::Note]), out);
}

CustomerListResult SearchCustomers(const std::filesystem::path& path,
                                   const CustomerSearchTexts& boxes, FileSystem& fs) {
    std::array<RecordField, 10> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = C::kFields[kCustomerSearchBoxes[i].field];
    }
    const CriteriaMatcher matcher(boxes, fields);
    CustomerListResult out;
    if (matcher.Needed() == 0) {
        const std::size_t n = RecordCountHint(path, C::kSize);
        out.lines.Reserve(n, n * 128);
    }
    out.status = ArchiveReader::Scan(
        path, C::kSize,
        [&](const char* record, std::size_t) {
            if (matcher.Matches(record)) {
                AppendCustomerSearchLine(record, out.lines.OpenLine());
                out.lines.CloseLine();
            }
        },
        fs);
    out.lines.SortCaseless();
    return out;
}

std::string CustomerSearchCountLine(std::size_t lines) {
    return "Il presente riepilogo contiene " + std::to_string(lines) + " schede.";
}

LocatedRecord<TCliente> LocateSearchedCustomer(const std::filesystem::path& path,
                                               std::string_view line, FileSystem& fs) {
    return LocateByLine<TCliente>(path, line, AppendCustomerSearchLine, fs);
}

std::array<ReceiptBoxText, 9> ReceiptBoxesFromCustomer(const TCliente& r) {
    // The fields of a decoded record are trimmed already.
    return {{
        {"txtCliente", NameOf(r)},
        {"txtViaCliente", r[C::Indirizzo]},
        {"txtCapCliente", r[C::Cap]},
        {"txtCittaCliente", r[C::ComuneRes]},
        {"txtProvCliente", r[C::ProvRes]},
        {"txtCodFiscCliente", r[C::CodFisc]},
        {"txtIvaCliente", r[C::Iva]},
        {"txtBanca", r[C::Banca]},
        {"txtPagamento", r[C::Pagamento]},
    }};
}

}  // namespace corvelo
