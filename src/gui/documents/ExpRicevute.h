// The export of the open year archive: every receipt in a read-only grid,
// written on request as the spreadsheet file Archivio_Ricevute.xls in the
// data folder. An archive that could not be read whole is said so and
// never exported: the file would pass part of the year off as all of it.
#pragma once

#include "gui/kit/export_screen.h"

namespace corvelo {

class TfrmExpRicevute : public ExportScreen {
    Q_OBJECT
  public:
    TfrmExpRicevute(Services& services, QWidget& editor, QWidget* parent = nullptr);

  protected:
    TextGrid ReadGrid() override;
    bool WriteFile(const std::filesystem::path& file, const TextGrid& grid) override;

  private:
    QWidget& editor_;
};

}  // namespace corvelo
