// The receipt editor's texts and how they pair with the fields of TRicevuta:
// the box "txt" + field name shows field of that name (the two totals are
// labels of the same names), and the check box chkSaldata shows Saldata.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/card_editor.h"
#include "core/storage/ricevuta.h"

namespace corvelo {

// The texts of the editor's boxes, untrimmed as the screen holds them, one
// per field of TRicevuta (indexed by TRicevuta::Field); the Saldata slot is
// unused and the paid flag is the check box state `saldata`.
struct ReceiptTexts {
    std::array<std::string, TRicevuta::kFieldCount> box;
    bool saldata = false;

    std::string& operator[](std::size_t field) { return box[field]; }
    const std::string& operator[](std::size_t field) const { return box[field]; }
    std::string& Prezzo(int line) { return box[TRicevuta::Prezzo01 + line - 1]; }  // line 1..30
    std::string& Desc(int line) { return box[TRicevuta::Desc01 + line - 1]; }
    const std::string& Prezzo(int line) const { return box[TRicevuta::Prezzo01 + line - 1]; }
    const std::string& Desc(int line) const { return box[TRicevuta::Desc01 + line - 1]; }

    bool operator==(const ReceiptTexts&) const = default;
};

// The editor control that shows `field`: "txtNumRic", ..., "txtPrezzo30",
// "txtTotCorrispettivi", "txtTotale", and "chkSaldata" for Saldata.
std::string ReceiptControlName(std::size_t field);

// Every field but Saldata with its control (ReceiptControlName) and what a
// message calls it ("Descrizione della riga 5"), in field order.
std::span<const CardField> ReceiptCardFields();

// The receipt editor gives the access message as a warning on the first
// card and on saving, as an error on the other moves.
inline constexpr CardFailureKinds kReceiptCardFailures = {NoticeKind::kWarning, NoticeKind::kError,
                                                          NoticeKind::kWarning};

// The record a save writes: every box trimmed (cut to its capacity when the
// record is encoded), Saldata "Sì" when the box is checked and "No" when not.
TRicevuta ReceiptFromTexts(const ReceiptTexts& texts);

// What showing `record` leaves in the editor: every box gets its trimmed
// field text; the check box follows SaldataCheck and otherwise keeps
// `current_saldata`.
ReceiptTexts TextsFromReceipt(const TRicevuta& record, bool current_saldata);

// The check box state that a stored paid flag calls for: checked for "Sì",
// unchecked for "No" (both compared trimmed), nullopt (leave the box as it
// is) for anything else.
std::optional<bool> SaldataCheck(std::string_view stored);

// The texts of a cleared receipt ("Nuovo" and opening the editor): every
// customer, number, line and total box empty, txtAcconti "0,00", the check
// box unchecked; the issuer boxes and txtTassa keep what `current` holds.
ReceiptTexts ClearedReceipt(const ReceiptTexts& current);

// True for the fields whose boxes clearing the receipt leaves alone (the
// issuer boxes and txtTassa): the screen must not rewrite them, not even
// trimmed.
bool KeptOnClear(std::size_t field);

// The issuer boxes and the stamp duty as the settings file keeps them
// between sessions (section "Ditta Emittente"): read into `texts` when the
// editor opens, written from it when the editor closes, whatever receipt is
// shown. Writing gives nullopt on success, otherwise the failure text.
void ReadIssuerSettings(const std::filesystem::path& settings_file, ReceiptTexts& texts);
std::optional<std::string> WriteIssuerSettings(const std::filesystem::path& settings_file,
                                               const ReceiptTexts& texts);

}  // namespace corvelo
