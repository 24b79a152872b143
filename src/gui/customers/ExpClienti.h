// The export of the customer archive: every card in a read-only grid,
// written on request as the spreadsheet file Clienti.xls in the data folder.
#pragma once

#include "gui/kit/export_screen.h"

namespace corvelo {

class TfrmExpClienti : public ExportScreen {
    Q_OBJECT
  public:
    explicit TfrmExpClienti(Services& services, QWidget* parent = nullptr);

  protected:
    TextGrid ReadGrid() override;
    bool WriteFile(const std::filesystem::path& file, const TextGrid& grid) override;

  private:
    // The archive could not be read whole: the grid is not the archive, so
    // it is never written as if it were.
};

}  // namespace corvelo
