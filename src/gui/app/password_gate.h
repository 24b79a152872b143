// The password file as the two password screens use it: the rules live in
// core, this only turns screen texts into calls and results into messages.
#pragma once

#include <QString>

namespace corvelo {

enum class LoginResult { Accepted, Wrong, Failed };

// Compares typed (trimmed, upper-cased A-Z) with the stored password of the
// password file in folder.
LoginResult CheckLogin(const QString& folder, const QString& typed);

struct ChangeOutcome {
    bool changed = false;
    // The plain message to show (success or the reason of the refusal).
    QString message;
    // The box to empty and focus after a refusal: "txtPasswordOld",
    // "txtPasswordNew" (with txtConferma), or empty.
    QString clear;
};

// Changes the stored password when old matches it and newPassword equals
// confirmation exactly.
ChangeOutcome ChangeLogin(const QString& folder, const QString& old, const QString& newPassword,
                          const QString& confirmation);

inline const QString kPasswordWrong = QStringLiteral("Attenzione: password errata.");
inline const QString kPasswordReadFailed = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");

}  // namespace corvelo
