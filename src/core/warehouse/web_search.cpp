#include "core/warehouse/web_search.h"

#include "core/storage/text.h"

namespace corvelo {

std::string PercentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

WebSearch WebSearchFor(std::string_view marca, std::string_view modello) {
    WebSearch out;
    const std::string_view brand = TrimView(marca);
    if (brand.empty()) {
        out.notice = {NoticeKind::kWarning, std::string(kMsgMarcaMancante)};
        out.focus = "txtMarca";
        return out;
    }
    std::string query(brand);
    query += ' ';
    query += TrimView(modello);
    out.address = std::string(kWebSearchPage) + PercentEncode(query);
    return out;
}

}  // namespace corvelo
