// The warehouse export: every item card in a grid, written on request as the
// spreadsheet file Magazzino.xls in the data folder. The Accessori column
// and the four extra-data columns take typing, and what is typed there is
// exported; Magazzino.pro is only read.
#pragma once

#include "gui/kit/export_screen.h"

namespace corvelo {

class TfrmExpMagazzino : public ExportScreen {
    Q_OBJECT
  public:
    explicit TfrmExpMagazzino(Services& services, QWidget* parent = nullptr);

  protected:
    TextGrid ReadGrid() override;
    bool WriteFile(const std::filesystem::path& file, const TextGrid& grid) override;
};

}  // namespace corvelo
