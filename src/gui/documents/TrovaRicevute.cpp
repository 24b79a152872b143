#include "gui/documents/TrovaRicevute.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/documents/receipt_search.h"
#include "core/storage/messages.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/documents/editor_archive.h"
#include "gui/documents/receipt_form.h"
#include "gui/kit/list_screen.h"

namespace corvelo {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Enter goes round the ten boxes.
constexpr EnterStep kEnter[] = {
    {"txtNumRic", "txtData"},
    {"txtData", "txtCliente"},
    {"txtCliente", "txtCittaCliente"},
    {"txtCittaCliente", "txtIvaCliente"},
    {"txtIvaCliente", "txtCodFiscCliente"},
    {"txtCodFiscCliente", "txtPagamento"},
    {"txtPagamento", "txtBanca"},
    {"txtBanca", "txtRiferimenti"},
    {"txtRiferimenti", "txtNote"},
    {"txtNote", "txtNumRic"},
};

constexpr const char* kInstructions[] = {
    "Immettere nei campi prescelti una o pi\u00f9 parole consecutive presenti nelle schede da "
    "trovare e premere il pulsante Cerca.",
    "Lasciare in bianco tutti gli altri campi.",
    "Per ogni ricerca \u00e8 possibile utilizzare uno o pi\u00f9 campi contemporaneamente.",
};

QPushButton* MakeButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumSize(110, 28);
    return button;
}

}  // namespace

TfrmTrovaRicevute::TfrmTrovaRicevute(Services& services, QWidget& editor, QWidget* parent)
    : QDialog(parent), services_(services), editor_(editor) {
    setObjectName(QStringLiteral("TfrmTrovaRicevute"));
    setWindowTitle(QStringLiteral(" Trova ricevute in archivio"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    lblMemory_ = MakeHiddenLabel(QStringLiteral("lblMemory"), this);
    lblConta_ = MakeHiddenLabel(QStringLiteral("lblConta"), this);

    // The search panel.
    panAvvio_ = new QWidget(this);
    panAvvio_->setObjectName(QStringLiteral("panAvvio"));
    auto* searchPage = new QVBoxLayout(panAvvio_);
    searchPage->setContentsMargins(0, 0, 0, 0);
    searchPage->setSpacing(0);
    QWidget* searchBanner = MakeBanner(QStringLiteral(":/pictures/trova.svg"),
                                       QStringLiteral("TROVA RICEVUTE"), panAvvio_);
    searchPage->addWidget(searchBanner);
    auto* searchBody = new QVBoxLayout;
    searchBody->setContentsMargins(24, 14, 24, 14);
    searchBody->setSpacing(8);
    for (const char* text : kInstructions) {
        auto* line = new QLabel(QString::fromUtf8(text), panAvvio_);
        line->setWordWrap(true);
        searchBody->addWidget(line);
    }
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(12);
    boxes->setVerticalSpacing(6);
    int row = 0;
    for (const ReceiptSearchBox& box : kReceiptSearchBoxes) {
        const QString name = Q(box.control);
        auto* caption = MakeLabel(QStringLiteral("lbl") + name.mid(3), Q(box.caption), panAvvio_);
        QLineEdit* edit = MakeBox(name, panAvvio_);
        edit->setMinimumHeight(24);
        boxes->addWidget(caption, row, 0, Qt::AlignRight);
        boxes->addWidget(edit, row, 1);
        ++row;
    }
    boxes->setColumnStretch(1, 1);
    searchBody->addSpacing(6);
    searchBody->addLayout(boxes);
    searchBody->addStretch(1);
    lblAttendere_ = MakeLabel(QStringLiteral("lblAttendere"),
                              QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio_);
    lblAttendere_->setStyleSheet(QStringLiteral("color: crimson; font-weight: bold;"));
    lblAttendere_->hide();
    auto* btnCerca = MakeButton(QStringLiteral("btnCerca"), QStringLiteral("Cerca"), panAvvio_);
    auto* btnAnnulla =
        MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), panAvvio_);
    auto* searchButtons = new QHBoxLayout;
    searchButtons->addWidget(lblAttendere_);
    searchButtons->addStretch(1);
    searchButtons->addWidget(btnCerca);
    searchButtons->addWidget(btnAnnulla);
    searchBody->addLayout(searchButtons);
    searchPage->addLayout(searchBody, 1);

    // The result panel.
    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    results_ = new ListScreen(services_, this, {MessageKind::Plain});
    results_->SetReport([this] {
        return ListReportContent{std::string(kSearchReportTitle), results_->Lines()};
    });
    auto* resultPage = new QVBoxLayout(panContainer_);
    resultPage->setContentsMargins(0, 0, 0, 0);
    resultPage->setSpacing(0);
    resultPage->addWidget(MakeBanner(QStringLiteral(":/pictures/trova.svg"),
                                     QStringLiteral("RISULTATI DI RICERCA"), panContainer_));
    auto* resultBody = new QVBoxLayout;
    resultBody->setContentsMargins(14, 10, 14, 12);
    resultBody->setSpacing(8);
    resultBody->addLayout(results_->MakeFindRow());
    resultBody->addWidget(results_->List(), 1);
    auto* hint = new QLabel(Q(kDoubleClickHelp), panContainer_);
    hint->setStyleSheet(QStringLiteral("color: crimson;"));
    lblTrovate_ = MakeLabel(QStringLiteral("lblTrovate"), {}, panContainer_);
    lblTrovate_->setStyleSheet(QStringLiteral("color: darkcyan; font-weight: bold;"));
    auto* btnChiudi =
        MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), panContainer_);
    auto* resultButtons = new QHBoxLayout;
    auto* notes = new QVBoxLayout;
    notes->addWidget(hint);
    notes->addWidget(lblTrovate_);
    resultButtons->addLayout(notes);
    resultButtons->addStretch(1);
    resultButtons->addWidget(results_->PrintButton());
    resultButtons->addWidget(btnChiudi);
    resultBody->addLayout(resultButtons);
    resultPage->addLayout(resultBody, 1);
    panContainer_->hide();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(panAvvio_);
    page->addWidget(panContainer_);

    AttachConventions(this, {{}, kEnter, {}});

    connect(btnCerca, &QPushButton::pressed, lblAttendere_, &QWidget::show);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaRicevute::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(results_, &ListScreen::LineDoubleClicked, this, &TfrmTrovaRicevute::lstRecordsDblClick);

    MakeFixedDialog(this, QSize(1000, 600));
}

void TfrmTrovaRicevute::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    results_->ForgetFindKey();
    if (panAvvio_->isVisibleTo(this)) {
        if (auto* first = findChild<QLineEdit*>(QStringLiteral("txtNumRic")))
            first->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmTrovaRicevute::btnCercaClick() {
    ReceiptSearchTexts texts;
    for (std::size_t i = 0; i < kReceiptSearchBoxes.size(); ++i) {
        const auto* box = findChild<QLineEdit*>(Q(kReceiptSearchBoxes[i].control));
        texts[i] = box ? box->text().toStdString() : std::string();
    }
    lblConta_->setText(QString::number(CountSearchBoxes(texts)));
    const ReceiptListResult found = SearchReceipts(EditorArchive(editor_, services_), texts);
    if (!found.status.ok()) {
        lblAttendere_->hide();
        services_.Message(Q(kMsgAccessoArchivio));
        return;
    }
    results_->SetLines(found.lines);
    lblTrovate_->setText(Q(SearchCountLine(results_->Count())));
    panContainer_->show();
    panAvvio_->hide();
    results_->FindBox()->clear();
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaRicevute::lstRecordsDblClick() {
    const auto line = results_->SelectedLine();
    if (line && lblMemory_->text().trimmed() == Q(kSearchTag)) {
        LoadReceiptByLine(editor_, services_, *line);
    }
    accept();
}

void TfrmTrovaRicevute::done(int result) {
    results_->Clear();
    lblAttendere_->hide();
    QDialog::done(result);
}

}  // namespace corvelo
