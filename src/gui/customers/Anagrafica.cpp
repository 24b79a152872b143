#include "gui/customers/Anagrafica.h"

#include <QAbstractButton>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>
#include <string_view>
#include <vector>

#include "core/customers/card_folder.h"
#include "core/customers/customer_card.h"
#include "core/customers/customer_lists.h"
#include "gui/app/Guida.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/checks/check_screen.h"
#include "gui/customers/DaRinnovare.h"
#include "gui/customers/ExpClienti.h"
#include "gui/customers/TrovaClienti.h"
#include "gui/customers/customer_form.h"
#include "gui/kit/AllegaCartella.h"
#include "gui/kit/Cartella.h"
#include "gui/kit/buttons.h"
#include "gui/kit/command_bar.h"
#include "gui/kit/panels.h"
#include "gui/kit/text.h"
#include "gui/report/report_painter.h"

namespace corvelo {

namespace {

constexpr const char* kCheckPicture = ":/pictures/controlla.svg";

// Every file failure of the card editor is an error box.
constexpr CardFailureKinds kFileFailures = {NoticeKind::kError, NoticeKind::kError,
                                            NoticeKind::kError};

constexpr HintRule kHints[] = {
    {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdCartella", "Gestisci la cartella abbinata alla scheda corrente."},
    {"cmdFile", "Allega file alla scheda corrente."},
    {"cmdStampa", "Stampa la scheda corrente."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"cmdScaduti", "Visualizza il riepilogo delle rate in scadenza o scadute."},
    {"cmdGuida", "Visualizza la guida in linea."},
    {"cmdEsci", "Esci da questa schermata di lavoro."},
    {"btnCodFisc", "Controlla il codice fiscale."},
    {"btnIva", "Controlla il numero di partita IVA."},
    {"btnIban", "Controlla l'IBAN."},
    {"btnCarta", "Controlla il numero di carta di credito."},
    {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
};

// The command bar, group by group.
constexpr PictureEntry kCardCommands[] = {
    {"cmdNuovo", ":/pictures/nuovo.svg", "Nuovo"},
    {"cmdSalva", ":/pictures/salva.svg", "Salva"},
    {"cmdTrova", ":/pictures/trova.svg", "Trova"},
    {"cmdCartella", ":/pictures/cartella.svg", "Cartella"},
};
constexpr PictureEntry kAttachCommands[] = {{"cmdFile", ":/pictures/allega.svg", "Allega"}};
constexpr PictureEntry kPrintCommands[] = {{"cmdStampa", ":/pictures/stampa.svg", "Stampa"}};
constexpr PictureEntry kBrowseCommands[] = {
    {"cmdPrimo", ":/pictures/primo.svg", "Prima"},
    {"cmdIndietro", ":/pictures/indietro.svg", "Precedente"},
    {"cmdAvanti", ":/pictures/avanti.svg", "Successiva"},
    {"cmdUltimo", ":/pictures/ultimo.svg", "Ultima"},
};
constexpr PictureEntry kSummaryCommands[] = {
    {"cmdEsporta", ":/pictures/esporta.svg", "Excel"},
    {"cmdScaduti", ":/pictures/sospese.svg", "Scadenze"},
};
constexpr PictureEntry kExitCommands[] = {
    {"cmdGuida", ":/pictures/guida.svg", "Guida"},
    {"cmdEsci", ":/pictures/esci.svg", "Esci"},
};

// The caption of a box, from the card's own table.
constexpr const char* CaptionOf(std::string_view box) {
    for (const CustomerBox& b : kCustomerBoxes) {
        if (b.control == box) return b.label.data();
    }
    return nullptr;
}

// One box of a panel row, captioned as the card's table says, with an
// optional picture button after it.
constexpr PanelCell Cell(const char* box, int width = 0, const char* button = nullptr,
                         const char* picture = kCheckPicture) {
    return {CaptionOf(box), box, width, button, button ? picture : nullptr};
}

constexpr int kDateWidth = 100;
constexpr int kAmountWidth = 120;

// Left section, first column.
constexpr PanelRow kPersonRows[] = {
    {{Cell("txtCognome")}},
    {{Cell("txtNome")}},
    {{Cell("txtCodFisc", 150, "btnCodFisc")}},
    {{Cell("txtDataNasc", kDateWidth), Cell("txtSesso", 36)}},
    {{Cell("txtComuneNasc"), Cell("txtProvNasc", 60)}},
    {{Cell("txtIva", 110, "btnIva")}},
};
constexpr PanelRow kResidenceRows[] = {
    {{Cell("txtIndirizzo")}},
    {{Cell("txtCap", 60)}},
    {{Cell("txtComuneRes"), Cell("txtProvRes", 60)}},
};
constexpr PanelRow kFamilyRows[] = {
    {{Cell("txtStato")}},
    {{Cell("txtFamiliari")}},
};
// Left section, second column.
constexpr PanelRow kContactRows[] = {
    {{Cell("txtRecapito")}}, {{Cell("txtTelCasa")}},
    {{Cell("txtTelCel")}},   {{Cell("txtTelUff")}},
    {{Cell("txtFax")}},      {{Cell("txtEmail", 0, "btnEmail", ":/pictures/email.svg")}},
};
constexpr PanelRow kProfessionRows[] = {
    {{Cell("txtQualifiche")}},
    {{Cell("txtProfessione")}},
};
constexpr PanelRow kBankRows[] = {
    {{Cell("txtIban", 0, "btnIban")}},
    {{Cell("txtIntestatario")}},
    {{Cell("txtBanca")}},
    {{Cell("txtCarta", 170, "btnCarta")}},
    {{Cell("txtScadeCarta", kDateWidth)}},
};
constexpr PanelRow kInterestRows[] = {
    {{Cell("txtProdotti")}},
    {{Cell("txtPagamento")}},
    {{Cell("txtNote")}},
};
// Right section.
constexpr PanelRow kDocumentRows[] = {
    {{Cell("txtTipoDoc")}},
    {{Cell("txtNumDoc")}},
    {{Cell("txtEnteRil")}},
    {{Cell("txtDataRil", kDateWidth)}},
    {{Cell("txtDataSca", kDateWidth)}},
};
constexpr PanelRow kClassRows[] = {
    {{Cell("txtCodice")}},
    {{Cell("txtCategoria")}},
    {{Cell("txtZona")}},
};
constexpr PanelRow kInstalmentRows[] = {
    {{Cell("txtAcquisto")}},
    {{Cell("txtDecorrenza", kDateWidth)}},
    {{Cell("txtScadenza", kDateWidth)}},
    {{Cell("txtPreavviso", 50)}},
    {{Cell("txtTotale", kAmountWidth)}},
    {{Cell("txtFrazionamento")}},
    {{Cell("txtRata", kAmountWidth)}},
};

// The card's panels, column by column.
struct CardColumn {
    std::span<const PanelLayout> panels;
};
constexpr PanelLayout kFirstColumn[] = {
    {"panAnagrafici", "Dati anagrafici", kPersonRows, {}},
    {"panResidenza", "Residenza", kResidenceRows, {}},
    {"panFamiglia", "Stato civile e familiari", kFamilyRows, {}},
    {"panInteressi", "Interessi, pagamento e note", kInterestRows, {}},
};
constexpr PanelLayout kSecondColumn[] = {
    {"panRecapiti", "Recapiti", kContactRows, {}},
    {"panProfessione", "Istruzione e professione", kProfessionRows, {}},
    {"panBanca", "Banca e carta di credito", kBankRows, {}},
};
constexpr PanelLayout kRightColumn[] = {
    {"panDocumento", "Documento di identit\u00e0", kDocumentRows, {}},
    {"panClassificazione", "Classificazione", kClassRows, {}},
    {"panRateale", "Acquisto rateale", kInstalmentRows, {}},
};

BoxKind KindOf(CustomerBoxKind kind) {
    switch (kind) {
        case CustomerBoxKind::kDigits:
            return BoxKind::Digits;
        case CustomerBoxKind::kAmount:
            return BoxKind::Amount;
        case CustomerBoxKind::kUpper:
            return BoxKind::Upper;
        case CustomerBoxKind::kTrimmed:
            return BoxKind::Trimmed;
        case CustomerBoxKind::kProvince:
            return BoxKind::Province;
        case CustomerBoxKind::kPlain:
            break;
    }
    return BoxKind::Plain;
}

// The kinds and lengths of the 45 boxes, and the Enter chain through them in
// field order, the last wrapping to the first.
const std::vector<BoxRule>& BoxRules() {
    static const std::vector<BoxRule> rules = [] {
        std::vector<BoxRule> out;
        for (const CustomerBox& box : kCustomerBoxes) {
            out.push_back({box.control.data(), KindOf(box.kind), box.max_length});
        }
        return out;
    }();
    return rules;
}

const std::vector<EnterStep>& EnterSteps() {
    static const std::vector<EnterStep> steps = [] {
        std::vector<EnterStep> out;
        for (std::size_t i = 0; i < kCustomerBoxes.size(); ++i) {
            out.push_back({kCustomerBoxes[i].control.data(), CustomerEnterNext(i).control.data()});
        }
        return out;
    }();
    return steps;
}

// One column of panels whose boxes line up.
QVBoxLayout* BuildColumn(std::span<const PanelLayout> panels, QWidget* parent) {
    int captions = 0;
    for (const PanelLayout& panel : panels) {
        captions = qMax(captions, CaptionColumnWidth(panel, look::Base()));
    }
    auto* column = new QVBoxLayout;
    column->setSpacing(8);
    for (PanelLayout panel : panels) {
        panel.captionWidth = captions;
        column->addWidget(BuildPanel(panel, BoxRules(), parent));
    }
    column->addStretch(1);
    return column;
}

}  // namespace

TfrmAnagrafica::TfrmAnagrafica(Services& services, AppShell& shell, QWidget* parent)
    : WorkAreaWindow(shell, parent),
      services_(services),
      form_(*this, services, CustomerCardFields(), kFileFailures) {
    setObjectName(QStringLiteral("TfrmAnagrafica"));
    setWindowTitle(Q(kCustomerCaption));
    BuildScreen();
    kit_ = AttachConventions(this, {BoxRules(), EnterSteps(), kHints});
    WireCommands();
}

void TfrmAnagrafica::BuildScreen() {
    setFont(look::Base());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(look::kPanelColour));
    setPalette(p);

    // The card number between the arrows; empty for a card not yet saved.
    auto* position = MakeLabel(QStringLiteral("lblPosizione"), {}, this);
    position->setAlignment(Qt::AlignCenter);
    position->setFixedSize(64, 30);
    position->setStyleSheet(QStringLiteral(
        "QLabel { background: #F4F6FA; border: 1px solid #B8C6DB; border-radius: 4px;"
        " font-weight: bold; color: #1F4E8C; }"));
    const CommandGroup groups[] = {
        {kCardCommands},    {kAttachCommands}, {kPrintCommands}, {kBrowseCommands, position, 2},
        {kSummaryCommands},
    };
    QFrame* commands = MakeCommandBar(groups, kExitCommands, this);
    // The attach and print pictures are the wide buttons of their groups.
    for (const char* wide : {"cmdFile", "cmdStampa"}) {
        findChild<QWidget*>(QLatin1String(wide))->setMinimumWidth(72);
    }

    // The left section takes two columns of panels, the right section one.
    auto* body = new QHBoxLayout;
    body->setContentsMargins(10, 8, 10, 8);
    body->setSpacing(10);
    body->addLayout(BuildColumn(kFirstColumn, this), 1);
    body->addLayout(BuildColumn(kSecondColumn, this), 1);
    body->addSpacing(6);
    body->addLayout(BuildColumn(kRightColumn, this), 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(commands);
    page->addLayout(body, 1);
    page->addWidget(MakeStatusLine(Q(kCustomerIdleInfo), this));

    for (std::string_view name : kCustomerHiddenLabels) MakeHiddenLabel(Q(name), this);
}

void TfrmAnagrafica::WireCommands() {
    OnClick(this, "cmdNuovo", [this] { cmdNuovoClick(); });
    OnClick(this, "cmdSalva", [this] { cmdSalvaClick(); });
    OnClick(this, "cmdPrimo", [this] { Browse(CardMove::kFirst); });
    OnClick(this, "cmdIndietro", [this] { Browse(CardMove::kPrevious); });
    OnClick(this, "cmdAvanti", [this] { Browse(CardMove::kNext); });
    OnClick(this, "cmdUltimo", [this] { Browse(CardMove::kLast); });
    OnClick(this, "cmdStampa", [this] { cmdStampaClick(); });
    OnClick(this, "cmdCartella", [this] { cmdCartellaClick(); });
    OnClick(this, "cmdFile", [this] { cmdFileClick(); });
    OnClick(this, "btnEmail", [this] { btnEmailClick(); });
    OnClick(this, "cmdGuida", [this] { ShowHelp(this, services_, HelpTopic::Anagrafica); });
    OnClick(this, "cmdEsci", [this] { close(); });
    OnClick(this, "cmdTrova", [this] {
        TfrmTrovaClienti search(services_, *this, this);
        SetFormText(search, "lblMemory", Q(kCustomerSearchTagCard));
        search.exec();
    });
    OnClick(this, "cmdScaduti", [this] {
        TfrmDaRinnovare due(services_, *this, this);
        due.exec();
    });
    OnClick(this, "cmdEsporta", [this] {
        TfrmExpClienti exporting(services_, this);
        exporting.exec();
    });
    OnClick(this, "btnCodFisc",
            [this] { ShowTaxCodeCheck(this, services_, FormText(*this, "txtCodFisc")); });
    struct Check {
        const char* button;
        const char* box;
        CheckKind kind;
    };
    static constexpr Check kChecks[] = {
        {"btnIva", "txtIva", CheckKind::PartitaIva},
        {"btnIban", "txtIban", CheckKind::Iban},
        {"btnCarta", "txtCarta", CheckKind::Carta},
    };
    for (const Check& check : kChecks) {
        OnClick(this, check.button, [this, check] {
            ShowCheck(this, services_, check.kind, FormText(*this, check.box).trimmed());
        });
    }
}

void TfrmAnagrafica::showEvent(QShowEvent* event) {
    WorkAreaWindow::showEvent(event);
    // Every showing from the start menu starts from a blank card.
    if (!event->spontaneous()) cmdNuovoClick();
}

void TfrmAnagrafica::cmdNuovoClick() {
    ShowCustomerOnForm(*this, BlankCustomerCard(CivilDate(services_.Today())), "");
    for (auto* province : findChildren<ProvinceBox*>()) province->ClearSelection();
    form_.Focus("txtCognome");
}

void TfrmAnagrafica::cmdSalvaClick() {
    const CustomerSaveOutcome outcome =
        SaveCustomer(CustomerArchive(services_), ReadCustomerForm(*this), form_.Position());
    form_.SetPosition(outcome.position);
    services_.Show(outcome.notice);
    if (!outcome.focus.empty()) form_.Focus(outcome.focus);
}

void TfrmAnagrafica::Browse(CardMove move) {
    const CustomerShown shown = BrowseCustomers(move, CustomerArchive(services_), form_.Position());
    if (shown.texts) ShowCustomerOnForm(*this, *shown.texts, shown.position);
    form_.SetPosition(shown.position);
    services_.Show(shown.notice);
}

report::ReportDocument TfrmAnagrafica::CardSheet() const {
    const QDateTime now = services_.Now();
    return CustomerCardSheet(ReadCustomerForm(*this), CivilDate(now.date()),
                             SecondsOfDay(now.time()));
}

void TfrmAnagrafica::cmdStampaClick() {
    PrintReport(services_, CardSheet());
}

void TfrmAnagrafica::cmdCartellaClick() {
    const CardFolderRequest request = RequestCardFolder(form_.Position());
    if (!request.memory) {
        services_.Show(request.notice);
        return;
    }
    TfrmCartella folder(services_, this);
    SetFormText(folder, "lblMemory", Q(*request.memory));
    folder.exec();
}

void TfrmAnagrafica::cmdFileClick() {
    ShowAttachments(*this, services_, kAttachTagCustomer);
}

void TfrmAnagrafica::btnEmailClick() {
    const QString address = FormText(*this, "txtEmail");
    services_.ShellOpen(QLatin1Char('"') + Q(MailtoLink(Utf8(address))) + QLatin1Char('"'));
}

}  // namespace corvelo
