#include "gui/warehouse/Giacenza.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/warehouse/item_card.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/card_form.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

constexpr BoxRule kBoxes[] = {
    {"txtGiacenza", BoxKind::Digits, 0},
    {"txtAggiunta", BoxKind::Digits, int(kStockQuantityMaxChars)},
};

constexpr EnterStep kEnter[] = {
    {"txtGiacenza", "txtAggiunta"},
    {"txtAggiunta", "btnTotale"},
};

// A stock box that already holds more than it should is emptied by the next
// key that would type into it.
class OverlongStockFilter : public QObject {
  public:
    explicit OverlongStockFilter(QLineEdit* box) : QObject(box), box_(box) {
        box->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
            case Qt::Key_Left:
            case Qt::Key_Right:
                return false;
            default:
                break;
        }
        if (StockKeyEmptiesBox(Utf8(box_->text()))) box_->clear();
        return false;
    }

  private:
    QLineEdit* box_;
};

QLineEdit* MakeNumberBox(const char* name, QWidget* parent) {
    QLineEdit* box = MakeBox(QLatin1String(name), parent);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(140);
    box->setMinimumHeight(26);
    return box;
}

}  // namespace

TfrmGiacenza::TfrmGiacenza(Services& services, QWidget& card, QWidget* parent)
    : QDialog(parent), services_(services), card_(card) {
    setObjectName(QStringLiteral("TfrmGiacenza"));
    setWindowTitle(Q(kStockWindowCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    QWidget* banner =
        MakeBanner(QStringLiteral(":/pictures/piu.svg"), QStringLiteral("GIACENZA"), this);

    txtGiacenza_ = MakeNumberBox("txtGiacenza", this);
    txtAggiunta_ = MakeNumberBox("txtAggiunta", this);
    txtTotale_ = MakeNumberBox("txtTotale", this);
    txtTotale_->setReadOnly(true);
    txtTotale_->setFocusPolicy(Qt::NoFocus);
    QFont bold = txtTotale_->font();
    bold.setBold(true);
    txtTotale_->setFont(bold);
    txtTotale_->setStyleSheet(QStringLiteral("QLineEdit { color: crimson; background: #F4F6FA; }"));

    auto* titGiacenza =
        MakeLabel(QStringLiteral("titGiacenza"), QStringLiteral("Giacenza attuale:"), this);
    lblAggiunta_ = MakeLabel(QStringLiteral("lblAggiunta"), Q(kLabelAggiungi), this);
    auto* btnTotale = MakeButton(QStringLiteral("btnTotale"), QStringLiteral("Calcola totale"),
                                 this, QSize(140, 28));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(titGiacenza, 0, 0);
    grid->addWidget(txtGiacenza_, 0, 1);
    grid->addWidget(lblAggiunta_, 1, 0);
    grid->addWidget(txtAggiunta_, 1, 1);
    grid->addWidget(btnTotale, 2, 0, Qt::AlignRight);
    grid->addWidget(txtTotale_, 2, 1);
    grid->setColumnStretch(0, 1);

    auto* btnAggiorna =
        MakeButton(QStringLiteral("btnAggiorna"), QStringLiteral("Applica e chiudi"), this);
    auto* btnChiudi = MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Annulla"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnAggiorna);
    buttons->addWidget(btnChiudi);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(20, 16, 20, 14);
    body->setSpacing(12);
    body->addLayout(grid);
    body->addStretch(1);
    body->addLayout(buttons);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(banner);
    page->addLayout(body, 1);

    // Key filters and the Enter chain, without the focus highlight.
    auto* kit = new ScreenKit(this);
    kit->Boxes(kBoxes).EnterChain(kEnter);
    for (QLineEdit* box : {txtGiacenza_, txtAggiunta_}) {
        kit->OnLeave(box->objectName(), [box] {
            box->setText(Q(LeaveItemBox(ItemBoxKind::kWholeNumber, Utf8(box->text()))));
        });
    }
    new OverlongStockFilter(txtGiacenza_);

    connect(btnTotale, &QPushButton::clicked, this, &TfrmGiacenza::btnTotaleClick);
    connect(btnAggiorna, &QPushButton::clicked, this, &TfrmGiacenza::btnAggiornaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    MakeFixedDialog(this, QSize(364, 339));
}

void TfrmGiacenza::Prepare(std::string_view label) {
    lblAggiunta_->setText(Q(label));
    if (auto* picture = findChild<PictureButton*>(QStringLiteral("imgBanner"))) {
        picture->SetPicture(label == kLabelSottrai ? QStringLiteral(":/pictures/meno.svg")
                                                   : QStringLiteral(":/pictures/piu.svg"));
    }
    Show(OpenStockWindow(Utf8(FormText(card_, "txtGiacenza"))));
    txtAggiunta_->setFocus(Qt::OtherFocusReason);
}

StockWindowTexts TfrmGiacenza::Texts() const {
    return {Utf8(txtGiacenza_->text()), Utf8(txtAggiunta_->text()), Utf8(txtTotale_->text())};
}

void TfrmGiacenza::Show(const StockWindowTexts& texts) {
    txtGiacenza_->setText(Q(texts.giacenza));
    txtAggiunta_->setText(Q(texts.aggiunta));
    txtTotale_->setText(Q(texts.totale));
}

void TfrmGiacenza::btnTotaleClick() {
    Show(CalculateStockTotal(Utf8(lblAggiunta_->text()), Texts()).texts);
}

void TfrmGiacenza::btnAggiornaClick() {
    const StockApply apply = ApplyStock(Utf8(lblAggiunta_->text()), Texts());
    Show(apply.texts);
    services_.Show(apply.notice);
    if (!apply.applied) return;
    SetFormText(card_, "txtGiacenza", Q(apply.card_stock));
    accept();
}

}  // namespace corvelo
