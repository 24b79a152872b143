// FixedText, the one field kind of every record: a length byte L followed by
// N bytes (N the capacity), of which the first L are the text in
// Windows-1252. Texts are trimmed and cut when stored, trimmed when read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvelo {

// Stores `text` (UTF-8) into `field`, which points to capacity + 1 bytes:
// trims characters up to and including the blank at both ends, converts to
// Windows-1252 ('?' for what the code page lacks), keeps at most `capacity`
// bytes (trimming again what the cut leaves at the end), writes the length
// byte and zero-fills the unused bytes.
// REQUIRES: capacity <= 255.
void StoreFixedText(std::string_view text, std::size_t capacity, char* field);

// Reads the field at `field` (capacity + 1 bytes) into `out` as trimmed UTF-8,
// reusing out's storage. A length byte above the capacity counts as the
// capacity; bytes after the text are ignored.
void ReadFixedTextInto(const char* field, std::size_t capacity, std::string& out);

inline std::string ReadFixedText(const char* field, std::size_t capacity) {
    std::string out;
    ReadFixedTextInto(field, capacity, out);
    return out;
}

}  // namespace corvelo
