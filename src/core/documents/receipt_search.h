// The receipt search and the list of unpaid receipts.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/app/line_list.h"
#include "core/app/record_search.h"  // SearchTextMatches
#include "core/storage/file_system.h"
#include "core/storage/ricevuta.h"
#include "core/storage/status.h"

namespace corvelo {

// The ten search boxes, in screen order, each with the field it looks into.
struct ReceiptSearchBox {
    std::string_view control;  // "txtNumRic"
    std::string_view caption;  // "Ricevuta n."
    TRicevuta::Field field;
};
extern const std::array<ReceiptSearchBox, 10> kReceiptSearchBoxes;

// The texts of the ten boxes as typed (blanks kept), in kReceiptSearchBoxes
// order.
using ReceiptSearchTexts = std::array<std::string, 10>;

// Number of boxes whose trimmed text is not empty (lblConta): the criteria
// in use of every search.
std::size_t CountSearchBoxes(std::span<const std::string> boxes);

struct ReceiptListResult {
    LineList lines;
    Status status;  // a failure keeps the lines gathered before it
};

// "Cerca": every receipt matched by CriteriaMatcher (at least
// CountSearchBoxes() boxes match, so with no box filled every receipt), as
// list lines sorted by CompareCaseless.
ReceiptListResult SearchReceipts(const std::filesystem::path& path, const ReceiptSearchTexts& boxes,
                                 FileSystem& fs = DefaultFileSystem());

// "Il presente riepilogo contiene N schede."
std::string SearchCountLine(std::size_t entries);

inline constexpr std::string_view kSearchReportTitle = "Riepilogo ricevute in archivio";
inline constexpr std::string_view kUnpaidReportTitle = "Riepilogo ricevute non saldate";
inline constexpr std::string_view kSearchTag = "ricevute";

// True when a stored paid flag, trimmed, is exactly "No".
bool IsUnpaidFlag(std::string_view saldata);

// The unpaid receipts' lines, in file order.
ReceiptListResult UnpaidReceipts(const std::filesystem::path& path,
                                 FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo
