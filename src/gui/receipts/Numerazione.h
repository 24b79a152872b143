// The numbering screen: the number given to the first receipt of an archive
// and whether the year follows the number. Opened by the receipt editor with
// the caller tag "ricevute" in lblMemory; only under that tag does it read
// and write the settings.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace corvelo {

class Services;

class TfrmNumerazione : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmNumerazione(Services& services, QWidget* parent = nullptr);

    void btnApplicaClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString Tag() const;

    Services& services_;
    QLineEdit* txtInizio_;
    QCheckBox* chkTipo_;
};

}  // namespace corvelo
