// The customer card editor without its window: the boxes of the card and
// the field each shows, the blank card, the checks of a save and the save
// itself, browsing, and the printed card. The box "txt" + field name shows
// the field of that name; the hidden labels "lbl" + File01 ... Desc03 hold
// the six attachment fields.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/card_editor.h"
#include "core/receipts/notice.h"
#include "core/report/report_document.h"
#include "core/storage/card.h"
#include "core/storage/cliente.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kCustomerCaption = " Corvelo - Anagrafica Clienti";
inline constexpr std::string_view kCustomerIdleInfo = "Pronto per salvare una nuova scheda...";

// How a box of the card takes keys and shows its text.
enum class CustomerBoxKind {
    kPlain,     // every key as usual
    kDigits,    // digits only (txtIva, txtCarta, txtPreavviso)
    kAmount,    // digits and comma; normalised as money when left
    kUpper,     // trimmed and upper-cased on every change (txtCodFisc, txtSesso, txtIban)
    kTrimmed,   // trimmed on every change (txtEmail)
    kProvince,  // editable province list, upper-cased (txtProvNasc, txtProvRes)
};

struct CustomerBox {
    std::string_view control;  // "txtCognome"
    std::string_view label;    // "Cognome:"
    TCliente::Field field;
    int max_length;  // the field's capacity; 15 for txtRata
    CustomerBoxKind kind;
};

// The 45 boxes of fields Cognome ... Rata, in field order, which is also
// the order of the Enter key (the last one wraps to the first).
inline constexpr std::array<CustomerBox, 45> kCustomerBoxes = {{
    {"txtCognome", "Cognome:", TCliente::Cognome, 50, CustomerBoxKind::kPlain},
    {"txtNome", "Nome:", TCliente::Nome, 50, CustomerBoxKind::kPlain},
    {"txtCodFisc", "Codice fiscale:", TCliente::CodFisc, 16, CustomerBoxKind::kUpper},
    {"txtSesso", "Sesso:", TCliente::Sesso, 1, CustomerBoxKind::kUpper},
    {"txtDataNasc", "Data di nascita:", TCliente::DataNasc, 10, CustomerBoxKind::kPlain},
    {"txtComuneNasc", "Comune di nascita:", TCliente::ComuneNasc, 50, CustomerBoxKind::kPlain},
    {"txtProvNasc", "Prov.", TCliente::ProvNasc, 2, CustomerBoxKind::kProvince},
    {"txtIva", "Partita IVA:", TCliente::Iva, 11, CustomerBoxKind::kDigits},
    {"txtIndirizzo", "Via e numero civico:", TCliente::Indirizzo, 50, CustomerBoxKind::kPlain},
    {"txtCap", "CAP:", TCliente::Cap, 5, CustomerBoxKind::kPlain},
    {"txtComuneRes", "Comune di residenza:", TCliente::ComuneRes, 50, CustomerBoxKind::kPlain},
    {"txtProvRes", "Prov.", TCliente::ProvRes, 2, CustomerBoxKind::kProvince},
    {"txtStato", "Stato civile:", TCliente::Stato, 50, CustomerBoxKind::kPlain},
    {"txtFamiliari", "Familiari a carico:", TCliente::Familiari, 250, CustomerBoxKind::kPlain},
    {"txtRecapito", "Recapito preferenziale:", TCliente::Recapito, 50, CustomerBoxKind::kPlain},
    {"txtTelCasa", "Tel. casa:", TCliente::TelCasa, 50, CustomerBoxKind::kPlain},
    {"txtTelCel", "Tel. cellulare:", TCliente::TelCel, 50, CustomerBoxKind::kPlain},
    {"txtTelUff", "Tel. ufficio:", TCliente::TelUff, 50, CustomerBoxKind::kPlain},
    {"txtFax", "Fax:", TCliente::Fax, 50, CustomerBoxKind::kPlain},
    {"txtEmail", "E-mail:", TCliente::Email, 50, CustomerBoxKind::kTrimmed},
    {"txtQualifiche", "Titolo di studio:", TCliente::Qualifiche, 250, CustomerBoxKind::kPlain},
    {"txtProfessione", "Professione:", TCliente::Professione, 50, CustomerBoxKind::kPlain},
    {"txtIban", "IBAN:", TCliente::Iban, 27, CustomerBoxKind::kUpper},
    {"txtIntestatario", "Intestatario C/C:", TCliente::Intestatario, 50, CustomerBoxKind::kPlain},
    {"txtBanca", "Banca:", TCliente::Banca, 50, CustomerBoxKind::kPlain},
    {"txtCarta", "Carta di credito n.", TCliente::Carta, 50, CustomerBoxKind::kDigits},
    {"txtScadeCarta", "Scadenza:", TCliente::ScadeCarta, 10, CustomerBoxKind::kPlain},
    {"txtProdotti", "Prodotti e servizi di interesse:", TCliente::Prodotti, 250,
     CustomerBoxKind::kPlain},
    {"txtPagamento", "Modalità di pagamento:", TCliente::Pagamento, 120, CustomerBoxKind::kPlain},
    {"txtNote", "Note:", TCliente::Note, 250, CustomerBoxKind::kPlain},
    {"txtTipoDoc", "Tipo di documento:", TCliente::TipoDoc, 50, CustomerBoxKind::kPlain},
    {"txtNumDoc", "Numero:", TCliente::NumDoc, 50, CustomerBoxKind::kPlain},
    {"txtEnteRil", "Ente di rilascio:", TCliente::EnteRil, 50, CustomerBoxKind::kPlain},
    {"txtDataRil", "Data di rilascio:", TCliente::DataRil, 10, CustomerBoxKind::kPlain},
    {"txtDataSca", "Data di scadenza:", TCliente::DataSca, 10, CustomerBoxKind::kPlain},
    {"txtCodice", "Codice cliente:", TCliente::Codice, 30, CustomerBoxKind::kPlain},
    {"txtCategoria", "Categoria:", TCliente::Categoria, 50, CustomerBoxKind::kPlain},
    {"txtZona", "Zona di appartenenza:", TCliente::Zona, 50, CustomerBoxKind::kPlain},
    {"txtAcquisto", "Acquisto rateale effettuato:", TCliente::Acquisto, 50,
     CustomerBoxKind::kPlain},
    {"txtDecorrenza", "Data decorrenza:", TCliente::Decorrenza, 10, CustomerBoxKind::kPlain},
    {"txtScadenza", "Prossima scadenza:", TCliente::Scadenza, 10, CustomerBoxKind::kPlain},
    {"txtPreavviso", "Giorni di preavviso:", TCliente::Preavviso, 3, CustomerBoxKind::kDigits},
    {"txtTotale", "Importo totale: €", TCliente::Totale, 15, CustomerBoxKind::kAmount},
    {"txtFrazionamento", "Frazionamento:", TCliente::Frazionamento, 50, CustomerBoxKind::kPlain},
    {"txtRata", "Importo rata: €", TCliente::Rata, 15, CustomerBoxKind::kAmount},
}};

// The box Enter moves to from box `index` of kCustomerBoxes.
inline const CustomerBox& CustomerEnterNext(std::size_t index) {
    return kCustomerBoxes[(index + 1) % kCustomerBoxes.size()];
}

// The six hidden labels of fields File01 ... Desc03, in field order.
inline constexpr std::array<std::string_view, 6> kCustomerHiddenLabels = {
    "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};

constexpr bool CustomerBoxesFollowTheFields() {
    for (std::size_t i = 0; i < kCustomerBoxes.size(); ++i) {
        if (kCustomerBoxes[i].field != i) return false;
    }
    return kCustomerBoxes.size() + kCustomerHiddenLabels.size() == TCliente::kFieldCount;
}
static_assert(CustomerBoxesFollowTheFields());

// The control that shows `field` (a box or a hidden label).
std::string_view CustomerControlName(std::size_t field);

// Each of the 51 fields with its control and the name a message gives it
// (its caption without the colon; the provinces and the attachments named in
// full).
std::span<const CardField> CustomerCardFields();

// The texts of the card's 51 controls as the screen holds them (untrimmed),
// indexed by TCliente::Field.
using CustomerTexts = std::array<std::string, TCliente::kFieldCount>;

// The blank card of "Nuovo" and of every showing of the editor: every box and
// hidden label empty, except txtDecorrenza and txtScadenza (today,
// dd/mm/yyyy), txtPreavviso "0", txtTotale and txtRata "0,00". The card
// position becomes "" and the focus goes to txtCognome.
CustomerTexts BlankCustomerCard(std::chrono::year_month_day today);

// The record a save writes: every text trimmed (encoding then cuts each to
// its field's capacity).
TCliente CustomerFromTexts(const CustomerTexts& texts);

// What showing a stored card puts into the controls.
CustomerTexts TextsFromCustomer(const TCliente& record);

// Messages of the save checks.
inline constexpr std::string_view kMsgCognomeMancante =
    "Attenzione: per salvare la scheda è necessario indicare il cognome del Cliente.";
inline constexpr std::string_view kMsgNomeMancante =
    "Attenzione: per salvare la scheda è necessario indicare il nome del Cliente.";
inline constexpr std::string_view kMsgDecorrenzaMancante =
    "Attenzione: per salvare la scheda è necessario indicare la data di decorrenza "
    "dell'acquisto rateale effettuato.";
inline constexpr std::string_view kMsgScadenzaMancante =
    "Attenzione: per salvare la scheda è necessario indicare la data di scadenza della "
    "prossima rata.";
inline constexpr std::string_view kMsgPreavvisoMancante =
    "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso.";

struct CustomerCheck {
    Notice notice;      // empty when the card may be written
    std::string focus;  // the control to focus afterwards; "" leaves the focus where it is
    bool ok() const { return notice.empty(); }
};

// The checks of "Salva", in order; the first that fails is the answer:
// 1-4 surname, first name, start date and due date given (warnings);
// 5-6 start and due date existing dates, read from the trimmed text as
// day/month/year (plain messages quoting the trimmed text); 7 the start not
// later than the due date (plain message, focus unchanged); 8 the notice
// days given as 1 to 3 digits (warning; any other text gets the same
// warning as an empty box, since a card with unreadable notice days could
// not be listed among the instalments due).
CustomerCheck CheckCustomerForSave(const CustomerTexts& texts);

struct CustomerSaveOutcome {
    // A failed check (its kind), the access message as an error, or the
    // information kMsgModificheSalvate / kMsgSchedaInserita.
    Notice notice;
    std::string focus;     // after a failed check
    std::string position;  // lblPosizione afterwards
    bool saved = false;
    Status status;  // the file failure behind the access message, if any
};

// "Salva" on Clienti.pro at `path` with card position `position` ("" appends):
// the checks, then the card written over its record or appended. Only that
// record's bytes change. A text the archive cannot store (outside
// Windows-1252) is refused after the checks with the warning of
// CheckStorable, which names the field and focuses its box; nothing is
// written then.
CustomerSaveOutcome SaveCustomer(const std::filesystem::path& path, const CustomerTexts& texts,
                                 std::string_view position, FileSystem& fs = DefaultFileSystem());

struct CustomerShown {
    std::optional<CustomerTexts> texts;  // the card to show, if any
    std::string position;                // lblPosizione afterwards
    Notice notice;  // kMsgArchivioVuoto as information, the access message as an error
    Status status;
};

// The arrows of the card editor (first, previous, next, last), as BrowseCard.
CustomerShown BrowseCustomers(CardMove move, const std::filesystem::path& path,
                              std::string_view position, FileSystem& fs = DefaultFileSystem());

// Shows a recalled card (due list, search): its texts and its position.
CustomerShown ShowRecalledCustomer(const TCliente& record, std::size_t card);

// The mail link of btnEmail: "mailto:" followed by the trimmed address with
// every character other than letters, digits and - . _ ~ @ percent-encoded
// (UTF-8), so that a "?" or "&" typed in the box cannot add headers or
// attachments to the message. An empty address gives "mailto:".
std::string MailtoLink(std::string_view email);

// btnCodFisc: true when the trimmed text is not empty and all digits (a
// company's codice fiscale is its partita IVA), so the partita IVA check
// opens; false opens the codice fiscale check.
bool CodFiscOpensPartitaIva(std::string_view cod_fisc);

// The printed card from the boxes on screen (unsaved changes included), with
// the footer "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
report::ReportDocument CustomerCardSheet(const CustomerTexts& texts,
                                         std::chrono::year_month_day today,
                                         std::chrono::seconds time_of_day);

}  // namespace corvelo
