#include "core/customers/customer_card.h"

#include <gtest/gtest.h>

#include "core/storage/fault_file_system.h"
#include "core/storage/messages.h"
#include "core/storage/temp_folder.h"

namespace corvelo {
namespace {

using namespace testing;
using namespace std::chrono;
using C = TCliente;

constexpr year_month_day kToday{year{2024}, month{3}, day{5}};

CustomerTexts Card(std::string cognome, std::string nome) {
    CustomerTexts t = BlankCustomerCard(kToday);
    t[C::Cognome] = std::move(cognome);
    t[C::Nome] = std::move(nome);
    return t;
}

// The trimmed text of a field, read from the record bytes at its offset.
std::string FieldAt(const std::string& file, std::size_t card, std::size_t offset) {
    const std::size_t at = (card - 1) * 4043 + offset;
    return file.substr(at + 1, static_cast<unsigned char>(file[at]));
}

struct CheckCase {
    const char* name;
    std::string cognome = "Rossi", nome = "Mario";
    std::string decorrenza = "01/02/2024", scadenza = "01/03/2024", preavviso = "5";
    NoticeKind kind = NoticeKind::kNone;
    std::string text = "";
    std::string focus = "";
};

class SaveCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SaveCheckTest, FirstFailingCheckGivesItsMessageKindAndFocus) {
    const CheckCase& c = GetParam();
    CustomerTexts t = Card(c.cognome, c.nome);
    t[C::Decorrenza] = c.decorrenza;
    t[C::Scadenza] = c.scadenza;
    t[C::Preavviso] = c.preavviso;
    const CustomerCheck check = CheckCustomerForSave(t);
    EXPECT_EQ(check.notice.kind, c.kind);
    EXPECT_EQ(check.notice.text, c.text);
    EXPECT_EQ(check.focus, c.focus);
}

const std::string kNonEsiste =
    " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel "
    "formato gg/mm/aaaa.";

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveCheckTest,
    ::testing::Values(
        CheckCase{.name = "Passes"},
        CheckCase{.name = "SameDayPasses", .decorrenza = "05/03/2024", .scadenza = "5/3/2024"},
        CheckCase{.name = "DatesWithBlanksAroundAreDates",
                  .decorrenza = " 01/02/2024",
                  .scadenza = "01/03/2024 ",
                  .preavviso = " 7 "},
        CheckCase{.name = "SurnameBlank",
                  .cognome = "  ",
                  .nome = "",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgCognomeMancante),
                  .focus = "txtCognome"},
        CheckCase{.name = "NameEmpty",
                  .nome = "",
                  .decorrenza = "",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgNomeMancante),
                  .focus = "txtNome"},
        CheckCase{.name = "StartEmpty",
                  .decorrenza = " ",
                  .scadenza = "",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgDecorrenzaMancante),
                  .focus = "txtDecorrenza"},
        CheckCase{.name = "DueEmptyBeforeAnyDateIsRead",
                  .decorrenza = "31/02/2024",
                  .scadenza = "",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgScadenzaMancante),
                  .focus = "txtScadenza"},
        CheckCase{.name = "ThirtyFirstOfFebruaryQuotesTheTrimmedText",
                  .decorrenza = " 31/02/2024 ",
                  .kind = NoticeKind::kPlain,
                  .text = "Attenzione: la data di decorrenza 31/02/2024" + kNonEsiste,
                  .focus = "txtDecorrenza"},
        CheckCase{.name = "DueNotADate",
                  .scadenza = "01-03-2024",
                  .kind = NoticeKind::kPlain,
                  .text = "Attenzione: la data di scadenza 01-03-2024" + kNonEsiste,
                  .focus = "txtScadenza"},
        CheckCase{.name = "TwoDigitYearIsNoDate",
                  .scadenza = "01/03/24",
                  .kind = NoticeKind::kPlain,
                  .text = "Attenzione: la data di scadenza 01/03/24" + kNonEsiste,
                  .focus = "txtScadenza"},
        CheckCase{.name = "DueADayBeforeStartNamesDueFirst",
                  .decorrenza = "01/01/2025",
                  .scadenza = "31/12/2024",
                  .kind = NoticeKind::kPlain,
                  .text = "Attenzione: la data di scadenza della prossima rata (31/12/2024) non "
                          "può essere anteriore a quella di decorrenza (01/01/2025).\n\r\n\rPer "
                          "poter salvare la scheda è necessario indicare un intervallo di tempo "
                          "valido.",
                  .focus = ""},
        CheckCase{.name = "DatesComparedAsDatesNotTexts",
                  .decorrenza = "9/1/2024",
                  .scadenza = "10/01/2024"},
        CheckCase{.name = "NoticeEmpty",
                  .preavviso = "",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgPreavvisoMancante),
                  .focus = "txtPreavviso"},
        CheckCase{.name = "NoticePastedWithLetters",
                  .preavviso = "1a",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgPreavvisoMancante),
                  .focus = "txtPreavviso"},
        CheckCase{.name = "NoticeOfFourDigits",
                  .preavviso = "1000",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgPreavvisoMancante),
                  .focus = "txtPreavviso"},
        CheckCase{.name = "NoticeNegative",
                  .preavviso = "-5",
                  .kind = NoticeKind::kWarning,
                  .text = std::string(kMsgPreavvisoMancante),
                  .focus = "txtPreavviso"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CustomerSaveTest, NewCardWithOnlyNamesSavesTheProposalsThenOverwritesItself) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    WriteBytes(path, std::string(2 * 4043, 'x'));  // two cards already
    CustomerTexts t = Card(" Rossi ", "Mario");
    t[C::File01] = "contratto.pdf";

    const CustomerSaveOutcome first = SaveCustomer(path, t, "");
    EXPECT_TRUE(first.saved);
    EXPECT_EQ(first.notice, (Notice{NoticeKind::kInformation, std::string(kMsgSchedaInserita)}));
    EXPECT_EQ(first.position, "3");
    std::string file = ReadBytes(path);
    ASSERT_EQ(file.size(), 3u * 4043);
    EXPECT_EQ(FieldAt(file, 3, 0), "Rossi");
    EXPECT_EQ(FieldAt(file, 3, 51), "Mario");
    EXPECT_EQ(FieldAt(file, 3, 2393), "05/03/2024");  // Decorrenza
    EXPECT_EQ(FieldAt(file, 3, 2404), "05/03/2024");  // Scadenza
    EXPECT_EQ(FieldAt(file, 3, 2415), "0");           // Preavviso
    EXPECT_EQ(FieldAt(file, 3, 2419), "0,00");        // Totale
    EXPECT_EQ(FieldAt(file, 3, 2486), "0,00");        // Rata
    EXPECT_EQ(FieldAt(file, 3, 2537), "contratto.pdf");

    t[C::Note] = "seconda";
    const CustomerSaveOutcome second = SaveCustomer(path, t, first.position);
    EXPECT_EQ(second.notice, (Notice{NoticeKind::kInformation, std::string(kMsgModificheSalvate)}));
    EXPECT_EQ(second.position, "3");
    file = ReadBytes(path);
    EXPECT_EQ(file.size(), 3u * 4043);
    EXPECT_EQ(file.substr(0, 2 * 4043), std::string(2 * 4043, 'x'));
    EXPECT_EQ(FieldAt(file, 3, 1783), "seconda");
}

TEST(CustomerSaveTest, RefusedCardAndFailedWriteLeaveTheFileAsItWas) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    WriteBytes(path, std::string(4043, 'x'));
    const CustomerSaveOutcome refused = SaveCustomer(path, Card("", "Mario"), "1");
    EXPECT_FALSE(refused.saved);
    EXPECT_EQ(refused.focus, "txtCognome");
    EXPECT_EQ(refused.position, "1");

    FaultFileSystem fs;
    fs.FailFrom(IoOp::kWrite);
    const CustomerSaveOutcome failed = SaveCustomer(path, Card("Rossi", "Mario"), "1", fs);
    EXPECT_FALSE(failed.saved);
    EXPECT_EQ(failed.notice, (Notice{NoticeKind::kError, std::string(kMsgAccessoArchivio)}));
    EXPECT_EQ(failed.position, "1");
    EXPECT_EQ(ReadBytes(path), std::string(4043, 'x'));
}

TEST(CustomerSaveTest, TextTheArchiveCannotStoreIsRefusedNamingItsField) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    CustomerTexts t = Card("Rossi", "Mario");
    t[C::Note] = "caffè e tè";  // Windows-1252 holds these
    ASSERT_TRUE(SaveCustomer(path, t, "").saved);

    t[C::ProvRes] = "京";
    t[C::Desc02] = "✓ firmato";
    const CustomerSaveOutcome refused = SaveCustomer(path, t, "1");
    EXPECT_FALSE(refused.saved);
    EXPECT_EQ(refused.notice.kind, NoticeKind::kWarning);
    EXPECT_NE(refused.notice.text.find("«Provincia di residenza»"), std::string::npos);
    EXPECT_EQ(refused.focus, "txtProvRes");
    EXPECT_EQ(refused.position, "1");
    t[C::ProvRes] = "MI";
    const CustomerSaveOutcome desc = SaveCustomer(path, t, "1");
    EXPECT_NE(desc.notice.text.find("«Descrizione 2° file allegato»"), std::string::npos);
    EXPECT_EQ(FieldAt(ReadBytes(path), 1, 1783), "caff\xE8 e t\xE8");
}

TEST(CustomerBrowseTest, EmptyArchiveIsInformationAndAShownCardBringsAllFields) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    const CustomerShown empty = BrowseCustomers(CardMove::kFirst, path, "");
    EXPECT_FALSE(empty.texts);
    EXPECT_EQ(empty.notice, (Notice{NoticeKind::kInformation, std::string(kMsgArchivioVuoto)}));

    CustomerTexts t = Card("Rossi", "Mario");
    t[C::Desc03] = "ultima descrizione";
    ASSERT_TRUE(SaveCustomer(path, t, "").saved);
    const CustomerShown shown = BrowseCustomers(CardMove::kNext, path, "");
    ASSERT_TRUE(shown.texts);
    EXPECT_EQ(*shown.texts, t);
    EXPECT_EQ(shown.position, "1");
    EXPECT_TRUE(shown.notice.empty());
}

TEST(CustomerBoxesTest, EveryBoxTakesItsFieldsCapacityButTheInstalment) {
    for (const CustomerBox& box : kCustomerBoxes) {
        const int capacity = C::kFields[box.field].capacity;
        EXPECT_EQ(box.max_length, box.field == C::Rata ? 15 : capacity) << box.control;
        EXPECT_EQ(box.control, "txt" + std::string(C::kFields[box.field].name));
    }
    EXPECT_EQ(CustomerEnterNext(44).control, "txtCognome");
    EXPECT_EQ(CustomerControlName(C::Desc02), "lblDesc02");
}

TEST(CustomerMailTest, AddressIsPercentEncodedSoItCannotAddHeaders) {
    EXPECT_EQ(MailtoLink(" mario.rossi@esempio.it "), "mailto:mario.rossi@esempio.it");
    EXPECT_EQ(MailtoLink("a@b.it?attach=/etc/passwd&cc=x@y"),
              "mailto:a@b.it%3Fattach%3D%2Fetc%2Fpasswd%26cc%3Dx@y");
    EXPECT_EQ(MailtoLink("niccolò@x.it"), "mailto:niccol%C3%B2@x.it");
    EXPECT_EQ(MailtoLink(""), "mailto:");
}

TEST(CustomerChecksTest, DigitsOnlyCodiceFiscaleOpensThePartitaIvaCheck) {
    EXPECT_TRUE(CodFiscOpensPartitaIva(" 01234567890 "));
    EXPECT_FALSE(CodFiscOpensPartitaIva("RSSMRA80A01F205X"));
    EXPECT_FALSE(CodFiscOpensPartitaIva("  "));
}

TEST(CustomerPrintTest, CardPrintsTheScreenTextsAndATimeWithSeconds) {
    CustomerTexts t = Card("Rossi", "Mario");  // never saved
    t[C::Acquisto] = "Divano";
    const report::ReportDocument doc =
        CustomerCardSheet(t, kToday, hours(9) + minutes(5) + seconds(7));
    EXPECT_EQ(doc.FindText("txtCampo01")->Text(), "Rossi Mario");
    EXPECT_EQ(doc.FindText("txtCampo22")->Text(), "Divano  Importo rata: € 0,00");
    EXPECT_EQ(doc.FindText("txtCalce")->Text(),
              "Stampa eseguita in data 05/03/2024 alle ore 09:05:07");
}

}  // namespace
}  // namespace corvelo
