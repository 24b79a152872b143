// Decodes arbitrary bytes as each record type and as a single FixedText, and
// checks that what a reader gets survives being stored and read again
// unchanged (the editors save what they loaded).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/fixed_text.h"
#include "core/storage/ricevuta.h"

namespace {

template <class R>
void CheckRecord(std::string_view data) {
    std::string bytes(data.substr(0, R::kSize));
    bytes.resize(R::kSize, '\0');
    R record;
    if (!corvelo::DecodeRecord(bytes, record)) std::abort();
    const std::string again = corvelo::EncodeRecord(record);
    if (again.size() != R::kSize) std::abort();
    R back;
    if (!corvelo::DecodeRecord(again, back) || !(back == record)) std::abort();
}

void CheckFixedText(std::string_view data) {
    if (data.empty()) return;
    const std::size_t capacity = static_cast<unsigned char>(data[0]);
    const std::string_view rest = data.substr(1);

    // As stored bytes: the field is the rest, padded to capacity + 1.
    std::string field(rest.substr(0, capacity + 1));
    field.resize(capacity + 1, '\0');
    const std::string text = corvelo::ReadFixedText(field.data(), capacity);

    // As typed text (any bytes, valid UTF-8 or not).
    std::string stored(capacity + 1, '\x7f');
    corvelo::StoreFixedText(rest, capacity, stored.data());
    if (static_cast<unsigned char>(stored[0]) > capacity) std::abort();
    const std::string read = corvelo::ReadFixedText(stored.data(), capacity);
    std::string restored(capacity + 1, '\0');
    corvelo::StoreFixedText(read, capacity, restored.data());
    if (restored != stored) std::abort();
    (void)text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckRecord<corvelo::TRicevuta>(input);
    CheckRecord<corvelo::TCliente>(input);
    CheckRecord<corvelo::TArticolo>(input);
    CheckFixedText(input);
    return 0;
}
