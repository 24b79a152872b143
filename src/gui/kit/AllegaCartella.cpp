#include "gui/kit/AllegaCartella.h"

#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/attachments.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

struct Slot {
    const char* file;    // name box, and the editor's label it goes to
    const char* desc;    // description box
    const char* browse;  // btnSfoglia0n
    const char* open;    // btnApri0n
    const char* clear;   // imgCancella0n
    const char* fileCaption;
    const char* descCaption;
};

constexpr Slot kSlots[] = {
    {"File01", "Desc01", "btnSfoglia01", "btnApri01", "imgCancella01",
     "Nome 1\u00b0 file allegato:", "Descrizione 1\u00b0 file allegato:"},
    {"File02", "Desc02", "btnSfoglia02", "btnApri02", "imgCancella02",
     "Nome 2\u00b0 file allegato:", "Descrizione 2\u00b0 file allegato:"},
    {"File03", "Desc03", "btnSfoglia03", "btnApri03", "imgCancella03",
     "Nome 3\u00b0 file allegato:", "Descrizione 3\u00b0 file allegato:"},
};

constexpr EnterStep kEnter[] = {
    {"txtDesc01", "txtDesc02"},
    {"txtDesc02", "txtDesc03"},
    {"txtDesc03", "btnApplica"},
};

constexpr BoxRule kBoxes[] = {
    {"txtDesc01", BoxKind::Plain, 250},
    {"txtDesc02", BoxKind::Plain, 250},
    {"txtDesc03", BoxKind::Plain, 250},
};

QString Box(const char* field) {
    return QStringLiteral("txt") + QLatin1String(field);
}
QString Label(const char* field) {
    return QStringLiteral("lbl") + QLatin1String(field);
}

QFrame* MakeSlot(const Slot& slot, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("pan") + QLatin1String(slot.file));
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid #B8C6DB;"
                                        " border-radius: 6px; }")
                             .arg(frame->objectName()));
    auto* name = MakeBox(Box(slot.file), frame);
    name->setReadOnly(true);
    // The name comes from "Sfoglia...": Tab passes it by.
    name->setFocusPolicy(Qt::ClickFocus);
    auto* browse =
        MakeButton(QLatin1String(slot.browse), QStringLiteral("Sfoglia..."), frame, QSize(90, 26));
    auto* open = MakeButton(QLatin1String(slot.open), QStringLiteral("Apri"), frame, QSize(70, 26));
    open->setEnabled(false);
    auto* clear =
        new PictureButton(QLatin1String(slot.clear), QStringLiteral(":/pictures/cancella.svg"),
                          QSize(22, 22), {}, frame);
    clear->setToolTip(QStringLiteral("Togli il file dalla scheda"));
    auto* desc = MakeBox(Box(slot.desc), frame);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(MakeLabel(QStringLiteral("tit") + QLatin1String(slot.file),
                              QString::fromUtf8(slot.fileCaption), frame),
                    0, 0);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(6);
    nameRow->addWidget(name, 1);
    nameRow->addWidget(browse);
    nameRow->addWidget(open);
    nameRow->addWidget(clear);
    grid->addLayout(nameRow, 0, 1);
    grid->addWidget(MakeLabel(QStringLiteral("tit") + QLatin1String(slot.desc),
                              QString::fromUtf8(slot.descCaption), frame),
                    1, 0);
    grid->addWidget(desc, 1, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(Services& services, QWidget& editor, QWidget* parent)
    : QDialog(parent), services_(services), editor_(editor) {
    setObjectName(QStringLiteral("TfrmAllegaCartella"));
    setWindowTitle(Q(kAttachCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(look::kPanelColour));
    setPalette(p);

    MakeHiddenLabel(QStringLiteral("lblMemory"), this);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(10);
    for (std::size_t i = 0; i < std::size(kSlots); ++i) {
        const Slot& slot = kSlots[i];
        body->addWidget(MakeSlot(slot, this));
        const int n = static_cast<int>(i) + 1;
        auto* name = findChild<QLineEdit*>(Box(slot.file));
        auto* open = findChild<QPushButton*>(QLatin1String(slot.open));
        // The open button follows the name, also when the opener fills it.
        connect(name, &QLineEdit::textChanged, open,
                [open](const QString& text) { open->setEnabled(!text.trimmed().isEmpty()); });
        connect(findChild<QPushButton*>(QLatin1String(slot.browse)), &QPushButton::clicked, this,
                [this, n] { btnSfogliaClick(n); });
        connect(open, &QPushButton::clicked, this, [this, n] { btnApriClick(n); });
        connect(findChild<PictureButton*>(QLatin1String(slot.clear)), &PictureButton::clicked, this,
                [this, n] { imgCancellaClick(n); });
    }
    auto* btnAnnulla = MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    auto* btnApplica = MakeButton(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"),
                                  this, QSize(140, 28));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnApplica);
    body->addStretch(1);
    body->addLayout(buttons);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(MakeBanner(QStringLiteral(":/pictures/allega.svg"),
                               QStringLiteral("Allega file alla scheda"), this));
    page->addLayout(body, 1);

    AttachConventions(this, {kBoxes, kEnter, {}});
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    MakeFixedDialog(this, QSize(720, 400));
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    auto* name = findChild<QLineEdit*>(Box(kSlots[slot - 1].file));
    const QString chosen = services_.OpenFileName(Q(kAttachDialogTitle), Q(kAttachDialogFilter));
    if (chosen.isEmpty()) return;
    const AttachmentPlan plan = PlanAttachment(FsPath(services_.DataFolder()), FsPath(chosen));
    if (!plan.status.ok()) {
        services_.Warning(Q(kMsgAllegatoNonCopiato));
        return;
    }
    // No keeps the file already in the folder, which the card then names.
    const bool keepExisting = plan.ask_overwrite && services_.AnsweredNo(Q(kMsgAllegatoEsistente));
    if (!plan.same_file && !keepExisting && !CopyAttachment(FsPath(chosen), plan).ok()) {
        services_.Warning(Q(kMsgAllegatoNonCopiato));
        return;
    }
    name->setText(Q(plan.name));
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const QString name = findChild<QLineEdit*>(Box(kSlots[slot - 1].file))->text().trimmed();
    const auto file = AttachmentPath(FsPath(services_.DataFolder()), Utf8(name));
    // A name with folder parts never leaves Documenti_Allegati: it opens nothing.
    if (!file) return;
    services_.ShellOpen(QLatin1Char('"') + QFile::decodeName(file->string().c_str()) +
                        QLatin1Char('"'));
}

void TfrmAllegaCartella::imgCancellaClick(int slot) {
    findChild<QLineEdit*>(Box(kSlots[slot - 1].file))->clear();
}

void TfrmAllegaCartella::btnApplicaClick() {
    const QString tag = findChild<QLabel*>(QStringLiteral("lblMemory"))->text().trimmed();
    if (tag != Q(kAttachTagCustomer) && tag != Q(kAttachTagItem)) return;
    for (const Slot& slot : kSlots) {
        for (const char* field : {slot.file, slot.desc}) {
            SetTextOf(editor_.findChild<QWidget*>(Label(field)),
                      findChild<QLineEdit*>(Box(field))->text().trimmed());
        }
    }
    accept();
}

void ShowAttachments(QWidget& editor, Services& services, std::string_view tag) {
    TfrmAllegaCartella screen(services, editor, &editor);
    SetTextOf(screen.findChild<QWidget*>(QStringLiteral("lblMemory")), Q(tag));
    for (const Slot& slot : kSlots) {
        for (const char* field : {slot.file, slot.desc}) {
            screen.findChild<QLineEdit*>(Box(field))
                ->setText(TextOf(editor.findChild<QWidget*>(Label(field))).trimmed());
        }
    }
    screen.exec();
}

}  // namespace corvelo
