#include "gui/receipts/receipt_lines.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "gui/app/widgets.h"
#include "gui/kit/panels.h"

namespace corvelo {

namespace {

constexpr int kLines = 30;
constexpr int kPerPage = 10;

constexpr const char* kWarehouseHint = "Importa i dati dal magazzino dei prodotti e servizi.";
constexpr const char* kNextHint = "Visualizza i prodotti e servizi successivi.";
constexpr const char* kPreviousHint = "Visualizza i prodotti e servizi precedenti.";

// The page arrows: control, picture, page it shows, box it focuses.
struct Arrow {
    const char* name;
    int onPage;
    bool forward;
    int toPage;
    const char* focus;
};
constexpr Arrow kArrows[] = {
    {"imgAvanti_A", 1, true, 2, "txtDesc11"},
    {"imgIndietro_B", 2, false, 1, "txtDesc01"},
    {"imgAvanti_B", 2, true, 3, "txtDesc21"},
    {"imgIndietro_C", 3, false, 2, "txtDesc11"},
};

// Names live as long as the program, so the tables can hand out char pointers.
struct LineTables {
    std::vector<std::string> names;
    std::vector<BoxRule> boxes;
    std::vector<EnterStep> enter;
    std::vector<HintRule> hints;

    LineTables() {
        names.reserve(4 * kLines);
        auto name = [this](const QString& text) {
            names.push_back(text.toStdString());
            return names.back().c_str();
        };
        for (int n = 1; n <= kLines; ++n) {
            const char* desc = name(QStringLiteral("txtDesc") + LineNumber(n));
            const char* prezzo = name(QStringLiteral("txtPrezzo") + LineNumber(n));
            const char* mag = name(QStringLiteral("impMag") + LineNumber(n));
            boxes.push_back({desc, BoxKind::Plain, 55});
            boxes.push_back({prezzo, BoxKind::LineAmount, 10});
            enter.push_back({desc, prezzo});
            hints.push_back({mag, kWarehouseHint});
        }
        for (int n = 1; n <= kLines; ++n) {
            const char* prezzo = boxes[2 * (n - 1) + 1].name;
            enter.push_back({prezzo, n % kPerPage == 0 ? "txtAcconti" : boxes[2 * n].name});
        }
        for (const Arrow& a : kArrows)
            hints.push_back({a.name, a.forward ? kNextHint : kPreviousHint});
    }
};

// The line (1 to 30) of a line box; 0 for any other control.
int LineOfBox(const QString& control) {
    for (const QString& prefix : {QStringLiteral("txtDesc"), QStringLiteral("txtPrezzo")}) {
        if (!control.startsWith(prefix) || control.size() != prefix.size() + 2) continue;
        bool number = false;
        const int line = control.mid(prefix.size()).toInt(&number);
        return number && line >= 1 && line <= kLines ? line : 0;
    }
    return 0;
}

const LineTables& Tables() {
    static const LineTables tables;
    return tables;
}

}  // namespace

QString LineNumber(int line) {
    return QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}

std::span<const BoxRule> LineBoxRules() {
    return Tables().boxes;
}
std::span<const EnterStep> LineEnterSteps() {
    return Tables().enter;
}
std::span<const HintRule> LineHints() {
    return Tables().hints;
}

ReceiptLinePages::ReceiptLinePages(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("bkgRighe"));
    QFrame* frame = MakePanelFrame(QStringLiteral("panRighe"),
                                   QStringLiteral("Righe della ricevuta"), {}, this);
    auto* frameColumn = static_cast<QVBoxLayout*>(frame->layout());
    // The page shown, at the right end of the heading.
    pageLabel_ = MakeLabel(QStringLiteral("lblPagina"), {}, frame);
    pageLabel_->setStyleSheet(QStringLiteral("color: #555555;"));
    static_cast<QHBoxLayout*>(frameColumn->itemAt(0)->layout())->addWidget(pageLabel_);
    stack_ = new QStackedWidget(frame);
    for (int page = 1; page <= 3; ++page) stack_->addWidget(MakePage(page));
    frameColumn->addWidget(stack_, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(frame);
    ShowPage(1);
}

QWidget* ReceiptLinePages::MakePage(int page) {
    auto* group = new QGroupBox;
    group->setObjectName(QStringLiteral("grpPage") + LineNumber(page));
    group->setStyleSheet(QStringLiteral("QGroupBox#%1 { border: none; margin: 0; padding: 0; }")
                             .arg(group->objectName()));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    grid->addWidget(MakeLabel(QStringLiteral("titDesc") + LineNumber(page),
                              QStringLiteral("Descrizione:"), group),
                    0, 1);
    auto* importo = MakeLabel(QStringLiteral("titPrezzo") + LineNumber(page),
                              QStringLiteral("Importo:"), group);
    importo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(importo, 0, 2);
    for (int i = 1; i <= kPerPage; ++i) {
        const int n = (page - 1) * kPerPage + i;
        auto* number = MakeLabel(QStringLiteral("lblRiga") + LineNumber(n),
                                 QStringLiteral("%1.").arg(n), group);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setMinimumWidth(24);
        QLineEdit* desc = MakeBox(QStringLiteral("txtDesc") + LineNumber(n), group);
        QLineEdit* prezzo = MakeBox(QStringLiteral("txtPrezzo") + LineNumber(n), group);
        prezzo->setFixedWidth(110);
        prezzo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* mag =
            new PictureButton(QStringLiteral("impMag") + LineNumber(n),
                              QStringLiteral(":/pictures/importa.svg"), QSize(20, 20), {}, group);
        connect(mag, &PictureButton::clicked, this, [this, n] { emit WarehouseRequested(n); });
        grid->addWidget(number, i, 0);
        grid->addWidget(desc, i, 1);
        grid->addWidget(prezzo, i, 2);
        grid->addWidget(mag, i, 3);
    }

    auto* arrows = new QHBoxLayout;
    arrows->setContentsMargins(0, 2, 0, 0);
    for (const Arrow& a : kArrows) {
        if (a.onPage != page) continue;
        auto* arrow = new PictureButton(QLatin1String(a.name),
                                        a.forward ? QStringLiteral(":/pictures/avanti.svg")
                                                  : QStringLiteral(":/pictures/indietro.svg"),
                                        QSize(22, 22), {}, group);
        auto* caption = new QLabel(
            a.forward ? QStringLiteral("Righe successive") : QStringLiteral("Righe precedenti"),
            group);
        caption->setStyleSheet(QStringLiteral("color: #555555;"));
        const int to = a.toPage;
        const QString focus = QLatin1String(a.focus);
        connect(arrow, &PictureButton::clicked, this,
                [this, to, focus] { emit PageRequested(to, focus); });
        if (a.forward) {
            arrows->addStretch(1);
            arrows->addWidget(caption);
            arrows->addWidget(arrow);
        } else {
            arrows->addWidget(arrow);
            arrows->addWidget(caption);
        }
    }
    if (page == 3) arrows->addStretch(1);

    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addLayout(grid);
    column->addStretch(1);
    column->addLayout(arrows);
    return group;
}

void ReceiptLinePages::ShowPage(int page) {
    const int shown = qBound(1, page, 3);
    stack_->setCurrentIndex(shown - 1);
    pageLabel_->setText(QStringLiteral("Righe da %1 a %2, pagina %3 di 3")
                            .arg((shown - 1) * kPerPage + 1)
                            .arg(shown * kPerPage)
                            .arg(shown));
}

int ReceiptLinePages::CurrentPage() const {
    return stack_->currentIndex() + 1;
}

void ReceiptLinePages::RevealBox(const QString& control) {
    if (const int line = LineOfBox(control)) ShowPage((line - 1) / kPerPage + 1);
}

}  // namespace corvelo
