#include "gui/receipts/MenuRicevute.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/receipts/archive_year.h"
#include "gui/app/Guida.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/documents/receipt_form.h"
#include "gui/receipts/Logo.h"
#include "gui/receipts/Ricevute.h"

namespace corvelo {

namespace {

constexpr const char* kTagAvvio = "avvio";
constexpr const char* kTagRicevute = "ricevute";
constexpr const char* kTagStatistiche = "statistiche_ric";

constexpr BoxRule kBoxes[] = {{"txtAnnoFatture", BoxKind::Digits, 4}};
constexpr EnterStep kEnter[] = {{"txtAnnoFatture", "btnApriFatture"}};

QPushButton* MakeOpenButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("Apri"), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setMinimumSize(96, 30);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        QStringLiteral(
            "QPushButton { background: %1; color: white; border: none; border-radius: 5px;"
            " font-weight: bold; padding: 4px 16px; }"
            "QPushButton:hover, QPushButton:focus { background: #2E64AE; }")
            .arg(QLatin1String(look::kHeaderColour)));
    return button;
}

QLabel* MakeGroupCaption(const char* name, const char* text, QWidget* parent) {
    auto* caption = MakeLabel(QLatin1String(name), QString::fromUtf8(text), parent);
    QFont font = look::Base();
    font.setBold(true);
    font.setPointSize(10);
    caption->setFont(font);
    caption->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(look::kHeaderColour)));
    return caption;
}

}  // namespace

TfrmMenuRicevute::TfrmMenuRicevute(Services& services, AppShell& shell, TfrmRicevute& editor,
                                   QWidget* statistics, QWidget* parent)
    : WorkAreaWindow(shell, parent), services_(services), editor_(editor), statistics_(statistics) {
    setObjectName(QStringLiteral("TfrmMenuRicevute"));
    setWindowTitle(QStringLiteral(" Corvelo - Emissione ricevute"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(look::kPanelColour));
    setPalette(p);

    // Header band.
    QWidget* header = MakeHeaderBand(this);
    auto* picture = new PictureButton(QStringLiteral("imgTitolo"),
                                      QStringLiteral(":/pictures/area_ricevute.svg"), QSize(56, 56),
                                      {}, header);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* title = new QLabel(QStringLiteral("Emissione ricevute"), header);
    QFont titleFont = look::Heading();
    titleFont.setPointSize(22);
    title->setFont(titleFont);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(28, 14, 28, 14);
    headerRow->setSpacing(18);
    headerRow->addWidget(picture);
    headerRow->addWidget(title, 1);

    // The card in the middle.
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("shpMenu"));
    card->setStyleSheet(
        QStringLiteral("QFrame#shpMenu { background: white; border: 1px solid #B8C6DB;"
                       " border-radius: 10px; }"));
    card->setFixedWidth(560);
    auto* info = MakeLabel(
        QStringLiteral("lblInformazioni"),
        QStringLiteral("In questo ambiente è possibile emettere ricevute per i propri clienti e "
                       "visualizzare grafici statistici degli incassi mensili."),
        card);
    info->setWordWrap(true);
    info->setStyleSheet(QStringLiteral("color: #333333;"));

    auto* year = MakeBox(QStringLiteral("txtAnnoFatture"), card);
    year->setFixedWidth(80);
    year->setAlignment(Qt::AlignCenter);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(MakeGroupCaption("intAnnoFatture", "Archivio ricevute:", card), 0, 0, 1, 4);
    grid->addWidget(MakeLabel(QStringLiteral("titAnnoFatture"), QStringLiteral("Anno:"), card), 1,
                    0);
    grid->addWidget(year, 1, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(MakeOpenButton("btnApriFatture", card), 1, 3);
    auto* rule = new QFrame(card);
    rule->setObjectName(QStringLiteral("shpRule"));
    rule->setFixedHeight(1);
    rule->setStyleSheet(QStringLiteral("background: #D5DEEA; border: none;"));
    grid->addWidget(rule, 2, 0, 1, 4);
    grid->addWidget(
        MakeGroupCaption("intAnnoRiepStats", "Grafici statistici incassi mensili:", card), 3, 0, 1,
        3);
    grid->addWidget(MakeOpenButton("btnApriRiepStats", card), 3, 3);

    auto* imgEmail = new PictureButton(
        QStringLiteral("imgEmail"), QStringLiteral(":/pictures/logo.svg"), QSize(26, 26), {}, card);
    auto* link =
        new LinkLabel(QStringLiteral("lnkWeb"), QStringLiteral("Imposta Logo Ditta"), card);
    link->Tie(imgEmail);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(imgEmail);
    linkRow->addWidget(link);
    linkRow->addStretch(1);

    auto* inCard = new QVBoxLayout(card);
    inCard->setContentsMargins(28, 22, 28, 22);
    inCard->setSpacing(16);
    inCard->addWidget(info);
    inCard->addLayout(grid);
    inCard->addLayout(linkRow);

    auto* centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addWidget(card);
    centre->addStretch(1);

    static constexpr PictureEntry kTools[] = {
        {"imgGuida", ":/pictures/guida.svg", "Guida"},
        {"imgEsci", ":/pictures/esci.svg", "Esci"},
    };
    QHBoxLayout* tools = MakeToolRow(kTools, this);
    auto* imgGuida = findChild<PictureButton*>(QStringLiteral("imgGuida"));
    auto* imgEsci = findChild<PictureButton*>(QStringLiteral("imgEsci"));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 24);
    page->setSpacing(0);
    page->addWidget(header);
    page->addStretch(1);
    page->addLayout(centre);
    page->addStretch(1);
    page->addLayout(tools);
    MakeHiddenLabel(QStringLiteral("lblMemory"), this);

    AttachConventions(this, {kBoxes, kEnter, {}});
    connect(findChild<QPushButton*>(QStringLiteral("btnApriFatture")), &QPushButton::clicked, this,
            [this] { btnApriFattureClick(); });
    connect(findChild<QPushButton*>(QStringLiteral("btnApriRiepStats")), &QPushButton::clicked,
            this, [this] { btnApriRiepStatsClick(); });
    connect(link, &LinkLabel::clicked, this, [this] { OpenLogo(); });
    connect(imgGuida, &PictureButton::clicked, this,
            [this] { ShowHelp(this, services_, HelpTopic::Ricevute); });
    connect(imgEsci, &PictureButton::clicked, this, [this] { close(); });
}

void TfrmMenuRicevute::showEvent(QShowEvent* event) {
    WorkAreaWindow::showEvent(event);
    if (event->spontaneous()) return;
    SetFormText(*this, "txtAnnoFatture",
                QString::number(services_.Today().year()).rightJustified(4, u'0'));
    SetFormText(*this, "lblMemory", QLatin1String(kTagAvvio));
    if (auto* year = findChild<QLineEdit*>(QStringLiteral("txtAnnoFatture"))) {
        year->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmMenuRicevute::btnApriFattureClick() {
    const QString year = FormText(*this, "txtAnnoFatture").trimmed();
    // Four digits: the box takes only digits from the keyboard, but a pasted
    // text would otherwise name an archive such as "20 4.ric".
    if (!IsFourDigitYear(year.toStdString())) {
        services_.Warning(QString::fromUtf8(kMsgAnnoQuattroCifre.data(),
                                            static_cast<qsizetype>(kMsgAnnoQuattroCifre.size())));
        if (auto* box = findChild<QLineEdit*>(QStringLiteral("txtAnnoFatture"))) {
            box->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    editor_.OpenYear(year);
    SetFormText(*this, "lblMemory", QLatin1String(kTagRicevute));
    close();
}

void TfrmMenuRicevute::btnApriRiepStatsClick() {
    SetFormText(*this, "lblMemory", QLatin1String(kTagStatistiche));
    close();
}

void TfrmMenuRicevute::OpenLogo() {
    TfrmLogo logo(services_, this);
    logo.exec();
}

void TfrmMenuRicevute::closeEvent(QCloseEvent* event) {
    const QString tag = FormText(*this, "lblMemory");
    QWidget* next = nullptr;
    if (tag == QLatin1String(kTagRicevute)) next = &editor_;
    if (tag == QLatin1String(kTagStatistiche)) next = statistics_;
    if (!next) {
        WorkAreaWindow::closeEvent(event);
        return;
    }
    event->accept();
    ShowMaximised(next);
    hide();
}

}  // namespace corvelo
