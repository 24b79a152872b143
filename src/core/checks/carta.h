// The payment card check: the Luhn check digit, the card type by leading
// digits, and the message of the payment card check screen.
#pragma once

#include <optional>
#include <string_view>

#include "core/checks/check_result.h"

namespace corvelo {

// Warning: the box is empty.
inline constexpr std::string_view kMsgCartaVuota =
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
    "controllo.";
// Warning: wrong check digit, or a first digit no card type starts with.
inline constexpr std::string_view kMsgCartaErrata =
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative al tipo di carta di credito.";
// Information: kMsgCartaValidaA + number + kMsgCartaValidaB + type + ".".
inline constexpr std::string_view kMsgCartaValidaA = "Il numero di carta di credito ";
inline constexpr std::string_view kMsgCartaValidaB =
    " risulta valido.\r\n\r\nLa carta di credito è del tipo ";

// Returns the card type code of text: the digits among its first 20
// characters must pass the Luhn rule, else 0. A correct number gives 1 when
// it starts with 3, 2 with 4, 3 with 5, 4 with 6, 0 with 2, and -1 for any
// other first digit.
int CardTypeCode(std::string_view text);

// Returns the type shown for a number of type code 1 (first digit 3) by its
// first two characters, or nullopt when the screen names none ("32", "39").
std::optional<std::string_view> CardTypeByPrefix(std::string_view number);

// Runs the check button on the text of the box.
CheckResult CheckCarta(std::string_view boxText);

}  // namespace corvelo
