#include "gui/app/shell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyleFactory>
#include <QTranslator>

#include "core/app/instance_lock.h"
#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/messages.h"
#include "core/storage/record_file.h"
#include "gui/app/Avvio.h"
#include "gui/app/Password.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"

// Outside any namespace, as the resource system requires.
static void LoadPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace corvelo {

namespace {
void CentreOnScreen(QWidget* w) {
    const QRect area = w->screen() ? w->screen()->availableGeometry() : QRect();
    if (area.isValid()) w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}
}  // namespace

WorkAreaWindow::WorkAreaWindow(AppShell& shell, QWidget* parent) : QWidget(parent), shell_(shell) {
    setFont(look::Base());
}

void WorkAreaWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    shell_.ReturnToStartMenu(this);
}

void ShowMaximised(QWidget* screen) {
    if (const QScreen* display = screen->screen()) {
        screen->setGeometry(display->availableGeometry());
    }
    screen->showMaximized();
    screen->raise();
    screen->activateWindow();
}

AppShell::AppShell(Services& services) : services_(services) {
    // Created in this order; the password screen is the main window.
    password_ = new TfrmPassword(services_, *this);
    avvio_ = new TfrmAvvio(services_, *this);
    cambia_ = new TfrmCambiaPassword(services_, *this);
    for (QWidget* w : {static_cast<QWidget*>(password_), static_cast<QWidget*>(avvio_),
                       static_cast<QWidget*>(cambia_)}) {
        w->setAttribute(Qt::WA_DeleteOnClose, false);
    }
}

AppShell::~AppShell() {
    delete cambia_;
    delete avvio_;
    delete password_;
}

void AppShell::SetWorkArea(WorkArea area, QWidget* screen) {
    areas_[static_cast<int>(area)] = screen;
}

QWidget* AppShell::WorkAreaScreen(WorkArea area) const {
    return areas_[static_cast<int>(area)];
}

bool AppShell::Start() {
    const bool created = CreateStartFiles(services_);
    CentreOnScreen(password_);
    password_->show();
    password_->activateWindow();
    return created;
}

void AppShell::ShowStartMenu() {
    ShowMaximised(avvio_);
    password_->hide();
}

void AppShell::EnterWorkArea(WorkArea area) {
    QWidget* screen = WorkAreaScreen(area);
    if (!screen) {
        emit WorkAreaMissing(area);
        return;
    }
    ShowMaximised(screen);
    avvio_->hide();
}

void AppShell::ReturnToStartMenu(QWidget* from) {
    ShowMaximised(avvio_);
    if (from) from->hide();
}

void AppShell::ShowPasswordChange() {
    CentreOnScreen(cambia_);
    cambia_->show();
    cambia_->activateWindow();
    password_->hide();
}

void AppShell::ReturnToPassword() {
    cambia_->hide();
    CentreOnScreen(password_);
    password_->ShowAgain();
}

void AppShell::Quit() {
    // main ends the event loop on this signal.
    emit Ending();
}

bool CreateStartFiles(Services& services) {
    struct StartFile {
        const char* name;
        std::size_t recordSize;
    };
    static constexpr StartFile kFiles[] = {{"Clienti.pro", TCliente::kSize},
                                           {"Magazzino.pro", TArticolo::kSize}};
    for (const StartFile& entry : kFiles) {
        RecordFile file;
        const std::filesystem::path path =
            services.DataPath(QLatin1String(entry.name)).toStdU16String();
        Status status = file.OpenOrCreate(path, entry.recordSize);
        if (status.ok()) status = file.CloseRecordFile();
        if (!status.ok()) {
            services.Warning(QString::fromUtf8(kMsgAccessoArchivio.data(),
                                               static_cast<qsizetype>(kMsgAccessoArchivio.size())));
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------

bool TakeSingleCopyLock(InstanceLock& lock, Services& services) {
    LockState state = lock.Acquire();
    // Each answer Yes takes over the lock of another computer; should yet
    // another one be in its place by then, the question comes again.
    while (state == LockState::kOtherHost) {
        if (services.AnsweredNo(QString::fromStdString(OtherHostQuestion(lock)))) return false;
        state = lock.TakeOver();
    }
    if (state == LockState::kRunningHere) {
        services.Message(QString::fromStdString(SecondCopyMessage(lock)));
        return false;
    }
    return true;
}

void SetUpApplication() {
    LoadPictures();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(look::Base());
    // One background colour for every window (after the style, which brings
    // its own palette).
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(look::kPanelColour));
    QApplication::setPalette(palette);
    QApplication::setQuitOnLastWindowClosed(false);
    PressButtonsOnEnter(*QCoreApplication::instance());
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    static QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
}

}  // namespace corvelo
