#include "gui/kit/search_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/app/record_search.h"
#include "core/storage/messages.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/text.h"

namespace corvelo {

SearchScreen::SearchScreen(Services& services, const SearchScreenTexts& texts,
                           std::span<const SearchBox> boxes, QWidget* parent)
    : QDialog(parent), services_(services), texts_(texts) {
    setObjectName(QLatin1String(texts.name));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    lblMemory_ = MakeHiddenLabel(QStringLiteral("lblMemory"), this);
    lblConta_ = MakeHiddenLabel(QStringLiteral("lblConta"), this);
    panAvvio_ = MakeCriteriaPanel(boxes);
    panContainer_ = MakeResultPanel();
    panContainer_->hide();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(panAvvio_);
    page->addWidget(panContainer_);

    // Enter goes round the boxes in table order.
    std::vector<std::string> names;
    for (const QString& box : boxes_) names.push_back(Utf8(box));
    std::vector<EnterStep> enter;
    for (std::size_t i = 0; i < names.size(); ++i) {
        enter.push_back({names[i].c_str(), names[(i + 1) % names.size()].c_str()});
    }
    AttachConventions(this, {{}, enter, {}});

    connect(results_, &ListScreen::LineDoubleClicked, this,
            [this] { lstRecordsDblClick(results_->SelectedLine()); });

    MakeFixedDialog(this, texts.size);
}

QWidget* SearchScreen::MakeCriteriaPanel(std::span<const SearchBox> boxes) {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(
        MakeBanner(QLatin1String(texts_.picture), QString::fromUtf8(texts_.title), panel));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 14, 24, 14);
    body->setSpacing(8);
    for (std::string_view text : kSearchInstructions) {
        auto* line = new QLabel(Q(text), panel);
        line->setWordWrap(true);
        body->addWidget(line);
    }
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    int row = 0;
    for (const SearchBox& box : boxes) {
        const QString name = Q(box.control);
        boxes_.push_back(name);
        auto* caption = MakeLabel(QStringLiteral("tit") + name.mid(3), Q(box.caption), panel);
        QLineEdit* edit = MakeBox(name, panel);
        edit->setMinimumHeight(24);
        grid->addWidget(caption, row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    body->addSpacing(6);
    body->addLayout(grid);
    body->addStretch(1);

    lblAttendere_ = MakeLabel(QStringLiteral("lblAttendere"), Q(kSearchWait), panel);
    lblAttendere_->setStyleSheet(QStringLiteral("color: crimson; font-weight: bold;"));
    lblAttendere_->hide();
    auto* btnCerca = MakeButton(QStringLiteral("btnCerca"), QStringLiteral("Cerca"), panel);
    auto* btnAnnulla = MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), panel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere_);
    buttons->addStretch(1);
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);
    body->addLayout(buttons);
    column->addLayout(body, 1);

    connect(btnCerca, &QPushButton::pressed, lblAttendere_, &QWidget::show);
    connect(btnCerca, &QPushButton::clicked, this, &SearchScreen::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

QWidget* SearchScreen::MakeResultPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    results_ = new ListScreen(services_, this, {MessageKind::Plain});
    results_->SetReport([this] {
        return ListReportContent{std::string(texts_.reportTitle), results_->Lines()};
    });
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(
        MakeBanner(QLatin1String(texts_.picture), QStringLiteral("RISULTATI DI RICERCA"), panel));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 10, 14, 12);
    body->setSpacing(8);
    body->addLayout(results_->MakeFindRow());
    auto* hint = MakeLabel(QStringLiteral("lblSuggerimento"), Q(texts_.hint), panel);
    hint->setStyleSheet(QStringLiteral("color: crimson;"));
    if (texts_.hintAboveList) body->addWidget(hint);
    body->addWidget(results_->List(), 1);
    resultExtras_ = new QVBoxLayout;
    body->addLayout(resultExtras_);

    lblTrovate_ = MakeLabel(QStringLiteral("lblTrovate"), Q(texts_.countLine(0)), panel);
    lblTrovate_->setStyleSheet(QStringLiteral("color: darkcyan; font-weight: bold;"));
    auto* btnChiudi = MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), panel);
    auto* notes = new QVBoxLayout;
    if (!texts_.hintAboveList) notes->addWidget(hint);
    notes->addWidget(lblTrovate_);
    resultButtons_ = new QHBoxLayout;
    resultButtons_->addLayout(notes);
    resultButtons_->addStretch(1);
    resultButtons_->addWidget(results_->PrintButton());
    resultButtons_->addWidget(btnChiudi);
    body->addLayout(resultButtons_);
    column->addLayout(body, 1);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

QString SearchScreen::Tag() const {
    return lblMemory_->text().trimmed();
}

void SearchScreen::AddResultButton(QPushButton* button) {
    resultButtons_->insertWidget(resultButtons_->indexOf(results_->PrintButton()), button);
}

void SearchScreen::lstRecordsDblClick(std::optional<std::string> /*line*/) {}

void SearchScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    results_->ForgetFindKey();
    if (panAvvio_->isVisibleTo(this) && !boxes_.empty()) {
        if (auto* first = findChild<QLineEdit*>(boxes_.front()))
            first->setFocus(Qt::OtherFocusReason);
    }
}

void SearchScreen::btnCercaClick() {
    std::vector<std::string> typed;
    for (const QString& name : boxes_) {
        const auto* box = findChild<QLineEdit*>(name);
        typed.push_back(box ? Utf8(box->text()) : std::string());
    }
    lblConta_->setText(QString::number(CountCriteriaInUse(typed)));
    SearchFound found = Search(typed);
    if (!found.ok) {
        lblAttendere_->hide();
        if (found.notices.empty()) services_.Message(Q(kMsgAccessoArchivio));
        for (const Notice& notice : found.notices) services_.Show(notice);
        return;
    }
    results_->SetLines(found.lines);
    lblTrovate_->setText(Q(texts_.countLine(results_->Count())));
    panContainer_->show();
    panAvvio_->hide();
    results_->FindBox()->clear();
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
    for (const Notice& notice : found.notices) services_.Show(notice);
}

void SearchScreen::done(int result) {
    results_->Clear();
    lblAttendere_->hide();
    QDialog::done(result);
}

}  // namespace corvelo
