#include "gui/app/Guida.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/maker.h"
#include "gui/app/services.h"
#include "gui/app/start_folder.h"
#include "gui/app/widgets.h"

namespace corvelo {

QString ManualCommand(const QString& dataFolder) {
    return QStringLiteral("\"") +
           QDir(ManualFolder(dataFolder)).filePath(QStringLiteral("Guida.pdf")) +
           QStringLiteral("\"");
}

TfrmGuida::TfrmGuida(Services& services, QWidget* parent) : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    setFont(look::Base());

    QWidget* banner = MakeHeaderBand(this);
    auto* icon =
        new PictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/pictures/guida.svg"),
                          QSize(40, 40), {}, banner);
    icon->setEnabled(true);
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblTitolo_ =
        MakeLabel(QStringLiteral("lblTitolo"), QStringLiteral("Argomento della guida."), banner);
    lblTitolo_->setFont(look::Heading());
    auto* bannerRow = new QHBoxLayout(banner);
    bannerRow->setContentsMargins(14, 10, 14, 10);
    bannerRow->addWidget(icon);
    bannerRow->addSpacing(8);
    bannerRow->addWidget(lblTitolo_, 1);

    txtGuida_ = new QPlainTextEdit(this);
    txtGuida_->setObjectName(QStringLiteral("txtGuida"));
    txtGuida_->setReadOnly(true);
    QFont textFont = look::Base();
    textFont.setPointSize(10);
    txtGuida_->setFont(textFont);

    auto* imgPDF = new PictureButton(QStringLiteral("imgPDF"), QStringLiteral(":/pictures/pdf.svg"),
                                     QSize(28, 28), {}, this);
    auto* lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"),
                                 QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->Tie(imgPDF);
    connect(lnkWeb, &LinkLabel::clicked, this,
            [this] { services_.ShellOpen(ManualCommand(services_.DataFolder())); });

    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);
    btnChiudi->setMinimumWidth(100);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch(1);
    bottom->addWidget(btnChiudi);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 12, 14, 12);
    body->setSpacing(10);
    body->addWidget(txtGuida_, 1);
    body->addLayout(bottom);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(banner);
    page->addLayout(body, 1);

    MakeFixedDialog(this, QSize(670, 572));
}

void TfrmGuida::SetTitle(const QString& title) {
    lblTitolo_->setText(title);
}

void TfrmGuida::SetText(const QString& text) {
    // The page keeps its CR LF pairs; the text box wants plain line feeds.
    txtGuida_->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void ShowHelp(QWidget* parent, Services& services, HelpTopic topic) {
    const HelpPage& page = GetHelpPage(topic);
    TfrmGuida guida(services, parent);
    guida.SetTitle(QString::fromStdString(page.title));
    guida.SetText(QString::fromStdString(page.Text()));
    guida.exec();
}

}  // namespace corvelo
