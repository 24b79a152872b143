#include "core/checks/codice_fiscale.h"

#include <array>
#include <string>

#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

// The official conversion tables, one entry per character code from "0" to
// "Z". The seven codes between "9" and "A" (":" to "@") count 0 in both.
constexpr std::array<int, 43> kOddValues = {
    1, 0, 5,  7,  9,  13, 15, 17, 19, 21,                       // 0-9
    0, 0, 0,  0,  0,  0,  0,                                    // : ; < = > ? @
    1, 0, 5,  7,  9,  13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3,  // A-P
    6, 8, 12, 14, 16, 10, 22, 25, 24, 23,                       // Q-Z
};
constexpr std::array<int, 43> kEvenValues = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,                           // 0-9
    0,  0,  0,  0,  0,  0,  0,                                       // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,  // A-P
    16, 17, 18, 19, 20, 21, 22, 23, 24, 25,                          // Q-Z
};

constexpr std::size_t kCodeLength = 16;

CheckResult Report(CheckVerdict verdict, CheckNotice notice, std::string_view text) {
    return {verdict, notice, std::string(text)};
}

}  // namespace

std::optional<char> CodiceFiscaleCheckChar(std::string_view code) {
    if (code.size() < kCodeLength - 1) return std::nullopt;
    int sum = 0;
    for (std::size_t i = 0; i < kCodeLength - 1; ++i) {
        const auto c = static_cast<unsigned char>(code[i]);
        if (c < '0' || c > 'Z') return std::nullopt;
        // Positions count from 1: index 0 is the first, odd, position.
        sum += (i % 2 == 0) ? kOddValues[c - '0'] : kEvenValues[c - '0'];
    }
    return static_cast<char>('A' + sum % 26);
}

CheckResult CheckCodiceFiscale(std::string_view boxText) {
    const std::string code = AsciiUpper(boxText);
    if (CodePointCount(code) != kCodeLength) {
        return Report(CheckVerdict::Retry, CheckNotice::Warning, kMsgCodFiscLunghezza);
    }
    // Sixteen characters but more bytes: some character is not ASCII, and
    // so lies outside the tables.
    const std::optional<char> check =
        code.size() == kCodeLength ? CodiceFiscaleCheckChar(code) : std::nullopt;
    if (check && *check == code[kCodeLength - 1]) {
        return Report(CheckVerdict::Valid, CheckNotice::Information, kMsgCodFiscValido);
    }
    return Report(CheckVerdict::Wrong, CheckNotice::Warning, kMsgCodFiscErrato);
}

}  // namespace corvelo
