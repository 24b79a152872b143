// "Cerca sul Web" of the item card: the address of a web search for the
// item's brand and model.
#pragma once

#include <string>
#include <string_view>

#include "core/receipts/notice.h"

namespace corvelo {

inline constexpr std::string_view kWebSearchPage = "https://www.google.com/search?q=";
inline constexpr std::string_view kMsgMarcaMancante =
    "Attenzione: per poter effettuare una ricerca sul Web è necessario compilare il campo "
    "relativo alla marca dell'articolo.";
// Shown when the browser cannot be started with the address.
inline constexpr std::string_view kMsgWebFallita =
    "Attenzione: il sistema non permette di collegarsi al motore di ricerca di Google.\n\r\n\r"
    "Accertarsi che la propria connessione a Internet funzioni correttamente.";

// Returns text percent-encoded for a query value: every byte of its UTF-8
// form other than A-Z, a-z, 0-9, '-', '.', '_' and '~' as %XX, so that
// "AT&T" stays one search word and never ends the parameter.
std::string PercentEncode(std::string_view text);

struct WebSearch {
    std::string address;  // to hand to the shell-open facility; "" when refused
    Notice notice;        // kMsgMarcaMancante when there is no brand
    std::string focus;    // "txtMarca" when refused
};

// The search for the trimmed brand, one blank and the trimmed model (a
// blank even when the model is empty), as one encoded q value.
WebSearch WebSearchFor(std::string_view marca, std::string_view modello);

}  // namespace corvelo
