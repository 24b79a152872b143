// Every action of the warehouse screens that reads or writes a data file,
// under every file fault it can meet: the user sees the action's failure
// message and no byte of the data folder changes beyond what the action
// wrote.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListView>
#include <memory>

#include "core/storage/messages.h"
#include "core/warehouse/item_print.h"
#include "core/warehouse/spreadsheet_export.h"
#include "gui/kit/list_screen.h"
#include "gui/receipts/Ricevute.h"
#include "gui/warehouse/ExpMagazzino.h"
#include "gui/warehouse/ImportaMagazzino.h"
#include "gui/warehouse/Sottoscorta.h"
#include "gui/warehouse/TrovaMagazzino.h"
#include "support/fault_matrix.h"
#include "warehouse_fixture.h"

namespace corvelo {
namespace {

using test::Fault;
using test::Find;
using test::Item;
using test::ShownMessage;
using Msgs = std::vector<ShownMessage>;
using A = TArticolo;

// A data folder with three item cards, the first one under its warning level.
struct WarehouseFolder {
    WarehouseFolder() {
        for (const TArticolo& c : {Item({{A::Codice, "VT-10"},
                                         {A::Fornitore, "FERRAMENTA"},
                                         {A::Giacenza, "2"},
                                         {A::Sottoscorta, "5"}}),
                                   Item({{A::Codice, "CH-01"},
                                         {A::Fornitore, "Ferro Sud"},
                                         {A::Giacenza, "100"},
                                         {A::Sottoscorta, "5"}}),
                                   Item({{A::Codice, "AB-1"},
                                         {A::Fornitore, "Bianchi"},
                                         {A::Giacenza, "9"},
                                         {A::Sottoscorta, "0"}})}) {
            EXPECT_EQ(SaveCard(WarehouseArchive(services), c, "").message,
                      CardMessage::kSchedaInserita);
        }
    }
    test::FakeServices services;
};

struct Rig : WarehouseFolder {
    Rig() {
        card.resize(1366, 768);
        test::ShowActive(&card);
    }
    void Click(QWidget* screen, const char* name) {
        Find<QAbstractButton>(screen, QLatin1String(name))->click();
    }
    void Click(const char* name) { Click(&card, name); }
    void Set(const char* name, const QString& text) { SetFormText(card, name, text); }

    std::unique_ptr<TfrmTrovaMagazzino> Search() {
        auto search = std::make_unique<TfrmTrovaMagazzino>(services, card, &card);
        SetFormText(*search, "lblMemory", QStringLiteral("magazzino"));
        test::ShowActive(search.get());
        test::Type(Find(search.get(), QStringLiteral("txtFornitore")), QStringLiteral("ferr"));
        Click(search.get(), "btnCerca");
        return search;
    }
    TfrmExpMagazzino& Export() { return *static_cast<TfrmExpMagazzino*>(screen.get()); }

    // The import window of receipt line 7, every item listed.
    void OpenImport() {
        receipt = std::make_unique<TfrmRicevute>(services, shell);
        receipt->OpenYear(QStringLiteral("2024"));
        test::ShowActive(receipt.get());
        auto window = std::make_unique<TfrmImportaMagazzino>(services, *receipt, receipt.get());
        SetFormText(*window, "lblMemory", QStringLiteral("ric_art_07"));
        test::ShowActive(window.get());
        Click(window.get(), "btnCerca");
        screen = std::move(window);
    }
    TfrmImportaMagazzino& Import() { return *static_cast<TfrmImportaMagazzino*>(screen.get()); }
    // One piece of the second item, with the stock update; a failure fills
    // no receipt line.
    void ImportOne() {
        Import().Results().Select(1);
        SetFormText(Import(), "txtQuant", QStringLiteral("1"));
        Click(&Import(), "btnAggiorna");
        EXPECT_EQ(FormText(*receipt, "txtDesc07"), QString()) << "filled after a failed write";
    }

    AppShell shell{services};
    TfrmMagazzino card{services, shell};
    std::unique_ptr<TfrmRicevute> receipt;  // the receipt an import fills
    std::unique_ptr<QWidget> screen;        // the screen an action opened
};

ShownMessage Access(MessageKind kind) {
    return {kind, Q(kMsgAccessoArchivio)};
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
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     test::kReadFaults,
     {}},
    {"save_new",
     [](Rig& r) { r.Set("txtCodice", QStringLiteral("NU-1")); },
     [](Rig& r) { r.Click("cmdSalva"); },
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     {Fault::kOpen, Fault::kWrite, Fault::kShortWrite, Fault::kNoSpace, Fault::kFlush,
      Fault::kClose},
     {}},
    {"save_over",
     [](Rig& r) {
         r.Click("cmdUltimo");
         r.Set("txtDescrizione", QStringLiteral("Vite zincata"));
     },
     [](Rig& r) { r.Click("cmdSalva"); },
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     {Fault::kOpen, Fault::kRead, Fault::kShortRead, Fault::kWrite, Fault::kShortWrite,
      Fault::kFlush, Fault::kClose, Fault::kRename},
     {}},
    {"low_stock",
     [](Rig&) {},
     [](Rig& r) {
         r.screen = std::make_unique<TfrmSottoscorta>(r.services, r.card, &r.card);
         test::ShowActive(r.screen.get());
         QCoreApplication::processEvents();
     },
     [](Rig&) { return Msgs{Access(MessageKind::Plain)}; },
     test::kReadFaults,
     {}},
    {"search",
     [](Rig&) {},
     [](Rig& r) { r.screen = r.Search(); },
     [](Rig&) { return Msgs{Access(MessageKind::Plain)}; },
     test::kReadFaults,
     {}},
    {"recall",
     [](Rig& r) { r.screen = r.Search(); },
     [](Rig& r) {
         test::ScreenTest::DoubleClick(
             static_cast<TfrmTrovaMagazzino*>(r.screen.get())->Results().List(), 0);
     },
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     test::kReadFaults,
     {}},
    {"export_grid",
     [](Rig&) {},
     [](Rig& r) {
         r.screen = std::make_unique<TfrmExpMagazzino>(r.services);
         test::ShowActive(r.screen.get());
     },
     [](Rig&) {
         return Msgs{{MessageKind::Plain, Q(kMsgEsportaFallita)}};
     },
     test::kReadFaults,
     {}},
    {"export",
     [](Rig& r) {
         r.screen = std::make_unique<TfrmExpMagazzino>(r.services);
         test::ShowActive(r.screen.get());
     },
     [](Rig& r) { r.Export().cmdEsportaClick(); },
     [](Rig&) {
         return Msgs{{MessageKind::Confirmation, Q(kMsgEsportaConferma)},
                     {MessageKind::Plain, Q(kMsgEsportaFallita)}};
     },
     test::kReplaceFaults,
     {}},
    {"import_search",
     [](Rig&) {},
     [](Rig& r) { r.OpenImport(); },
     [](Rig&) { return Msgs{Access(MessageKind::Plain)}; },
     test::kReadFaults,
     {}},
    {"import_choose",
     [](Rig& r) { r.OpenImport(); },
     [](Rig& r) { r.ImportOne(); },
     // The choice is read first: a failed read leaves nothing chosen.
     [](Rig&) {
         return Msgs{Access(MessageKind::Warning),
                     {MessageKind::Warning, Q(kMsgSelezionaArticolo)}};
     },
     {Fault::kOpen, Fault::kRead, Fault::kShortRead, Fault::kClose},
     {}},
    {"import_and_unload",
     [](Rig& r) { r.OpenImport(); },
     [](Rig& r) { r.ImportOne(); },
     [](Rig&) { return Msgs{Access(MessageKind::Warning)}; },
     {Fault::kWrite, Fault::kShortWrite, Fault::kFlush, Fault::kRename},
     {}},
    {"item_pdf",
     [](Rig& r) {
         r.Click("cmdPrimo");
         r.services.answerNo = {true};  // not opened
     },
     [](Rig& r) { r.Click("cmdPDF"); },
     [](Rig&) {
         return Msgs{{MessageKind::Warning, Q(kMsgItemPdfFailed)}};
     },
     test::kReplaceFaults,
     {}},
};

class WarehouseFaults : public ::testing::TestWithParam<test::FaultCase<Rig>> {
  protected:
    WarehouseFaults() { test::TestApp(); }
};

TEST_P(WarehouseFaults, ShowsTheFailureAndChangesNoByteBeyondTheAction) {
    test::RunFaultCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Matrix, WarehouseFaults, ::testing::ValuesIn(test::FaultRows(kActions)),
                         testing::ByName());

}  // namespace
}  // namespace corvelo
