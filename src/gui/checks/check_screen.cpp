#include "gui/checks/check_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/checks/Carta.h"
#include "gui/checks/CodFisc.h"
#include "gui/checks/Iban.h"
#include "gui/checks/PartitaIVA.h"
#include "gui/kit/buttons.h"

namespace corvelo {
namespace {

// The key filter and typing rule of the box; the trimming of the payment
// card box, which also filters keys, is applied by the screen itself.
BoxKind KindOfBox(const CheckBoxRule& rule) {
    if (rule.digitKeys) return BoxKind::Digits;
    return rule.trimUpper ? BoxKind::Upper : BoxKind::Plain;
}

}  // namespace

CheckScreen::CheckScreen(Services& services, CheckKind kind, const Texts& texts, QWidget* parent)
    : QDialog(parent), services_(services), kind_(kind) {
    setObjectName(QString::fromLatin1(texts.name));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setFont(look::Base());

    auto* imgLogo =
        new PictureButton(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/controlla.svg"),
                          QSize(48, 48), {}, this);
    imgLogo->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgLogo->setFocusPolicy(Qt::NoFocus);

    auto* lblTitolo = MakeLabel(QStringLiteral("lblTitolo"), QString::fromUtf8(texts.title), this);
    lblTitolo->setWordWrap(true);

    box_ = MakeBox(QString::fromLatin1(texts.box), this);
    QFont bold = look::Base();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    box_->setFont(bold);
    box_->setMinimumHeight(28);

    btnControlla_ = MakeButton(QStringLiteral("btnControlla"), QStringLiteral("Controlla"), this,
                               QSize(100, 28));
    auto* btnChiudi =
        MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this, QSize(100, 28));

    auto* fields = new QVBoxLayout;
    fields->setSpacing(10);
    fields->addWidget(lblTitolo);
    fields->addWidget(box_);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(imgLogo, 0, Qt::AlignTop);
    top->addLayout(fields, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnControlla_);
    buttons->addWidget(btnChiudi);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(18, 16, 18, 14);
    page->setSpacing(14);
    page->addLayout(top);
    page->addStretch(1);
    page->addLayout(buttons);

    const CheckBoxRule rule = CheckBoxOf(kind_);
    const BoxRule boxes[] = {{texts.box, KindOfBox(rule), static_cast<int>(rule.maxLength)}};
    const EnterStep enter[] = {{texts.box, "btnControlla"}};
    AttachConventions(this, {boxes, enter, {}});

    connect(box_, &QLineEdit::textChanged, this, &CheckScreen::BoxChanged);
    connect(btnControlla_, &QPushButton::clicked, this, &CheckScreen::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    MakeFixedDialog(this, QSize(580, 150));
}

void CheckScreen::SetValue(const QString& text) {
    const int limit = static_cast<int>(CheckBoxOf(kind_).maxLength);
    box_->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    box_->setText(text);
}

QString CheckScreen::Value() const {
    return box_->text();
}

void CheckScreen::BoxChanged() {
    const QString text = box_->text();
    const QString wanted = QString::fromStdString(AfterBoxChange(kind_, text.toStdString()));
    if (wanted != text) {
        // Keep the cursor where the user is typing, less the blanks removed
        // before it. setText comes back here once, with nothing to change.
        int leading = 0;
        while (leading < text.size() && text.at(leading).isSpace()) ++leading;
        const int cursor =
            qBound(0, box_->cursorPosition() - leading, static_cast<int>(wanted.size()));
        box_->setText(wanted);
        box_->setCursorPosition(cursor);
        return;
    }
    // A long value given by the caller is held whole; once the user brings it
    // back within the box's length, the box keeps to it again.
    const int limit = static_cast<int>(CheckBoxOf(kind_).maxLength);
    if (box_->maxLength() > limit)
        box_->setMaxLength(std::max(limit, static_cast<int>(text.size())));
}

void CheckScreen::btnControllaClick() {
    const CheckResult result = RunCheck(kind_, box_->text().toStdString());
    const QString message = QString::fromStdString(result.message);
    switch (result.notice) {
        case CheckNotice::Warning:
            services_.Warning(message);
            break;
        case CheckNotice::Information:
            services_.Information(message);
            break;
        case CheckNotice::None:
            break;
    }
    if (result.ScreenCloses()) {
        accept();
    } else {
        box_->setFocus(Qt::OtherFocusReason);
    }
}

void CheckScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    box_->setFocus(Qt::OtherFocusReason);
}

void ShowCheck(QWidget* parent, Services& services, CheckKind kind, const QString& text) {
    std::unique_ptr<CheckScreen> screen;
    switch (kind) {
        case CheckKind::CodiceFiscale:
            screen = std::make_unique<TfrmCodFisc>(services, parent);
            break;
        case CheckKind::PartitaIva:
            screen = std::make_unique<TfrmPartitaIva>(services, parent);
            break;
        case CheckKind::Iban:
            screen = std::make_unique<TfrmIban>(services, parent);
            break;
        case CheckKind::Carta:
            screen = std::make_unique<TfrmCarta>(services, parent);
            break;
    }
    screen->SetValue(text.trimmed());
    screen->exec();
}

void ShowTaxCodeCheck(QWidget* parent, Services& services, const QString& codiceFiscaleBox) {
    const TaxCodeOpening opening = OpenTaxCodeCheck(codiceFiscaleBox.toStdString());
    ShowCheck(parent, services, opening.screen, QString::fromStdString(opening.text));
}

}  // namespace corvelo
