// Names of the two settings files of the application folder and of the
// sections and keys they hold. The texts are part of the file format: files
// already on disk are read by these exact names.
#pragma once

#include <array>
#include <string_view>

namespace corvelo::settings {

// The settings file of the application folder.
inline constexpr std::string_view kSettingsFileName = "Vendarolo.ini";
// The password file: a sections-and-keys text file despite its name.
inline constexpr std::string_view kPasswordFileName = "unins000.dll";

// Receipt numbering rule.
inline constexpr std::string_view kNumberingSection = "Numerazione Ricevute";
// Number of the first receipt of an empty year archive (1 to 5 digits; empty counts as 1).
inline constexpr std::string_view kStartKey = "Inizio";
// "Sì" when receipt numbers get "/" and the year; anything else counts as "No".
inline constexpr std::string_view kYearSuffixKey = "Indicazione Anno Solare";
inline constexpr std::string_view kYes = "Sì";
inline constexpr std::string_view kNo = "No";

// Issuer data and default stamp duty, read and written by the receipt editor.
inline constexpr std::string_view kIssuerSection = "Ditta Emittente";
inline constexpr std::string_view kIssuerNameKey = "Nome";
inline constexpr std::string_view kIssuerAddressKey = "Indirizzo";
inline constexpr std::string_view kIssuerPostcodeKey = "CAP";
inline constexpr std::string_view kIssuerTownKey = "Comune";
inline constexpr std::string_view kIssuerProvinceKey = "Provincia";
inline constexpr std::string_view kIssuerVatKey = "Partita IVA";
inline constexpr std::string_view kIssuerTaxCodeKey = "Codice Fiscale";
inline constexpr std::string_view kIssuerFree1Key = "Campo Libero 1";
inline constexpr std::string_view kIssuerFree2Key = "Campo Libero 2";
inline constexpr std::string_view kStampDutyKey = "Tassa";

// The issuer keys in the order they are read and written, each with the
// receipt editor box that shows it.
struct IssuerKey {
    std::string_view key;
    std::string_view box;
};
inline constexpr std::array<IssuerKey, 10> kIssuerKeys = {{
    {kIssuerNameKey, "txtDitta"},
    {kIssuerAddressKey, "txtViaDitta"},
    {kIssuerPostcodeKey, "txtCapDitta"},
    {kIssuerTownKey, "txtCittaDitta"},
    {kIssuerProvinceKey, "txtProvDitta"},
    {kIssuerVatKey, "txtIvaDitta"},
    {kIssuerTaxCodeKey, "txtCodFiscDitta"},
    {kIssuerFree1Key, "txtLibero01"},
    {kIssuerFree2Key, "txtLibero02"},
    {kStampDutyKey, "txtTassa"},
}};

// The scrambled access password, in the password file.
inline constexpr std::string_view kPasswordSection = "Accesso";
inline constexpr std::string_view kPasswordKey = "Valore";

}  // namespace corvelo::settings
