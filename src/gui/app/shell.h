// The running application: its long-lived screens, the navigation between
// the start menu and the work areas, and how it ends.
//
// Work areas are created once at start-up (in main) and registered here:
//   shell.SetWorkArea(WorkArea::Anagrafica, new TfrmAnagrafica(services, shell));
// The start menu then shows them maximised; a work area that is left calls
// shell.ReturnToStartMenu(this) (typically from its closeEvent and its exit
// button), which hides it and shows the start menu again.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QCloseEvent;

namespace corvelo {

class InstanceLock;
class Services;
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;

enum class WorkArea { Ricevute, Anagrafica, Magazzino };

class AppShell : public QObject {
    Q_OBJECT
  public:
    explicit AppShell(Services& services);
    ~AppShell() override;

    Services& services() { return services_; }
    TfrmPassword* Password() const { return password_; }
    TfrmAvvio* Avvio() const { return avvio_; }
    TfrmCambiaPassword* CambiaPassword() const { return cambia_; }

    // Registers the screen of a work area (the shell does not own it; give
    // it a parent or keep it alive for the whole run).
    void SetWorkArea(WorkArea area, QWidget* screen);
    QWidget* WorkAreaScreen(WorkArea area) const;

    // Creates the data files every start creates, then shows the password
    // screen. Returns false when a data file could not be created (the
    // access message has been shown; the application still starts).
    bool Start();

    // Navigation.
    void ShowStartMenu();  // from the password screen
    void EnterWorkArea(WorkArea area);
    void ReturnToStartMenu(QWidget* from);
    void ShowPasswordChange();  // from the password screen
    void ReturnToPassword();    // from the change-password screen
    // Ends the application (emits Ending, which main connects to quit).
    void Quit();

  signals:
    // Emitted when the start menu was asked for an area that has no screen.
    void WorkAreaMissing(WorkArea area);
    // Emitted when the application is about to end.
    void Ending();

  private:
    Services& services_;
    TfrmPassword* password_ = nullptr;
    TfrmAvvio* avvio_ = nullptr;
    TfrmCambiaPassword* cambia_ = nullptr;
    QPointer<QWidget> areas_[3];
};

// Base of the work-area windows: closing one in any way (its window button,
// or its exit picture calling close()) shows the start menu again. A screen
// with work to do on closing overrides closeEvent and calls this one last.
class WorkAreaWindow : public QWidget {
    Q_OBJECT
  public:
    explicit WorkAreaWindow(AppShell& shell, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;
    AppShell& shell_;
};

// Shows a work-area screen maximised (sized to the screen first, for window
// managers that ignore the maximised state).
void ShowMaximised(QWidget* screen);

// The data files created empty at start when they are missing.
bool CreateStartFiles(Services& services);

// Takes the single-copy lock of the data folder for this copy of the
// application. Returns false when the copy must not start: another copy runs
// on this computer (the message naming the lock file has been shown), or the
// lock of another computer was not to be taken over (the user answered No to
// the question). A folder that allows no lock starts all the same.
bool TakeSingleCopyLock(InstanceLock& lock, Services& services);

// Application-wide look and conventions: style, fonts, Italian Qt texts,
// decimal comma and dd/mm/yyyy dates.
void SetUpApplication();

}  // namespace corvelo
