#include "core/storage/record_table.h"

#include "core/storage/fixed_text.h"
#include "core/storage/fixed_text_inline.h"

namespace corvelo {

std::optional<std::size_t> FindField(std::span<const RecordField> table, std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].name == name) return i;
    }
    return std::nullopt;
}

void EncodeFields(std::span<const RecordField> table, const std::string* values, char* record) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        StoreFixedText(values[i], table[i].capacity, record + table[i].offset);
    }
}

void DecodeFields(std::span<const RecordField> table, const char* record, std::string* values) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        ReadFixedTextInline(record + table[i].offset, table[i].capacity, values[i]);
    }
}

}  // namespace corvelo
