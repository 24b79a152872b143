// Reading a receipt's date by character positions, as the summaries and
// the statistics do: Data trimmed and followed by ten blanks, day in
// characters 1-2, month in 4-5, year in 7-10, each piece trimmed. A date
// written otherwise (5/3/2024) gives pieces that match no period.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/archive_scan.h"  // RecordCountHint
#include "core/storage/text.h"

namespace corvelo {

struct DatePieces {
    std::string month;
    std::string year;
};

// `data` is the trimmed UTF-8 text of Data.
DatePieces DatePiecesOf(std::string_view data);

// TextToNumber, with a quick path for the plain amounts an archive holds
// ("-1234,56": at most 15 digits, one comma). Such a text is the exact
// quotient of two doubles (its digits and a power of ten below 10^16),
// whose division is rounded once, exactly as the full conversion rounds.
std::optional<double> AmountNumber(std::string_view text);

// The amount error shared by the summaries and the statistics.
std::string AmountErrorMessage(std::string_view numero, std::string_view amount);

}  // namespace corvelo
