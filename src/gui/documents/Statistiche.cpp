#include "gui/documents/Statistiche.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/app/help_pages.h"
#include "core/documents/receipt_statistics.h"
#include "gui/app/Guida.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/text.h"
#include "gui/report/chart_painter.h"

namespace corvelo {
namespace {

constexpr BoxRule kBoxes[] = {{"txtAnno", BoxKind::Digits, 4}};
constexpr EnterStep kEnter[] = {{"txtAnno", "btnApri"}};
constexpr HintRule kHints[] = {
    {"btnBarre",
     "Visualizza le statistiche degli incassi sotto forma di grafico a barre tridimensionali."},
    {"btnTorta",
     "Visualizza le statistiche degli incassi sotto forma di grafico a torta tridimensionale."},
    {"btnStampa", "Stampa il grafico corrente."},
    {"btnEsci", "Esci da questo ambiente di lavoro."},
    {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
};

// Only the height is fixed; each button sets its own width.
constexpr QSize kButtonSize(0, 32);

const QString kIdleHint = QStringLiteral("Grafico statistico degli incassi annuali.");

// Moving the mouse over the chart clears the hint line, as the background
// does.
class ClearHintOnMove : public QObject {
  public:
    ClearHintOnMove(QLabel* panInfo, QObject* parent) : QObject(parent), panInfo_(panInfo) {}

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && !panInfo_->text().isEmpty()) panInfo_->clear();
        return false;
    }

  private:
    QLabel* panInfo_;
};

}  // namespace

TfrmStatistiche::TfrmStatistiche(Services& services, AppShell& shell, QWidget* parent)
    : WorkAreaWindow(shell, parent), services_(services) {
    setObjectName(QStringLiteral("TfrmStatistiche"));
    setWindowTitle(QStringLiteral(" Corvelo - Statistiche ricevute emesse"));
    setFont(look::Base());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    lblFile_ = MakeHiddenLabel(QStringLiteral("lblFile"), this);
    for (const StatisticsMonth& m : kStatisticsMonths) {
        MakeHiddenLabel(Q(m.memory), this)->setText(QStringLiteral("0"));
    }

    // The year panel.
    panAvvio_ = new QWidget(this);
    panAvvio_->setObjectName(QStringLiteral("panAvvio"));
    panAvvio_->setAutoFillBackground(true);
    {
        QPalette p = panAvvio_->palette();
        p.setColor(QPalette::Window, QColor(look::kPanelColour));
        panAvvio_->setPalette(p);
    }
    {
        auto* banner = new QWidget(panAvvio_);
        banner->setObjectName(QStringLiteral("imgTitolo"));
        banner->setAttribute(Qt::WA_StyledBackground);
        banner->setStyleSheet(
            QStringLiteral("QWidget#imgTitolo { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                           " stop:0 #2A5F9E, stop:1 #1F4E8C); border-radius: 6px; }"));
        auto* icon = new PictureButton(QStringLiteral("imgStatistiche"),
                                       QStringLiteral(":/pictures/statistiche.svg"), QSize(56, 56),
                                       {}, banner);
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        icon->setFocusPolicy(Qt::NoFocus);
        auto* words = new QLabel(QStringLiteral("STATISTICHE RICEVUTE EMESSE"), banner);
        QFont big(QStringLiteral("Verdana"), 20);
        big.setBold(true);
        words->setFont(big);
        words->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        auto* row = new QHBoxLayout(banner);
        row->setContentsMargins(20, 14, 28, 14);
        row->setSpacing(16);
        row->addWidget(icon);
        row->addWidget(words);

        auto* instruction =
            MakeLabel(QStringLiteral("lblIstruzioni"),
                      QStringLiteral("Indicare l'anno solare e premere Apri."), panAvvio_);
        QFont f = look::Base();
        f.setPointSize(11);
        instruction->setFont(f);

        txtAnno_ = MakeBox(QStringLiteral("txtAnno"), panAvvio_);
        QFont yearFont(QStringLiteral("Verdana"), 22);
        yearFont.setBold(true);
        txtAnno_->setFont(yearFont);
        txtAnno_->setAlignment(Qt::AlignCenter);
        txtAnno_->setFixedWidth(150);
        auto* btnApri =
            MakeButton(QStringLiteral("btnApri"), QStringLiteral("Apri"), panAvvio_, kButtonSize);
        btnApri->setMinimumWidth(110);
        btnApri->setMinimumHeight(txtAnno_->sizeHint().height());
        connect(btnApri, &QPushButton::clicked, this, [this] { btnApriClick(); });

        auto* yearRow = new QHBoxLayout;
        yearRow->addStretch(1);
        yearRow->addWidget(txtAnno_);
        yearRow->addSpacing(12);
        yearRow->addWidget(btnApri);
        yearRow->addStretch(1);

        static constexpr PictureEntry kPictures[] = {{"imgGuida", ":/pictures/guida.svg", "Guida"},
                                                     {"imgEsci", ":/pictures/esci.svg", "Esci"}};
        auto* pictures = MakePictureRow(kPictures, panAvvio_);
        pictures->insertStretch(0, 1);
        pictures->addStretch(1);

        auto* column = new QVBoxLayout(panAvvio_);
        column->addStretch(2);
        column->addWidget(banner, 0, Qt::AlignHCenter);
        column->addSpacing(36);
        column->addWidget(instruction, 0, Qt::AlignHCenter);
        column->addSpacing(14);
        column->addLayout(yearRow);
        column->addSpacing(36);
        column->addLayout(pictures);
        column->addStretch(3);
    }

    // The chart panel.
    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    QLabel* panInfo = nullptr;
    {
        QWidget* head = MakeHeaderBand(panContainer_);
        lblTitolo_ = MakeLabel(QStringLiteral("lblTitolo"), {}, head);
        lblTitolo_->setFont(look::Heading());
        auto* line1 = MakeLabel(QStringLiteral("lblRiga1"),
                                QStringLiteral("Il presente grafico statistico mostra gli incassi "
                                               "relativi a ciascun mese dell'anno in base alle "
                                               "ricevute emesse."),
                                head);
        auto* line2 = MakeLabel(QStringLiteral("lblRiga2"),
                                QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il "
                                               "tipo di grafico desiderato e per mandarlo in "
                                               "stampa."),
                                head);
        auto* cmdGuida =
            new PictureButton(QStringLiteral("cmdGuida"), QStringLiteral(":/pictures/guida.svg"),
                              QSize(40, 40), {}, head);
        connect(cmdGuida, &QAbstractButton::clicked, this,
                [this] { ShowHelp(this, services_, HelpTopic::Statistiche); });
        auto* words = new QVBoxLayout;
        words->setSpacing(3);
        words->addWidget(lblTitolo_);
        words->addWidget(line1);
        words->addWidget(line2);
        auto* headRow = new QHBoxLayout(head);
        headRow->setContentsMargins(16, 10, 16, 10);
        headRow->addLayout(words, 1);
        headRow->addWidget(cmdGuida, 0, Qt::AlignVCenter);

        chart_ = new ChartView(QStringLiteral("ChartStats"), panContainer_);
        chart_->SetChart(report::StatisticsChartFrame(kind_));

        auto* btnTorta =
            MakeButton(QStringLiteral("btnTorta"), QStringLiteral("Visualizza grafico a torta"),
                       panContainer_, kButtonSize);
        auto* btnBarre =
            MakeButton(QStringLiteral("btnBarre"), QStringLiteral("Visualizza grafico a barre"),
                       panContainer_, kButtonSize);
        auto* btnStampa = MakeButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa grafico"),
                                     panContainer_, kButtonSize);
        auto* btnEsci = MakeButton(QStringLiteral("btnEsci"), QStringLiteral("Esci"), panContainer_,
                                   kButtonSize);
        for (QPushButton* b : {btnTorta, btnBarre, btnStampa, btnEsci}) b->setMinimumWidth(200);
        connect(btnTorta, &QPushButton::clicked, this, [this] { btnTortaClick(); });
        connect(btnBarre, &QPushButton::clicked, this, [this] { btnBarreClick(); });
        connect(btnStampa, &QPushButton::clicked, this, [this] { btnStampaClick(); });
        connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);

        auto* buttons = new QHBoxLayout;
        buttons->setContentsMargins(16, 6, 16, 10);
        buttons->setSpacing(12);
        buttons->addStretch(1);
        buttons->addWidget(btnTorta);
        buttons->addWidget(btnBarre);
        buttons->addWidget(btnStampa);
        buttons->addSpacing(24);
        buttons->addWidget(btnEsci);
        buttons->addStretch(1);

        panInfo = MakeStatusLine(kIdleHint, panContainer_);

        auto* column = new QVBoxLayout(panContainer_);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        column->addWidget(head);
        column->addWidget(chart_, 1);
        column->addLayout(buttons);
        column->addWidget(panInfo);
    }

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(panAvvio_);
    page->addWidget(panContainer_);
    panContainer_->hide();

    AttachConventions(this, {kBoxes, kEnter, kHints});
    chart_->setMouseTracking(true);
    chart_->installEventFilter(new ClearHintOnMove(panInfo, chart_));

    auto* imgGuida = findChild<QWidget*>(QStringLiteral("imgGuida"));
    auto* imgEsci = findChild<QWidget*>(QStringLiteral("imgEsci"));
    if (auto* b = qobject_cast<QAbstractButton*>(imgGuida)) {
        connect(b, &QAbstractButton::clicked, this,
                [this] { ShowHelp(this, services_, HelpTopic::Statistiche); });
    }
    if (auto* b = qobject_cast<QAbstractButton*>(imgEsci)) {
        connect(b, &QAbstractButton::clicked, this, &QWidget::close);
    }
}

void TfrmStatistiche::showEvent(QShowEvent* event) {
    WorkAreaWindow::showEvent(event);
    if (event->spontaneous()) return;  // a window manager restoring it is no new visit
    txtAnno_->setText(QStringLiteral("%1").arg(services_.Today().year(), 4, 10, QLatin1Char('0')));
    chart_->ClearPoints();
    panContainer_->hide();
    panAvvio_->show();
    txtAnno_->setFocus();
}

void TfrmStatistiche::btnApriClick() {
    const std::string year = txtAnno_->text().toStdString();
    if (const auto warning = CheckStatisticsYear(year)) {
        services_.Show(*warning);
        txtAnno_->setFocus();
        return;
    }
    const QString trimmed = txtAnno_->text().trimmed();
    lblFile_->setText(services_.DataPath(trimmed + QStringLiteral(".ric")));
    lblTitolo_->setText(QString::fromStdString(StatisticsTitle(year)));
    for (const StatisticsMonth& m : kStatisticsMonths) {
        findChild<QLabel*>(Q(m.memory))->setText(QStringLiteral("0"));
    }

    const StatisticsResult result = BuildStatistics(FsPath(lblFile_->text()), year);
    if (!result.ok()) {
        // Partial totals are never shown as if they were the year's.
        services_.Show(result.notice);
        return;
    }

    for (std::size_t i = 0; i < kStatisticsMonths.size(); ++i) {
        findChild<QLabel*>(Q(kStatisticsMonths[i].memory))->setText(Q(result.labels[i]));
    }
    chart_->SetChart(StatisticsChart(result, kind_));
    panAvvio_->hide();
    panContainer_->show();
}

void TfrmStatistiche::SetKind(report::ChartKind kind) {
    kind_ = kind;
    chart_->SetKind(kind);
}

void TfrmStatistiche::btnBarreClick() {
    SetKind(report::ChartKind::Bars);
}

void TfrmStatistiche::btnTortaClick() {
    SetKind(report::ChartKind::Pie);
}

void TfrmStatistiche::btnStampaClick() {
    if (services_.AnsweredNo(QStringLiteral("Si vuole stampare il presente grafico statistico?"))) {
        return;
    }
    const std::optional<QString> answer = services_.InputBox(
        QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"), QStringLiteral("1"));
    if (!answer) return;
    const int copies = CopiesFromText(Utf8(*answer));
    // No copies: nothing to print, and no dialog could propose 0 of them.
    if (copies <= 0) return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Q(kStatisticsChartTitle));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(copies);
    if (!services_.PrintDialog(printer)) return;
    // Each copy is a print of its own, so the printer must not repeat them.
    const int chosen = printer.copyCount();
    printer.setCopyCount(1);
    printer.setPageOrientation(QPageLayout::Landscape);
    const report::Chart chart = chart_->chart();
    for (int i = 0; i < chosen; ++i) {
        services_.Print(printer, [&chart](QPrinter& p) { PaintChartPage(p, chart); });
    }
}

}  // namespace corvelo
