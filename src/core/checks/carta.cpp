#include "core/checks/carta.h"

#include <array>
#include <string>
#include <vector>

#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

// Only the first 20 characters of the box take part in the check.
constexpr std::size_t kCheckedCharacters = 20;

struct PrefixType {
    std::string_view prefix;
    std::string_view type;
};

// Types of the numbers starting with 3, by their first two characters;
// "32" and "39" name none.
constexpr std::array<PrefixType, 8> kTypesOfThree = {{
    {"30", "Diner's Club / Carte Blanche"},
    {"36", "Diner's Club / Carte Blanche"},
    {"38", "Diner's Club / Carte Blanche"},
    {"34", "American Express"},
    {"37", "American Express"},
    {"31", "JCB"},
    {"33", "JCB"},
    {"35", "JCB"},
}};

CheckResult Wrong() {
    return {CheckVerdict::Wrong, CheckNotice::Warning, std::string(kMsgCartaErrata)};
}

CheckResult Valid(std::string_view number, std::string_view type) {
    std::string message(kMsgCartaValidaA);
    message += number;
    message += kMsgCartaValidaB;
    message += type;
    message += '.';
    return {CheckVerdict::Valid, CheckNotice::Information, std::move(message)};
}

}  // namespace

int CardTypeCode(std::string_view text) {
    const std::u32string chars = Utf8ToCodePoints(text);
    std::vector<int> digits;
    for (std::size_t i = 0; i < chars.size() && i < kCheckedCharacters; ++i) {
        if (chars[i] >= U'0' && chars[i] <= U'9')
            digits.push_back(static_cast<int>(chars[i] - U'0'));
    }
    if (digits.empty()) return 0;

    // Every second digit from the one before the last is doubled.
    int sum = 0;
    bool doubled = true;
    for (std::size_t i = digits.size() - 1; i-- > 0;) {
        int value = digits[i];
        if (doubled) {
            value *= 2;
            if (value >= 10) value -= 9;
        }
        sum += value;
        doubled = !doubled;
    }
    const int expected = sum % 10 == 0 ? 0 : 10 - sum % 10;
    if (digits.back() != expected) return 0;

    switch (digits.front()) {
        case 2:
            return 0;
        case 3:
            return 1;
        case 4:
            return 2;
        case 5:
            return 3;
        case 6:
            return 4;
        default:
            return -1;
    }
}

std::optional<std::string_view> CardTypeByPrefix(std::string_view number) {
    for (const PrefixType& entry : kTypesOfThree) {
        if (number.substr(0, 2) == entry.prefix) return entry.type;
    }
    return std::nullopt;
}

CheckResult CheckCarta(std::string_view boxText) {
    const std::string_view number = TrimView(boxText);
    if (number.empty()) {
        return {CheckVerdict::Retry, CheckNotice::Warning, std::string(kMsgCartaVuota)};
    }
    switch (CardTypeCode(number)) {
        case 1:
            if (const auto type = CardTypeByPrefix(number)) return Valid(number, *type);
            // A correct number of a type the screen does not name: it closes
            // without a word.
            return {CheckVerdict::Valid, CheckNotice::None, {}};
        case 2:
            return Valid(number, "Visa");
        case 3:
            return Valid(number, "MasterCard");
        case 4:
            return Valid(number, "Discover");
        default:
            return Wrong();
    }
}

}  // namespace corvelo
