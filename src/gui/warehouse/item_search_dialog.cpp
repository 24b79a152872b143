#include "gui/warehouse/item_search_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <vector>

#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"
#include "gui/warehouse/item_form.h"

namespace corvelo {
namespace {

// Enter goes round the ten boxes.
const std::vector<EnterStep>& EnterSteps() {
    static const std::vector<EnterStep> steps = [] {
        std::vector<EnterStep> out;
        for (std::size_t i = 0; i < kItemSearchBoxes.size(); ++i) {
            out.push_back({kItemSearchBoxes[i].control.data(),
                           kItemSearchBoxes[(i + 1) % kItemSearchBoxes.size()].control.data()});
        }
        return out;
    }();
    return steps;
}

}  // namespace

ItemSearchDialog::ItemSearchDialog(Services& services, const char* name, std::string_view caption,
                                   ItemLineKind kind, QWidget* parent)
    : QDialog(parent), services_(services), kind_(kind) {
    setObjectName(QLatin1String(name));
    setWindowTitle(Q(caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    lblMemory_ = MakeHiddenLabel(QStringLiteral("lblMemory"), this);
    lblConta_ = MakeHiddenLabel(QStringLiteral("lblConta"), this);
    results_ = new ListScreen(services_, this, {MessageKind::Plain});
    results_->SetReport([this] {
        return ListReportContent{std::string(kItemSearchReportTitle), results_->Lines()};
    });

    panAvvio_ = MakeCriteriaPanel();
    panContainer_ = MakeResultPanel();
    panContainer_->hide();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(panAvvio_);
    page->addWidget(panContainer_);

    AttachConventions(this, {{}, EnterSteps(), {}});
    // Wide enough for a whole result line up to its last column.
    MakeFixedDialog(this, QSize(1280, 620));
}

QWidget* ItemSearchDialog::MakeCriteriaPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(MakeBanner(QStringLiteral(":/pictures/trova.svg"),
                                 QStringLiteral("TROVA ARTICOLI"), panel));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 12, 24, 12);
    body->setSpacing(4);
    for (std::string_view text : kItemSearchInstructions) {
        auto* line = new QLabel(Q(text), panel);
        line->setWordWrap(true);
        body->addWidget(line);
    }
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(12);
    boxes->setVerticalSpacing(5);
    int row = 0;
    for (const ItemSearchBox& box : kItemSearchBoxes) {
        const QString control = Q(box.control);
        auto* caption = MakeLabel(QStringLiteral("tit") + control.mid(3), Q(box.caption), panel);
        QLineEdit* edit = MakeBox(control, panel);
        edit->setMinimumHeight(24);
        edit->setFixedWidth(640);
        boxes->addWidget(caption, row, 0, Qt::AlignRight);
        boxes->addWidget(edit, row, 1, Qt::AlignLeft);
        ++row;
    }
    boxes->setColumnStretch(1, 1);
    body->addSpacing(8);
    body->addLayout(boxes);
    body->addStretch(1);

    lblAttendere_ = MakeLabel(QStringLiteral("lblAttendere"), Q(kMsgRicercaInCorso), panel);
    lblAttendere_->setStyleSheet(QStringLiteral("color: crimson; font-weight: bold;"));
    lblAttendere_->hide();
    auto* btnCerca = MakeButton(QStringLiteral("btnCerca"), QStringLiteral("Cerca"), panel);
    auto* btnAnnulla = MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), panel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere_);
    buttons->addStretch(1);
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);
    body->addSpacing(6);
    body->addLayout(buttons);
    column->addLayout(body, 1);

    connect(btnCerca, &QPushButton::pressed, lblAttendere_, &QWidget::show);
    connect(btnCerca, &QPushButton::clicked, this, &ItemSearchDialog::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

QWidget* ItemSearchDialog::MakeResultPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(MakeBanner(QStringLiteral(":/pictures/trova.svg"),
                                 QStringLiteral("RISULTATI DI RICERCA"), panel));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 10, 14, 12);
    body->setSpacing(6);
    body->addLayout(results_->MakeFindRow());
    aboveList_ = new QVBoxLayout;
    body->addLayout(aboveList_);
    body->addWidget(results_->List(), 1);
    lblTrovate_ = MakeLabel(QStringLiteral("lblTrovate"), Q(ItemCountLine(0)), panel);
    lblTrovate_->setStyleSheet(QStringLiteral("color: darkcyan; font-weight: bold;"));
    belowList_ = new QVBoxLayout;
    belowList_->setSpacing(4);
    body->addLayout(belowList_);
    buttonRow_ = new QHBoxLayout;
    buttonRow_->addWidget(lblTrovate_);
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(results_->PrintButton());
    auto* btnChiudi = MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), panel);
    buttonRow_->addWidget(btnChiudi);
    body->addLayout(buttonRow_);
    column->addLayout(body, 1);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

QString ItemSearchDialog::Tag() const {
    return lblMemory_->text().trimmed();
}

void ItemSearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    results_->ForgetFindKey();
    if (panAvvio_->isVisibleTo(this)) {
        if (auto* first = findChild<QLineEdit*>(Q(kItemSearchBoxes[0].control))) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
}

void ItemSearchDialog::btnCercaClick() {
    ItemSearchTexts texts;
    for (std::size_t i = 0; i < kItemSearchBoxes.size(); ++i) {
        texts[i] = Utf8(ItemFormText(*this, kItemSearchBoxes[i].control));
    }
    lblConta_->setText(QString::number(CountCriteriaInUse(texts)));
    const ItemListResult found = SearchItems(WarehouseArchive(services_), texts, kind_);
    if (!found.status.ok()) {
        lblAttendere_->hide();
        for (const Notice& notice : found.notices) services_.Show(notice);
        return;
    }
    results_->SetLines(found.lines);
    lblTrovate_->setText(Q(ItemCountLine(results_->Count())));
    panContainer_->show();
    panAvvio_->hide();
    results_->FindBox()->clear();
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
    for (const Notice& notice : found.notices) services_.Show(notice);
}

void ItemSearchDialog::done(int result) {
    results_->Clear();
    lblAttendere_->hide();
    QDialog::done(result);
}

}  // namespace corvelo
