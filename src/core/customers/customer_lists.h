// The two lists of the customer archive: the instalments due or overdue and
// the customer search, with their lines, and the recall of a listed card
// into the card editor or into a receipt.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/line_list.h"
#include "core/app/record_search.h"
#include "core/receipts/notice.h"
#include "core/storage/cliente.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

// ---- Instalments due -------------------------------------------------------

inline constexpr std::string_view kDueCaption = " Riepilogo rate in scadenza o scadute";
inline constexpr std::string_view kDueReportTitle = "Riepilogo rate in scadenza o scadute";

// The due rule: listed when Scadenza (a date read as day/month/year) minus
// Preavviso days (1 to 3 digits) is not after `today`, in calendar days.
// nullopt when Scadenza or Preavviso cannot be read (both taken trimmed).
std::optional<bool> IsInstalmentDue(std::string_view scadenza, std::string_view preavviso,
                                    std::chrono::year_month_day today);

// The due list's line: Cognome " " Nome (30) "  Tel. " Recapito (12)
// "  Scad. " Scadenza (10) "  Rata: € " Rata (15) "  Acquisto: " Acquisto,
// fields trimmed, each column padded or cut to its width, the last as it is.
std::string DueListLine(const TCliente& record);
// The same from the raw bytes of a record, appended to `out`.
void AppendDueListLine(const char* record, std::string& out);

// A card left out of the due list because its due date or notice days
// cannot be read.
struct SkippedCard {
    std::string cognome;
    std::string nome;
    std::size_t card = 0;
};

struct DueList {
    LineList lines;                    // sorted as the list box keeps them
    std::vector<SkippedCard> skipped;  // in file order
    // A file failure: the list is then empty (a short list would pass for
    // the whole archive); the screen shows the access message as an error.
    Status status;
};

// Builds the list from Clienti.pro at `path` (created empty when missing).
// A card whose dates or notice cannot be read is skipped and named in
// `skipped`; the cards after it are still listed.
DueList BuildDueList(const std::filesystem::path& path, std::chrono::year_month_day today,
                     FileSystem& fs = DefaultFileSystem());

// "Rossi Mario (scheda n. 5)": how a skipped card is named.
std::string SkippedCardName(const SkippedCard& card);

// The warning shown after building a list that skipped cards (each named by
// surname, name and card number); empty when nothing was skipped.
Notice SkippedCardsNotice(const std::vector<SkippedCard>& skipped);

// The card behind a double-clicked line of the due list (every card's line
// is rebuilt, due or not; the last card giving the line is the one).
LocatedRecord<TCliente> LocateDueCustomer(const std::filesystem::path& path, std::string_view line,
                                          FileSystem& fs = DefaultFileSystem());

// ---- Customer search -------------------------------------------------------

inline constexpr std::string_view kCustomerSearchCaption = " Trova clienti in archivio";
inline constexpr std::string_view kCustomerSearchReportTitle = "Riepilogo clienti in archivio";
// Caller tags: the card editor's cmdTrova and the receipt editor's cmdImporta.
inline constexpr std::string_view kCustomerSearchTagCard = "clienti";
inline constexpr std::string_view kCustomerSearchTagReceipt = "ricevute";

struct CustomerSearchBox {
    std::string_view control;  // "txtCognome"
    std::string_view label;    // "Cognome:"
    TCliente::Field field;
};
// The ten criterion boxes in screen order, which is also the Enter order.
extern const std::array<CustomerSearchBox, 10> kCustomerSearchBoxes;

// The texts of the ten boxes as typed (blanks kept), in kCustomerSearchBoxes order.
using CustomerSearchTexts = std::array<std::string, 10>;

// The search list's line: Cognome " " Nome (28) "  C.F. " CodFisc (16)
// "  Zona: " Zona (24) "  Tel. " Recapito (14) "  Note: " Note.
std::string CustomerSearchLine(const TCliente& record);
void AppendCustomerSearchLine(const char* record, std::string& out);

struct CustomerListResult {
    LineList lines;  // sorted as the list box keeps them
    Status status;   // a failure: the screen shows the access message, criteria panel stays
};

// "Cerca" over Clienti.pro at `path`: the cards matched by CriteriaMatcher.
CustomerListResult SearchCustomers(const std::filesystem::path& path,
                                   const CustomerSearchTexts& boxes,
                                   FileSystem& fs = DefaultFileSystem());

// "Il presente riepilogo contiene N schede."
std::string CustomerSearchCountLine(std::size_t lines);

// The card behind a double-clicked line of the search list.
LocatedRecord<TCliente> LocateSearchedCustomer(const std::filesystem::path& path,
                                               std::string_view line,
                                               FileSystem& fs = DefaultFileSystem());

// What a card chosen under the tag "ricevute" writes into the receipt
// editor: exactly these nine boxes, each from trimmed fields.
struct ReceiptBoxText {
    std::string_view control;  // "txtCliente"
    std::string text;
};
std::array<ReceiptBoxText, 9> ReceiptBoxesFromCustomer(const TCliente& record);

}  // namespace corvelo
