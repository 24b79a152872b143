#include "gui/kit/Cartella.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/customers/card_folder.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

constexpr const char* kFolderUse =
    "La cartella abbinata alla scheda corrente pu\u00f2 contenere qualsiasi file riguardante il "
    "Cliente: documenti, contratti, fotografie, corrispondenza. Per aprirla fare clic sul "
    "pulsante qui sotto.";
constexpr const char* kFolderPlace =
    "La cartella si trova nella stessa cartella in cui \u00e8 installato il programma. Per una "
    "copia di sicurezza del programma e di tutti i suoi dati basta copiare la cartella di "
    "installazione su un disco esterno o su una chiavetta USB.";

QLabel* MakeNote(const char* name, const char* text, QWidget* parent) {
    QLabel* note = MakeLabel(QLatin1String(name), QString::fromUtf8(text), parent);
    note->setWordWrap(true);
    note->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 1px solid #B8C6DB;"
                       " border-radius: 6px; padding: 10px; }"));
    return note;
}

}  // namespace

TfrmCartella::TfrmCartella(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("TfrmCartella"));
    setWindowTitle(Q(kCardFolderCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(look::kPanelColour));
    setPalette(p);

    MakeHiddenLabel(QStringLiteral("lblMemory"), this);
    QWidget* banner = MakeBanner(QStringLiteral(":/pictures/cartella.svg"),
                                 Q(kCardFolderCaption).trimmed(), this);

    auto* btnApriCartella = MakeButton(QStringLiteral("btnApriCartella"),
                                       QStringLiteral("Apri cartella"), this, QSize(150, 30));
    auto* btnChiudi = MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    auto* open = new QHBoxLayout;
    open->addStretch(1);
    open->addWidget(btnApriCartella);
    open->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnChiudi);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(20, 14, 20, 14);
    body->setSpacing(12);
    body->addWidget(MakeNote("lblUso", kFolderUse, this));
    body->addLayout(open);
    body->addWidget(MakeNote("lblPosto", kFolderPlace, this));
    body->addStretch(1);
    body->addLayout(buttons);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(banner);
    page->addLayout(body, 1);

    connect(btnApriCartella, &QPushButton::clicked, this, &TfrmCartella::btnApriCartellaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    MakeFixedDialog(this, QSize(700, 340));
}

void TfrmCartella::btnApriCartellaClick() {
    const QString memory = findChild<QLabel*>(QStringLiteral("lblMemory"))->text().trimmed();
    const std::filesystem::path dir = FsPath(services_.DataFolder());
    auto folder = PrepareCardFolder(dir, Utf8(memory));
    // A folder that could not be made is still handed over: the file
    // manager reports it.
    if (!folder) folder = CardFolderPath(dir, Utf8(memory));
    if (folder) {
        services_.ShellOpen(QLatin1Char('"') + QFile::decodeName(folder->string().c_str()) +
                            QLatin1Char('"'));
    }
    accept();
}

}  // namespace corvelo
