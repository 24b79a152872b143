#include "gui/kit/export_screen.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/app/Guida.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

constexpr HintRule kHints[] = {
    {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
    {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci da questo ambiente di lavoro."},
};

// The grid is not one of the screen's panels, but moving over it clears the
// status line all the same.
class ClearHintOnMove : public QObject {
  public:
    ClearHintOnMove(QWidget* area, QLabel* panInfo) : QObject(area), panInfo_(panInfo) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && !panInfo_->text().isEmpty()) panInfo_->clear();
        return false;
    }

  private:
    QLabel* panInfo_;
};

}  // namespace

TextGridModel::TextGridModel(std::span<const Column> columns, QObject* parent)
    : QAbstractTableModel(parent),
      columns_(columns.begin(), columns.end()),
      grid_(columns.size()) {}

void TextGridModel::SetGrid(TextGrid grid) {
    beginResetModel();
    grid_ = std::move(grid);
    edits_.clear();
    endResetModel();
}

bool TextGridModel::Editable() const {
    for (const Column& c : columns_) {
        if (c.editable) return true;
    }
    return false;
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && static_cast<std::size_t>(index.column()) < columns_.size() &&
        columns_[static_cast<std::size_t>(index.column())].editable) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (row >= grid_.RowCount()) return false;
    edits_[{row, column}] = Utf8(value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.RowCount());
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (row >= grid_.RowCount() || column >= grid_.ColumnCount()) return {};
    if (const auto typed = edits_.find({row, column}); typed != edits_.end()) {
        return Q(typed->second);
    }
    return Q(grid_.Cell(row, column));
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        static_cast<std::size_t>(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return Q(columns_[static_cast<std::size_t>(section)].header);
}

// ---------------------------------------------------------------------------

ExportScreen::ExportScreen(Services& services, const ExportScreenTexts& texts,
                           std::span<const TextGridModel::Column> columns, QWidget* parent)
    : QDialog(parent), services_(services), texts_(texts) {
    setObjectName(QLatin1String(texts.name));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    QWidget* banner = MakeBanner({}, QStringLiteral("ESPORTAZIONE IN EXCEL"), this);
    static constexpr PictureEntry kButtons[] = {
        {"cmdEsporta", ":/pictures/esporta.svg", ""},
        {"cmdGuida", ":/pictures/guida.svg", ""},
        {"cmdEsci", ":/pictures/esci.svg", ""},
    };
    auto* bannerRow = static_cast<QHBoxLayout*>(banner->layout());
    bannerRow->addLayout(MakePictureRow(kButtons, banner, QSize(44, 44)));

    model_ = new TextGridModel(columns, this);
    grdRecords_ = new QTableView(this);
    grdRecords_->setObjectName(QStringLiteral("grdRecords"));
    grdRecords_->setModel(model_);
    grdRecords_->setAlternatingRowColors(true);
    if (model_->Editable()) {
        // Cells of the editable columns are typed into where they stand.
        grdRecords_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                     QAbstractItemView::EditKeyPressed |
                                     QAbstractItemView::AnyKeyPressed);
        grdRecords_->setSelectionBehavior(QAbstractItemView::SelectItems);
    } else {
        grdRecords_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grdRecords_->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    grdRecords_->setWordWrap(false);
    grdRecords_->verticalHeader()->hide();
    grdRecords_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords_->verticalHeader()->setDefaultSectionSize(21);
    grdRecords_->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < model_->columnCount(); ++c)
        grdRecords_->setColumnWidth(c, model_->ColumnWidth(c));

    QLabel* panInfo = MakeStatusLine(Q(kExportIdleInfo), this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(banner);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 10, 10, 10);
    body->addWidget(grdRecords_);
    page->addLayout(body, 1);
    page->addWidget(panInfo);

    AttachConventions(this, {{}, {}, kHints});
    new ClearHintOnMove(grdRecords_->viewport(), panInfo);
    new ClearHintOnMove(banner, panInfo);

    connect(findChild<QAbstractButton*>(QStringLiteral("cmdEsporta")), &QAbstractButton::clicked,
            this, &ExportScreen::cmdEsportaClick);
    connect(findChild<QAbstractButton*>(QStringLiteral("cmdGuida")), &QAbstractButton::clicked,
            this, [this] { ShowHelp(this, services_, texts_.help); });
    connect(findChild<QAbstractButton*>(QStringLiteral("cmdEsci")), &QAbstractButton::clicked, this,
            &QDialog::reject);

    MakeFixedDialog(this, QSize(862, 560));
}

ExportScreen::~ExportScreen() = default;

QString ExportScreen::FilePath() const {
    return services_.DataPath(Q(texts_.file));
}

void ExportScreen::FillGrid() {
    filled_ = true;
    model_->SetGrid(ReadGrid());
}

TextGrid ExportScreen::Filled(TextGrid grid, const Status& status) {
    readFailed_ = !status.ok();
    if (readFailed_) services_.Message(Q(kMsgEsportaFallita));
    return grid;
}

void ExportScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!filled_) FillGrid();
}

void ExportScreen::cmdEsportaClick() {
    if (services_.AnsweredNo(Q(kMsgEsportaConferma))) return;
    const QString path = FilePath();
    if (readFailed_ || !WriteFile(FsPath(path), Grid())) {
        services_.Message(Q(kMsgEsportaFallita));
        return;
    }
    if (services_.AnsweredNo(Q(kMsgEsportaRiuscita))) return;
    services_.ShellOpen(QLatin1Char('"') + path + QLatin1Char('"'));
}

}  // namespace corvelo
