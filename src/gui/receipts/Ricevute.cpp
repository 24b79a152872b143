#include "gui/receipts/Ricevute.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>
#include <vector>

#include "core/app/settings_names.h"
#include "core/receipts/receipt_calculation.h"
#include "core/receipts/receipt_numbering.h"
#include "core/receipts/receipt_save.h"
#include "core/receipts/receipt_texts.h"
#include "core/storage/messages.h"
#include "gui/app/Guida.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/checks/check_screen.h"
#include "gui/customers/TrovaClienti.h"
#include "gui/documents/AnteprimaRicevuta.h"
#include "gui/documents/ExpRicevute.h"
#include "gui/documents/PDF_Ricevuta.h"
#include "gui/documents/RiepAnnuale.h"
#include "gui/documents/RiepMensile.h"
#include "gui/documents/RiepTrimestrale.h"
#include "gui/documents/Sospese.h"
#include "gui/documents/StampaRicevuta.h"
#include "gui/documents/TrovaRicevute.h"
#include "gui/documents/receipt_form.h"
#include "gui/kit/buttons.h"
#include "gui/kit/panels.h"
#include "gui/kit/text.h"
#include "gui/receipts/Logo.h"
#include "gui/receipts/Numerazione.h"
#include "gui/receipts/receipt_lines.h"
#include "gui/warehouse/ImportaMagazzino.h"

namespace corvelo {

namespace {

constexpr const char* kIdleText = "Pronto per archiviare una nuova ricevuta...";
constexpr const char* kCheckPicture = ":/pictures/controlla.svg";
// The widest texts the tax boxes must show whole.
constexpr const char* kWidestIva = "00000000000";
constexpr const char* kWidestCodFisc = "MMMMMM00M00M000M";

// Kinds and maximum lengths of the boxes outside the receipt lines.
constexpr BoxRule kBoxes[] = {
    {"txtNumRic", BoxKind::Plain, 30},       {"txtData", BoxKind::Date, 20},
    {"txtDitta", BoxKind::Plain, 50},        {"txtViaDitta", BoxKind::Plain, 50},
    {"txtCapDitta", BoxKind::Plain, 12},     {"txtCittaDitta", BoxKind::Plain, 50},
    {"txtProvDitta", BoxKind::Province, 2},  {"txtIvaDitta", BoxKind::Digits, 30},
    {"txtCodFiscDitta", BoxKind::Upper, 30}, {"txtLibero01", BoxKind::Plain, 50},
    {"txtLibero02", BoxKind::Plain, 50},     {"txtCliente", BoxKind::Plain, 50},
    {"txtViaCliente", BoxKind::Plain, 50},   {"txtCapCliente", BoxKind::Plain, 12},
    {"txtCittaCliente", BoxKind::Plain, 50}, {"txtProvCliente", BoxKind::Province, 2},
    {"txtIvaCliente", BoxKind::Digits, 30},  {"txtCodFiscCliente", BoxKind::Upper, 30},
    {"txtRiferimenti", BoxKind::Plain, 50},  {"txtPagamento", BoxKind::Plain, 50},
    {"txtBanca", BoxKind::Plain, 50},        {"txtNote", BoxKind::Plain, 250},
    {"txtAcconti", BoxKind::Amount, 10},     {"txtTassa", BoxKind::Amount, 10},
};

// Enter chain outside the receipt lines (those are in receipt_lines).
constexpr EnterStep kEnter[] = {
    {"txtDitta", "txtViaDitta"},
    {"txtViaDitta", "txtCapDitta"},
    {"txtCapDitta", "txtCittaDitta"},
    {"txtCittaDitta", "txtProvDitta"},
    {"txtProvDitta", "txtIvaDitta"},
    {"txtIvaDitta", "txtCodFiscDitta"},
    {"txtCodFiscDitta", "txtLibero01"},
    {"txtLibero01", "txtLibero02"},
    {"txtLibero02", "txtCliente"},
    {"txtCliente", "txtViaCliente"},
    {"txtViaCliente", "txtCapCliente"},
    {"txtCapCliente", "txtCittaCliente"},
    {"txtCittaCliente", "txtProvCliente"},
    {"txtProvCliente", "txtIvaCliente"},
    {"txtIvaCliente", "txtCodFiscCliente"},
    {"txtCodFiscCliente", "txtNote"},
    {"txtNote", "txtNumRic"},
    {"txtNumRic", "txtData"},
    {"txtData", "txtRiferimenti"},
    {"txtRiferimenti", "txtPagamento"},
    {"txtPagamento", "txtBanca"},
    {"txtBanca", "txtAcconti"},
    {"txtAcconti", "txtTassa"},
    {"txtTassa", "cmdCalcola"},
};

constexpr HintRule kHints[] = {
    {"cmdNuovo", "Predispone la schermata per l'emissione di una nuova ricevuta."},
    {"cmdSalva", "Salva o aggiorna la ricevuta corrente."},
    {"cmdTrova", "Trova una ricevuta in archivio."},
    {"cmdSospese", "Visualizza il riepilogo delle ricevute non saldate."},
    {"cmdImporta", "Importa i dati del cliente dall'archivio anagrafico."},
    {"cmdPrimo", "Visualizza la prima ricevuta in archivio."},
    {"cmdIndietro", "Visualizza la ricevuta precedente in archivio."},
    {"cmdAvanti", "Visualizza la ricevuta successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima ricevuta in archivio."},
    {"cmdStampa", "Stampa la ricevuta corrente."},
    {"cmdAnteprima", "Visualizza l'anteprima di stampa della ricevuta corrente."},
    {"cmdPDF", "Esporta la ricevuta corrente in formato PDF."},
    {"cmdEsporta", "Esporta le ricevute in archivio in un file di Microsoft Excel."},
    {"cmdNumerazione", "Imposta il numero iniziale per la numerazione delle ricevute."},
    {"cmdRiepMensile", "Visualizza il riepilogo mensile delle ricevute emesse."},
    {"cmdRiepTrimestrale", "Visualizza il riepilogo trimestrale delle ricevute emesse."},
    {"cmdRiepAnnuale", "Visualizza il riepilogo annuale delle ricevute emesse."},
    {"cmdCalcola", "Calcola gli importi totali."},
    {"cmdGuida", "Visualizza la guida in linea."},
    {"cmdEsci", "Esci da questa schermata di lavoro."},
    {"btnCancDitta", "Cancella i dati della Ditta emittente."},
    {"btnLogo", "Carica il logo della Ditta emittente."},
    {"btnCodFiscDitta", "Controlla il codice fiscale."},
    {"btnCodFiscCliente", "Controlla il codice fiscale."},
    {"btnIvaDitta", "Controlla il numero di partita IVA."},
    {"btnIvaCliente", "Controlla il numero di partita IVA."},
    {"impOggi", "Inserisci la data corrente."},
};

// The command bar, in groups separated by a rule.
constexpr PictureEntry kArchiveCommands[] = {
    {"cmdNuovo", ":/pictures/nuovo.svg", "Nuovo"},
    {"cmdSalva", ":/pictures/salva.svg", "Salva"},
    {"cmdTrova", ":/pictures/trova.svg", "Trova"},
    {"cmdSospese", ":/pictures/sospese.svg", "Non saldate"},
    {"cmdImporta", ":/pictures/importa.svg", "Clienti"},
};
constexpr PictureEntry kBrowseCommands[] = {
    {"cmdPrimo", ":/pictures/primo.svg", "Prima"},
    {"cmdIndietro", ":/pictures/indietro.svg", "Precedente"},
    {"cmdAvanti", ":/pictures/avanti.svg", "Successiva"},
    {"cmdUltimo", ":/pictures/ultimo.svg", "Ultima"},
};
constexpr PictureEntry kOutputCommands[] = {
    {"cmdStampa", ":/pictures/stampa.svg", "Stampa"},
    {"cmdAnteprima", ":/pictures/anteprima.svg", "Anteprima"},
    {"cmdPDF", ":/pictures/pdf.svg", "PDF"},
    {"cmdEsporta", ":/pictures/esporta.svg", "Excel"},
    {"cmdNumerazione", ":/pictures/numerazione.svg", "Numerazione"},
};
constexpr PictureEntry kSummaryCommands[] = {
    {"cmdRiepMensile", ":/pictures/riepilogo_m.svg", "Mensile"},
    {"cmdRiepTrimestrale", ":/pictures/riepilogo_t.svg", "Trimestrale"},
    {"cmdRiepAnnuale", ":/pictures/riepilogo_a.svg", "Annuale"},
};
constexpr PictureEntry kExitCommands[] = {
    {"cmdGuida", ":/pictures/guida.svg", "Guida"},
    {"cmdEsci", ":/pictures/esci.svg", "Esci"},
};

constexpr HeadingButton kIssuerHeading[] = {
    {"btnLogo", ":/pictures/logo.svg"},
    {"btnCancDitta", ":/pictures/cancella.svg"},
};

constexpr PanelRow kIssuerRows[] = {
    {{{"Ditta emittente:", "txtDitta"}}},
    {{{"Via e numero civico:", "txtViaDitta"}}},
    {{{"CAP:", "txtCapDitta", 80}, {"Città:", "txtCittaDitta"}, {"Prov.", "txtProvDitta", 60}}},
    {{{"Partita IVA:", "txtIvaDitta", 0, "btnIvaDitta", kCheckPicture, kWidestIva},
      {"Codice fiscale:", "txtCodFiscDitta", 0, "btnCodFiscDitta", kCheckPicture, kWidestCodFisc}}},
    {{{"Campo libero 1:", "txtLibero01"}, {"Campo libero 2:", "txtLibero02"}}},
};

constexpr PanelRow kCustomerRows[] = {
    {{{"Cognome e nome o ragione sociale Cliente:", "txtCliente"}}},
    {{{"Via e numero civico:", "txtViaCliente"}}},
    {{{"CAP:", "txtCapCliente", 80},
      {"Città:", "txtCittaCliente"},
      {"Prov.", "txtProvCliente", 60}}},
    {{{"Partita IVA:", "txtIvaCliente", 0, "btnIvaCliente", kCheckPicture, kWidestIva},
      {"Codice fiscale:", "txtCodFiscCliente", 0, "btnCodFiscCliente", kCheckPicture,
       kWidestCodFisc}}},
    {{{"Note:", "txtNote"}}},
};

constexpr PanelRow kNumberRows[] = {
    {{{"Ricevuta n.", "txtNumRic", 160},
      {"Data emissione:", "txtData", 100, "impOggi", ":/pictures/oggi.svg"}}},
    {{{"Riferimenti:", "txtRiferimenti"}}},
    {{{"Modalità di pagamento:", "txtPagamento"}, {"Banca d'appoggio:", "txtBanca"}}},
};

constexpr const char* kIssuerBoxes[] = {"txtDitta",        "txtViaDitta",  "txtCapDitta",
                                        "txtCittaDitta",   "txtProvDitta", "txtIvaDitta",
                                        "txtCodFiscDitta", "txtLibero01",  "txtLibero02"};

// Every table of the screen joined, lines included.
template <class T, std::size_t N>
std::vector<T> Joined(const T (&own)[N], std::span<const T> lines) {
    std::vector<T> all(std::begin(own), std::end(own));
    all.insert(all.end(), lines.begin(), lines.end());
    return all;
}

// What the editor hands a screen it opens before showing it.
enum class Handover {
    kNothing,
    kTag,   // lblMemory gets "ricevute"
    kYear,  // lblAnno gets the editor's trimmed lblAnno
};

// Opens one of the receipt document screens over the editor, modally, and
// destroys it when it closes.
template <class Screen>
void OpenFromEditor(Services& services, QWidget& editor, Handover handover) {
    Screen screen(services, editor, &editor);
    if (handover == Handover::kTag) SetFormText(screen, "lblMemory", QStringLiteral("ricevute"));
    if (handover == Handover::kYear) {
        SetFormText(screen, "lblAnno", FormText(editor, "lblAnno").trimmed());
    }
    screen.exec();
}

QFrame* MakeCommandBar(QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("panComandi"));
    bar->setStyleSheet(QStringLiteral(
        "QFrame#panComandi { background: white; border-bottom: 1px solid #B8C6DB; }"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(10, 4, 10, 4);
    row->setSpacing(2);
    const std::span<const PictureEntry> groups[] = {kArchiveCommands, kBrowseCommands,
                                                    kOutputCommands, kSummaryCommands};
    for (const auto& group : groups) {
        QHBoxLayout* pictures = MakePictureRow(group, bar, QSize(30, 30));
        pictures->setSpacing(0);
        row->addLayout(pictures);
        auto* rule = new QFrame(bar);
        rule->setObjectName(QStringLiteral("shpRule"));
        rule->setFixedSize(1, 44);
        rule->setStyleSheet(QStringLiteral("background: #D5DEEA; border: none;"));
        row->addSpacing(4);
        row->addWidget(rule);
        row->addSpacing(4);
    }
    row->addStretch(1);
    row->addLayout(MakePictureRow(kExitCommands, bar, QSize(30, 30)));
    // Never narrower than the caption: a squeezed bar must not cut it.
    for (auto* button : bar->findChildren<PictureButton*>()) {
        button->setMinimumWidth(qMax(50, button->sizeHint().width() + 6));
    }
    return bar;
}

// Tot. corrispettivi, Acconti, Imposta di bollo, TOTALE, CALCOLA and Saldata.
QFrame* MakeTotalsPanel(QWidget* parent) {
    QFrame* frame =
        MakePanelFrame(QStringLiteral("panTotali"), QStringLiteral("Totali"), {}, parent);
    auto* column = static_cast<QVBoxLayout*>(frame->layout());

    auto amountLabel = [frame](const char* name, bool strong) {
        auto* label = MakeLabel(QLatin1String(name), {}, frame);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFixedWidth(120);
        label->setMinimumHeight(24);
        label->setStyleSheet(
            QStringLiteral(
                "QLabel { background: %1; border: 1px solid #B8C6DB; padding: 0 6px;%2 }")
                .arg(strong ? QStringLiteral("#FFF6C8") : QStringLiteral("#F4F6FA"),
                     strong ? QStringLiteral(" font-weight: bold;") : QString()));
        return label;
    };
    auto amountBox = [frame](const char* name) {
        QLineEdit* box = MakeBox(QLatin1String(name), frame);
        box->setFixedWidth(120);
        box->setText(QStringLiteral("0,00"));
        return box;
    };
    auto caption = [frame](const char* name, const char* text, bool strong = false) {
        auto* label = MakeLabel(QLatin1String(name), QString::fromUtf8(text), frame);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (strong) {
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
        }
        return label;
    };

    auto* calcola = new QPushButton(QStringLiteral("CALCOLA >>"), frame);
    calcola->setObjectName(QStringLiteral("cmdCalcola"));
    calcola->setAutoDefault(false);
    calcola->setMinimumSize(120, 30);
    calcola->setStyleSheet(
        QStringLiteral(
            "QPushButton { background: %1; color: white; border: none; border-radius: 5px;"
            " font-weight: bold; padding: 4px 14px; }"
            "QPushButton:hover { background: #2E64AE; } QPushButton:focus { background: #2E64AE;"
            " border: 2px solid #E0A000; }")
            .arg(QLatin1String(look::kHeaderColour)));
    auto* saldata = new QCheckBox(QStringLiteral("Saldata"), frame);
    saldata->setObjectName(QStringLiteral("chkSaldata"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(calcola, 0, 0);
    grid->addWidget(saldata, 1, 0);
    grid->setColumnStretch(1, 1);
    grid->addWidget(caption("titTotCorrispettivi", "Tot. corrispettivi:"), 0, 2);
    grid->addWidget(amountLabel("txtTotCorrispettivi", false), 0, 3);
    grid->addWidget(caption("titAcconti", "Acconti:"), 1, 2);
    grid->addWidget(amountBox("txtAcconti"), 1, 3);
    grid->addWidget(caption("titTassa", "Imposta di bollo:"), 0, 4);
    grid->addWidget(amountBox("txtTassa"), 0, 5);
    grid->addWidget(caption("titTotale", "TOTALE:", true), 1, 4);
    grid->addWidget(amountLabel("txtTotale", true), 1, 5);
    column->addLayout(grid);
    return frame;
}

}  // namespace

TfrmRicevute::TfrmRicevute(Services& services, AppShell& shell, QWidget* parent)
    : WorkAreaWindow(shell, parent),
      services_(services),
      form_(*this, services, ReceiptCardFields(), kReceiptCardFailures) {
    setObjectName(QStringLiteral("TfrmRicevute"));
    setWindowTitle(QStringLiteral(" Corvelo - Archivio ricevute"));
    BuildScreen();

    static const std::vector<BoxRule> boxes = Joined(kBoxes, LineBoxRules());
    static const std::vector<EnterStep> enter = Joined(kEnter, LineEnterSteps());
    static const std::vector<HintRule> hints = Joined(kHints, LineHints());
    kit_ = AttachConventions(this, {boxes, enter, hints});
    // A key in an amount box empties the totals it makes stale.
    for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) {
        const StaleTotals stale = TotalsStaledByKeyIn(f);
        if (stale == StaleTotals::kNone) continue;
        kit_->OnKey(Q(ReceiptControlName(f)), [this, stale] {
            if (stale == StaleTotals::kBoth) form_.ShowField(TRicevuta::TotCorrispettivi, {});
            form_.ShowField(TRicevuta::Totale, {});
        });
    }
    // A box a message names may be a line on another page.
    form_.SetRevealer([this](const QString& control) { pages_->RevealBox(control); });
    // The customer's province is also upper-cased when the box is left.
    kit_->OnLeave(QStringLiteral("txtProvCliente"), [this] {
        const QString text = FormText(*this, "txtProvCliente");
        if (text != text.toUpper()) {
            findChild<ProvinceBox*>(QStringLiteral("txtProvCliente"))->SetText(text.toUpper());
        }
    });
    WireCommands();
}

void TfrmRicevute::BuildScreen() {
    setFont(look::Base());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(look::kPanelColour));
    setPalette(p);

    QFrame* commands = MakeCommandBar(this);
    QFrame* issuer =
        BuildPanel({"panDitta", "Ditta emittente", kIssuerRows, kIssuerHeading}, kBoxes, this);
    QFrame* customer = BuildPanel({"panCliente", "Cliente", kCustomerRows, {}}, kBoxes, this);
    QFrame* number = BuildPanel({"panNumRicevuta", "Ricevuta", kNumberRows, {}}, kBoxes, this);
    pages_ = new ReceiptLinePages(this);
    QFrame* totals = MakeTotalsPanel(this);

    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(issuer);
    left->addWidget(customer);
    left->addWidget(number, 1);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(pages_, 1);
    right->addWidget(totals);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(10, 8, 10, 8);
    body->setSpacing(10);
    body->addLayout(left, 5);
    body->addLayout(right, 6);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(commands);
    page->addLayout(body, 1);
    page->addWidget(MakeStatusLine(QString::fromUtf8(kIdleText), this));

    for (const char* name : {"lblFile", "lblAnno", "lblPosizione", "lblInizio", "lblSolare"}) {
        MakeHiddenLabel(QLatin1String(name), this);
    }
}

void TfrmRicevute::WireCommands() {
    OnClick(this, "cmdNuovo", [this] { cmdNuovoClick(); });
    OnClick(this, "cmdSalva", [this] { cmdSalvaClick(); });
    OnClick(this, "cmdCalcola", [this] { cmdCalcolaClick(); });
    OnClick(this, "cmdPrimo", [this] { Browse(CardMove::kFirst); });
    OnClick(this, "cmdIndietro", [this] { Browse(CardMove::kPrevious); });
    OnClick(this, "cmdAvanti", [this] { Browse(CardMove::kNext); });
    OnClick(this, "cmdUltimo", [this] { Browse(CardMove::kLast); });
    OnClick(this, "impOggi", [this] { impOggiClick(); });
    OnClick(this, "btnCancDitta", [this] { btnCancDittaClick(); });
    OnClick(this, "cmdEsci", [this] { close(); });
    OnClick(this, "cmdGuida", [this] { ShowHelp(this, services_, HelpTopic::Ricevute); });
    OnClick(this, "btnLogo", [this] {
        TfrmLogo logo(services_, this);
        logo.exec();
    });
    OnClick(this, "cmdNumerazione", [this] {
        TfrmNumerazione numbering(services_, this);
        numbering.setWindowTitle(Q(kNumberingCaption));
        SetFormText(numbering, "lblMemory", Q(kNumberingTag));
        numbering.exec();
    });
    for (const char* side : {"Ditta", "Cliente"}) {
        const QByteArray iva = QByteArray("txtIva") + side;
        const QByteArray codFisc = QByteArray("txtCodFisc") + side;
        OnClick(this, (QByteArray("btnIva") + side).constData(), [this, iva] {
            ShowCheck(this, services_, CheckKind::PartitaIva,
                      FormText(*this, iva.constData()).trimmed());
        });
        OnClick(this, (QByteArray("btnCodFisc") + side).constData(), [this, codFisc] {
            ShowTaxCodeCheck(this, services_, FormText(*this, codFisc.constData()));
        });
    }
    connect(pages_, &ReceiptLinePages::WarehouseRequested, this,
            [this](int line) { ShowItemImport(*this, services_, line); });
    connect(pages_, &ReceiptLinePages::PageRequested, this, [this](int page, const QString& box) {
        pages_->ShowPage(page);
        if (QWidget* w = findChild<QWidget*>(box)) w->setFocus(Qt::OtherFocusReason);
    });
    OpenDocumentScreens();
}

void TfrmRicevute::OpenDocumentScreens() {
    struct Opening {
        const char* button;
        void (*open)(Services&, QWidget&, Handover);
        Handover handover;
    };
    static constexpr Opening kOpenings[] = {
        {"cmdTrova", &OpenFromEditor<TfrmTrovaRicevute>, Handover::kTag},
        {"cmdImporta", &OpenFromEditor<TfrmTrovaClienti>, Handover::kTag},
        {"cmdSospese", &OpenFromEditor<TfrmSospese>, Handover::kNothing},
        {"cmdEsporta", &OpenFromEditor<TfrmExpRicevute>, Handover::kNothing},
        {"cmdRiepMensile", &OpenFromEditor<TfrmRiepMensile>, Handover::kYear},
        {"cmdRiepTrimestrale", &OpenFromEditor<TfrmRiepTrimestrale>, Handover::kYear},
        {"cmdRiepAnnuale", &OpenFromEditor<TfrmRiepAnnuale>, Handover::kNothing},
        {"cmdStampa", &OpenFromEditor<TfrmStampaRicevuta>, Handover::kNothing},
        {"cmdAnteprima", &OpenFromEditor<TfrmAnteprimaRicevuta>, Handover::kNothing},
        {"cmdPDF", &OpenFromEditor<TfrmPDF_Ricevuta>, Handover::kNothing},
    };
    for (const Opening& o : kOpenings) {
        OnClick(this, o.button, [this, o] { o.open(services_, *this, o.handover); });
    }
}

QString TfrmRicevute::SettingsPath() const {
    return services_.DataPath(QLatin1String(settings::kSettingsFileName.data(),
                                            qsizetype(settings::kSettingsFileName.size())));
}

QString TfrmRicevute::ArchivePath() const {
    return FormText(*this, "lblFile");
}

QString TfrmRicevute::Year() const {
    return FormText(*this, "lblAnno");
}

void TfrmRicevute::OpenYear(const QString& year) {
    SetFormText(*this, "lblFile", services_.DataPath(year + QStringLiteral(".ric")));
    SetFormText(*this, "lblAnno", year);
    setWindowTitle(QStringLiteral(" Corvelo - Archivio ricevute anno ") + year);
}

void TfrmRicevute::Focus(const char* name) {
    form_.Focus(name);
}

ReceiptTexts TfrmRicevute::FormTexts() const {
    return ReadReceiptTexts(*this);
}

void TfrmRicevute::ShowTexts(const ReceiptTexts& texts) {
    ShowReceiptOnForm(*this, ReceiptFromTexts(texts), std::nullopt);
}

void TfrmRicevute::PutAmountTexts(const ReceiptTexts& texts) {
    for (std::size_t f : {std::size_t(TRicevuta::TotCorrispettivi), std::size_t(TRicevuta::Acconti),
                          std::size_t(TRicevuta::Tassa), std::size_t(TRicevuta::Totale)}) {
        form_.ShowField(f, texts[f]);
    }
}

void TfrmRicevute::ClearReceipt() {
    // The issuer boxes and the stamp duty keep their contents exactly as
    // typed; only the other boxes take the cleared texts.
    const ReceiptTexts cleared = ClearedReceipt(FormTexts());
    for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) {
        if (f == TRicevuta::Saldata || KeptOnClear(f)) continue;
        form_.ShowField(f, cleared[f]);
    }
    findChild<QCheckBox*>(QStringLiteral("chkSaldata"))->setChecked(cleared.saldata);
    pages_->ShowPage(1);
    for (auto* province : findChildren<ProvinceBox*>()) province->ClearSelection();
    form_.SetPosition({});
    Focus("txtCliente");
}

void TfrmRicevute::showEvent(QShowEvent* event) {
    WorkAreaWindow::showEvent(event);
    if (event->spontaneous()) return;
    ReceiptTexts texts = FormTexts();
    ReadIssuerSettings(FsPath(SettingsPath()), texts);
    ShowTexts(texts);
    ClearReceipt();
}

void TfrmRicevute::closeEvent(QCloseEvent* event) {
    // The issuer data shown become the defaults, whatever receipt is shown;
    // a failed write is reported and the editor closes all the same.
    if (auto failure = WriteIssuerSettings(FsPath(SettingsPath()), FormTexts())) {
        services_.Error(QString::fromStdString(*failure));
    }
    WorkAreaWindow::closeEvent(event);
}

void TfrmRicevute::cmdNuovoClick() {
    const std::optional<NumberingSettings> numbering =
        ReadNumberingSettingsStrict(FsPath(SettingsPath()));
    if (!numbering) {
        ClearReceipt();
        services_.Error(Q(kMsgAccessoArchivio));
        return;
    }
    const NewReceiptProposal proposal = ProposeNewReceipt(
        FsPath(ArchivePath()), numbering->inizio, numbering->solare, CivilDate(services_.Today()));
    SetFormText(*this, "lblInizio", QString::fromStdString(proposal.lbl_inizio));
    SetFormText(*this, "lblSolare", QString::fromStdString(proposal.lbl_solare));
    ClearReceipt();
    if (!proposal.ok()) {
        services_.Error(QString::fromStdString(proposal.notice.text));
        return;
    }
    SetFormText(*this, "txtNumRic", QString::fromStdString(proposal.numero));
    SetFormText(*this, "txtData", QString::fromStdString(proposal.data));
    Focus("txtCliente");
}

void TfrmRicevute::impOggiClick() {
    SetFormText(*this, "txtData", services_.Today().toString(QStringLiteral("dd/MM/yyyy")));
}

void TfrmRicevute::btnCancDittaClick() {
    for (const char* box : kIssuerBoxes) SetFormText(*this, box, {});
    Focus("txtDitta");
}

void TfrmRicevute::cmdCalcolaClick() {
    ReceiptTexts texts = FormTexts();
    const CalculationOutcome outcome = CalculateReceipt(AmountsOf(texts));
    PutAmounts(outcome.texts, texts);
    PutAmountTexts(texts);
    if (!outcome.ok()) services_.Error(QString::fromStdString(outcome.notice.text));
}

void TfrmRicevute::cmdSalvaClick() {
    // The summaries read the date by its positions: a short date is saved in full.
    kit_->Settle(QStringLiteral("txtData"));
    const ReceiptSaveOutcome outcome =
        SaveReceipt(FsPath(ArchivePath()), FormTexts(), form_.Position());
    PutAmountTexts(outcome.texts);
    form_.ShowSaved(outcome);
}

void TfrmRicevute::Browse(CardMove move) {
    form_.Browse<TRicevuta>(move, FsPath(ArchivePath()), [this](const TRicevuta& r) {
        ShowReceiptOnForm(*this, r, std::nullopt);
    });
}

}  // namespace corvelo
