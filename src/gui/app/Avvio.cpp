#include "gui/app/Avvio.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/Guida.h"
#include "gui/app/maker.h"
#include "gui/app/services.h"
#include "gui/app/shell.h"
#include "gui/app/widgets.h"

namespace corvelo {

namespace {

// The three work areas as the start menu shows them; the img, btn and inf
// controls of one area all enter it.
struct AreaEntry {
    WorkArea area;
    const char* suffix;
    const char* picture;
    const char* title;
    const char* text;
};

constexpr AreaEntry kAreas[] = {
    {WorkArea::Ricevute, "Riepilogo", ":/pictures/area_ricevute.svg", "Emissione ricevute",
     "Compila, archivia e stampa le ricevute di pagamento; riepiloghi, ricevute non saldate e "
     "statistiche degli incassi."},
    {WorkArea::Anagrafica, "Anagrafica", ":/pictures/area_clienti.svg", "Anagrafica Clienti",
     "Schede dei clienti con dati anagrafici, fiscali e bancari, acquisti rateali, scadenze e "
     "documenti allegati."},
    {WorkArea::Magazzino, "Bollettino", ":/pictures/area_magazzino.svg",
     "Magazzino Prodotti e Servizi",
     "Schede dei prodotti e dei servizi con prezzi, giacenze, prodotti sotto scorta e "
     "importazione nelle ricevute."},
};

// The small pictures of the bottom row.
constexpr PictureEntry kTools[] = {
    {"imgGuida", ":/pictures/guida.svg", "Guida"},
    {"imgInfo", ":/pictures/info.svg", "Informazioni"},
    {"imgCopyright", ":/pictures/copyright.svg", "Crediti"},
    {"imgSito", ":/pictures/web.svg", "Sito web"},
    {"imgEsci", ":/pictures/esci.svg", "Esci"},
};

QFrame* MakeCard(const AreaEntry& entry, QWidget* parent, const std::function<void()>& enter) {
    auto* card = new QFrame(parent);
    card->setObjectName(QStringLiteral("shp") + QLatin1String(entry.suffix));
    card->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid #B8C6DB;"
                                       " border-radius: 10px; }")
                            .arg(card->objectName()));
    card->setFixedSize(330, 320);

    auto* img = new PictureButton(QStringLiteral("img") + QLatin1String(entry.suffix),
                                  QLatin1String(entry.picture), QSize(128, 128), {}, card);
    auto* btn = new QPushButton(QString::fromUtf8(entry.title), card);
    btn->setObjectName(QStringLiteral("btn") + QLatin1String(entry.suffix));
    btn->setCursor(Qt::PointingHandCursor);
    btn->setAutoDefault(false);
    btn->setFocusPolicy(Qt::NoFocus);
    btn->setStyleSheet(
        QStringLiteral(
            "QPushButton { background: %1; color: white; border: none; border-radius: 6px;"
            " padding: 8px 12px; font: bold 10pt 'Verdana'; }"
            "QPushButton:hover { background: #2E64AE; } QPushButton:pressed { background: #163A69; "
            "}")
            .arg(QLatin1String(look::kHeaderColour)));
    auto* inf = new QLabel(QString::fromUtf8(entry.text), card);
    inf->setObjectName(QStringLiteral("inf") + QLatin1String(entry.suffix));
    inf->setWordWrap(true);
    inf->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    inf->setFont(look::Base());
    inf->setStyleSheet(QStringLiteral("color: #333333; border: none; background: transparent;"));

    QObject::connect(img, &PictureButton::clicked, card, enter);
    QObject::connect(btn, &QPushButton::clicked, card, enter);
    OnClick(inf, enter);

    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(22, 24, 22, 22);
    column->setSpacing(16);
    column->addWidget(img, 0, Qt::AlignHCenter);
    column->addWidget(btn);
    column->addWidget(inf, 1);
    return card;
}

}  // namespace

TfrmAvvio::TfrmAvvio(Services& services, AppShell& shell, QWidget* parent)
    : QWidget(parent), services_(services), shell_(shell) {
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral("Corvelo"));
    setFont(look::Base());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(look::kPanelColour));
    setPalette(p);

    // Header band with the product name.
    QWidget* header = MakeHeaderBand(this);
    auto* logo =
        new PictureButton(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/corvelo.svg"),
                          QSize(64, 64), {}, header);
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* name = new QLabel(QStringLiteral("Corvelo"), header);
    QFont nameFont = look::Heading();
    nameFont.setPointSize(26);
    name->setFont(nameFont);
    auto* motto = new QLabel(
        QStringLiteral("Ricevute, clienti e magazzino per associazioni e piccole attività"),
        header);
    QFont mottoFont = look::Base();
    mottoFont.setPointSize(11);
    motto->setFont(mottoFont);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(name);
    titles->addWidget(motto);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(28, 16, 28, 16);
    headerRow->setSpacing(18);
    headerRow->addWidget(logo);
    headerRow->addLayout(titles, 1);

    // The three areas.
    auto* cards = new QHBoxLayout;
    cards->setSpacing(28);
    cards->addStretch(1);
    for (const AreaEntry& entry : kAreas) {
        const WorkArea area = entry.area;
        cards->addWidget(MakeCard(entry, this, [this, area] { shell_.EnterWorkArea(area); }));
    }
    cards->addStretch(1);

    // The bottom row of small pictures.
    QHBoxLayout* tools = MakeToolRow(kTools, this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 24);
    page->setSpacing(0);
    page->addWidget(header);
    page->addStretch(1);
    page->addLayout(cards);
    page->addSpacing(28);
    page->addStretch(1);
    page->addLayout(tools);

    auto find = [this](const char* name) { return findChild<PictureButton*>(QLatin1String(name)); };
    connect(find("imgGuida"), &PictureButton::clicked, this,
            [this] { ShowHelp(this, services_, HelpTopic::Avvio); });
    connect(find("imgInfo"), &PictureButton::clicked, this, [this] {
        TfrmInfo info(services_, this);
        info.exec();
    });
    connect(find("imgCopyright"), &PictureButton::clicked, this, [this] {
        TfrmSplash splash(services_, this);
        splash.exec();
    });
    connect(find("imgSito"), &PictureButton::clicked, this,
            [this] { services_.ShellOpen(kMakerWebSite); });
    connect(find("imgEsci"), &PictureButton::clicked, this, [this] { close(); });
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
    event->accept();
    shell_.Quit();
}

// ---------------------------------------------------------------------------

namespace {

// Logo, product name and version, then the caller's rows, then "Chiudi".
QVBoxLayout* MakeAboutPage(QDialog* dialog, const QString& subtitle) {
    dialog->setFont(look::Base());
    auto* logo =
        new PictureButton(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/corvelo.svg"),
                          QSize(96, 96), {}, dialog);
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* name = new QLabel(QStringLiteral("Corvelo"), dialog);
    QFont nameFont = look::Heading();
    nameFont.setPointSize(22);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(look::kHeaderColour)));
    auto* sub = new QLabel(subtitle, dialog);
    sub->setWordWrap(true);
    auto* titles = new QVBoxLayout;
    titles->addStretch(1);
    titles->addWidget(name);
    titles->addWidget(sub);
    titles->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(logo);
    top->addLayout(titles, 1);

    auto* page = new QVBoxLayout(dialog);
    page->setContentsMargins(24, 20, 24, 18);
    page->setSpacing(14);
    page->addLayout(top);
    auto* rule = new QFrame(dialog);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    page->addWidget(rule);
    return page;
}

void AddLinkRow(QDialog* dialog, QVBoxLayout* page, const QString& pictureName,
                const QString& picture, const QString& text, const std::function<void()>& open) {
    auto* img = new PictureButton(pictureName, picture, QSize(28, 28), {}, dialog);
    auto* link = new LinkLabel(QStringLiteral("lnkWeb"), text, dialog);
    link->Tie(img);
    QObject::connect(link, &LinkLabel::clicked, dialog, open);
    auto* row = new QHBoxLayout;
    row->addWidget(img);
    row->addWidget(link);
    row->addStretch(1);
    page->addLayout(row);
}

void AddCloseRow(QDialog* dialog, QVBoxLayout* page) {
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), dialog);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);
    btnChiudi->setMinimumSize(100, 28);
    QObject::connect(btnChiudi, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(btnChiudi);
    page->addStretch(1);
    page->addLayout(row);
}

}  // namespace

TfrmSplash::TfrmSplash(Services& services, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral(" Corvelo"));
    QVBoxLayout* page = MakeAboutPage(
        this, QStringLiteral("Versione 1.0\nRicevute, clienti e magazzino per associazioni e "
                             "piccole attività."));
    auto* text = new QLabel(
        QStringLiteral("Tutti i diritti riservati. Per aggiornamenti, assistenza e novità "
                       "visitate il nostro sito:"),
        this);
    text->setWordWrap(true);
    page->addWidget(text);
    AddLinkRow(this, page, QStringLiteral("imgWeb"), QStringLiteral(":/pictures/web.svg"),
               kMakerWebSite, [&services] { services.ShellOpen(kMakerWebSite); });
    AddCloseRow(this, page);
    MakeFixedDialog(this, QSize(480, 330));
}

TfrmInfo::TfrmInfo(Services& services, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Corvelo"));
    QVBoxLayout* page = MakeAboutPage(
        this, QStringLiteral("Informazioni, suggerimenti e richieste di assistenza."));
    auto* text = new QLabel(
        QStringLiteral("Per qualsiasi informazione sul software potete scriverci all'indirizzo "
                       "di posta elettronica indicato qui sotto: risponderemo al più presto."),
        this);
    text->setWordWrap(true);
    page->addWidget(text);
    AddLinkRow(this, page, QStringLiteral("imgEmail"), QStringLiteral(":/pictures/email.svg"),
               kMakerEmail, [&services] { services.ShellOpen(MakerMailCommand()); });
    AddCloseRow(this, page);
    MakeFixedDialog(this, QSize(480, 330));
}

}  // namespace corvelo
