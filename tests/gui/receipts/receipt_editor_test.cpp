#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/receipts/receipt_numbering.h"
#include "core/receipts/receipt_save.h"
#include "core/receipts/receipt_texts.h"
#include "core/storage/card.h"
#include "core/storage/messages.h"
#include "core/storage/ricevuta.h"
#include "gui/app/Avvio.h"
#include "gui/app/conventions.h"
#include "gui/documents/receipt_form.h"
#include "gui/receipts/Ricevute.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::filesystem::path Fs(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

class EditorTest : public test::ScreenTest {
  protected:
    void Open(const QString& year = QStringLiteral("2024")) {
        editor.OpenYear(year);
        test::ShowActive(&editor);
    }
    QString Text(const char* name) const { return FormText(editor, name); }
    void Set(const char* name, const QString& text) { SetFormText(editor, name, text); }
    void Click(const char* name) { Find<QAbstractButton>(&editor, QLatin1String(name))->click(); }
    QString Archive() const { return services.DataPath(QStringLiteral("2024.ric")); }
    QString Settings() const { return services.DataPath(QStringLiteral("Vendarolo.ini")); }
    qint64 ArchiveSize() const {
        return QFileInfo(Archive()).exists() ? QFileInfo(Archive()).size() : -1;
    }

    void FillValid() {
        Set("txtCliente", QStringLiteral("Rossi Mario"));
        Set("txtNumRic", QStringLiteral("1"));
        Set("txtData", QStringLiteral("15/03/2024"));
        Set("txtPrezzo01", QStringLiteral("100,00"));
    }

    // Appends a receipt straight into the archive.
    void AddRecord(const std::string& cliente, const std::string& saldata) {
        TRicevuta r;
        r[TRicevuta::Cliente] = cliente;
        r[TRicevuta::NumRic] = cliente;
        r[TRicevuta::Saldata] = saldata;
        ASSERT_EQ(SaveCard(Fs(Archive()), r, "").message, CardMessage::kSchedaInserita);
    }

    std::vector<TRicevuta> Records() const {
        QFile file(Archive());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        std::vector<TRicevuta> out;
        for (qsizetype at = 0; at + qsizetype(TRicevuta::kSize) <= bytes.size();
             at += TRicevuta::kSize) {
            out.push_back(*DecodeRecord<TRicevuta>(
                std::string_view(bytes.constData() + at, TRicevuta::kSize)));
        }
        return out;
    }

    AppShell shell{services};
    TfrmRicevute editor{services, shell};
};

// --- Saving -----------------------------------------------------------------

struct SaveCase {
    const char* label;
    const char* cliente;
    const char* numero;
    const char* data;
    std::string_view message;
    const char* focus;
};

class SaveChecks : public EditorTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveChecks, FirstFailingCheckWarnsFocusesAndWritesNothing) {
    const SaveCase& c = GetParam();
    Open();
    Set("txtCliente", QLatin1String(c.cliente));
    Set("txtNumRic", QLatin1String(c.numero));
    Set("txtData", QLatin1String(c.data));
    Set("txtPrezzo01", QStringLiteral("12,50"));
    Click("cmdSalva");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(services.messages[0].text, Q(c.message));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.focus));
    EXPECT_LE(ArchiveSize(), 0);
    // The calculation ran first all the same.
    EXPECT_EQ(Text("txtTotCorrispettivi"), QStringLiteral("12,50"));
    EXPECT_EQ(Text("lblPosizione"), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Order, SaveChecks,
    ::testing::Values(
        SaveCase{"customer_before_number", "", "", "", kMsgClienteMancante, "txtCliente"},
        SaveCase{"blank_customer", "   ", "1", "15/03/2024", kMsgClienteMancante, "txtCliente"},
        SaveCase{"number", "Rossi", "", "", kMsgNumeroMancante, "txtNumRic"},
        SaveCase{"date_missing", "Rossi", "1", " ", kMsgDataMancante, "txtData"},
        SaveCase{"date_not_existing", "Rossi", "1", "31/02/2024", kMsgDataInesistente, "txtData"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(EditorTest, SavingTwiceAppendsOnceThenOverwritesTheSameRecord) {
    Open();
    AddRecord("Primo", "No");
    FillValid();
    Find<QCheckBox>(&editor, QStringLiteral("chkSaldata"))->setChecked(true);
    Click("cmdSalva");
    EXPECT_EQ(services.LastMessage(), Q(kMsgSchedaInserita));
    EXPECT_EQ(services.messages.back().kind, MessageKind::Information);
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("2"));
    EXPECT_EQ(ArchiveSize(), 2 * qint64(TRicevuta::kSize));

    Set("txtCliente", QStringLiteral("Rossi Mario Srl"));
    Click("cmdSalva");
    EXPECT_EQ(services.LastMessage(), Q(kMsgModificheSalvate));
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("2"));
    const auto records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0][TRicevuta::Cliente], "Primo");
    EXPECT_EQ(records[1][TRicevuta::Cliente], "Rossi Mario Srl");
    EXPECT_EQ(records[1][TRicevuta::TotCorrispettivi], "100,00");
    EXPECT_EQ(records[1][TRicevuta::Totale], "100,00");
    EXPECT_EQ(records[1][TRicevuta::Saldata], "S\u00ec");
}

TEST_F(EditorTest, AmountTooLongForItsFieldIsRefusedAndNothingWritten) {
    Open();
    FillValid();
    Set("txtPrezzo01", QStringLiteral("9999999,99"));
    Set("txtPrezzo02", QStringLiteral("9999999,99"));
    Click("cmdSalva");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("19999999,98")));
    EXPECT_LE(ArchiveSize(), 0);
}

TEST_F(EditorTest, TextTheArchiveCannotStoreIsRefusedNamingTheFieldAndNothingWritten) {
    Open();
    FillValid();
    Set("txtCliente", QStringLiteral("Lech Wałęsa"));
    Set("txtDesc15", QStringLiteral("Ремонт"));  // a later field, on the second page
    Click("cmdSalva");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral(
        "Attenzione: il campo «Cognome e nome o ragione sociale Cliente» contiene caratteri che "
        "l'archivio non può memorizzare: ł ę.")))
        << services.messages[0].text.toStdString();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtCliente"));
    EXPECT_LE(ArchiveSize(), 0);
    EXPECT_EQ(Text("lblPosizione"), QString());

    // Mended there, the save names the line, shows its page and focuses it.
    Set("txtCliente", QStringLiteral("Lech Walesa"));
    services.Clear();
    Click("cmdSalva");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("«Descrizione della riga 15»")));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtDesc15"));
    EXPECT_LE(ArchiveSize(), 0);
}

TEST_F(EditorTest, CalculationFailureShowsTheConversionErrorAndSavesNothing) {
    Open();
    FillValid();
    Set("txtPrezzo02", QStringLiteral("1,2,3"));
    Click("cmdSalva");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(services.messages[0].text,
              QStringLiteral("'1,2,3' is not a valid floating point value"));
    EXPECT_LE(ArchiveSize(), 0);
}

// --- Browsing ---------------------------------------------------------------

TEST_F(EditorTest, BrowsingAnArchiveThatDoesNotExistCreatesItAndSaysItIsEmpty) {
    Open();
    for (const char* move : {"cmdPrimo", "cmdUltimo", "cmdAvanti"}) {
        services.Clear();
        Click(move);
        ASSERT_EQ(services.messages.size(), 1u) << move;
        EXPECT_EQ(services.messages[0],
                  (test::ShownMessage{MessageKind::Information, Q(kMsgArchivioVuoto)}))
            << move;
    }
    EXPECT_EQ(ArchiveSize(), 0);
    EXPECT_EQ(Text("lblPosizione"), QString());
}

TEST_F(EditorTest, BrowsingEdgesAndThePaidFlag) {
    Open();
    AddRecord("Uno", "S\u00ec");
    AddRecord("Due", "??");
    AddRecord("Tre", "No");

    Click("cmdIndietro");  // from a new card: the first record
    EXPECT_EQ(Text("txtCliente"), QStringLiteral("Uno"));
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("1"));
    EXPECT_TRUE(Find<QCheckBox>(&editor, QStringLiteral("chkSaldata"))->isChecked());

    Click("cmdIndietro");  // on the first card: nothing
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("1"));

    Click("cmdAvanti");  // a flag that is neither Sì nor No leaves the box as it was
    EXPECT_EQ(Text("txtCliente"), QStringLiteral("Due"));
    EXPECT_TRUE(Find<QCheckBox>(&editor, QStringLiteral("chkSaldata"))->isChecked());

    Click("cmdUltimo");
    EXPECT_EQ(Text("txtCliente"), QStringLiteral("Tre"));
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("3"));
    EXPECT_FALSE(Find<QCheckBox>(&editor, QStringLiteral("chkSaldata"))->isChecked());

    Click("cmdAvanti");  // on the last card: nothing
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("3"));
    EXPECT_TRUE(services.messages.empty());

    Click("cmdNuovo");
    Click("cmdAvanti");  // from a new card: the first record too
    EXPECT_EQ(Text("txtCliente"), QStringLiteral("Uno"));
}

TEST_F(EditorTest, ArchiveThatCannotBeOpenedWarnsOnFirstAndErrsOnTheOtherMoves) {
    Open();
    // A folder where the archive should be: it exists and cannot be opened as a file.
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("2024.ric")));
    const struct {
        const char* button;
        MessageKind kind;
    } moves[] = {{"cmdPrimo", MessageKind::Warning},
                 {"cmdIndietro", MessageKind::Error},
                 {"cmdAvanti", MessageKind::Error},
                 {"cmdUltimo", MessageKind::Error}};
    for (const auto& m : moves) {
        services.Clear();
        Click(m.button);
        ASSERT_EQ(services.messages.size(), 1u) << m.button;
        EXPECT_EQ(services.messages[0], (test::ShownMessage{m.kind, Q(kMsgAccessoArchivio)}))
            << m.button;
    }
}

// --- Keys ---------------------------------------------------------------------

TEST_F(EditorTest, EnterChainAcrossLinesAndTotals) {
    Open();
    const struct {
        const char* from;
        const char* to;
    } steps[] = {{"txtPrezzo10", "txtAcconti"},   {"txtPrezzo09", "txtDesc10"},
                 {"txtDesc05", "txtPrezzo05"},    {"txtBanca", "txtAcconti"},
                 {"txtLibero02", "txtCliente"},   {"txtTassa", "cmdCalcola"},
                 {"txtProvDitta", "txtIvaDitta"}, {"txtProvCliente", "txtIvaCliente"},
                 {"txtNote", "txtNumRic"}};
    for (const auto& s : steps) {
        test::Press(Find(&editor, QLatin1String(s.from)), Qt::Key_Return);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(s.to)) << s.from;
    }
    // Enter reaching CALCOLA does not calculate.
    EXPECT_EQ(Text("txtTotale"), QString());
}

TEST_F(EditorTest, KeysInAmountBoxesEmptyTheTotalsTheyAffect) {
    Open();
    Set("txtPrezzo01", QStringLiteral("5"));
    Click("cmdCalcola");
    EXPECT_EQ(Text("txtTotCorrispettivi"), QStringLiteral("5,00"));
    test::Type(Find(&editor, QStringLiteral("txtTassa")), QStringLiteral("1"));
    EXPECT_EQ(Text("txtTotCorrispettivi"), QStringLiteral("5,00"));
    EXPECT_EQ(Text("txtTotale"), QString());
    Click("cmdCalcola");
    test::Type(Find(&editor, QStringLiteral("txtPrezzo12")), QStringLiteral("."));
    EXPECT_EQ(Text("txtPrezzo12"), QString());  // a point never reaches the box
    EXPECT_EQ(Text("txtTotCorrispettivi"), QString());
    EXPECT_EQ(Text("txtTotale"), QString());
}

// --- Numbering ------------------------------------------------------------------

struct NumberingCase {
    const char* label;
    const char* inizio;
    const char* solare;
    int records;
    QDate today;
    const char* year;  // archive
    const char* numero;
};

class NewReceipt : public EditorTest, public ::testing::WithParamInterface<NumberingCase> {};

TEST_P(NewReceipt, ProposesNumberAndDateFromTheArchiveAndTheClock) {
    const NumberingCase& c = GetParam();
    if (*c.inizio || *c.solare) {
        ASSERT_FALSE(WriteNumberingSettings(Fs(Settings()), {c.inizio, c.solare}));
    }
    services.today = c.today;
    Open(QLatin1String(c.year));
    TRicevuta r;
    for (int i = 0; i < c.records; ++i) {
        SaveCard(Fs(services.DataPath(QLatin1String(c.year) + QStringLiteral(".ric"))), r, "");
    }
    Set("txtCliente", QStringLiteral("avanzo"));
    Click("cmdNuovo");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Text("txtNumRic"), QLatin1String(c.numero));
    EXPECT_EQ(Text("txtData"), c.today.toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(Text("txtCliente"), QString());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtCliente"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewReceipt,
    ::testing::Values(
        NumberingCase{"empty_archive_no_settings", "", "", 0, {2024, 3, 15}, "2024", "1"},
        NumberingCase{"start_100_three_receipts", "100", "No", 3, {2024, 3, 15}, "2024", "103"},
        NumberingCase{"with_year", "100", "S\u00ec", 3, {2024, 3, 15}, "2024", "103/2024"},
        NumberingCase{
            "clock_year_not_archive_year", "", "S\u00ec", 2, {2025, 1, 7}, "2024", "3/2025"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(EditorTest, NumberingFailureClearsTheReceiptWithoutNumberOrDate) {
    ASSERT_FALSE(WriteNumberingSettings(Fs(Settings()), {"dieci", "No"}));
    Open();
    Set("txtCliente", QStringLiteral("Rossi"));
    Click("cmdNuovo");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Error, Q(kMsgAccessoArchivio)}));
    EXPECT_EQ(Text("txtNumRic"), QString());
    EXPECT_EQ(Text("txtData"), QString());
    EXPECT_EQ(Text("txtCliente"), QString());
}

// --- Issuer data ----------------------------------------------------------------

TEST_F(EditorTest, IssuerDataRoundTripThroughTheSettingsFile) {
    ASSERT_FALSE(WriteSetting(Fs(Settings()), settings::kIssuerSection, settings::kIssuerNameKey,
                              "Ditta Alfa"));
    ASSERT_FALSE(
        WriteSetting(Fs(Settings()), settings::kIssuerSection, settings::kStampDutyKey, "2,00"));
    Open();
    EXPECT_EQ(Text("txtDitta"), QStringLiteral("Ditta Alfa"));
    EXPECT_EQ(Text("txtTassa"), QStringLiteral("2,00"));
    EXPECT_EQ(Text("txtAcconti"), QStringLiteral("0,00"));
    EXPECT_EQ(Text("txtNumRic"), QString());

    Click("btnCancDitta");  // empties the issuer, keeps the stamp duty
    EXPECT_EQ(Text("txtDitta"), QString());
    EXPECT_EQ(Text("txtTassa"), QStringLiteral("2,00"));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtDitta"));

    Set("txtDitta", QStringLiteral("  Ditta Beta  "));
    Set("txtProvDitta", QStringLiteral("MI"));
    Click("cmdNuovo");  // a new receipt leaves the issuer boxes exactly as typed
    EXPECT_EQ(Text("txtDitta"), QStringLiteral("  Ditta Beta  "));
    Click("cmdEsci");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(shell.Avvio()->isVisible());
    EXPECT_EQ(ReadSetting(Fs(Settings()), settings::kIssuerSection, settings::kIssuerNameKey),
              "Ditta Beta");
    EXPECT_EQ(ReadSetting(Fs(Settings()), settings::kIssuerSection, settings::kIssuerProvinceKey),
              "MI");
    EXPECT_EQ(ReadSetting(Fs(Settings()), settings::kIssuerSection, settings::kIssuerFree2Key), "");

    // The next opening shows them again, on a cleared receipt.
    Open();
    EXPECT_EQ(Text("txtDitta"), QStringLiteral("Ditta Beta"));
    EXPECT_EQ(Text("txtProvDitta"), QStringLiteral("MI"));
}

TEST_F(EditorTest, FailingSettingsWriteIsReportedAndTheEditorStillCloses) {
    Open();
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Vendarolo.ini")));
    Click("cmdEsci");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("Unable to write to ")));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(shell.Avvio()->isVisible());
}

// --- Screens opened from the editor ---------------------------------------------

// --- Controls -------------------------------------------------------------------

TEST_F(EditorTest, EveryFieldHasItsControlLimitedToTheFieldCapacity) {
    Open();
    for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) {
        const QString name = QString::fromStdString(ReceiptControlName(f));
        QWidget* control = Find(&editor, name);
        if (!control) continue;
        const int capacity = TRicevuta::kFields[f].capacity;
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            EXPECT_EQ(edit->maxLength(), capacity) << name.toStdString();
        } else if (auto* province = qobject_cast<ProvinceBox*>(control)) {
            EXPECT_EQ(province->lineEdit()->maxLength(), capacity) << name.toStdString();
        } else {
            EXPECT_TRUE(qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control))
                << name.toStdString();
        }
    }
    for (const char* hidden : {"lblFile", "lblAnno", "lblPosizione", "lblInizio", "lblSolare"}) {
        EXPECT_FALSE(Find(&editor, QLatin1String(hidden))->isVisible()) << hidden;
    }
}

TEST_F(EditorTest, TodayButtonWritesTheClockDate) {
    services.today = QDate(2025, 1, 7);
    Open();
    Click("impOggi");
    EXPECT_EQ(Text("txtData"), QStringLiteral("07/01/2025"));
}

TEST_F(EditorTest, DocumentButtonsOpenTheirScreensWithTagOrYear) {
    Open();
    const struct {
        const char* button;
        const char* screen;
        const char* label;  // hidden label the editor fills first
        const char* text;
    } openings[] = {
        {"cmdTrova", "corvelo::TfrmTrovaRicevute", "lblMemory", "ricevute"},
        {"cmdImporta", "corvelo::TfrmTrovaClienti", "lblMemory", "ricevute"},
        {"cmdSospese", "corvelo::TfrmSospese", nullptr, nullptr},
        {"cmdEsporta", "corvelo::TfrmExpRicevute", nullptr, nullptr},
        {"cmdRiepMensile", "corvelo::TfrmRiepMensile", "lblAnno", "2024"},
        {"cmdRiepTrimestrale", "corvelo::TfrmRiepTrimestrale", "lblAnno", "2024"},
        {"cmdRiepAnnuale", "corvelo::TfrmRiepAnnuale", nullptr, nullptr},
        {"cmdStampa", "corvelo::TfrmStampaRicevuta", nullptr, nullptr},
        {"cmdAnteprima", "corvelo::TfrmAnteprimaRicevuta", nullptr, nullptr},
        {"cmdPDF", "corvelo::TfrmPDF_Ricevuta", nullptr, nullptr},
    };
    for (const auto& o : openings) {
        QString shown;
        QString label;
        test::OnNextModal([&](QWidget* modal) {
            shown = QLatin1String(modal->metaObject()->className());
            if (o.label) label = FormText(*modal, o.label);
            modal->close();
        });
        Click(o.button);
        EXPECT_EQ(shown, QLatin1String(o.screen)) << o.button;
        if (o.label) {
            EXPECT_EQ(label, QLatin1String(o.text)) << o.button;
        }
    }
}

}  // namespace
}  // namespace corvelo
