// Every action of the receipt screens that reads or writes a data file, under
// every file fault it can meet: the user sees the action's failure message
// and no byte of the data folder changes beyond what the action wrote.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <memory>

#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/receipts/receipt_numbering.h"
#include "core/storage/messages.h"
#include "core/warehouse/spreadsheet_export.h"
#include "gui/app/shell.h"
#include "gui/documents/ExpRicevute.h"
#include "gui/documents/PDF_Ricevuta.h"
#include "gui/documents/RiepMensile.h"
#include "gui/documents/Sospese.h"
#include "gui/documents/Statistiche.h"
#include "gui/documents/TrovaRicevute.h"
#include "gui/documents/receipt_form.h"
#include "gui/receipts/Numerazione.h"
#include "gui/receipts/Ricevute.h"
#include "support/fault_matrix.h"
#include "support/receipt_archive.h"

namespace corvelo {
namespace {

using test::Fault;
using test::Find;
using test::ShownMessage;
using Msgs = std::vector<ShownMessage>;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::filesystem::path Fs(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

// A data folder with a year archive of three receipts (the second unpaid)
// and a settings file with the issuer and the numbering.
struct ReceiptFolder {
    ReceiptFolder() {
        using testing::MakeReceipt;
        testing::WriteArchive(Fs(services.DataPath(QStringLiteral("2024.ric"))),
                              {MakeReceipt({"1", "10/01/2024", "Rossi Mario", "10,00", "10,00"}),
                               MakeReceipt({"2", "11/02/2024", "Bianchi Anna", "20,00", "20,00",
                                            "0,00", "0,00", "No"}),
                               MakeReceipt({"3", "12/03/2024", "Verdi Luca", "30,00", "30,00"})});
        const auto ini = Fs(Settings());
        EXPECT_FALSE(WriteSetting(ini, settings::kIssuerSection, settings::kIssuerNameKey, "Alfa"));
        EXPECT_FALSE(WriteNumberingSettings(ini, {"100", "No"}));
    }
    QString Settings() const { return services.DataPath(Q(settings::kSettingsFileName)); }
    test::FakeServices services;
};

struct Rig : ReceiptFolder {
    Rig() {
        editor.OpenYear(QStringLiteral("2024"));
        test::ShowActive(&editor);
    }
    void Click(QWidget* screen, const char* name) {
        Find<QAbstractButton>(screen, QLatin1String(name))->click();
    }
    void Click(const char* name) { Click(&editor, name); }
    void Set(const char* name, const QString& text) { SetFormText(editor, name, text); }

    std::unique_ptr<TfrmTrovaRicevute> Search() {
        auto screen = std::make_unique<TfrmTrovaRicevute>(services, editor);
        SetFormText(*screen, "lblMemory", QStringLiteral("ricevute"));
        test::ShowActive(screen.get());
        test::Type(Find<QLineEdit>(screen.get(), QStringLiteral("txtCliente")),
                   QStringLiteral("r"));
        Click(screen.get(), "btnCerca");
        return screen;
    }

    AppShell shell{services};
    TfrmRicevute editor{services, shell};
    std::unique_ptr<QWidget> screen;  // the screen an action opened
};

ShownMessage Access(MessageKind kind) {
    return {kind, Q(kMsgAccessoArchivio)};
}

// A settings file is read whole before it is rewritten.
std::vector<Fault> SettingsWrite() {
    std::vector<Fault> faults = {Fault::kOpen, Fault::kRead};
    faults.insert(faults.end(), test::kReplaceFaults.begin(), test::kReplaceFaults.end());
    return faults;
}

const std::vector<test::FaultAction<Rig>> kActions = {
    {"browse_first",
     [](Rig&) {},
     [](Rig& r) { r.Click("cmdPrimo"); },
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     test::kReadFaults,
     {}},
    {"browse_next",
     [](Rig& r) { r.Click("cmdPrimo"); },
     [](Rig& r) { r.Click("cmdAvanti"); },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
     test::kReadFaults,
     {}},
    {"save_new",
     [](Rig& r) {
         r.Set("txtCliente", QStringLiteral("Neri Paolo"));
         r.Set("txtNumRic", QStringLiteral("4"));
         r.Set("txtData", QStringLiteral("14/03/2024"));
         r.Set("txtPrezzo01", QStringLiteral("40,00"));
     },
     [](Rig& r) { r.Click("cmdSalva"); },
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     {Fault::kOpen, Fault::kWrite, Fault::kShortWrite, Fault::kNoSpace, Fault::kFlush,
      Fault::kClose},
     {}},
    {"save_over",
     [](Rig& r) {
         r.Click("cmdAvanti");
         r.Set("txtCliente", QStringLiteral("Rossi Maria"));
     },
     [](Rig& r) { r.Click("cmdSalva"); },
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     {Fault::kOpen, Fault::kRead, Fault::kShortRead, Fault::kWrite, Fault::kShortWrite,
      Fault::kFlush, Fault::kClose},
     {}},
    // The number counts the records: only the settings file is read.
    {"new_receipt",
     [](Rig&) {},
     [](Rig& r) { r.Click("cmdNuovo"); },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
     {Fault::kOpen, Fault::kRead, Fault::kClose},
     {Fault::kShortRead}},
    {"exit_keeps_issuer",
     [](Rig& r) { r.Set("txtDitta", QStringLiteral("Beta")); },
     [](Rig& r) { r.Click("cmdEsci"); },
     [](Rig& r) {
         return Msgs{{MessageKind::Error, QStringLiteral("Unable to write to ") + r.Settings()}};
     },
     SettingsWrite(),
     {Fault::kShortRead}},
    {"numbering_apply",
     [](Rig& r) {
         r.screen = std::make_unique<TfrmNumerazione>(r.services, &r.editor);
         SetFormText(*r.screen, "lblMemory", Q(kNumberingTag));
         test::ShowActive(r.screen.get());
         SetFormText(*r.screen, "txtInizio", QStringLiteral("200"));
     },
     [](Rig& r) { r.Click(r.screen.get(), "btnApplica"); },
     [](Rig& r) {
         return Msgs{{MessageKind::Error, QStringLiteral("Unable to write to ") + r.Settings()}};
     },
     SettingsWrite(),
     {Fault::kShortRead}},
    {"unpaid_list",
     [](Rig&) {},
     [](Rig& r) {
         r.screen = std::make_unique<TfrmSospese>(r.services, r.editor);
         test::ShowActive(r.screen.get());
     },
     [](Rig&) { return Msgs{}; },
     test::kReadFaults,
     {}},
    {"search",
     [](Rig&) {},
     [](Rig& r) { r.screen = r.Search(); },
     [](Rig&) {
         return Msgs{{MessageKind::Plain, Q(kMsgAccessoArchivio)}};
     },
     test::kReadFaults,
     {}},
    {"recall",
     [](Rig& r) { r.screen = r.Search(); },
     [](Rig& r) {
         test::ScreenTest::DoubleClick(
             static_cast<TfrmTrovaRicevute*>(r.screen.get())->Results().List(), 0);
     },
     [](Rig&) { return Msgs{}; },
     test::kReadFaults,
     {}},
    {"export_grid",
     [](Rig&) {},
     [](Rig& r) {
         r.screen = std::make_unique<TfrmExpRicevute>(r.services, r.editor);
         test::ShowActive(r.screen.get());
     },
     [](Rig&) {
         return Msgs{{MessageKind::Plain, Q(kMsgEsportaFallita)}};
     },
     test::kReadFaults,
     {}},
    // The file is written from the grid read on showing.
    {"export",
     [](Rig& r) {
         r.screen = std::make_unique<TfrmExpRicevute>(r.services, r.editor);
         test::ShowActive(r.screen.get());
     },
     [](Rig& r) { r.Click(r.screen.get(), "cmdEsporta"); },
     [](Rig&) {
         return Msgs{{MessageKind::Confirmation, Q(kMsgEsportaConferma)},
                     {MessageKind::Plain, Q(kMsgEsportaFallita)}};
     },
     test::kReplaceFaults,
     {}},
    {"monthly_summary",
     [](Rig& r) {
         r.screen = std::make_unique<TfrmRiepMensile>(r.services, r.editor);
         test::ShowActive(r.screen.get());
         SetFormText(*r.screen, "lblAnno", QStringLiteral("2024"));
         Find<QComboBox>(r.screen.get(), QStringLiteral("cboSelezione"))->setCurrentIndex(0);
     },
     [](Rig& r) { r.Click(r.screen.get(), "btnVisualizza"); },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
     test::kReadFaults,
     {}},
    {"statistics",
     [](Rig& r) {
         auto screen = std::make_unique<TfrmStatistiche>(r.services, r.shell);
         screen->show();
         Find<QLineEdit>(screen.get(), QStringLiteral("txtAnno"))->setText("2024");
         r.screen.reset(screen.release());
     },
     [](Rig& r) { r.Click(r.screen.get(), "btnApri"); },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
     test::kReadFaults,
     {}},
    {"receipt_pdf",
     [](Rig& r) {
         r.Click("cmdPrimo");
         r.screen = std::make_unique<TfrmPDF_Ricevuta>(r.services, r.editor);
         r.screen->show();
         r.services.answerNo = {true};  // not opened
     },
     [](Rig& r) { static_cast<TfrmPDF_Ricevuta*>(r.screen.get())->btnStampaClick(); },
     [](Rig&) {
         return Msgs{{MessageKind::Error, kMsgReceiptPdfFailed}};
     },
     test::kReplaceFaults,
     {}},
};

class ReceiptFaults : public ::testing::TestWithParam<test::FaultCase<Rig>> {
  protected:
    ReceiptFaults() { test::TestApp(); }
};

TEST_P(ReceiptFaults, ShowsTheFailureAndChangesNoByteBeyondTheAction) {
    test::RunFaultCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Matrix, ReceiptFaults, ::testing::ValuesIn(test::FaultRows(kActions)),
                         testing::ByName());

}  // namespace
}  // namespace corvelo
