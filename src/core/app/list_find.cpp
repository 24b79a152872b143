#include "core/app/list_find.h"

#include "core/storage/text.h"

namespace corvelo {

ListFind FindInList(std::span<const std::string> lines, std::string_view typedKey,
                    std::optional<std::size_t> selected, std::string_view lastKey) {
    ListFind result;
    if (lines.empty()) {
        result.lastKey = std::string(lastKey);
        return result;
    }
    result.applicable = true;
    result.selected = selected && *selected < lines.size() ? *selected : 0;
    result.lastKey = AsciiLower(typedKey);
    const std::string& key = result.lastKey;
    if (key.empty()) return result;

    // A new key starts at the first line; a repeated one after the selected
    // line, coming back round to the selected line last.
    const std::size_t n = lines.size();
    const std::size_t start = key == lastKey ? (result.selected + 1) % n : 0;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = (start + k) % n;
        if (AsciiLower(lines[i]).find(key) != std::string::npos) {
            result.selected = i;
            result.found = true;
            break;
        }
    }
    return result;
}

}  // namespace corvelo
