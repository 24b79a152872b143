#include "core/app/password.h"

#include <cstdint>

#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {

namespace {

constexpr std::uint16_t kKeyStart = 35497;
constexpr std::uint16_t kKeyMultiplier = 57302;
constexpr std::uint16_t kKeyAddend = 64021;
constexpr std::size_t kMaxPasswordLength = 255;

// The key moves on with the scrambled byte, never the clear one, so both
// directions update it alike.
std::uint16_t NextKey(std::uint16_t key, std::uint8_t scrambled) {
    return static_cast<std::uint16_t>(
        (static_cast<std::uint32_t>(scrambled) + key) * kKeyMultiplier + kKeyAddend);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The password stored in the file, unscrambled and trimmed; nullopt when the
// file or its value cannot be read.
std::optional<std::string> StoredPassword(const std::filesystem::path& passwordFile) {
    const auto stored =
        ReadSettingStrict(passwordFile, settings::kPasswordSection, settings::kPasswordKey);
    if (!stored) return std::nullopt;
    const auto clear = UnscramblePassword(*stored);
    if (!clear) return std::nullopt;
    return Trim(*clear);
}

}  // namespace

std::string ScramblePassword(std::string_view passwordText) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    std::uint16_t key = kKeyStart;
    for (char32_t cp : Utf8ToCodePoints(passwordText)) {
        const auto e = static_cast<std::uint8_t>((cp & 0xFF) ^ (key >> 8));
        out += kDigits[e >> 4];
        out += kDigits[e & 0x0F];
        key = NextKey(key, e);
    }
    return out;
}

std::optional<std::string> UnscramblePassword(std::string_view stored) {
    std::u32string clear;
    std::uint16_t key = kKeyStart;
    for (std::size_t i = 0; i + 1 < stored.size(); i += 2) {
        const int high = HexValue(stored[i]);
        const int low = HexValue(stored[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        const auto b = static_cast<std::uint8_t>(high * 16 + low);
        clear += static_cast<char32_t>(b ^ (key >> 8));
        key = NextKey(key, b);
    }
    return CodePointsToUtf8(clear);
}

std::string PasswordText(std::string_view typed) {
    return AsciiUpper(TrimView(typed));
}

std::optional<std::string_view> NewPasswordRefusal(std::string_view passwordText) {
    const std::u32string cps = Utf8ToCodePoints(passwordText);
    if (cps.empty()) return kPasswordEmptyMessage;
    if (cps.size() > kMaxPasswordLength) return kPasswordTooLongMessage;
    for (char32_t cp : cps) {
        if (cp > 0xFF) return kPasswordCharactersMessage;
    }
    return std::nullopt;
}

PasswordCheck CheckPassword(const std::filesystem::path& passwordFile, std::string_view typed) {
    const auto stored = StoredPassword(passwordFile);
    if (!stored) return PasswordCheck::Failure;
    // An empty stored password (missing file or key) opens nothing.
    const std::string text = PasswordText(typed);
    if (stored->empty() || *stored != text) return PasswordCheck::Wrong;
    return PasswordCheck::Right;
}

PasswordChange ChangePassword(const std::filesystem::path& passwordFile, std::string_view oldTyped,
                              std::string_view newTyped, std::string_view confirmTyped) {
    const auto stored = StoredPassword(passwordFile);
    if (!stored) return {PasswordChangeOutcome::Failure, kPasswordChangeFailureMessage};
    // As at the login, an empty stored password matches nothing.
    if (stored->empty() || *stored != PasswordText(oldTyped)) {
        return {PasswordChangeOutcome::WrongOldPassword, kOldPasswordWrongMessage};
    }
    // Compared as typed: a confirmation differing only in case is refused,
    // although both would be stored alike.
    if (TrimView(newTyped) != TrimView(confirmTyped)) {
        return {PasswordChangeOutcome::NotConfirmed, kPasswordNotConfirmedMessage};
    }
    const std::string text = PasswordText(newTyped);
    if (const auto refusal = NewPasswordRefusal(text))
        return {PasswordChangeOutcome::Refused, *refusal};
    const std::string scrambled = Trim(ScramblePassword(text));
    if (WriteSetting(passwordFile, settings::kPasswordSection, settings::kPasswordKey, scrambled)) {
        return {PasswordChangeOutcome::Failure, kPasswordChangeFailureMessage};
    }
    return {PasswordChangeOutcome::Changed, kPasswordChangedMessage};
}

}  // namespace corvelo
