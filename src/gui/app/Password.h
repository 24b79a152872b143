// The password screen (the application's main window) and the screen that
// changes the password.
#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvelo {

class AppShell;
class Services;
class ScreenKit;

class TfrmPassword : public QWidget {
    Q_OBJECT
  public:
    TfrmPassword(Services& services, AppShell& shell, QWidget* parent = nullptr);

    // Empties the password and the caller tag, shows the screen and focuses
    // the password box.
    void ShowAgain();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void UpdateOK();
    void cmdOKClick();

    Services& services_;
    AppShell& shell_;
    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
    QLabel* lblMemory_;
    bool ending_ = false;
};

class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
  public:
    TfrmCambiaPassword(Services& services, AppShell& shell, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void UpdateOK();
    void cmdOKClick();

    Services& services_;
    AppShell& shell_;
    QLineEdit* txtPasswordOld_;
    QLineEdit* txtPasswordNew_;
    QLineEdit* txtConferma_;
    QPushButton* cmdOK_;
    QLabel* lblMemory_;
};

}  // namespace corvelo
