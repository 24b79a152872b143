// The access password: its scrambled form in the password file (section
// "Accesso", key "Valore"), the login check and the change of password.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvelo {

inline constexpr std::string_view kPasswordWrongMessage = "Attenzione: password errata.";
inline constexpr std::string_view kPasswordReadFailureMessage =
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si "
    "consiglia di "
    "reinstallare il software.";
inline constexpr std::string_view kOldPasswordWrongMessage = "Attenzione: vecchia password errata.";
inline constexpr std::string_view kPasswordNotConfirmedMessage =
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire "
    "entrambi i "
    "valori.";
inline constexpr std::string_view kPasswordChangedMessage =
    "Modifica della password completata con successo.";
inline constexpr std::string_view kPasswordChangeFailureMessage =
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di "
    "reinstallare il software.";
inline constexpr std::string_view kPasswordTooLongMessage =
    "Attenzione: la password può contenere al massimo 255 caratteri.";
inline constexpr std::string_view kPasswordCharactersMessage =
    "Attenzione: la password può contenere soltanto lettere, cifre e simboli dell'alfabeto latino "
    "occidentale "
    "(per esempio non il simbolo dell'euro).";
inline constexpr std::string_view kPasswordEmptyMessage =
    "Attenzione: la nuova password non può essere vuota.";

// Returns the stored form of a password text (UTF-8): two upper-case
// hexadecimal digits per character, from the low 8 bits of its code.
std::string ScramblePassword(std::string_view passwordText);

// Returns the password text (UTF-8) of a stored value, or nullopt when one
// of its pairs of characters is not hexadecimal. An odd last character is
// ignored.
std::optional<std::string> UnscramblePassword(std::string_view stored);

// Returns the password text of what the user typed: trimmed, a-z upper-cased
// (other characters as typed), so passwords are not case-sensitive.
std::string PasswordText(std::string_view typed);

// Returns the message refusing a new password text, or nullopt when it can
// be stored: an empty text, more than 255 characters or a character beyond
// U+00FF would not match at the next login.
std::optional<std::string_view> NewPasswordRefusal(std::string_view passwordText);

enum class PasswordCheck {
    Right,    // the typed password opens the application
    Wrong,    // kPasswordWrongMessage
    Failure,  // kPasswordReadFailureMessage: unreadable file or stored value
};

// Compares what the user typed with the password stored in passwordFile.
// A missing file or key is an empty password, which nothing typed matches.
PasswordCheck CheckPassword(const std::filesystem::path& passwordFile, std::string_view typed);

enum class PasswordChangeOutcome {
    Changed,           // stored; close the screen
    WrongOldPassword,  // empty the old-password box and focus it
    NotConfirmed,      // empty the new and confirmation boxes, focus the new one
    Refused,           // as NotConfirmed: the new password cannot be stored
    Failure,           // the file could not be read or written
};

struct PasswordChange {
    PasswordChangeOutcome outcome;
    std::string_view message;  // the plain message to show, always set
};

// Changes the password stored in passwordFile from the texts of the three
// boxes of the change-password screen, checking in this order: the old
// password, the confirmation (case-sensitive, on trimmed texts), the new
// password's content; then stores it.
PasswordChange ChangePassword(const std::filesystem::path& passwordFile, std::string_view oldTyped,
                              std::string_view newTyped, std::string_view confirmTyped);

}  // namespace corvelo
