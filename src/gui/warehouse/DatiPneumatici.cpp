#include "gui/warehouse/DatiPneumatici.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <vector>

#include "core/warehouse/item_card.h"
#include "gui/app/conventions.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/card_form.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

const std::vector<BoxRule>& BoxRules() {
    static const std::vector<BoxRule> rules = [] {
        std::vector<BoxRule> out;
        for (const ExtraDataBox& b : kExtraDataBoxes) {
            out.push_back({b.control.data(), BoxKind::Plain, int(kExtraDataMaxChars)});
        }
        return out;
    }();
    return rules;
}

const std::vector<EnterStep>& EnterSteps() {
    static const std::vector<EnterStep> steps = [] {
        std::vector<EnterStep> out;
        for (const ExtraDataBox& b : kExtraDataBoxes) {
            out.push_back({b.control.data(), b.next.data()});
        }
        return out;
    }();
    return steps;
}

}  // namespace

TfrmDatiPneumatici::TfrmDatiPneumatici(Services&, QWidget& card, QWidget* parent)
    : QDialog(parent), card_(card) {
    setObjectName(QStringLiteral("TfrmDatiPneumatici"));
    setWindowTitle(Q(kExtraDataCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    auto* picture = new PictureButton(
        QStringLiteral("imgInfo"), QStringLiteral(":/pictures/info.svg"), QSize(96, 96), {}, this);
    picture->setEnabled(true);
    picture->setCursor(Qt::ArrowCursor);

    auto* instruction = new QLabel(Q(kExtraDataInstruction), this);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);

    // Two rows of two boxes, each box under its caption.
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(16);
    boxes->setVerticalSpacing(4);
    for (std::size_t i = 0; i < kExtraDataBoxes.size(); ++i) {
        const ExtraDataBox& b = kExtraDataBoxes[i];
        const int row = int(i / 2) * 2;
        const int column = int(i % 2);
        auto* caption = MakeLabel(QStringLiteral("tit") + Q(b.control).mid(3), Q(b.caption), this);
        QLineEdit* box = MakeBox(Q(b.control), this);
        box->setMinimumHeight(26);
        box->setText(FormText(card_, b.label).trimmed());
        boxes->addWidget(caption, row, column);
        boxes->addWidget(box, row + 1, column);
    }
    boxes->setRowMinimumHeight(1, 34);
    boxes->setAlignment(Qt::AlignTop);

    auto* applica =
        MakeButton(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    auto* annulla = MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(applica);
    buttons->addWidget(annulla);

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    right->addWidget(instruction);
    right->addLayout(boxes);
    right->addStretch(1);
    right->addLayout(buttons);

    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(16, 16, 16, 14);
    page->setSpacing(18);
    page->addWidget(picture, 0, Qt::AlignTop);
    page->addLayout(right, 1);

    AttachConventions(this, {BoxRules(), EnterSteps(), {}});
    connect(applica, &QPushButton::clicked, this, &TfrmDatiPneumatici::btnApplicaClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);

    MakeFixedDialog(this, QSize(654, 317));
}

void TfrmDatiPneumatici::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (auto* first = findChild<QLineEdit*>(Q(kExtraDataBoxes[0].control))) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmDatiPneumatici::btnApplicaClick() {
    for (const ExtraDataBox& b : kExtraDataBoxes) {
        SetFormText(card_, b.label, FormText(*this, b.control).trimmed());
    }
    accept();
}

}  // namespace corvelo
