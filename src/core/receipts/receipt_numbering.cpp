#include "core/receipts/receipt_numbering.h"

#include <charconv>
#include <cstdio>

#include "core/app/routines.h"
#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/storage/messages.h"
#include "core/storage/record_scan.h"
#include "core/storage/ricevuta.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

// A whole number with an optional sign, as the start setting holds it.
std::optional<long long> WholeNumber(std::string_view text) {
    text = TrimView(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> ProposeReceiptNumber(std::string_view inizio, std::string_view solare,
                                                std::size_t record_count, int clock_year) {
    const std::string_view start = TrimView(inizio).empty() ? "1" : TrimView(inizio);
    const auto first = WholeNumber(start);
    if (!first) return std::nullopt;
    std::string number = std::to_string(*first + static_cast<long long>(record_count));
    if (TrimView(solare) == kSaldataSi) {
        char year[16];
        std::snprintf(year, sizeof year, "/%04d", clock_year);
        number += year;
    }
    return number;
}

std::string DateText(std::chrono::year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

NewReceiptProposal ProposeNewReceipt(const std::filesystem::path& path, std::string_view inizio,
                                     std::string_view solare, std::chrono::year_month_day today,
                                     FileSystem& fs) {
    NewReceiptProposal p;
    p.lbl_inizio = TrimView(inizio).empty() ? "1" : std::string(inizio);
    p.lbl_solare = std::string(solare);
    const Result<std::size_t> count = CountRecords(path, TRicevuta::kSize, fs);
    std::optional<std::string> number;
    if (count.ok()) {
        number = ProposeReceiptNumber(p.lbl_inizio, p.lbl_solare, count.value,
                                      static_cast<int>(today.year()));
    }
    if (!number) {
        p.status = count.status;
        p.notice = {NoticeKind::kError, std::string(kMsgAccessoArchivio)};
        return p;
    }
    p.numero = std::move(*number);
    p.data = DateText(today);
    return p;
}

NumberingScreen NumberingOnShow(std::string_view tag, std::string_view inizio_setting,
                                std::string_view solare_setting, const NumberingScreen& current) {
    NumberingScreen s = current;
    if (TrimView(tag) == kNumberingTag) {
        s.inizio = std::string(inizio_setting);
        s.tipo = TrimView(solare_setting) == kSaldataSi;
    }
    if (TrimView(s.inizio).empty()) s.inizio.assign(1, '1');
    return s;
}

std::string NormaliseNumberingStart(std::string_view text) {
    if (TrimView(text).empty()) return "1";
    const auto value = TextToNumber(text);
    if (!value) return "1";
    return NumberToText(RoundDecimals(*value, 0));
}

std::optional<NumberingSettings> NumberingToApply(std::string_view tag,
                                                  const NumberingScreen& screen) {
    if (TrimView(tag) != kNumberingTag) return std::nullopt;
    return NumberingSettings{Trim(screen.inizio),
                             std::string(screen.tipo ? kSaldataSi : kSaldataNo)};
}

NumberingSettings ReadNumberingSettings(const std::filesystem::path& settings_file) {
    return {ReadSetting(settings_file, settings::kNumberingSection, settings::kStartKey),
            ReadSetting(settings_file, settings::kNumberingSection, settings::kYearSuffixKey)};
}

std::optional<NumberingSettings> ReadNumberingSettingsStrict(
    const std::filesystem::path& settings_file) {
    auto inizio =
        ReadSettingStrict(settings_file, settings::kNumberingSection, settings::kStartKey);
    if (!inizio) return std::nullopt;
    auto solare =
        ReadSettingStrict(settings_file, settings::kNumberingSection, settings::kYearSuffixKey);
    if (!solare) return std::nullopt;
    return NumberingSettings{std::move(*inizio), std::move(*solare)};
}

std::optional<std::string> WriteNumberingSettings(const std::filesystem::path& settings_file,
                                                  const NumberingSettings& settings) {
    return WriteSettings(settings_file, settings::kNumberingSection,
                         {{std::string(settings::kStartKey), settings.inizio},
                          {std::string(settings::kYearSuffixKey), settings.solare}});
}

}  // namespace corvelo
