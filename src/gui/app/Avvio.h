// The start menu: the three work areas (receipts, customers, warehouse),
// help, information, about, the maker's web site and exit. Every control
// is a picture.
#pragma once

#include <QDialog>
#include <QWidget>

namespace corvelo {

class AppShell;
class Services;

class TfrmAvvio : public QWidget {
    Q_OBJECT
  public:
    TfrmAvvio(Services& services, AppShell& shell, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Services& services_;
    AppShell& shell_;
};

// The about window: product logo, the maker's web address as a link, Chiudi.
class TfrmSplash : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmSplash(Services& services, QWidget* parent = nullptr);
};

// The information window: product logo, the maker's e-mail address as a
// link that starts a mail message, Chiudi.
class TfrmInfo : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmInfo(Services& services, QWidget* parent = nullptr);
};

}  // namespace corvelo
