#include <QApplication>

#include "gui/app/services.h"
#include "gui/app/shell.h"
#include "gui/report/report_services.h"

namespace {

// The work areas plug in here: each screen is created once at start-up and
// registered with the shell, which shows it from the start menu.
void InstallWorkAreas(corvelo::AppShell& shell, corvelo::Services& services) {
    (void)shell;
    (void)services;
    // shell.SetWorkArea(corvelo::WorkArea::Ricevute, new TfrmMenuRicevute(services, shell));
    // shell.SetWorkArea(corvelo::WorkArea::Anagrafica, new TfrmAnagrafica(services, shell));
    // shell.SetWorkArea(corvelo::WorkArea::Magazzino, new TfrmMagazzino(services, shell));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    corvelo::SetUpApplication();
    corvelo::ReportDesktopServices services(QCoreApplication::applicationDirPath());

    // One copy per data folder; a second copy leaves every file alone.
    corvelo::SingleCopyLock lock(services.DataFolder());
    if (lock.result() == corvelo::SingleCopyLock::Result::OtherCopyRunning) {
        services.Message(corvelo::kOtherCopyMessage);
        return 1;
    }

    corvelo::AppShell shell(services);
    QObject::connect(&shell, &corvelo::AppShell::Ending, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    InstallWorkAreas(shell, services);
    shell.Start();
    return app.exec();
}
