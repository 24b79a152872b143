#include "gui/documents/receipt_output.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/report/record_sheets.h"
#include "core/report/templates.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/documents/receipt_form.h"
#include "gui/kit/buttons.h"
#include "gui/report/report_painter.h"

namespace corvelo {
namespace {

QFont Verdana(int points, bool bold = false) {
    QFont font(QStringLiteral("Verdana"), points);
    font.setBold(bold);
    return font;
}

constexpr QSize kButtonSize(130, 30);

}  // namespace

ReceiptOutputScreen::ReceiptOutputScreen(Services& services, QWidget& editor, const Texts& texts,
                                         QWidget* parent)
    : QDialog(parent ? parent : &editor), services_(services), editor_(editor) {
    setObjectName(QString::fromLatin1(texts.name));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setFont(Verdana(9));
    // No system buttons: the screen is left with its own two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panIllustrazione"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral(
        "QWidget#panIllustrazione { background: white; border: 1px solid #8FA6C4; }"));

    auto* picture = new PictureButton(QStringLiteral("imgIllustrazione"),
                                      QString::fromLatin1(texts.picture), QSize(64, 64), {}, panel);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture->setFocusPolicy(Qt::NoFocus);

    auto* title = MakeLabel(QStringLiteral("lblTitolo"), QString::fromUtf8(texts.title), panel);
    title->setFont(Verdana(12, true));
    title->setStyleSheet(QStringLiteral("color: #1F4E8C;"));
    auto* explanation =
        MakeLabel(QStringLiteral("lblSpiegazione"), QString::fromUtf8(texts.explanation), panel);
    explanation->setWordWrap(true);
    auto* instruction =
        MakeLabel(QStringLiteral("lblIstruzioni"),
                  QStringLiteral("Premere \"%1\" per proseguire oppure \"Annulla\" per rinunciare.")
                      .arg(QString::fromUtf8(texts.action)),
                  panel);
    instruction->setWordWrap(true);
    instruction->setStyleSheet(QStringLiteral("color: #404040;"));

    auto* words = new QVBoxLayout;
    words->setSpacing(8);
    words->addWidget(title);
    words->addWidget(explanation);
    words->addStretch(1);
    words->addWidget(instruction);
    auto* panelRow = new QHBoxLayout(panel);
    panelRow->setContentsMargins(16, 16, 16, 16);
    panelRow->setSpacing(16);
    panelRow->addWidget(picture, 0, Qt::AlignTop);
    panelRow->addLayout(words, 1);

    auto* btnAnnulla =
        MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this, kButtonSize);
    auto* btnStampa =
        MakeButton(QStringLiteral("btnStampa"), QString::fromUtf8(texts.action), this, kButtonSize);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, [this] { btnStampaClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnStampa);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(18, 18, 18, 14);
    page->setSpacing(14);
    page->addWidget(panel, 1);
    page->addLayout(buttons);

    MakeFixedDialog(this, QSize(460, 250));
}

void ReceiptOutputScreen::showEvent(QShowEvent* event) {
    // The logo is read each time the screen opens; a missing or broken
    // Logo.bmp quietly gives the default picture.
    logo_ = LoadLogoOrDefault(services_.DataPath(QStringLiteral("Logo.bmp")));
    logoLoaded_ = true;
    QDialog::showEvent(event);
}

void ReceiptOutputScreen::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(0x74, 0x94, 0xB3));
    gradient.setColorAt(1.0, Qt::white);
    painter.fillRect(rect(), gradient);
}

report::ReportDocument ReceiptOutputScreen::BuildSheet() const {
    const report::Picture logo =
        logoLoaded_ ? logo_ : LoadLogoOrDefault(services_.DataPath(QStringLiteral("Logo.bmp")));
    return report::BuildReceiptSheet(report::ReceiptTextsOf(ReadReceiptForm(editor_)), logo);
}

void ReceiptOutputScreen::btnStampaClick() {
    // Laid out afresh at every press, so edits made meanwhile are printed.
    Output(BuildSheet());
}

}  // namespace corvelo
