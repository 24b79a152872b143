#include "gui/kit/list_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "core/app/line_list.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"

namespace corvelo {

ListDialog::ListDialog(Services& services, const ListDialogTexts& texts, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QLatin1String(texts.name));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    results_ = new ListScreen(services_, this, {MessageKind::Plain});
    const std::string reportTitle(texts.reportTitle);
    results_->SetReport([this, reportTitle] {
        return ListReportContent{reportTitle, results_->Lines()};
    });

    auto* hint = MakeLabel(QStringLiteral("lblSuggerimento"), Q(kDoubleClickHelp), this);
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
    page->addWidget(MakeBanner(QLatin1String(texts.picture), QString::fromUtf8(texts.title), this));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 10, 14, 12);
    body->setSpacing(8);
    body->addLayout(results_->MakeFindRow());
    body->addWidget(results_->List(), 1);
    body->addLayout(buttons);
    page->addLayout(body, 1);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(results_, &ListScreen::LineDoubleClicked, this, &ListDialog::lstRecordsDblClick);
    results_->ForgetFindKey();

    MakeFixedDialog(this, texts.size);
}

void ListDialog::SetList(const LineList& lines, std::vector<Notice> notices) {
    results_->SetLines(lines);
    notices_ = std::move(notices);
}

void ListDialog::lstRecordsDblClick() {
    if (const auto line = results_->SelectedLine()) RecallLine(*line);
    accept();
}

void ListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
    if (notices_.empty()) return;
    // Told over the list, once it is on screen.
    QTimer::singleShot(0, this, [this] {
        for (const Notice& notice : std::exchange(notices_, {})) services_.Show(notice);
    });
}

void ListDialog::done(int result) {
    results_->Clear();
    QDialog::done(result);
}

}  // namespace corvelo
