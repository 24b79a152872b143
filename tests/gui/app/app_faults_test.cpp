// The actions of the application screens that read or write a data file (the
// password file at the door and in its change, the logo), under every file
// fault they can meet: the user sees the action's failure message and no
// byte of the data folder changes beyond what the action wrote.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "core/app/password.h"
#include "core/report/bmp.h"
#include "core/report/bmp_writer.h"
#include "gui/app/Avvio.h"
#include "gui/app/Password.h"
#include "gui/app/shell.h"
#include "gui/kit/text.h"
#include "gui/receipts/Logo.h"
#include "support/fault_matrix.h"

namespace corvelo {
namespace {

using test::Fault;
using test::Find;
using test::ShownMessage;
using Msgs = std::vector<ShownMessage>;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A data folder with the password file of a new installation (CORVELO) and
// the default logo.
struct AppFolder {
    AppFolder() {
        WriteFile(services.DataPath(QStringLiteral("unins000.dll")),
                  "[Accesso]\r\nValore=C996054D58AB66\r\n");
        WriteFile(services.DataPath(QStringLiteral("Logo.bmp")),
                  QByteArray::fromStdString(report::EncodeBmp(report::DefaultLogo())));
    }
    test::FakeServices services;
};

struct Rig : AppFolder {
    Rig() {
        shell.Start();
        test::ShowActive(shell.Password());
    }
    void Click(QWidget* screen, const char* name) {
        Find<QAbstractButton>(screen, QLatin1String(name))->click();
    }
    void Set(QWidget* screen, const char* name, const QString& text) {
        Find<QLineEdit>(screen, QLatin1String(name))->setText(text);
    }
    AppShell shell{services};
    std::unique_ptr<TfrmLogo> logo;
};

ShownMessage Plain(std::string_view text) {
    return {MessageKind::Plain, Q(text)};
}

const std::vector<test::FaultAction<Rig>> kActions = {
    {"login",
     [](Rig& r) { r.Set(r.shell.Password(), "txtPassword", QStringLiteral("corvelo")); },
     [](Rig& r) { r.Click(r.shell.Password(), "cmdOK"); },
     [](Rig&) { return Msgs{Plain(kPasswordReadFailureMessage)}; },
     {Fault::kOpen, Fault::kRead, Fault::kClose},
     {Fault::kShortRead}},
    {"password_change",
     [](Rig& r) {
         r.Click(r.shell.Password(), "btnCambiaPassword");
         QWidget* change = r.shell.CambiaPassword();
         r.Set(change, "txtPasswordOld", QStringLiteral("corvelo"));
         r.Set(change, "txtPasswordNew", QStringLiteral("segreta"));
         r.Set(change, "txtConferma", QStringLiteral("segreta"));
     },
     [](Rig& r) { r.Click(r.shell.CambiaPassword(), "cmdOK"); },
     [](Rig&) { return Msgs{Plain(kPasswordChangeFailureMessage)}; },
     {Fault::kOpen, Fault::kRead, Fault::kWrite, Fault::kShortWrite, Fault::kNoSpace, Fault::kFlush,
      Fault::kClose, Fault::kRename},
     {Fault::kShortRead}},
    // A logo that cannot be written is given up without a word.
    {"logo_apply",
     [](Rig& r) {
         r.logo = std::make_unique<TfrmLogo>(r.services);
         r.logo->show();
         r.Click(r.logo.get(), "btnCancLogo");
     },
     [](Rig& r) { r.Click(r.logo.get(), "btnApplica"); },
     [](Rig&) { return Msgs{}; },
     test::kReplaceFaults,
     {}},
};

class AppFaults : public ::testing::TestWithParam<test::FaultCase<Rig>> {
  protected:
    AppFaults() { test::TestApp(); }
};

TEST_P(AppFaults, ShowsTheFailureAndChangesNoByteBeyondTheAction) {
    test::RunFaultCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Matrix, AppFaults, ::testing::ValuesIn(test::FaultRows(kActions)),
                         testing::ByName());

}  // namespace
}  // namespace corvelo
