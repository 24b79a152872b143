// Small warehouse files for the warehouse tests, and a reader of one field
// of a stored card straight from the bytes, at the offsets of the layout.
#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/storage/articolo.h"
#include "support/temp_folder.h"

namespace corvelo::testing {

// A card with the given fields set, every other field empty.
inline TArticolo MakeItem(std::initializer_list<std::pair<TArticolo::Field, std::string>> fields) {
    TArticolo r;
    for (const auto& [f, text] : fields) r[f] = text;
    return r;
}

inline void WriteWarehouse(const std::filesystem::path& path, const std::vector<TArticolo>& items) {
    std::string bytes;
    for (const TArticolo& r : items) bytes += EncodeRecord(r);
    WriteBytes(path, bytes);
}

// The text of the field at byte `offset` of card `card` (1-based): its length
// byte, then that many bytes.
inline std::string StoredField(const std::string& file, std::size_t card, std::size_t offset) {
    const std::size_t at = (card - 1) * 4874 + offset;
    const auto length = static_cast<unsigned char>(file.at(at));
    return file.substr(at + 1, length);
}

}  // namespace corvelo::testing
