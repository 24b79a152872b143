// "Trova" over the lines of a result list: finds the next line holding a
// search key, going on from the selected line when the key is repeated.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvelo {

inline constexpr std::string_view kFindEmptyListMessage =
    "Ricerca non applicabile: la lista non contiene nessuna voce.";

struct ListFind {
    // False for an empty list: show kFindEmptyListMessage, change nothing
    // (the last key stays as it was).
    bool applicable = false;
    // The line to select; when nothing matched, the selection as it was (the
    // first line when none was selected).
    std::size_t selected = 0;
    // True when a line matched the key.
    bool found = false;
    // The screen's last key from now on.
    std::string lastKey;
};

// Searches lines for typedKey. selected is the selected line (nullopt or out
// of range: none); lastKey the key of the screen's previous search, as
// returned by the previous call ("" at first).
//
// The key and the lines are compared with A-Z turned to a-z and nothing else
// changed. A new key searches from the first line; the key of the previous
// search searches from the line after the selected one round to the selected
// one itself. An empty key matches nothing.
ListFind FindInList(std::span<const std::string> lines, std::string_view typedKey,
                    std::optional<std::size_t> selected, std::string_view lastKey);

}  // namespace corvelo
