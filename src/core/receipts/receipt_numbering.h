// The number proposed for a new receipt, and the rules of the numbering
// screen that edits the two settings behind it ("Inizio" and "Indicazione
// Anno Solare" of section "Numerazione Ricevute").
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/receipts/notice.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kNumberingTag = "ricevute";
inline constexpr std::string_view kNumberingCaption = "Impostazione inizio numerazione ricevute";

// The proposal for `record_count` receipts in the archive: Inizio (trimmed;
// empty means 1) + record_count, followed by "/" and `clock_year` as four
// digits when `solare`, trimmed, is "Sì". nullopt when Inizio is not a whole
// number.
std::optional<std::string> ProposeReceiptNumber(std::string_view inizio, std::string_view solare,
                                                std::size_t record_count, int clock_year);

// A date as the editor writes it: dd/mm/yyyy.
std::string DateText(std::chrono::year_month_day date);

struct NewReceiptProposal {
    std::string lbl_inizio;  // lblInizio ("1" when the setting is empty)
    std::string lbl_solare;  // lblSolare
    std::string numero;      // txtNumRic; "" on failure
    std::string data;        // txtData; "" on failure
    Notice notice;           // on failure: the access message as an error
    Status status;
    bool ok() const { return notice.empty(); }
};

// "Nuovo": counts the receipts of the archive at `path` (created empty when
// missing) and proposes number and date from the settings and `today` (the
// computer's clock, whose year goes into the number).
NewReceiptProposal ProposeNewReceipt(const std::filesystem::path& path, std::string_view inizio,
                                     std::string_view solare, std::chrono::year_month_day today,
                                     FileSystem& fs = DefaultFileSystem());

// The numbering screen.
struct NumberingScreen {
    std::string inizio;  // txtInizio
    bool tipo = false;   // chkTipo
};

// On showing: under the tag "ricevute" the settings fill the screen; then
// an empty start box gets "1". Other tags keep `current`.
NumberingScreen NumberingOnShow(std::string_view tag, std::string_view inizio_setting,
                                std::string_view solare_setting, const NumberingScreen& current);

// Leaving txtInizio: an empty or invalid text becomes "1", anything else
// the whole number it rounds to ("007" becomes "7").
std::string NormaliseNumberingStart(std::string_view text);

struct NumberingSettings {
    std::string inizio;  // "Inizio"
    std::string solare;  // "Indicazione Anno Solare": "Sì" or "No"
    bool operator==(const NumberingSettings&) const = default;
};

// "Applica e chiudi": the settings to write, only under the tag "ricevute".
std::optional<NumberingSettings> NumberingToApply(std::string_view tag,
                                                  const NumberingScreen& screen);

// The two settings as the settings file `settings_file` holds them ("" for
// what is missing).
NumberingSettings ReadNumberingSettings(const std::filesystem::path& settings_file);

// As ReadNumberingSettings, but nullopt when the settings file exists and
// cannot be read: a number proposed from the default start would be wrong.
std::optional<NumberingSettings> ReadNumberingSettingsStrict(
    const std::filesystem::path& settings_file);
// Writes both settings; nullopt on success, otherwise the failure text.
std::optional<std::string> WriteNumberingSettings(const std::filesystem::path& settings_file,
                                                  const NumberingSettings& settings);

}  // namespace corvelo
