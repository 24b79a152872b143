// The issuer's logo: shows Logo.bmp of the data folder (or the built-in
// default), lets the user pick a JPEG or BMP file, the default logo or no
// logo (a 2 x 2 white picture), and writes the shown picture back to
// Logo.bmp in the BMP format at its own pixel size. Every failure is silent.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace corvelo {

class Services;

class TfrmLogo : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmLogo(Services& services, QWidget* parent = nullptr);

    // The picture shown in imgLogo, at its own size.
    const QImage& Picture() const { return picture_; }

    void btnSfogliaClick();
    void btnApplicaClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowPicture(const QImage& picture);

    Services& services_;
    QLabel* imgLogo_;
    QImage picture_;
};

// The default logo and the blank picture of the logo screen.
QImage DefaultLogoImage();
QImage BlankLogoImage();

// Writes picture to path as a 24-bit BMP (flattened onto white), replacing
// the file whole through ReplaceFile. Returns false on any failure.
bool WriteLogoFile(const QImage& picture, const QString& path);

}  // namespace corvelo
