// What the three record types share: a table of fields (name, offset,
// capacity) that drives encoding, decoding and every per-field loop, and the
// record value itself, one UTF-8 text per field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvelo {

// One FixedText field of a record: `capacity` characters after a length byte
// at byte `offset` of the record.
struct RecordField {
    std::string_view name;
    std::uint16_t offset;
    std::uint8_t capacity;
    constexpr std::size_t Bytes() const { return std::size_t{capacity} + 1; }
};

// True when the fields follow each other without gaps, starting at 0, and end
// exactly at `record_size`. Used in static_asserts beside every table.
template <std::size_t N>
constexpr bool FieldsFillRecord(const std::array<RecordField, N>& table, std::size_t record_size) {
    std::size_t next = 0;
    for (const RecordField& f : table) {
        if (f.offset != next || f.capacity == 0) return false;
        next += f.Bytes();
    }
    return next == record_size;
}

// Returns the index of the field called `name` in `table`, if any.
std::optional<std::size_t> FindField(std::span<const RecordField> table, std::string_view name);

// Writes every value into its field of `record` (table's record size bytes),
// each trimmed, converted and cut as FixedText stores it.
void EncodeFields(std::span<const RecordField> table, const std::string* values, char* record);

// Reads every field of `record` into `values`, reusing their storage.
void DecodeFields(std::span<const RecordField> table, const char* record, std::string* values);

// The value of a record: one trimmed UTF-8 text per field, in table order.
// Derived records add the field enum (so r[TRicevuta::Cliente] reads well),
// the table kFields and the size kSize.
template <class Derived, std::size_t kCount>
struct RecordBase {
    static constexpr std::size_t kFieldCount = kCount;
    std::array<std::string, kCount> fields;

    std::string& operator[](std::size_t field) { return fields[field]; }
    const std::string& operator[](std::size_t field) const { return fields[field]; }

    // The field called `name` (as the table names it), or nullptr.
    std::string* Find(std::string_view name) {
        auto i = FindField(Derived::kFields, name);
        return i ? &fields[*i] : nullptr;
    }
    const std::string* Find(std::string_view name) const {
        auto i = FindField(Derived::kFields, name);
        return i ? &fields[*i] : nullptr;
    }

    bool operator==(const RecordBase&) const = default;
};

// The S bytes of a record, ready for RecordFile::WriteRecord. Unused bytes
// after each text are zero.
template <class R>
std::string EncodeRecord(const R& record) {
    std::string bytes(R::kSize, '\0');
    EncodeFields(R::kFields, record.fields.data(), bytes.data());
    return bytes;
}

// Reads S bytes into `record`, reusing its strings (cheap in a scan that
// decodes into the same record again and again). Returns false, leaving
// `record` unchanged, when `bytes` is not exactly S bytes long.
template <class R>
bool DecodeRecord(std::string_view bytes, R& record) {
    if (bytes.size() != R::kSize) return false;
    DecodeFields(R::kFields, bytes.data(), record.fields.data());
    return true;
}

template <class R>
std::optional<R> DecodeRecord(std::string_view bytes) {
    R record;
    if (!DecodeRecord(bytes, record)) return std::nullopt;
    return record;
}

}  // namespace corvelo
