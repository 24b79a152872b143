#include "core/app/routines.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "core/storage/text.h"

namespace corvelo {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Byte offset where the code point number `count` of a UTF-8 text begins
// (text.size() when the text has fewer code points). Continuation bytes are
// skipped without decoding, so the bytes of the text are kept as they are.
std::size_t OffsetOfCodePoint(std::string_view text, std::size_t count) {
    std::size_t offset = 0;
    while (offset < text.size()) {
        if (count == 0) return offset;
        --count;
        ++offset;
        while (offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80) {
            ++offset;
        }
    }
    return offset;
}

std::size_t CountCodePoints(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

std::optional<double> TextToNumber(std::string_view text) {
    const std::string_view t = TrimView(text);
    std::size_t i = 0;
    // The number is rebuilt with a point so that the conversion never
    // depends on the process locale (the screens' toolkit changes it).
    std::string plain;
    plain.reserve(t.size() + 2);
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') plain += '-';
        ++i;
    }
    std::size_t intDigits = 0;
    std::size_t leadingZeros = 0;  // zeros before the first significant digit
    bool significant = false;
    while (i < t.size() && IsDigit(t[i])) {
        plain += t[i];
        if (t[i] != '0') significant = true;
        if (significant) ++intDigits;
        ++i;
    }
    const std::size_t allIntDigits = plain.size() - (plain.starts_with('-') ? 1 : 0);
    std::size_t fracDigits = 0;
    if (i < t.size() && t[i] == ',') {
        plain += '.';
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            plain += t[i];
            if (!significant) {
                if (t[i] != '0') {
                    significant = true;
                } else {
                    ++leadingZeros;
                }
            }
            ++fracDigits;
            ++i;
        }
    }
    if (allIntDigits == 0 && fracDigits == 0) return std::nullopt;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        plain += 'e';
        ++i;
        bool negative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            negative = t[i] == '-';
            plain += t[i];
            ++i;
        }
        const std::size_t start = i;
        while (i < t.size() && IsDigit(t[i])) {
            if (exponent < 1000000) exponent = exponent * 10 + (t[i] - '0');
            plain += t[i];
            ++i;
        }
        if (i == start) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    if (i != t.size()) return std::nullopt;
    if (!significant) return plain.starts_with('-') ? -0.0 : 0.0;

    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Decimal position of the first significant digit decides between a
        // value too large (not a number for us) and one too small (zero).
        const long long magnitude =
            exponent + (intDigits > 0 ? static_cast<long long>(intDigits)
                                      : -static_cast<long long>(leadingZeros));
        if (magnitude > 0) return std::nullopt;
        return plain.starts_with('-') ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string NumberToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    // Fifteen significant digits as d.dddddddddddddde±x; the exponent of the
    // rounded value decides the form.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e)) {
        if (IsDigit(c)) digits += c;
    }
    int exponent = 0;
    std::string_view expText = sci.substr(e + 1);
    const bool expNegative = expText.front() == '-';
    if (expText.front() == '+' || expText.front() == '-') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    if (expNegative) exponent = -exponent;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += ',';
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        out += std::to_string(exponent < 0 ? -exponent : exponent);
        return out;
    }
    if (exponent < 0) {
        out += "0,";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const std::size_t intLength = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intLength) {
        out += digits;
        out.append(intLength - digits.size(), '0');
    } else {
        out.append(digits, 0, intLength);
        out += ',';
        out.append(digits, intLength);
    }
    return out;
}

double RoundDecimals(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    // Half up on the binary value: 1,005 lies just below 1,005 and goes
    // down. The extended type keeps x * p from rounding up to a half that
    // the binary value does not reach.
    if (x < 0) {
        const double r = -RoundDecimals(-x, decimals);
        return r == 0 ? 0.0 : r;
    }
    // From 2^52 on a double has no decimals to round; scaling it up could
    // only overflow.
    if (x >= 4503599627370496.0) return x;
    long double p = 1;
    for (int k = 0; k < decimals; ++k) p *= 10;
    const long double scaled = static_cast<long double>(x) * p + 0.5L;
    // Dividing in double gives the double nearest to k / p, the same value
    // that reading the rounded text gives.
    return static_cast<double>(std::trunc(scaled)) / static_cast<double>(p);
}

std::string CompleteAmountText(std::string_view amount) {
    std::string t(amount);
    if (t.find(',') == std::string::npos) t += ",00";
    if (TrimView(t) == ",") t = "0,00";
    if (!t.empty() && t.front() == ',') t = "0" + Trim(t);
    if (!t.empty() && t.back() == ',') t = Trim(t) + "00";
    if (t.size() >= 2 && t[t.size() - 2] == ',' && IsDigit(t.back())) t = Trim(t) + "0";
    return t;
}

std::string FitWidth(std::string_view text, std::size_t width) {
    const std::size_t cut = OffsetOfCodePoint(text, width);
    std::string out(text.substr(0, cut));
    const std::size_t have = CountCodePoints(out);
    if (have < width) out.append(width - have, ' ');
    return out;
}

std::string LeftPart(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, OffsetOfCodePoint(text, count)));
}

std::string RightPart(std::string_view text, std::size_t count) {
    const std::size_t total = CountCodePoints(text);
    if (count >= total) return std::string(text);
    return std::string(text.substr(OffsetOfCodePoint(text, total - count)));
}

bool IsAllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

// The one place where the accepted date texts are decided: day and month of
// one or two digits and a year of exactly four digits (0001 to 9999),
// separated by "/", naming a date that exists. Nothing else is accepted: no
// blanks, no two-digit or missing year, no other separator.
std::optional<std::chrono::year_month_day> TextToDate(std::string_view text) {
    int parts[3] = {0, 0, 0};
    std::size_t i = 0;
    for (int part = 0; part < 3; ++part) {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) {
            parts[part] = parts[part] * 10 + (text[i] - '0');
            ++i;
            if (i - start > 4) return std::nullopt;
        }
        const std::size_t length = i - start;
        if (part < 2) {
            if (length < 1 || length > 2) return std::nullopt;
            if (i >= text.size() || text[i] != '/') return std::nullopt;
            ++i;
        } else if (length != 4) {
            return std::nullopt;
        }
    }
    if (i != text.size() || parts[2] == 0) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{parts[2]},
                                           std::chrono::month{static_cast<unsigned>(parts[1])},
                                           std::chrono::day{static_cast<unsigned>(parts[0])}};
    if (!date.ok()) return std::nullopt;
    return date;
}

bool IsValidDate(std::string_view text) {
    return TextToDate(text).has_value();
}

std::string FullDateText(std::string_view text) {
    const auto date = TextToDate(TrimView(text));
    if (!date) return std::string(text);
    // TextToDate reads four-digit years only, so every piece fits its width.
    const unsigned day = static_cast<unsigned>(date->day());
    const unsigned month = static_cast<unsigned>(date->month());
    const unsigned year = static_cast<unsigned>(static_cast<int>(date->year()));
    const auto digit = [](unsigned n) { return static_cast<char>('0' + n % 10); };
    return {digit(day / 10),    digit(day),        '/',
            digit(month / 10),  digit(month),      '/',
            digit(year / 1000), digit(year / 100), digit(year / 10),
            digit(year)};
}

}  // namespace corvelo
