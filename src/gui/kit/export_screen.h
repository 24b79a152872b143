// The export window every archive export shares: a banner with the export,
// help and exit buttons, the read-only grid grdRecords of the archive's
// records (filled once, when the window is first shown) and the status line
// panInfo. The export writes the grid as a spreadsheet file in the data
// folder and offers to open it. Each export gives its columns, its file and
// how the grid is read and written.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>
#include <cstddef>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/app/help_pages.h"
#include "core/storage/status.h"
#include "core/warehouse/spreadsheet_export.h"

class QTableView;

namespace corvelo {

class Services;

// Cells typed into a grid, by (row, column), UTF-8.
using CellEdits = std::map<std::pair<std::size_t, std::size_t>, std::string>;

// A TextGrid shown by a table view: handed over whole, no per-cell items.
// The cells of editable columns take typing; what is typed is kept beside
// the grid (Edits()) and shown in place of the cell.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Column {
        std::string_view header;  // UTF-8
        int width;
        bool editable = false;
    };
    TextGridModel(std::span<const Column> columns, QObject* parent = nullptr);

    // Replaces the grid and forgets what was typed.
    void SetGrid(TextGrid grid);
    const TextGrid& Grid() const { return grid_; }
    const CellEdits& Edits() const { return edits_; }
    bool Editable() const;
    int ColumnWidth(int column) const { return columns_[static_cast<std::size_t>(column)].width; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<Column> columns_;
    TextGrid grid_;
    CellEdits edits_;
};

struct ExportScreenTexts {
    const char* name;       // TfrmExpRicevute
    const char* caption;    // window title (UTF-8)
    HelpTopic help;         // cmdGuida's page
    std::string_view file;  // Archivio_Ricevute.xls
};

class ExportScreen : public QDialog {
    Q_OBJECT
  public:
    ~ExportScreen() override;

    // Reads the archive into the grid (what the first showing does).
    void FillGrid();
    // cmdEsporta: the confirmation, the file written from the grid as it
    // stands, then the offer to open it; a file that cannot be written shows
    // the failure message and asks nothing more.
    void cmdEsportaClick();

    const TextGrid& Grid() const { return model_->Grid(); }
    // What was typed into the editable columns since the grid was filled.
    const CellEdits& Edits() const { return model_->Edits(); }
    // Full path of the export file in the data folder.
    QString FilePath() const;

  protected:
    ExportScreen(Services& services, const ExportScreenTexts& texts,
                 std::span<const TextGridModel::Column> columns, QWidget* parent);

    // The grid read from the archive (keeping what was read before a
    // failure); an empty archive gives the ten empty rows of a new grid.
    // Implementations hand what they read to Filled.
    virtual TextGrid ReadGrid() = 0;
    // Takes the grid read and how reading went: after a failure the failure
    // message is shown and the file is never written from the partial grid.
    TextGrid Filled(TextGrid grid, const Status& status);
    // Writes the file for grid; false when it cannot be written.
    virtual bool WriteFile(const std::filesystem::path& file, const TextGrid& grid) = 0;

    void showEvent(QShowEvent* event) override;

    Services& services_;

  private:
    ExportScreenTexts texts_;
    TextGridModel* model_;
    QTableView* grdRecords_;
    bool filled_ = false;
    bool readFailed_ = false;
};

}  // namespace corvelo
