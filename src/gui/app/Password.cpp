#include "gui/app/Password.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/password.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/shell.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/text.h"

namespace corvelo {

namespace {

constexpr QSize kButtonSize(96, 28);

std::filesystem::path PasswordFile(const Services& services) {
    return std::filesystem::path(services.DataPath(QStringLiteral("unins000.dll")).toStdString());
}

QLineEdit* MakePasswordBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    box->setMinimumHeight(26);
    return box;
}

QWidget* MakeBand(QWidget* parent, const QString& picture, const QString& text) {
    QWidget* band = MakeHeaderBand(parent);
    auto* logo = new PictureButton(QStringLiteral("imgLogo"), picture, QSize(44, 44), {}, band);
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* title = new QLabel(text, band);
    title->setFont(look::Heading());
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(16, 10, 16, 10);
    row->addWidget(logo);
    row->addSpacing(10);
    row->addWidget(title, 1);
    return band;
}

}  // namespace

TfrmPassword::TfrmPassword(Services& services, AppShell& shell, QWidget* parent)
    : QWidget(parent), services_(services), shell_(shell) {
    setObjectName(QStringLiteral("TfrmPassword"));
    setWindowTitle(QStringLiteral(" Corvelo - Autenticazione"));
    setFont(look::Base());

    QWidget* band =
        MakeBand(this, QStringLiteral(":/pictures/corvelo.svg"), QStringLiteral("Corvelo"));

    auto* icoMano = new PictureButton(
        QStringLiteral("icoMano"), QStringLiteral(":/pictures/mano.svg"), QSize(48, 48), {}, this);
    icoMano->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* lblRigo05 = MakeLabel(QStringLiteral("lblRigo05"),
                                QStringLiteral("Immetti la password e premi OK."), this);
    txtPassword_ = MakePasswordBox(QStringLiteral("txtPassword"), this);
    cmdOK_ = MakeButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), this, kButtonSize);
    cmdOK_->setEnabled(false);
    auto* cmdEsci =
        MakeButton(QStringLiteral("cmdEsci"), QStringLiteral("Esci"), this, kButtonSize);
    auto* btnCambiaPassword = MakeButton(QStringLiteral("btnCambiaPassword"),
                                         QStringLiteral("Cambia password"), this, kButtonSize);
    btnCambiaPassword->setMinimumWidth(140);
    lblMemory_ = MakeHiddenLabel(QStringLiteral("lblMemory"), this);

    auto* prompt = new QGridLayout;
    prompt->setHorizontalSpacing(14);
    prompt->addWidget(icoMano, 0, 0, 2, 1, Qt::AlignTop);
    prompt->addWidget(lblRigo05, 0, 1);
    prompt->addWidget(txtPassword_, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdEsci);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(22, 18, 22, 18);
    body->setSpacing(18);
    body->addLayout(prompt);
    body->addStretch(1);
    body->addLayout(buttons);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(band);
    page->addLayout(body, 1);

    setFixedSize(440, 250);

    ScreenKit* kit = AttachConventions(this, {});
    kit->OnEnter(QStringLiteral("txtPassword"), [this] {
        if (!txtPassword_->text().trimmed().isEmpty()) cmdOK_->click();
    });
    connect(txtPassword_, &QLineEdit::textChanged, this, &TfrmPassword::UpdateOK);
    connect(cmdOK_, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, [this] { close(); });
    connect(btnCambiaPassword, &QPushButton::clicked, this,
            [this] { shell_.ShowPasswordChange(); });
}

void TfrmPassword::UpdateOK() {
    cmdOK_->setEnabled(!txtPassword_->text().trimmed().isEmpty());
}

void TfrmPassword::cmdOKClick() {
    switch (CheckPassword(PasswordFile(services_), txtPassword_->text().toStdString())) {
        case PasswordCheck::Right:
            shell_.ShowStartMenu();
            break;
        case PasswordCheck::Wrong:
            services_.Message(Q(kPasswordWrongMessage));
            txtPassword_->clear();
            txtPassword_->setFocus(Qt::OtherFocusReason);
            break;
        case PasswordCheck::Failure:
            services_.Message(Q(kPasswordReadFailureMessage));
            break;
    }
}

void TfrmPassword::ShowAgain() {
    txtPassword_->clear();
    lblMemory_->clear();
    show();
    activateWindow();
    txtPassword_->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    txtPassword_->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::closeEvent(QCloseEvent* event) {
    // The main window: closing it in any way ends the application.
    event->accept();
    shell_.Quit();
}

// ---------------------------------------------------------------------------

TfrmCambiaPassword::TfrmCambiaPassword(Services& services, AppShell& shell, QWidget* parent)
    : QWidget(parent), services_(services), shell_(shell) {
    setObjectName(QStringLiteral("TfrmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setFont(look::Base());

    QWidget* band =
        MakeBand(this, QStringLiteral(":/pictures/chiave.svg"), QStringLiteral("Cambia password"));

    txtPasswordOld_ = MakePasswordBox(QStringLiteral("txtPasswordOld"), this);
    txtPasswordNew_ = MakePasswordBox(QStringLiteral("txtPasswordNew"), this);
    txtConferma_ = MakePasswordBox(QStringLiteral("txtConferma"), this);
    cmdOK_ = MakeButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), this, kButtonSize);
    cmdOK_->setEnabled(false);
    auto* cmdEsci =
        MakeButton(QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), this, kButtonSize);
    lblMemory_ = MakeHiddenLabel(QStringLiteral("lblMemory"), this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(new QLabel(QStringLiteral("Vecchia password:"), this), 0, 0);
    grid->addWidget(txtPasswordOld_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Nuova password:"), this), 1, 0);
    grid->addWidget(txtPasswordNew_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Conferma nuova password:"), this), 2, 0);
    grid->addWidget(txtConferma_, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdEsci);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(22, 18, 22, 18);
    body->setSpacing(18);
    body->addLayout(grid);
    body->addStretch(1);
    body->addLayout(buttons);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(band);
    page->addLayout(body, 1);

    setFixedSize(460, 262);

    static constexpr EnterStep kEnter[] = {{"txtPasswordOld", "txtPasswordNew"},
                                           {"txtPasswordNew", "txtConferma"},
                                           {"txtConferma", "txtPasswordOld"}};
    AttachConventions(this, {{}, kEnter, {}});
    for (QLineEdit* box : {txtPasswordOld_, txtPasswordNew_, txtConferma_}) {
        connect(box, &QLineEdit::textChanged, this, &TfrmCambiaPassword::UpdateOK);
    }
    connect(cmdOK_, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, [this] { close(); });
}

void TfrmCambiaPassword::UpdateOK() {
    cmdOK_->setEnabled(!txtPasswordOld_->text().trimmed().isEmpty() &&
                       !txtPasswordNew_->text().trimmed().isEmpty() &&
                       !txtConferma_->text().trimmed().isEmpty());
}

void TfrmCambiaPassword::cmdOKClick() {
    const PasswordChange change =
        ChangePassword(PasswordFile(services_), txtPasswordOld_->text().toStdString(),
                       txtPasswordNew_->text().toStdString(), txtConferma_->text().toStdString());
    services_.Message(Q(change.message));
    switch (change.outcome) {
        case PasswordChangeOutcome::Changed:
            close();
            break;
        case PasswordChangeOutcome::WrongOldPassword:
            txtPasswordOld_->clear();
            txtPasswordOld_->setFocus(Qt::OtherFocusReason);
            break;
        case PasswordChangeOutcome::NotConfirmed:
        case PasswordChangeOutcome::Refused:
            txtPasswordNew_->clear();
            txtConferma_->clear();
            txtPasswordNew_->setFocus(Qt::OtherFocusReason);
            break;
        case PasswordChangeOutcome::Failure:
            break;
    }
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    txtPasswordOld_->clear();
    txtPasswordNew_->clear();
    txtConferma_->clear();
    lblMemory_->clear();
    txtPasswordOld_->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    shell_.ReturnToPassword();
}

}  // namespace corvelo
