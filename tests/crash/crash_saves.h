// The saves of the crash test, planned alike by the child that makes them
// and by the parent that kills it and checks what reached the disk. A save
// is a pure function of the run's seed, its step number and the record
// counts of the three archives, so the parent can tell the bytes every
// acknowledged save wrote without asking the child.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/customers/customer_card.h"
#include "core/receipts/receipt_texts.h"
#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/ricevuta.h"
#include "core/warehouse/item_card.h"

namespace corvelo::crash {

// What a save writes: a card of one of the three archives, or one of the
// files replaced whole.
enum class Kind : std::uint8_t {
    kReceipt,
    kCustomer,
    kItem,
    kSettings,
    kPassword,
    kReceiptExport,
    kCustomerExport,
    kItemExport,
    kPdf,
    kLogo,
};
inline constexpr std::size_t kKindCount = 10;
inline constexpr std::size_t kArchiveCount = 3;  // kReceipt, kCustomer, kItem
inline constexpr std::size_t kWholeFileCount = kKindCount - kArchiveCount;

inline bool IsArchive(Kind kind) {
    return static_cast<std::size_t>(kind) < kArchiveCount;
}

// The clock of every run: receipts go to 2024.ric.
inline constexpr std::chrono::year_month_day kToday{std::chrono::year(2024), std::chrono::month(3),
                                                    std::chrono::day(15)};

// The file a kind writes, in the data folder.
std::string FileName(Kind kind);
std::size_t RecordSize(Kind kind);  // REQUIRES: IsArchive(kind)

// Whole records of the three archives, indexed by kind.
using Counts = std::array<std::size_t, kArchiveCount>;

struct Save {
    Kind kind = Kind::kReceipt;
    std::size_t card = 0;    // a card to overwrite (1-based), 0 for a new card
    std::uint64_t salt = 0;  // picks the texts
};

// Save `step` of the run `seed`, on archives holding `counts` whole records.
// A settling run writes each kind once, in kind order (step < kKindCount).
Save PlanSave(std::uint64_t seed, std::size_t step, const Counts& counts, bool settling);

// The editor's texts for a save: a new card starts blank (a new receipt
// with the number and date the editor proposes), an overwrite from the
// card as the editor shows it; then the boxes the salt picks are typed in.
ReceiptTexts ReceiptTextsFor(const Save& save, const std::optional<TRicevuta>& shown,
                             std::string_view numero, std::string_view data);
CustomerTexts CustomerTextsFor(const Save& save, const std::optional<TCliente>& shown);
ItemTexts ItemTextsFor(const Save& save, const std::optional<TArticolo>& shown);

// The record bytes the editors' saves write for those texts (the receipt
// calculated, the item's price with VAT and stock value worked out).
std::string ReceiptRecord(const ReceiptTexts& texts);
std::string CustomerRecord(const CustomerTexts& texts);
std::string ItemRecord(const ItemTexts& texts);

// The password a password save sets.
std::string NewPassword(const Save& save);

// The bytes a whole-file save leaves in its file, which held `old` before.
// REQUIRES: !IsArchive(save.kind)
std::string WholeFileBytes(const Save& save, std::string_view old);

// Makes the whole-file save in the data folder `dir` through the writer its
// screen uses (a password save types the stored password as the old one);
// false when it failed.
bool WriteWholeFile(const std::filesystem::path& dir, const Save& save);

}  // namespace corvelo::crash
