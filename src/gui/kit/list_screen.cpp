#include "gui/kit/list_screen.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/list_find.h"
#include "core/app/line_list.h"
#include "core/report/templates.h"
#include "gui/app/conventions.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/text.h"
#include "gui/report/report_painter.h"

namespace corvelo {
namespace {

std::size_t CodePoints(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Every line is as wide as the list's scroll extent, so the view scrolls
// sideways over the longest line and needs to measure only one item.
class FixedWidthDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void SetWidth(int width) { width_ = width; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::max(size.width(), width_));
        return size;
    }

  private:
    int width_ = kListItemWidth;
};

}  // namespace

LineListModel::LineListModel(QObject* parent) : QAbstractListModel(parent) {}

void LineListModel::SetLines(std::vector<std::string> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    // Lines of a list are built to the same columns: the longest in bytes is
    // the one to measure.
    const std::string* longest = nullptr;
    for (const std::string& line : lines_) {
        if (!longest || line.size() > longest->size()) longest = &line;
    }
    longest_ = longest ? CodePoints(*longest) : 0;
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= lines_.size())
        return {};
    if (role == Qt::DisplayRole) return Q(lines_[static_cast<std::size_t>(index.row())]);
    return {};
}

// ---------------------------------------------------------------------------

ListScreen::ListScreen(Services& services, QWidget* screen, const ListScreenOptions& options)
    : QObject(screen), services_(services), options_(options) {
    model_ = new LineListModel(this);

    list_ = new QListView(screen);
    list_->setObjectName(QStringLiteral("lstRecords"));
    list_->setFont(look::Fixed());
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Text, Qt::black);
    list_->setPalette(palette);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setItemDelegate(new FixedWidthDelegate(list_));
    list_->setModel(model_);
    list_->viewport()->installEventFilter(this);

    txtTrova_ = MakeBox(QStringLiteral("txtTrova"), screen);
    btnTrova_ = MakeButton(QStringLiteral("btnTrova"), QStringLiteral("Trova"), screen);
    btnStampa_ = MakeButton(QStringLiteral("btnStampa"), options_.printCaption, screen);
    btnTrova_->setFont(look::Base());
    btnStampa_->setFont(look::Base());
    connect(btnTrova_, &QPushButton::clicked, this, &ListScreen::btnTrovaClick);
    connect(btnStampa_, &QPushButton::clicked, this, &ListScreen::btnStampaClick);

    // The focus highlight behind txtTrova, and its Enter step; the status
    // line of the screen is left to the screen's own table.
    ScreenKit* kit = ScreenKit::Of(screen);
    if (!kit) kit = new ScreenKit(screen);
    if (options_.enterMovesToFind) {
        static constexpr EnterStep kEnter[] = {{"txtTrova", "btnTrova"}};
        kit->EnterChain(kEnter);
    }
    // The highlight goes in once the screen has placed txtTrova, so that it
    // lies in the same panel.
    screen_ = screen;
    screen->installEventFilter(this);
}

QLayout* ListScreen::MakeFindRow() {
    QWidget* screen = txtTrova_->parentWidget();
    auto* imgTrova =
        new PictureButton(QStringLiteral("imgTrova"), QStringLiteral(":/pictures/trova.svg"),
                          QSize(36, 36), {}, screen);
    imgTrova->setAttribute(Qt::WA_TransparentForMouseEvents);
    txtTrova_->setFixedWidth(260);
    txtTrova_->setMinimumHeight(26);
    // Narrow screens wrap the instructions instead of cutting them.
    auto* help = new QLabel(Q(kFindHelp1) + QLatin1Char('\n') + Q(kFindHelp2), screen);
    help->setFont(look::Base());
    help->setWordWrap(true);
    help->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(imgTrova);
    row->addWidget(txtTrova_);
    row->addWidget(btnTrova_);
    row->addSpacing(10);
    row->addWidget(help, 1, Qt::AlignVCenter);
    return row;
}

void ListScreen::SetLines(std::vector<std::string> lines) {
    model_->SetLines(std::move(lines));
    const QFontMetrics metrics(list_->font());
    const int needed =
        static_cast<int>(model_->LongestLine()) * metrics.horizontalAdvance(QLatin1Char('M')) + 8;
    static_cast<FixedWidthDelegate*>(list_->itemDelegate())
        ->SetWidth(std::max(kListItemWidth, needed));
}

void ListScreen::SetLines(const LineList& lines) {
    SetLines(lines.ToVector());
}

void ListScreen::Clear() {
    SetLines(std::vector<std::string>{});
}

bool ListScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == screen_ && event->type() == QEvent::Show && !highlighted_) {
        highlighted_ = true;
        if (ScreenKit* kit = ScreenKit::Of(screen_)) kit->Highlight();
    }
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit LineDoubleClicked(Selected());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

std::optional<std::size_t> ListScreen::Selected() const {
    const QModelIndexList rows = list_->selectionModel()->selectedIndexes();
    if (rows.isEmpty()) return std::nullopt;
    return static_cast<std::size_t>(rows.front().row());
}

std::optional<std::string> ListScreen::SelectedLine() const {
    const auto row = Selected();
    if (!row || *row >= Lines().size()) return std::nullopt;
    return Lines()[*row];
}

void ListScreen::Select(std::size_t row) {
    const QModelIndex index = model_->index(static_cast<int>(row));
    if (!index.isValid()) return;
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index);
}

void ListScreen::ForgetFindKey() {
    lastKey_.clear();
    txtTrova_->clear();
}

void ListScreen::SetReport(std::function<ListReportContent()> content) {
    report_ = std::move(content);
}

void ListScreen::btnTrovaClick() {
    const ListFind find =
        FindInList(Lines(), txtTrova_->text().toStdString(), Selected(), lastKey_);
    if (!find.applicable) {
        services_.ShowMessage(options_.emptyListMessage, Q(kFindEmptyListMessage));
        return;
    }
    Select(find.selected);
    lastKey_ = find.lastKey;
}

ListReportContent ListScreen::ReportContent() const {
    return report_ ? report_() : ListReportContent{{}, Lines()};
}

void ListScreen::btnStampaClick() {
    const ListReportContent content = ReportContent();
    const std::string date = services_.Today().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    PrintReport(services_, report::BuildListReport(content.title, content.lines, date));
}

}  // namespace corvelo
