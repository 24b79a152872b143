#include "gui/receipts/Logo.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>
#include <string>

#include "core/report/bmp.h"
#include "core/report/bmp_writer.h"
#include "core/storage/file_replace.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/report/report_painter.h"

namespace corvelo {

namespace {

constexpr QSize kLogoArea(297, 184);
constexpr const char* kLogoFile = "Logo.bmp";
constexpr const char* kDialogTitle = "Selezionare il logo della Ditta in formato Jpeg o Bitmap.";
// The two kinds of file offered, as the file dialog spells its filter.
constexpr const char* kDialogFilter = "Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)";

QPixmap Fitted(const QImage& picture) {
    if (picture.isNull()) return {};
    return QPixmap::fromImage(
        picture.scaled(kLogoArea, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QImage ReadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

}  // namespace

QImage DefaultLogoImage() {
    return ToQImage(report::DefaultLogo());
}

QImage BlankLogoImage() {
    QImage blank(2, 2, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

bool WriteLogoFile(const QImage& picture, const QString& path) {
    if (picture.isNull()) return false;
    // Flattened onto white: the BMP has no transparency, and 24-bit pixels
    // are what every reader of the logo (printing, PDF) takes.
    const std::string bytes = report::EncodeBmp(FromQImage(picture));
    if (bytes.empty()) return false;
    return ReplaceFile(std::filesystem::path(QFile::encodeName(path).toStdString()), bytes).ok();
}

TfrmLogo::TfrmLogo(Services& services, QWidget* parent) : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("TfrmLogo"));
    setWindowTitle(QStringLiteral("Impostazione logo Ditta"));
    setFont(look::Base());

    auto* title = MakeLabel(
        QStringLiteral("imgTitolo"),
        QStringLiteral("<b>Logo della Ditta emittente</b><br>Il logo scelto viene stampato su "
                       "entrambe le copie di ogni ricevuta. Premere Sfoglia... per scegliere "
                       "un'immagine JPEG o Bitmap."),
        this);
    title->setWordWrap(true);
    title->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; padding: 10px 14px; }")
            .arg(QLatin1String(look::kHeaderColour)));

    imgLogo_ = MakeLabel(QStringLiteral("imgLogo"), {}, this);
    imgLogo_->setFixedSize(kLogoArea + QSize(2, 2));
    imgLogo_->setAlignment(Qt::AlignCenter);
    imgLogo_->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 1px solid #B8C6DB; }"));

    // The two built-in pictures, kept as the screen's hidden pictures.
    auto* imgTemp = MakeHiddenLabel(QStringLiteral("imgTemp"), this);
    imgTemp->setPixmap(QPixmap::fromImage(DefaultLogoImage()));
    auto* imgBianco = MakeHiddenLabel(QStringLiteral("imgBianco"), this);
    imgBianco->setPixmap(QPixmap::fromImage(BlankLogoImage()));

    auto* imgEuro =
        new PictureButton(QStringLiteral("imgEuro"), QStringLiteral(":/pictures/logo_euro.svg"),
                          QSize(28, 28), QStringLiteral("Logo predefinito"), this);
    auto* btnCancLogo =
        new PictureButton(QStringLiteral("btnCancLogo"), QStringLiteral(":/pictures/cancella.svg"),
                          QSize(28, 28), QStringLiteral("Nessun logo"), this);
    connect(imgEuro, &PictureButton::clicked, this, [this] { ShowPicture(DefaultLogoImage()); });
    connect(btnCancLogo, &PictureButton::clicked, this, [this] { ShowPicture(BlankLogoImage()); });

    auto makeButton = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setMinimumSize(110, 28);
        return b;
    };
    QPushButton* btnAnnulla = makeButton("btnAnnulla", "Annulla");
    QPushButton* btnSfoglia = makeButton("btnSfoglia", "Sfoglia...");
    QPushButton* btnApplica = makeButton("btnApplica", "Applica e chiudi");
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSfoglia, &QPushButton::clicked, this, [this] { btnSfogliaClick(); });
    connect(btnApplica, &QPushButton::clicked, this, [this] { btnApplicaClick(); });

    auto* choices = new QHBoxLayout;
    choices->addStretch(1);
    choices->addWidget(imgEuro);
    choices->addSpacing(20);
    choices->addWidget(btnCancLogo);
    choices->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnSfoglia);
    buttons->addWidget(btnApplica);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 14);
    body->setSpacing(10);
    body->addWidget(imgLogo_, 0, Qt::AlignHCenter);
    body->addLayout(choices);
    body->addStretch(1);
    body->addLayout(buttons);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(title);
    page->addLayout(body, 1);

    ShowPicture(DefaultLogoImage());
    MakeFixedDialog(this, QSize(460, 390));
}

void TfrmLogo::ShowPicture(const QImage& picture) {
    picture_ = picture;
    imgLogo_->setPixmap(Fitted(picture_));
}

void TfrmLogo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    const QImage stored = ReadDataPicture(services_.DataPath(QLatin1String(kLogoFile)));
    ShowPicture(stored.isNull() ? DefaultLogoImage() : stored);
}

void TfrmLogo::btnSfogliaClick() {
    const QString chosen =
        services_.OpenFileName(QString::fromUtf8(kDialogTitle), QString::fromUtf8(kDialogFilter));
    if (chosen.isEmpty()) return;
    const QImage picture = ReadPicture(chosen);
    ShowPicture(picture.isNull() ? DefaultLogoImage() : picture);
}

void TfrmLogo::btnApplicaClick() {
    if (!WriteLogoFile(picture_, services_.DataPath(QLatin1String(kLogoFile)))) {
        ShowPicture(DefaultLogoImage());
    }
    accept();
}

}  // namespace corvelo
