// The part every list screen shares: the result list lstRecords (lines of
// fixed-pitch text), the find row txtTrova / btnTrova and the print button
// btnStampa that prints the list report. A screen creates one ListScreen,
// places its controls in its own layout and fills the list in one go.
//
//   list_ = new ListScreen(services, this, {MessageKind::Plain});
//   list_->SetReport([this] { return ListReportContent{"Riepilogo ...", list_->Lines()}; });
//   layout->addWidget(list_->List());
//   list_->SetLines(std::move(lines));
#pragma once

#include <QAbstractListModel>
#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/app/services.h"

class QLayout;
class QLineEdit;
class QListView;
class QPushButton;

namespace corvelo {

class LineList;

// The lines of a result list as a model: one vector handed over whole, so a
// list of 100,000 lines is set with one reset and no per-line work; each
// line is turned into a display text only when the view paints it.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit LineListModel(QObject* parent = nullptr);

    void SetLines(std::vector<std::string> lines);  // UTF-8 lines
    void Clear() { SetLines({}); }
    const std::vector<std::string>& Lines() const { return lines_; }
    // Characters of the longest line (for the sideways scroll extent).
    std::size_t LongestLine() const { return longest_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    std::vector<std::string> lines_;
    std::size_t longest_ = 0;
};

// What btnStampa prints.
struct ListReportContent {
    std::string title;
    std::vector<std::string> lines;
};

struct ListScreenOptions {
    // How "Trova" on an empty list shows its message.
    MessageKind emptyListMessage = MessageKind::Plain;
    // Enter in txtTrova moves the focus to btnTrova (every list screen but
    // the summaries).
    bool enterMovesToFind = true;
    QString printCaption = QStringLiteral("Stampa");
};

class ListScreen : public QObject {
    Q_OBJECT
  public:
    // Creates lstRecords, txtTrova, btnTrova and btnStampa as children of
    // screen (the screen's layout places them).
    ListScreen(Services& services, QWidget* screen, const ListScreenOptions& options = {});

    QListView* List() const { return list_; }
    QLineEdit* FindBox() const { return txtTrova_; }
    QPushButton* FindButton() const { return btnTrova_; }
    QPushButton* PrintButton() const { return btnStampa_; }
    LineListModel* Model() const { return model_; }
    // The find row as list screens show it: the magnifier imgTrova,
    // txtTrova and btnTrova, with the two instruction lines beside them.
    QLayout* MakeFindRow();

    // Replaces the whole list; nothing is selected afterwards.
    void SetLines(std::vector<std::string> lines);
    void SetLines(const LineList& lines);
    void Clear();
    const std::vector<std::string>& Lines() const { return model_->Lines(); }
    std::size_t Count() const { return model_->Lines().size(); }

    // The selected line, if any.
    std::optional<std::size_t> Selected() const;
    std::optional<std::string> SelectedLine() const;
    void Select(std::size_t row);

    // Forgets the last find key and empties txtTrova.
    void ForgetFindKey();
    const std::string& LastFindKey() const { return lastKey_; }

    // What btnStampa prints; by default the lines under an empty title.
    void SetReport(std::function<ListReportContent()> content);
    ListReportContent ReportContent() const;

    // btnTrova: the find over the list with the key of txtTrova.
    void btnTrovaClick();
    // btnStampa: the list report through the print dialog.
    void btnStampaClick();

  signals:
    // The list was double-clicked: row is the selected line then, none when
    // nothing is selected (a double click below the last line, or on an
    // empty list, still reaches the screen).
    void LineDoubleClicked(std::optional<std::size_t> row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Services& services_;
    ListScreenOptions options_;
    LineListModel* model_;
    QListView* list_;
    QLineEdit* txtTrova_;
    QPushButton* btnTrova_;
    QPushButton* btnStampa_;
    QWidget* screen_ = nullptr;
    bool highlighted_ = false;
    std::string lastKey_;
    std::function<ListReportContent()> report_;
};

inline constexpr std::string_view kFindHelp1 =
    "Immettere una o pi\xC3\xB9 parole consecutive presenti nella scheda in elenco da cercare e "
    "premere il pulsante Trova.";
inline constexpr std::string_view kFindHelp2 =
    "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
    "clic su Trova.";
// The line under the lists whose entries load a record.
inline constexpr std::string_view kDoubleClickHelp =
    "Per richiamare i dati di una scheda, selezionarla con un doppio clic.";

// The list's sideways scroll extent: wide enough for every line.
inline constexpr int kListItemWidth = 1400;

}  // namespace corvelo
