#include <QApplication>
#include <memory>
#include <optional>
#include <vector>

#include "core/app/instance_lock.h"
#include "core/storage/undo_file.h"
#include "gui/app/daily_backup.h"
#include "gui/app/services.h"
#include "gui/app/shell.h"
#include "gui/app/start_folder.h"
#include "gui/customers/Anagrafica.h"
#include "gui/documents/Statistiche.h"
#include "gui/receipts/MenuRicevute.h"
#include "gui/receipts/Ricevute.h"
#include "gui/report/report_services.h"
#include "gui/warehouse/Magazzino.h"

namespace {

// The long-lived screens of the work areas, alive until main returns.
using Screens = std::vector<std::unique_ptr<QWidget>>;

template <class T>
T* Keep(Screens& screens, std::unique_ptr<T> screen) {
    T* raw = screen.get();
    screens.push_back(std::move(screen));
    return raw;
}

// The work areas plug in here: each screen is created once at start-up and
// registered with the shell, which shows it from the start menu.
Screens InstallWorkAreas(corvelo::AppShell& shell, corvelo::Services& services) {
    using namespace corvelo;
    Screens screens;
    auto* editor = Keep(screens, std::make_unique<TfrmRicevute>(services, shell));
    auto* statistics = Keep(screens, std::make_unique<TfrmStatistiche>(services, shell));
    auto* menu =
        Keep(screens, std::make_unique<TfrmMenuRicevute>(services, shell, *editor, statistics));
    shell.SetWorkArea(WorkArea::Ricevute, menu);
    shell.SetWorkArea(WorkArea::Anagrafica,
                      Keep(screens, std::make_unique<TfrmAnagrafica>(services, shell)));
    shell.SetWorkArea(WorkArea::Magazzino,
                      Keep(screens, std::make_unique<TfrmMagazzino>(services, shell)));
    return screens;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    corvelo::SetUpApplication();
    const std::optional<QString> folder = corvelo::StartDataFolder(QCoreApplication::arguments());
    if (!folder) return 1;
    corvelo::ReportDesktopServices services(*folder);

    // One copy per data folder; a second copy leaves every file alone.
    corvelo::InstanceLock lock(services.DataFolder().toStdU16String());
    if (!corvelo::TakeSingleCopyLock(lock, services)) return 1;
    corvelo::RepairArchives(services.DataFolder().toStdU16String());  // overwrites cut by a crash
    corvelo::MakeDailyBackupAtStart(services);  // before the password: nothing is changed yet

    corvelo::AppShell shell(services);
    QObject::connect(&shell, &corvelo::AppShell::Ending, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    const Screens screens = InstallWorkAreas(shell, services);
    shell.Start();
    return app.exec();
}
