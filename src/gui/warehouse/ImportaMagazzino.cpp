#include "gui/warehouse/ImportaMagazzino.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/card_form.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"
#include "gui/warehouse/Magazzino.h"
#include "gui/warehouse/TrovaMagazzino.h"

namespace corvelo {
namespace {

constexpr BoxRule kBoxes[] = {{"txtQuant", BoxKind::LineAmount, int(kImportQuantityMaxChars)}};
constexpr EnterStep kEnter[] = {{"txtQuant", "btnAggiorna"}};

// The list's hint stands above it: one click chooses the item.
SearchScreenTexts ImportTexts() {
    SearchScreenTexts texts = ItemSearchScreenTexts("TfrmImportaMagazzino", kItemImportCaption);
    texts.hint = "Richiamare i dati di una scheda selezionandola con un clic.";
    texts.hintAboveList = true;
    return texts;
}

// A caption above the label that shows one value of the chosen item.
QLabel* ChosenValue(const char* name, QGridLayout* grid, int column, const char* caption,
                    QWidget* parent) {
    grid->addWidget(MakeLabel(QStringLiteral("tit") + QLatin1String(name).mid(3),
                              QString::fromUtf8(caption), parent),
                    0, column);
    auto* value = MakeLabel(QLatin1String(name), {}, parent);
    value->setMinimumHeight(24);
    value->setTextInteractionFlags(Qt::NoTextInteraction);
    value->setStyleSheet(
        QStringLiteral("QLabel { background: #F4F6FA; border: 1px solid #B8C6DB; padding: 0 6px;"
                       " font-weight: bold; color: #1F4E8C; }"));
    grid->addWidget(value, 1, column);
    return value;
}

}  // namespace

TfrmImportaMagazzino::TfrmImportaMagazzino(Services& services, QWidget& receipt, QWidget* parent)
    : SearchScreen(services, ImportTexts(), ItemSearchBoxes(), parent), receipt_(receipt) {
    auto* chosen = new QGridLayout;
    chosen->setHorizontalSpacing(10);
    chosen->setVerticalSpacing(2);
    ChosenValue("lblCodice", chosen, 0, "Codice articolo:", this)->setMinimumWidth(170);
    ChosenValue("lblDescrizione", chosen, 1, "Descrizione:", this);
    ChosenValue("lblGiacenza", chosen, 2, "Giacenza attuale:", this)->setMinimumWidth(110);
    chosen->addWidget(
        MakeLabel(QStringLiteral("titQuant"), QString::fromUtf8("Quantità da scaricare:"), this), 0,
        3);
    txtQuant_ = MakeBox(QStringLiteral("txtQuant"), this);
    txtQuant_->setText(QStringLiteral("0"));
    txtQuant_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtQuant_->setFixedWidth(110);
    txtQuant_->setMinimumHeight(24);
    chosen->addWidget(txtQuant_, 1, 3);
    chosen->setColumnStretch(1, 1);
    for (const char* name : {"lblCosto", "lblValore", "lblPosizione"}) {
        MakeHiddenLabel(QLatin1String(name), this)->setText(QStringLiteral("0"));
    }
    ResultExtras()->addSpacing(4);
    ResultExtras()->addLayout(chosen);

    auto* aggiorna = MakeButton(QStringLiteral("btnAggiorna"),
                                QStringLiteral("Importa articolo e aggiorna giacenza"), this);
    auto* nonAggiornare =
        MakeButton(QStringLiteral("btnNonAggiornare"),
                   QStringLiteral("Importa articolo senza aggiornare giacenza"), this);
    AddResultButton(aggiorna);
    AddResultButton(nonAggiornare);

    ScreenKit* kit = AttachConventions(this, {kBoxes, kEnter, {}});
    kit->OnLeave(QStringLiteral("txtQuant"),
                 [this] { txtQuant_->setText(Q(LeaveQuantityBox(Utf8(txtQuant_->text())))); });

    connect(Results().List()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmImportaMagazzino::ChooseSelected);
    connect(aggiorna, &QPushButton::clicked, this, [this] { Import(true); });
    connect(nonAggiornare, &QPushButton::clicked, this, [this] { Import(false); });
}

SearchFound TfrmImportaMagazzino::Search(std::span<const std::string> typed) {
    return SearchItemLines(services_, typed, ItemLineKind::kImport);
}

ChosenItem TfrmImportaMagazzino::Chosen() const {
    auto text = [this](const char* name) { return Utf8(FormText(*this, name)); };
    return {text("lblCodice"), text("lblDescrizione"), text("lblGiacenza"),
            text("lblCosto"),  text("lblValore"),      text("lblPosizione")};
}

void TfrmImportaMagazzino::ShowChosen(const ChosenItem& c) {
    SetFormText(*this, "lblCodice", Q(c.codice));
    SetFormText(*this, "lblDescrizione", Q(c.descrizione));
    SetFormText(*this, "lblGiacenza", Q(c.giacenza));
    SetFormText(*this, "lblCosto", Q(c.costo));
    SetFormText(*this, "lblValore", Q(c.valore));
    SetFormText(*this, "lblPosizione", Q(c.posizione));
}

void TfrmImportaMagazzino::ChooseSelected() {
    const auto line = Results().SelectedLine();
    if (!line) {
        ShowChosen({});
        return;
    }
    const ChooseOutcome outcome = ChooseItem(WarehouseArchive(services_), *line);
    ShowChosen(outcome.chosen);
    services_.Show(outcome.notice);
}

void TfrmImportaMagazzino::Import(bool updateStock) {
    const std::string tag = Utf8(Tag());
    const std::string quantity = Utf8(txtQuant_->text());
    const ImportRequest request{tag, Results().Selected().has_value(), Chosen(), quantity,
                                updateStock};
    const ImportOutcome outcome = ImportItem(WarehouseArchive(services_), request);
    ShowChosen(outcome.chosen);
    if (outcome.fill) FillReceiptLine(*outcome.fill);
    services_.Show(outcome.notice);
    if (outcome.close_window()) accept();
}

void TfrmImportaMagazzino::FillReceiptLine(const ReceiptLineFill& fill) {
    const QString number = QStringLiteral("%1").arg(fill.line, 2, 10, QLatin1Char('0'));
    SetFormText(receipt_, Utf8(QStringLiteral("txtDesc") + number), Q(fill.descrizione));
    SetFormText(receipt_, Utf8(QStringLiteral("txtPrezzo") + number), Q(fill.prezzo));
    // As typing in a line does: totals worked out before are gone.
    SetFormText(receipt_, "txtTotCorrispettivi", {});
    SetFormText(receipt_, "txtTotale", {});
}

void ShowItemImport(QWidget& receipt, Services& services, int line) {
    TfrmImportaMagazzino import(services, receipt, &receipt);
    SetFormText(import, "lblMemory", Q(ImportTag(line)));
    import.exec();
}

}  // namespace corvelo
