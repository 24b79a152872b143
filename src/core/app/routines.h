// Number, text and date routines shared by every screen. Amounts are written
// with a decimal comma and no thousands separator; dates as dd/mm/yyyy.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvelo {

// Returns the number written in text, or nullopt when text is not a number.
std::optional<double> TextToNumber(std::string_view text);
// Returns value with at most 15 significant digits and a decimal comma.
std::string NumberToText(double value);
// Returns x rounded half up to the given number of decimals.
double RoundDecimals(double x, int decimals);
// Returns the amount text completed to at least two decimals.
std::string CompleteAmountText(std::string_view amount);
// Returns text cut or padded with blanks to exactly width characters.
std::string FitWidth(std::string_view text, std::size_t width);
// Returns the first count characters of text (all of it when shorter).
std::string LeftPart(std::string_view text, std::size_t count);
// Returns the last count characters of text (all of it when shorter).
std::string RightPart(std::string_view text, std::size_t count);
// Returns true when every character is a digit 0-9 (true for empty text).
bool IsAllDigits(std::string_view text);
// Returns the date written as day/month/year, or nullopt. Day and month have
// one or two digits, the year four, separated by "/"; no blanks, nothing else.
std::optional<std::chrono::year_month_day> TextToDate(std::string_view text);
// Returns true when TextToDate accepts text.
bool IsValidDate(std::string_view text);
// Returns the date of text written in its full form dd/mm/yyyy ("5/3/2024"
// gives "05/03/2024"), so that whatever reads a date by its character
// positions finds it. Blanks around the date are dropped; a text that
// TextToDate refuses once trimmed is returned unchanged.
std::string FullDateText(std::string_view text);

}  // namespace corvelo
