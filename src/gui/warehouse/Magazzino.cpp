#include "gui/warehouse/Magazzino.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <vector>

#include "core/app/attachments.h"
#include "core/storage/messages.h"
#include "core/warehouse/item_card.h"
#include "core/warehouse/item_lists.h"
#include "core/warehouse/item_print.h"
#include "core/warehouse/stock_update.h"
#include "core/warehouse/web_search.h"
#include "gui/app/Guida.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/AllegaCartella.h"
#include "gui/kit/buttons.h"
#include "gui/kit/panels.h"
#include "gui/kit/text.h"
#include "gui/report/report_painter.h"
#include "gui/warehouse/DatiPneumatici.h"
#include "gui/warehouse/ExpMagazzino.h"
#include "gui/warehouse/Giacenza.h"
#include "gui/warehouse/Sottoscorta.h"
#include "gui/warehouse/TrovaMagazzino.h"

namespace corvelo {

namespace {

constexpr HintRule kHints[] = {
    {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
    {"cmdDuplica",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
    {"cmdFile", "Allega file alla scheda corrente."},
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdStampa", "Stampa la scheda corrente."},
    {"cmdPDF", "Esporta la scheda in formato PDF."},
    {"cmdWeb", "Cerca sul Web, tramite Google, informazioni relative all'articolo corrente."},
    {"cmdSottoscorta", "Visualizza l'elenco dei materiali in esaurimento."},
    {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci da questa schermata di lavoro."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"btnAggiungi", "Aggiorna la giacenza aggiungendo una certa quantità."},
    {"btnSottrai", "Aggiorna la giacenza sottraendo una certa quantità."},
    {"btnValore",
     "Calcola il valore totale della merce in magazzino moltiplicando il costo per la giacenza."},
    {"btnCalcola",
     "Calcola il prezzo IVA inclusa dell'articolo corrente in base all'aliquota indicata."},
    {"btnScorpora",
     "Scorpora il prezzo lordo dell'articolo corrente calcolando l'imponibile in base "
     "all'aliquota IVA indicata."},
    {"btnPneumatici", "Registra ulteriori informazioni sul prodotto corrente."},
};

// The column of command pictures on the right, top to bottom.
constexpr PictureEntry kCommands[] = {
    {"cmdNuovo", ":/pictures/nuovo.svg", "Nuovo"},
    {"cmdDuplica", ":/pictures/duplica.svg", "Duplica"},
    {"cmdFile", ":/pictures/allega.svg", "Allega file"},
    {"cmdSalva", ":/pictures/salva.svg", "Salva"},
    {"cmdTrova", ":/pictures/trova.svg", "Trova"},
    {"cmdStampa", ":/pictures/stampa.svg", "Stampa"},
    {"cmdPDF", ":/pictures/pdf.svg", "Crea PDF"},
    {"cmdWeb", ":/pictures/cerca_web.svg", "Cerca sul Web"},
    {"cmdSottoscorta", ":/pictures/sottoscorta.svg", "Sottoscorta"},
    {"cmdEsporta", ":/pictures/esporta.svg", "Esporta archivio"},
    {"cmdGuida", ":/pictures/guida.svg", "Guida"},
    {"cmdEsci", ":/pictures/esci.svg", "Esci"},
};

constexpr PictureEntry kArrows[] = {
    {"cmdPrimo", ":/pictures/primo.svg", ""},
    {"cmdIndietro", ":/pictures/indietro.svg", ""},
    {"cmdAvanti", ":/pictures/avanti.svg", ""},
    {"cmdUltimo", ":/pictures/ultimo.svg", ""},
};

BoxKind KindOf(ItemBoxKind kind) {
    switch (kind) {
        case ItemBoxKind::kWholeNumber:
            return BoxKind::Digits;
        case ItemBoxKind::kAmount:
            return BoxKind::Amount;
        case ItemBoxKind::kText:
            break;
    }
    return BoxKind::Plain;
}

const std::vector<BoxRule>& BoxRules() {
    static const std::vector<BoxRule> rules = [] {
        std::vector<BoxRule> out;
        for (const ItemBox& b : kItemBoxes) {
            out.push_back({b.control.data(), KindOf(b.kind), int(b.max_chars)});
        }
        return out;
    }();
    return rules;
}

const std::vector<EnterStep>& EnterSteps() {
    static const std::vector<EnterStep> steps = [] {
        std::vector<EnterStep> out;
        for (const ItemBox& b : kItemBoxes) out.push_back({b.control.data(), b.next.data()});
        return out;
    }();
    return steps;
}

const ItemBox& BoxNamed(std::string_view control) {
    for (const ItemBox& b : kItemBoxes) {
        if (b.control == control) return b;
    }
    Q_ASSERT(false);
    return kItemBoxes[0];
}

// A picture of the command column with its caption beside it. Like every
// picture button it does not take the focus when clicked, so the box being
// typed in is not left.
class CommandTile : public QAbstractButton {
  public:
    CommandTile(const PictureEntry& entry, QWidget* parent)
        : QAbstractButton(parent), picture_(QLatin1String(entry.picture)) {
        setObjectName(QLatin1String(entry.name));
        setText(QString::fromUtf8(entry.caption));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
        setFont(look::Base());
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        return {kPicture + 24 + metrics.horizontalAdvance(text()), kPicture + 8};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (hover_) {
            painter.setPen(QColor("#9DB4D6"));
            painter.setBrush(QColor("#E6EEF9"));
            painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 5, 5);
        }
        const int shift = isDown() ? 1 : 0;
        const QRect box(6 + shift, (height() - kPicture) / 2 + shift, kPicture, kPicture);
        QSvgRenderer(picture_).render(&painter, box);
        painter.setPen(QColor("#1A1A1A"));
        painter.drawText(rect().adjusted(box.right() + 10, 0, -4, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    void enterEvent(QEnterEvent* event) override {
        hover_ = true;
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        hover_ = false;
        update();
        QAbstractButton::leaveEvent(event);
    }

  private:
    static constexpr int kPicture = 28;
    QString picture_;
    bool hover_ = false;
};

// The caption of a box and the box, as the card's table gives them.
struct Field {
    QLabel* caption;
    QLineEdit* box;
};

Field MakeField(std::string_view control, QWidget* parent) {
    const ItemBox& b = BoxNamed(control);
    auto* caption = MakeLabel(QStringLiteral("tit") + Q(b.control).mid(3), Q(b.caption), parent);
    QLineEdit* box = MakeBox(Q(b.control), parent);
    box->setMinimumHeight(24);
    switch (b.align) {
        case BoxAlign::kCentre:
            box->setAlignment(Qt::AlignCenter);
            break;
        case BoxAlign::kRight:
            box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
        case BoxAlign::kLeft:
            break;
    }
    return {caption, box};
}

QPushButton* MakeSmallButton(const char* name, const char* caption, QWidget* parent,
                             int width = 0) {
    QPushButton* button = MakeButton(QLatin1String(name), QString::fromUtf8(caption), parent,
                                     QSize(width > 0 ? width : 90, 26));
    if (width > 0) button->setFixedWidth(width);
    return button;
}

// A framed section whose rows are laid out on a grid of four columns:
// caption, box, caption, box. The caption columns of every section are
// equally wide, so the boxes of the four sections line up.
struct Section {
    QFrame* frame;
    QGridLayout* grid;
};

constexpr int kLeftCaptions = 196;
constexpr int kRightCaptions = 222;

Section MakeSection(const char* name, const char* title, QWidget* parent) {
    QFrame* frame = MakePanelFrame(QLatin1String(name), QString::fromUtf8(title), {}, parent);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(0, kLeftCaptions);
    grid->setColumnMinimumWidth(2, kRightCaptions);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    static_cast<QVBoxLayout*>(frame->layout())->addLayout(grid);
    return {frame, grid};
}

// One caption and box in columns 0-1 or 2-3 (span 3 runs to the end).
void Put(Section& s, int row, int column, std::string_view control, int span = 1) {
    const Field f = MakeField(control, s.frame);
    s.grid->addWidget(f.caption, row, column);
    s.grid->addWidget(f.box, row, column + 1, 1, span);
}

// A caption, then a row of its box and whatever follows it.
QHBoxLayout* PutRow(Section& s, int row, int column, std::string_view control, int boxWidth,
                    int span = 1) {
    const Field f = MakeField(control, s.frame);
    f.box->setFixedWidth(boxWidth);
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    line->addWidget(f.box);
    s.grid->addWidget(f.caption, row, column);
    s.grid->addLayout(line, row, column + 1, 1, span);
    return line;
}

QLabel* Unit(const ItemBox& b, QWidget* parent) {
    return MakeLabel(QStringLiteral("lbl") + Q(b.control).mid(3) + QStringLiteral("Unita"),
                     Q(b.unit), parent);
}

}  // namespace

TfrmMagazzino::TfrmMagazzino(Services& services, AppShell& shell, QWidget* parent)
    : WorkAreaWindow(shell, parent),
      services_(services),
      form_(*this, services, ItemCardFields(), kItemCardFailures) {
    setObjectName(QStringLiteral("TfrmMagazzino"));
    setWindowTitle(Q(kItemEditorCaption));
    BuildScreen();
    kit_ = AttachConventions(this, {BoxRules(), EnterSteps(), kHints});
    for (const ItemBox& b : kItemBoxes) {
        if (b.kind != ItemBoxKind::kWholeNumber) continue;
        const QString name = Q(b.control);
        const ItemBoxKind kind = b.kind;
        kit_->OnLeave(name, [this, name, kind] {
            auto* box = findChild<QLineEdit*>(name);
            box->setText(Q(LeaveItemBox(kind, Utf8(box->text()))));
        });
    }
    WireCommands();
}

void TfrmMagazzino::BuildScreen() {
    setFont(look::Base());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(look::kPanelColour));
    setPalette(p);

    // (1) The item.
    Section item = MakeSection("panArticolo", "Articolo", this);
    auto* heading = static_cast<QHBoxLayout*>(item.frame->layout()->itemAt(0)->layout());
    heading->addWidget(MakeSmallButton("btnPneumatici", "Altre informazioni", item.frame, 150));
    Put(item, 0, 0, "txtCodice");
    Put(item, 0, 2, "txtTipologia");
    Put(item, 1, 0, "txtMarca");
    Put(item, 1, 2, "txtModello");
    Put(item, 2, 0, "txtDescrizione", 3);
    Put(item, 3, 0, "txtAccessori", 3);

    // (2) Supplier and purchase.
    Section supplier = MakeSection("panFornitore", "Fornitore e acquisto", this);
    Put(supplier, 0, 0, "txtFornitore");
    Put(supplier, 0, 2, "txtRecapiti");
    Put(supplier, 1, 0, "txtData");
    Put(supplier, 1, 2, "txtDocumento");
    Put(supplier, 2, 0, "txtOrdine", 3);

    // (3) Stock, cost and prices.
    Section prices = MakeSection("panPrezzi", "Giacenza, costo e prezzi", this);
    constexpr int kNumber = 90;
    constexpr int kAmount = 120;
    QHBoxLayout* stock = PutRow(prices, 0, 0, "txtGiacenza", kNumber);
    stock->addWidget(MakeSmallButton("btnAggiungi", "+", prices.frame, 34));
    stock->addWidget(MakeSmallButton("btnSottrai", "-", prices.frame, 34));
    stock->addStretch(1);
    QHBoxLayout* level = PutRow(prices, 0, 2, "txtSottoscorta", kNumber);
    level->addWidget(Unit(BoxNamed("txtSottoscorta"), prices.frame));
    level->addStretch(1);
    PutRow(prices, 1, 0, "txtCosto", kAmount)->addStretch(1);
    QHBoxLayout* value = PutRow(prices, 1, 2, "txtValore", kAmount);
    value->addWidget(MakeSmallButton("btnValore", "Calcola valore", prices.frame, 120));
    value->addStretch(1);
    PutRow(prices, 2, 0, "txtPrezzo", kAmount)->addStretch(1);
    QHBoxLayout* rate = PutRow(prices, 2, 2, "txtPercIva", 44);
    rate->addWidget(Unit(BoxNamed("txtPercIva"), prices.frame));
    rate->addStretch(1);
    QHBoxLayout* gross = PutRow(prices, 3, 0, "txtPrezzo_con_Iva", kAmount, 3);
    gross->addWidget(MakeSmallButton("btnCalcola", "Calcola", prices.frame, 90));
    gross->addWidget(MakeSmallButton("btnScorpora", "Scorpora", prices.frame, 90));
    gross->addStretch(1);

    // (4) Location and notes.
    Section notes = MakeSection("panNote", "Collocazione e note", this);
    Put(notes, 0, 0, "txtCollocazione", 3);
    Put(notes, 1, 0, "txtNote", 3);

    auto* sections = new QVBoxLayout;
    sections->setSpacing(8);
    for (QFrame* frame : {item.frame, supplier.frame, prices.frame, notes.frame}) {
        sections->addWidget(frame);
    }
    sections->addStretch(1);

    // The command column.
    auto* commands = new QFrame(this);
    commands->setObjectName(QStringLiteral("panComandi"));
    commands->setStyleSheet(QStringLiteral(
        "QFrame#panComandi { background: white; border: 1px solid #B8C6DB; border-radius: 6px; }"));
    auto* column = new QVBoxLayout(commands);
    column->setContentsMargins(6, 8, 6, 8);
    column->setSpacing(2);
    for (const PictureEntry& entry : kCommands) {
        // The exit goes last, apart from the others.
        if (QLatin1String(entry.name) == QLatin1String("cmdEsci")) column->addStretch(1);
        column->addWidget(new CommandTile(entry, commands));
    }
    commands->setFixedWidth(190);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(10, 8, 10, 8);
    body->setSpacing(10);
    body->addLayout(sections, 1);
    body->addWidget(commands);

    // The bottom row: the hint line, then the arrows around the card number.
    QLabel* panInfo = MakeStatusLine(Q(kItemEditorIdle), this);
    auto* position = MakeLabel(QStringLiteral("lblPosizione"), {}, this);
    position->setAlignment(Qt::AlignCenter);
    position->setFixedSize(70, 24);
    position->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 1px solid #B8C6DB; border-radius: 4px;"
                       " font-weight: bold; color: #1F4E8C; }"));
    auto* arrows = new QFrame(this);
    arrows->setObjectName(QStringLiteral("panFrecce"));
    arrows->setStyleSheet(QStringLiteral("QFrame#panFrecce { background: %1;"
                                         " border-top: 1px solid #B8C6DB; }")
                              .arg(QLatin1String(look::kStatusColour)));
    auto* arrowRow = new QHBoxLayout(arrows);
    arrowRow->setContentsMargins(8, 1, 12, 1);
    arrowRow->setSpacing(2);
    for (std::size_t i = 0; i < std::size(kArrows); ++i) {
        if (i == 2) {
            arrowRow->addSpacing(4);
            arrowRow->addWidget(position);
            arrowRow->addSpacing(4);
        }
        arrowRow->addWidget(new PictureButton(QLatin1String(kArrows[i].name),
                                              QLatin1String(kArrows[i].picture), QSize(20, 20), {},
                                              arrows));
    }
    arrows->setFixedHeight(panInfo->height());
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(0);
    bottom->addWidget(panInfo, 1);
    bottom->addWidget(arrows);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addLayout(body, 1);
    page->addLayout(bottom);

    for (const ItemLabel& label : kItemHiddenLabels) MakeHiddenLabel(Q(label.control), this);
}

void TfrmMagazzino::WireCommands() {
    OnClick(this, "cmdNuovo", [this] { cmdNuovoClick(); });
    OnClick(this, "cmdDuplica", [this] { cmdDuplicaClick(); });
    OnClick(this, "cmdFile", [this] { cmdFileClick(); });
    OnClick(this, "cmdSalva", [this] { cmdSalvaClick(); });
    OnClick(this, "cmdTrova", [this] {
        TfrmTrovaMagazzino search(services_, *this, this);
        SetFormText(search, "lblMemory", Q(kItemEditorTag));
        search.exec();
    });
    OnClick(this, "cmdStampa", [this] { cmdStampaClick(); });
    OnClick(this, "cmdPDF", [this] { cmdPDFClick(); });
    OnClick(this, "cmdWeb", [this] { cmdWebClick(); });
    OnClick(this, "cmdSottoscorta", [this] {
        TfrmSottoscorta list(services_, *this, this);
        list.exec();
    });
    OnClick(this, "cmdEsporta", [this] {
        TfrmExpMagazzino exporting(services_, this);
        exporting.exec();
    });
    OnClick(this, "cmdGuida", [this] { ShowHelp(this, services_, HelpTopic::Magazzino); });
    OnClick(this, "cmdEsci", [this] { close(); });
    OnClick(this, "cmdPrimo", [this] { Browse(CardMove::kFirst); });
    OnClick(this, "cmdIndietro", [this] { Browse(CardMove::kPrevious); });
    OnClick(this, "cmdAvanti", [this] { Browse(CardMove::kNext); });
    OnClick(this, "cmdUltimo", [this] { Browse(CardMove::kLast); });
    OnClick(this, "btnAggiungi", [this] { UpdateStock(true); });
    OnClick(this, "btnSottrai", [this] { UpdateStock(false); });
    OnClick(this, "btnValore", [this] { btnValoreClick(); });
    OnClick(this, "btnCalcola", [this] { btnCalcolaClick(); });
    OnClick(this, "btnScorpora", [this] { btnScorporaClick(); });
    OnClick(this, "btnPneumatici", [this] { btnPneumaticiClick(); });
}

ItemTexts TfrmMagazzino::Texts() const {
    ItemTexts texts;
    form_.ReadTexts(texts.text);
    return texts;
}

void TfrmMagazzino::ShowTexts(const ItemTexts& texts) {
    form_.ShowTexts(texts.text);
}

void TfrmMagazzino::showEvent(QShowEvent* event) {
    WorkAreaWindow::showEvent(event);
    // Every showing from the start menu starts from a cleared card.
    if (!event->spontaneous()) cmdNuovoClick();
}

void TfrmMagazzino::cmdNuovoClick() {
    ShowTexts(ClearedItem());
    form_.SetPosition("");
    form_.Focus("txtCodice");
}

void TfrmMagazzino::cmdDuplicaClick() {
    const ItemDuplicateOutcome outcome =
        DuplicateItem(WarehouseArchive(services_), Texts(), form_.Position());
    ShowTexts(outcome.texts);
    form_.SetPosition(outcome.position);
    if (!outcome.focus.empty()) form_.Focus(outcome.focus);
    services_.Show(outcome.notice);
}

void TfrmMagazzino::cmdSalvaClick() {
    const ItemSaveOutcome outcome =
        SaveItem(WarehouseArchive(services_), Texts(), form_.Position());
    ShowTexts(outcome.texts);
    form_.SetPosition(outcome.position);
    for (const Notice& notice : outcome.notices) services_.Show(notice);
    if (!outcome.focus.empty()) form_.Focus(outcome.focus);
}

void TfrmMagazzino::Browse(CardMove move) {
    form_.Browse<TArticolo>(move, WarehouseArchive(services_));
}

void TfrmMagazzino::ApplyStep(const ItemStep& step) {
    ShowTexts(step.texts);
    services_.Show(step.notice);
    if (!step.focus.empty()) form_.Focus(step.focus);
}

void TfrmMagazzino::btnCalcolaClick() {
    ApplyStep(CalculatePriceWithVat(Texts()));
}

void TfrmMagazzino::btnScorporaClick() {
    ApplyStep(SplitVat(Texts()));
}

void TfrmMagazzino::btnValoreClick() {
    ApplyStep(CalculateStockValue(Texts()));
}

void TfrmMagazzino::UpdateStock(bool adding) {
    if (FormText(*this, "txtGiacenza").trimmed().isEmpty()) {
        SetFormText(*this, "txtGiacenza", QStringLiteral("0"));
    }
    TfrmGiacenza stock(services_, *this, this);
    stock.Prepare(adding ? kLabelAggiungi : kLabelSottrai);
    stock.exec();
}

void TfrmMagazzino::btnPneumaticiClick() {
    TfrmDatiPneumatici extra(services_, *this, this);
    extra.exec();
}

void TfrmMagazzino::cmdFileClick() {
    ShowAttachments(*this, services_, kAttachTagItem);
}

void TfrmMagazzino::cmdWebClick() {
    const WebSearch search =
        WebSearchFor(Utf8(FormText(*this, "txtMarca")), Utf8(FormText(*this, "txtModello")));
    if (search.address.empty()) {
        services_.Show(search.notice);
        if (!search.focus.empty()) form_.Focus(search.focus);
        return;
    }
    if (!services_.ShellOpenChecked(QLatin1Char('"') + Q(search.address) + QLatin1Char('"'))) {
        services_.Warning(Q(kMsgWebFallita));
    }
}

report::ReportDocument TfrmMagazzino::CardSheet() const {
    const QDateTime now = services_.Now();
    return ItemCardSheet(Texts(), CivilDate(now.date()), SecondsOfDay(now.time()));
}

void TfrmMagazzino::cmdStampaClick() {
    PrintReport(services_, CardSheet());
}

void TfrmMagazzino::cmdPDFClick() {
    const QString path = services_.DataPath(Q(kItemPdfFileName));
    const ItemPdfOutcome outcome = WriteItemPdf(FsPath(path), CardSheet());
    if (!outcome.written) {
        services_.Show(outcome.notice);
        return;
    }
    if (services_.AnsweredNo(Q(kMsgItemPdfDone))) return;
    services_.ShellOpen(QLatin1Char('"') + path + QLatin1Char('"'));
}

std::filesystem::path WarehouseArchive(const Services& services) {
    return FsPath(services.DataPath(Q(kMagazzinoFileName)));
}

bool RecallItemByLine(QWidget& card, Services& services, std::string_view line) {
    const LocatedItem found =
        LocateItemByLine(WarehouseArchive(services), line, ItemLineKind::kCard);
    if (!found.status.ok()) {
        services.Warning(Q(kMsgAccessoArchivio));
        return false;
    }
    if (!found.found()) return false;
    CardForm form(card, services, ItemCardFields(), kItemCardFailures);
    form.ShowRecord(found.record);
    form.SetPosition(std::to_string(found.card));
    return true;
}

}  // namespace corvelo
