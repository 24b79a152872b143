#include "gui/receipts/Numerazione.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>

#include "core/app/settings_names.h"
#include "core/receipts/receipt_numbering.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"

namespace corvelo {

namespace {

constexpr BoxRule kBoxes[] = {{"txtInizio", BoxKind::Digits, 5}};
constexpr EnterStep kEnter[] = {{"txtInizio", "btnApplica"}};

std::filesystem::path SettingsFile(Services& services) {
    return std::filesystem::path(
        services
            .DataPath(QLatin1String(settings::kSettingsFileName.data(),
                                    qsizetype(settings::kSettingsFileName.size())))
            .toStdString());
}

}  // namespace

TfrmNumerazione::TfrmNumerazione(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("TfrmNumerazione"));
    setFont(look::Base());

    auto* group = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    group->setObjectName(QStringLiteral("grpNumerazione"));
    txtInizio_ = MakeBox(QStringLiteral("txtInizio"), group);
    txtInizio_->setText(QStringLiteral("1"));
    txtInizio_->setFixedWidth(90);
    txtInizio_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* inGroup = new QHBoxLayout(group);
    inGroup->setContentsMargins(12, 14, 12, 10);
    inGroup->addWidget(txtInizio_);
    inGroup->addStretch(1);

    chkTipo_ = new QCheckBox(
        QStringLiteral("Indica l'anno solare dopo il numero progressivo del documento"), this);
    chkTipo_->setObjectName(QStringLiteral("chkTipo"));

    auto* btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    for (QPushButton* b : {btnAnnulla, btnApplica}) {
        b->setAutoDefault(false);
        b->setMinimumSize(120, 28);
    }
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, [this] { btnApplicaClick(); });
    MakeHiddenLabel(QStringLiteral("lblMemory"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 14, 16, 14);
    page->setSpacing(12);
    page->addWidget(group);
    page->addWidget(chkTipo_);
    page->addStretch(1);
    page->addLayout(buttons);

    ScreenKit* kit = AttachConventions(this, {kBoxes, kEnter, {}});
    kit->OnLeave(QStringLiteral("txtInizio"), [this] {
        txtInizio_->setText(
            QString::fromStdString(NormaliseNumberingStart(txtInizio_->text().toStdString())));
    });
    MakeFixedDialog(this, QSize(470, 190));
}

QString TfrmNumerazione::Tag() const {
    const auto* memory = findChild<QLabel*>(QStringLiteral("lblMemory"));
    return memory ? memory->text().trimmed() : QString();
}

void TfrmNumerazione::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    const NumberingSettings stored = ReadNumberingSettings(SettingsFile(services_));
    const NumberingScreen shown =
        NumberingOnShow(Tag().toStdString(), stored.inizio, stored.solare,
                        {txtInizio_->text().toStdString(), chkTipo_->isChecked()});
    txtInizio_->setText(QString::fromStdString(shown.inizio));
    chkTipo_->setChecked(shown.tipo);
    txtInizio_->setFocus(Qt::OtherFocusReason);
}

void TfrmNumerazione::btnApplicaClick() {
    // The box may not have been left yet (a click that takes no focus).
    txtInizio_->setText(
        QString::fromStdString(NormaliseNumberingStart(txtInizio_->text().toStdString())));
    const auto settings = NumberingToApply(
        Tag().toStdString(), {txtInizio_->text().toStdString(), chkTipo_->isChecked()});
    if (settings) {
        if (auto failure = WriteNumberingSettings(SettingsFile(services_), *settings)) {
            services_.Error(QString::fromStdString(*failure));
        }
    }
    accept();
}

}  // namespace corvelo
