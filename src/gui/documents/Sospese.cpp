#include "gui/documents/Sospese.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/documents/receipt_search.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/documents/editor_archive.h"
#include "gui/kit/buttons.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"

namespace corvelo {
TfrmSospese::TfrmSospese(Services& services, QWidget& editor, QWidget* parent)
    : QDialog(parent), services_(services), editor_(editor) {
    setObjectName(QStringLiteral("TfrmSospese"));
    setWindowTitle(QStringLiteral(" Riepilogo ricevute non saldate"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    results_ = new ListScreen(services_, this, {MessageKind::Plain});
    results_->SetReport([this] {
        return ListReportContent{std::string(kUnpaidReportTitle), results_->Lines()};
    });

    QWidget* banner = MakeBanner(QStringLiteral(":/pictures/sospese.svg"),
                                 QStringLiteral("RICEVUTE NON SALDATE"), this);

    auto* hint = new QLabel(Q(kDoubleClickHelp), this);
    hint->setStyleSheet(QStringLiteral("color: crimson;"));
    auto* btnChiudi = MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch(1);
    buttons->addWidget(results_->PrintButton());
    buttons->addWidget(btnChiudi);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(banner);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 10, 14, 12);
    body->setSpacing(8);
    body->addLayout(results_->MakeFindRow());
    body->addWidget(results_->List(), 1);
    body->addLayout(buttons);
    page->addLayout(body, 1);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(results_, &ListScreen::LineDoubleClicked, this, &TfrmSospese::lstRecordsDblClick);

    // A failure keeps the lines read before it, without a message.
    results_->ForgetFindKey();
    results_->SetLines(UnpaidReceipts(EditorArchive(editor_, services_)).lines);

    MakeFixedDialog(this, QSize(1000, 560));
}

void TfrmSospese::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
}

void TfrmSospese::lstRecordsDblClick() {
    if (const auto line = results_->SelectedLine()) LoadReceiptByLine(editor_, services_, *line);
    accept();
}

void TfrmSospese::done(int result) {
    results_->Clear();
    QDialog::done(result);
}

}  // namespace corvelo
