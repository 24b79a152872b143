#include "gui/documents/summary_screen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/app/Guida.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/documents/editor_archive.h"
#include "gui/documents/receipt_form.h"
#include "gui/kit/buttons.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

constexpr QSize kButtonSize(140, 30);

struct KindTexts {
    const char* name;
    const char* caption;
    const char* banner;
    const char* picture;
    const char* instruction;
};

KindTexts TextsOf(SummaryKind kind) {
    switch (kind) {
        case SummaryKind::kMonthly:
            return {"TfrmRiepMensile", " Corvelo - Riepilogo mensile ricevute emesse",
                    "RIEPILOGO MENSILE", ":/pictures/riepilogo_m.svg",
                    "Selezionare un mese dell'anno e premere Visualizza."};
        case SummaryKind::kQuarterly:
            return {"TfrmRiepTrimestrale", " Corvelo - Riepilogo trimestrale ricevute emesse",
                    "RIEPILOGO TRIMESTRALE", ":/pictures/riepilogo_t.svg",
                    "Selezionare un trimestre dell'anno e premere Visualizza."};
        case SummaryKind::kAnnual:
            break;
    }
    return {"TfrmRiepAnnuale", " Corvelo - Riepilogo annuale ricevute emesse", "RIEPILOGO ANNUALE",
            ":/pictures/riepilogo_a.svg", ""};
}

QFont TotalsFont() {
    QFont font(QStringLiteral("Verdana"), 12);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    return font;
}

}  // namespace

SummaryScreen::SummaryScreen(Services& services, QWidget& editor, SummaryKind kind, QWidget* parent)
    : QDialog(parent), services_(services), editor_(editor), kind_(kind) {
    const KindTexts texts = TextsOf(kind_);
    setObjectName(QLatin1String(texts.name));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setFont(look::Base());
    setModal(true);

    results_ = new ListScreen(
        services_, this, {MessageKind::Information, false, QStringLiteral("Stampa riepilogo")});
    results_->SetReport([this] {
        // The list as shown, then the separator and the totals.
        ListReportContent content{SummaryReportTitle(shown_), results_->Lines()};
        for (std::string& line : SummaryReportBody(shown_))
            content.lines.push_back(std::move(line));
        return content;
    });

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    if (kind_ != SummaryKind::kAnnual) page->addWidget(BuildSelectionPanel(), 1);
    page->addWidget(BuildResultPanel(), 1);

    // Sized to the screen as well, for desktops that do not maximise.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setWindowState(Qt::WindowMaximized);
    if (kind_ == SummaryKind::kAnnual) {
        btnVisualizzaClick();
    } else {
        panContainer_->hide();
    }
}

QWidget* SummaryScreen::BuildSelectionPanel() {
    const KindTexts texts = TextsOf(kind_);
    panSelezione_ = new QWidget(this);
    panSelezione_->setObjectName(QStringLiteral("panSelezione"));

    auto* card = new QWidget(panSelezione_);
    card->setObjectName(QStringLiteral("panScelta"));
    card->setAttribute(Qt::WA_StyledBackground);
    card->setStyleSheet(QStringLiteral("#panScelta { background: %1; border: 1px solid #B8C6DB; "
                                       "border-radius: 6px; }")
                            .arg(QLatin1String(look::kPanelColour)));
    card->setFixedWidth(620);

    auto* imgTitolo = new PictureButton(QStringLiteral("imgTitolo"), QLatin1String(texts.picture),
                                        QSize(56, 56), {}, card);
    imgTitolo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* title = MakeLabel(QStringLiteral("titRiepilogo"), QLatin1String(texts.banner), card);
    QFont titleFont = look::Heading();
    titleFont.setPointSize(20);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(look::kHeaderColour)));
    auto* header = new QHBoxLayout;
    header->addWidget(imgTitolo);
    header->addSpacing(10);
    header->addWidget(title);
    header->addStretch(1);

    cboSelezione_ = new QComboBox(card);
    cboSelezione_->setObjectName(QStringLiteral("cboSelezione"));
    QFont choiceFont = look::Base();
    choiceFont.setPointSize(11);
    cboSelezione_->setFont(choiceFont);
    cboSelezione_->setMinimumHeight(30);
    if (kind_ == SummaryKind::kMonthly) {
        for (std::string_view choice : kSummaryMonthChoices) cboSelezione_->addItem(Q(choice));
    } else {
        for (std::string_view choice : kSummaryQuarterChoices) cboSelezione_->addItem(Q(choice));
    }
    cboSelezione_->setCurrentIndex(0);
    lblAnno_ = MakeLabel(QStringLiteral("lblAnno"), {}, card);
    QFont yearFont = look::Heading();
    yearFont.setPointSize(22);
    lblAnno_->setFont(yearFont);
    auto* choice = new QHBoxLayout;
    choice->addWidget(cboSelezione_, 1);
    choice->addSpacing(16);
    choice->addWidget(lblAnno_);

    auto* lblApri =
        MakeLabel(QStringLiteral("lblApri"), QString::fromUtf8(texts.instruction), card);
    auto* btnVisualizza = MakeButton(QStringLiteral("btnVisualizza"), QStringLiteral("Visualizza"),
                                     card, kButtonSize);
    static constexpr PictureEntry kPictures[] = {
        {"icoGuida", ":/pictures/guida.svg", "Guida"},
        {"icoEsci", ":/pictures/esci.svg", "Esci"},
    };
    auto* buttons = MakePictureRow(kPictures, card, QSize(36, 36));
    buttons->insertWidget(0, btnVisualizza, 0, Qt::AlignVCenter);
    buttons->insertStretch(1, 1);

    auto* inside = new QVBoxLayout(card);
    inside->setContentsMargins(28, 22, 28, 18);
    inside->setSpacing(14);
    inside->addLayout(header);
    inside->addLayout(choice);
    inside->addWidget(lblApri);
    inside->addLayout(buttons);

    auto* outer = new QVBoxLayout(panSelezione_);
    outer->addStretch(1);
    outer->addWidget(card, 0, Qt::AlignHCenter);
    outer->addStretch(2);

    connect(btnVisualizza, &QPushButton::clicked, this, &SummaryScreen::btnVisualizzaClick);
    connect(findChild<QAbstractButton*>(QStringLiteral("icoGuida")), &QAbstractButton::clicked,
            this, &SummaryScreen::ShowHelpPage);
    connect(findChild<QAbstractButton*>(QStringLiteral("icoEsci")), &QAbstractButton::clicked, this,
            &QDialog::reject);
    return panSelezione_;
}

QWidget* SummaryScreen::BuildResultPanel() {
    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));

    auto* typeCaption = MakeLabel(QStringLiteral("lblTipologia"),
                                  QStringLiteral("Tipologia riepilogo:"), panContainer_);
    typeCaption->setFont(look::Heading());
    titTipologia_ = MakeLabel(QStringLiteral("titTipologia"), {}, panContainer_);
    titTipologia_->setFont(look::Heading());
    titTipologia_->setStyleSheet(
        QStringLiteral("color: %1;").arg(QLatin1String(look::kHeaderColour)));
    auto* top = new QHBoxLayout;
    top->addWidget(typeCaption);
    top->addSpacing(8);
    top->addWidget(titTipologia_, 1);

    auto* imgGuida =
        new PictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/pictures/guida.svg"),
                          QSize(36, 36), {}, panContainer_);
    QLayout* findRow = results_->MakeFindRow();
    auto* findLine = new QHBoxLayout;
    findLine->addLayout(findRow, 1);
    findLine->addWidget(imgGuida);

    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(16);
    totals->setVerticalSpacing(4);
    for (int i = 0; i < 4; ++i) {
        const SummaryCaption& cap = kSummaryCaptions[static_cast<std::size_t>(i)];
        const QString name = Q(cap.label);
        auto* caption =
            MakeLabel(QStringLiteral("tit") + name.mid(3), Q(cap.caption), panContainer_);
        caption->setFont(TotalsFont());
        totals_[i] = MakeLabel(name, QStringLiteral("0,00"), panContainer_);
        totals_[i]->setFont(TotalsFont());
        totals_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals_[i]->setMinimumWidth(200);
        if (i == kTotCorrispettivi) {
            caption->setStyleSheet(QStringLiteral("color: maroon;"));
            totals_[i]->setStyleSheet(QStringLiteral("color: maroon;"));
        }
        totals->addWidget(caption, i, 0);
        totals->addWidget(totals_[i], i, 1);
    }
    auto* btnEsci =
        MakeButton(QStringLiteral("btnEsci"), QStringLiteral("Esci"), panContainer_, kButtonSize);
    results_->PrintButton()->setMinimumSize(160, 30);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(results_->PrintButton());
    buttons->addWidget(btnEsci);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(totals);
    bottom->addStretch(1);
    bottom->addLayout(buttons);

    panInfo_ = MakeStatusLine({}, panContainer_);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(10);
    body->addLayout(top);
    body->addLayout(findLine);
    body->addWidget(results_->List(), 1);
    body->addLayout(bottom);
    auto* page = new QVBoxLayout(panContainer_);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addLayout(body, 1);
    page->addWidget(panInfo_);

    OnClick(imgGuida, [this] { ShowHelpPage(); });
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
    return panContainer_;
}

void SummaryScreen::btnVisualizzaClick() {
    results_->ForgetFindKey();
    results_->Clear();
    for (QLabel* total : totals_) total->setText(QStringLiteral("0,00"));

    SummaryRequest request;
    request.kind = kind_;
    if (cboSelezione_) request.choice = cboSelezione_->currentText().toStdString();
    // The annual screen takes the year from the editor itself.
    const QString year =
        kind_ == SummaryKind::kAnnual ? FormText(editor_, "lblAnno") : lblAnno_->text();
    request.year = year.trimmed().toStdString();

    SummaryResult summary = BuildSummary(EditorArchive(editor_, services_), request);
    if (!summary.ok()) {
        shown_ = SummaryResult{};
        shown_.totals = {"0,00", "0,00", "0,00", "0,00"};
        services_.Error(QString::fromStdString(summary.notice.text));
        return;
    }
    ShowSummary(summary);
}

void SummaryScreen::ShowSummary(const SummaryResult& summary) {
    results_->SetLines(summary.lines);
    shown_.title = summary.title;
    shown_.totals = summary.totals;
    shown_.info = summary.info;
    titTipologia_->setText(QString::fromStdString(summary.title));
    for (int i = 0; i < 4; ++i) totals_[i]->setText(QString::fromStdString(summary.totals[i]));
    panInfo_->setText(QString::fromStdString(summary.info));
    if (panSelezione_) panSelezione_->hide();
    panContainer_->show();
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
}

void SummaryScreen::ShowHelpPage() {
    ShowHelp(this, services_, HelpTopic::Riepiloghi);
}

void SummaryScreen::done(int result) {
    results_->Clear();
    QDialog::done(result);
}

}  // namespace corvelo
