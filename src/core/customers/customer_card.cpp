#include "core/customers/customer_card.h"

#include "core/app/routines.h"
#include "core/app/time_text.h"
#include "core/receipts/receipt_numbering.h"
#include "core/report/record_sheets.h"
#include "core/report/templates.h"
#include "core/storage/text.h"

namespace corvelo {

using C = TCliente;
namespace {

const std::string kDateMessageEnd =
    " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel "
    "formato gg/mm/aaaa.";

CustomerCheck Refuse(NoticeKind kind, std::string text, std::string_view focus) {
    return {{kind, std::move(text)}, std::string(focus)};
}

Notice CardNotice(CardMessage message) {
    switch (message) {
        case CardMessage::kNone:
            return {};
        case CardMessage::kAccessoArchivio:
            return {NoticeKind::kError, std::string(CardMessageText(message))};
        default:
            return {NoticeKind::kInformation, std::string(CardMessageText(message))};
    }
}

// Every file failure of the card editor is an error box.
constexpr CardFailureKinds kFileFailures = {NoticeKind::kError, NoticeKind::kError,
                                            NoticeKind::kError};

// A caption as a message names its field: up to its colon.
std::string_view FieldName(std::string_view label) {
    return label.substr(0, label.find(':'));
}

}  // namespace

std::span<const CardField> CustomerCardFields() {
    static constexpr std::string_view kFullNames[] = {
        "Nome 1° file allegato",        "Nome 2° file allegato",
        "Nome 3° file allegato",        "Descrizione 1° file allegato",
        "Descrizione 2° file allegato", "Descrizione 3° file allegato",
    };
    static const std::array<CardField, C::kFieldCount> fields = [] {
        std::array<CardField, C::kFieldCount> out{};
        for (std::size_t f = 0; f < out.size(); ++f) {
            std::string_view name;
            if (f == C::ProvNasc) {
                name = "Provincia di nascita";
            } else if (f == C::ProvRes) {
                name = "Provincia di residenza";
            } else if (f < kCustomerBoxes.size()) {
                name = FieldName(kCustomerBoxes[f].label);
            } else {
                name = kFullNames[f - kCustomerBoxes.size()];
            }
            out[f] = {f, CustomerControlName(f), name};
        }
        return out;
    }();
    return fields;
}

std::string_view CustomerControlName(std::size_t field) {
    if (field < kCustomerBoxes.size()) return kCustomerBoxes[field].control;
    return kCustomerHiddenLabels.at(field - kCustomerBoxes.size());
}

CustomerTexts BlankCustomerCard(std::chrono::year_month_day today) {
    CustomerTexts t;
    t[C::Decorrenza] = DateText(today);
    t[C::Scadenza] = DateText(today);
    t[C::Preavviso] = "0";
    t[C::Totale] = "0,00";
    t[C::Rata] = "0,00";
    return t;
}

TCliente CustomerFromTexts(const CustomerTexts& texts) {
    TCliente r;
    for (std::size_t f = 0; f < texts.size(); ++f) r[f] = Trim(texts[f]);
    return r;
}

CustomerTexts TextsFromCustomer(const TCliente& record) {
    return record.fields;
}

CustomerCheck CheckCustomerForSave(const CustomerTexts& t) {
    const std::string_view decorrenza = TrimView(t[C::Decorrenza]);
    const std::string_view scadenza = TrimView(t[C::Scadenza]);
    const std::string_view preavviso = TrimView(t[C::Preavviso]);
    if (TrimView(t[C::Cognome]).empty()) {
        return Refuse(NoticeKind::kWarning, std::string(kMsgCognomeMancante), "txtCognome");
    }
    if (TrimView(t[C::Nome]).empty()) {
        return Refuse(NoticeKind::kWarning, std::string(kMsgNomeMancante), "txtNome");
    }
    if (decorrenza.empty()) {
        return Refuse(NoticeKind::kWarning, std::string(kMsgDecorrenzaMancante), "txtDecorrenza");
    }
    if (scadenza.empty()) {
        return Refuse(NoticeKind::kWarning, std::string(kMsgScadenzaMancante), "txtScadenza");
    }
    const auto start = TextToDate(decorrenza);
    if (!start) {
        return Refuse(
            NoticeKind::kPlain,
            "Attenzione: la data di decorrenza " + std::string(decorrenza) + kDateMessageEnd,
            "txtDecorrenza");
    }
    const auto due = TextToDate(scadenza);
    if (!due) {
        return Refuse(NoticeKind::kPlain,
                      "Attenzione: la data di scadenza " + std::string(scadenza) + kDateMessageEnd,
                      "txtScadenza");
    }
    if (std::chrono::sys_days(*start) > std::chrono::sys_days(*due)) {
        return Refuse(
            NoticeKind::kPlain,
            "Attenzione: la data di scadenza della prossima rata (" + std::string(scadenza) +
                ") non può essere anteriore a quella di decorrenza (" + std::string(decorrenza) +
                ").\n\r\n\rPer poter salvare la scheda è necessario indicare un "
                "intervallo di tempo valido.",
            "");
    }
    if (preavviso.empty() || preavviso.size() > 3 || !IsAllDigits(preavviso)) {
        return Refuse(NoticeKind::kWarning, std::string(kMsgPreavvisoMancante), "txtPreavviso");
    }
    return {};
}

CustomerSaveOutcome SaveCustomer(const std::filesystem::path& path, const CustomerTexts& texts,
                                 std::string_view position, FileSystem& fs) {
    CustomerSaveOutcome out;
    out.position = std::string(position);
    CustomerCheck check = CheckCustomerForSave(texts);
    if (!check.ok()) {
        out.notice = std::move(check.notice);
        out.focus = std::move(check.focus);
        return out;
    }
    CardSaveOutcome o = StoreCard(path, CustomerFromTexts(texts), TrimView(position),
                                  CustomerCardFields(), kFileFailures, fs);
    out.notice = std::move(o.notice);
    out.focus = std::move(o.focus);
    out.position = std::move(o.position);
    out.saved = o.saved;
    out.status = std::move(o.status);
    return out;
}

CustomerShown BrowseCustomers(CardMove move, const std::filesystem::path& path,
                              std::string_view position, FileSystem& fs) {
    CardView<TCliente> v = BrowseCard<TCliente>(move, path, TrimView(position), fs);
    CustomerShown out;
    if (v.record) out.texts = TextsFromCustomer(*v.record);
    out.position = std::move(v.position);
    out.notice = CardNotice(v.message);
    out.status = std::move(v.status);
    return out;
}

CustomerShown ShowRecalledCustomer(const TCliente& record, std::size_t card) {
    CustomerShown out;
    out.texts = TextsFromCustomer(record);
    out.position = std::to_string(card);
    return out;
}

std::string MailtoLink(std::string_view email) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string link = "mailto:";
    for (char ch : TrimView(email)) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == '@';
        if (plain) {
            link += ch;
        } else {
            link += '%';
            link += kHex[c >> 4];
            link += kHex[c & 0xF];
        }
    }
    return link;
}

bool CodFiscOpensPartitaIva(std::string_view cod_fisc) {
    const std::string_view t = TrimView(cod_fisc);
    return !t.empty() && IsAllDigits(t);
}

report::ReportDocument CustomerCardSheet(const CustomerTexts& texts,
                                         std::chrono::year_month_day today,
                                         std::chrono::seconds time_of_day) {
    return report::BuildCustomerCard(report::CustomerCardTextsOf(CustomerFromTexts(texts)),
                                     report::CardFooter(DateText(today), TimeText(time_of_day)));
}

}  // namespace corvelo
