// Every action of the customer screens that reads or writes a data file,
// under every file fault it can meet: the user sees the action's failure
// message and no byte of the data folder changes beyond what the action
// wrote.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <memory>

#include "core/storage/messages.h"
#include "core/warehouse/spreadsheet_export.h"
#include "customer_fixture.h"
#include "gui/customers/DaRinnovare.h"
#include "gui/customers/ExpClienti.h"
#include "gui/customers/TrovaClienti.h"
#include "gui/kit/list_screen.h"
#include "support/fault_matrix.h"

namespace corvelo {
namespace {

using test::Customer;
using test::Fault;
using test::Find;
using test::ShownMessage;
using Msgs = std::vector<ShownMessage>;
using C = TCliente;

// A data folder with three customer cards, the first one due.
struct CustomerFolder {
    CustomerFolder() {
        for (const TCliente& c : {Customer("Rossi", "Mario", {{C::Scadenza, "01/03/2024"}}),
                                  Customer("Grossi", "Anna"), Customer("Bianchi", "Ugo")}) {
            EXPECT_EQ(SaveCard(CustomerArchive(services), c, "").message,
                      CardMessage::kSchedaInserita);
        }
    }
    test::FakeServices services;
};

struct Rig : CustomerFolder {
    Rig() {
        card.resize(1366, 768);
        test::ShowActive(&card);
    }
    void Click(QWidget* screen, const char* name) {
        Find<QAbstractButton>(screen, QLatin1String(name))->click();
    }
    void Click(const char* name) { Click(&card, name); }
    void Set(const char* name, const QString& text) {
        SetTextOf(Find(&card, QLatin1String(name)), text);
    }

    std::unique_ptr<TfrmTrovaClienti> Search() {
        auto search = std::make_unique<TfrmTrovaClienti>(services, card);
        SetTextOf(Find(search.get(), QStringLiteral("lblMemory")), QStringLiteral("clienti"));
        test::ShowActive(search.get());
        test::Type(Find(search.get(), QStringLiteral("txtCognome")), QStringLiteral("r"));
        Click(search.get(), "btnCerca");
        return search;
    }
    TfrmExpClienti& Export() { return *static_cast<TfrmExpClienti*>(screen.get()); }

    AppShell shell{services};
    TfrmAnagrafica card{services, shell};
    std::unique_ptr<QWidget> screen;  // the screen an action opened
};

ShownMessage Access(MessageKind kind) {
    return {kind, Q(kMsgAccessoArchivio)};
}

const std::vector<test::FaultAction<Rig>> kActions = {
    {"browse_first",
     [](Rig&) {},
     [](Rig& r) { r.Click("cmdPrimo"); },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
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
         r.Set("txtCognome", QStringLiteral("Neri"));
         r.Set("txtNome", QStringLiteral("Paolo"));
     },
     [](Rig& r) { r.Click("cmdSalva"); },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
     {Fault::kOpen, Fault::kWrite, Fault::kShortWrite, Fault::kNoSpace, Fault::kFlush,
      Fault::kClose},
     {}},
    {"save_over",
     [](Rig& r) {
         r.Click("cmdUltimo");
         r.Set("txtNome", QStringLiteral("Ugolino"));
     },
     [](Rig& r) { r.Click("cmdSalva"); },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
     {Fault::kOpen, Fault::kRead, Fault::kShortRead, Fault::kWrite, Fault::kShortWrite,
      Fault::kFlush, Fault::kClose},
     {}},
    {"due_list",
     [](Rig&) {},
     [](Rig& r) {
         r.screen = std::make_unique<TfrmDaRinnovare>(r.services, r.card);
         test::ShowActive(r.screen.get());
         QCoreApplication::processEvents();
     },
     [](Rig&) { return Msgs{Access(MessageKind::Error)}; },
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
             static_cast<TfrmTrovaClienti*>(r.screen.get())->Results().List(), 0);
     },
     [](Rig&) { return Msgs{Access(MessageKind::Plain)}; },
     test::kReadFaults,
     {}},
    {"export_grid",
     [](Rig&) {},
     [](Rig& r) {
         r.screen = std::make_unique<TfrmExpClienti>(r.services);
         test::ShowActive(r.screen.get());
     },
     [](Rig&) {
         return Msgs{{MessageKind::Plain, Q(kMsgEsportaFallita)}};
     },
     test::kReadFaults,
     {}},
    {"export",
     [](Rig& r) {
         r.screen = std::make_unique<TfrmExpClienti>(r.services);
         test::ShowActive(r.screen.get());
     },
     [](Rig& r) { r.Export().cmdEsportaClick(); },
     [](Rig&) {
         return Msgs{{MessageKind::Confirmation, Q(kMsgEsportaConferma)},
                     {MessageKind::Plain, Q(kMsgEsportaFallita)}};
     },
     test::kReplaceFaults,
     {}},
};

class CustomerFaults : public ::testing::TestWithParam<test::FaultCase<Rig>> {
  protected:
    CustomerFaults() { test::TestApp(); }
};

TEST_P(CustomerFaults, ShowsTheFailureAndChangesNoByteBeyondTheAction) {
    test::RunFaultCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Matrix, CustomerFaults, ::testing::ValuesIn(test::FaultRows(kActions)),
                         testing::ByName());

}  // namespace
}  // namespace corvelo
