#include "core/checks/iban.h"

#include <algorithm>
#include <string>

#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {

bool IsIbanCorrect(std::string_view iban) {
    std::string text;
    for (char c : iban) {
        if (c != ' ') text += c;
    }
    text = AsciiUpper(text);
    if (const std::size_t word = text.find("IBAN"); word != std::string::npos) {
        text.erase(word, 4);
    }
    std::rotate(text.begin(), text.begin() + std::min<std::size_t>(4, text.size()), text.end());

    // The remainder digit by digit equals the one computed in nine-digit
    // pieces, and never needs more than three digits.
    int remainder = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            remainder = (remainder * 10 + (c - '0')) % 97;
        } else if (c >= 'A' && c <= 'Z') {
            remainder = (remainder * 100 + (c - 'A' + 10)) % 97;
        } else {
            return false;
        }
    }
    return !text.empty() && remainder == 1;
}

CheckResult CheckIban(std::string_view boxText) {
    const std::string_view iban = TrimView(boxText);
    if (CodePointCount(iban) != kIbanLength) {
        return {CheckVerdict::Retry, CheckNotice::Warning, std::string(kMsgIbanLunghezza)};
    }
    if (IsIbanCorrect(iban)) {
        return {CheckVerdict::Valid, CheckNotice::Information, std::string(kMsgIbanValido)};
    }
    return {CheckVerdict::Wrong, CheckNotice::Warning, std::string(kMsgIbanErrato)};
}

}  // namespace corvelo
