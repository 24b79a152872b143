// Behaviour of the amount and digits-only edit boxes that does not depend on
// the screen: which keys reach them and what an amount box shows once left.
#pragma once

#include <string>
#include <string_view>

namespace corvelo {

// What an amount box left empty shows.
enum class EmptyAmount {
    StaysEmpty,   // receipt line amounts
    BecomesZero,  // every other amount box: "0,00"
};

// Returns the text an amount box shows after it is left: rounded to four
// decimals with at least two ("12" -> "12,00", "3,14159" -> "3,1416"); a
// text that is not a number becomes "0,00", without a message.
std::string NormaliseAmount(std::string_view text, EmptyAmount rule);

// The keys the filters tell apart; every other key is Other and is judged
// by its character alone.
enum class EditKey { Backspace, Delete, Left, Right, Enter, Other };

// True when the key reaches an amount box: Backspace, Delete, Left, Right, a
// digit 0-9 or a comma. Everything else is discarded, also Tab, Home, End,
// Up, Down, the minus sign and the point. Enter is left to the Enter chain
// and is not passed.
bool AmountKeyPasses(EditKey key, char32_t character);

// As AmountKeyPasses for a digits-only box: no comma either.
bool DigitsKeyPasses(EditKey key, char32_t character);

}  // namespace corvelo
