#include "core/app/amount_box.h"

#include <charconv>

#include "core/app/routines.h"
#include "core/storage/text.h"

namespace corvelo {

namespace {

// NumberToText writes amounts of 10^15 and more in exponent form, which
// would come out as "1E+15,00", a text no amount box or calculation reads
// back; such an amount is written with all its integer digits instead.
std::string WithoutExponent(std::string text) {
    const std::size_t e = text.find('E');
    if (e == std::string::npos) return text;
    int exponent = 0;
    const std::size_t digitsAt = e + 2;  // after "E+" (only large values reach here)
    std::from_chars(text.data() + digitsAt, text.data() + text.size(), exponent);
    std::string sign;
    std::string digits;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] == '-') sign = "-";
        if (text[i] >= '0' && text[i] <= '9') digits += text[i];
    }
    // Only large values reach here: rounded to four decimals, a non-zero
    // amount is never small enough for the exponent form.
    const std::size_t intLength = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() < intLength) digits.append(intLength - digits.size(), '0');
    return sign + digits;
}

bool PassesAlways(EditKey key) {
    return key == EditKey::Backspace || key == EditKey::Delete || key == EditKey::Left ||
           key == EditKey::Right;
}

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

}  // namespace

std::string NormaliseAmount(std::string_view text, EmptyAmount rule) {
    const std::string_view trimmed = TrimView(text);
    if (trimmed.empty()) return rule == EmptyAmount::StaysEmpty ? "" : "0,00";
    const auto number = TextToNumber(trimmed);
    if (!number) return "0,00";
    return CompleteAmountText(WithoutExponent(NumberToText(RoundDecimals(*number, 4))));
}

bool AmountKeyPasses(EditKey key, char32_t character) {
    if (key == EditKey::Enter) return false;
    return PassesAlways(key) || IsDigit(character) || character == U',';
}

bool DigitsKeyPasses(EditKey key, char32_t character) {
    if (key == EditKey::Enter) return false;
    return PassesAlways(key) || IsDigit(character);
}

}  // namespace corvelo
