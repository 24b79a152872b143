#include "gui/customers/ExpClienti.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>

#include "core/customers/customer_export.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/customers/customer_form.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

std::array<TextGridModel::Column, kCustomerExportColumns.size()> GridColumns() {
    const QFontMetrics metrics(look::Base());
    std::array<TextGridModel::Column, kCustomerExportColumns.size()> columns{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CustomerExportColumn& c = kCustomerExportColumns[i];
        // Wide enough for the header and about as wide as in the file.
        const int header = metrics.horizontalAdvance(Q(c.header)) + 18;
        columns[i] = {c.header, i == 0 ? 40 : std::max(header, c.exported_width * 3 / 4)};
    }
    return columns;
}

constexpr ExportScreenTexts kTexts = {"TfrmExpClienti", kCustomerExportCaption.data(),
                                      HelpTopic::ExpClienti, kCustomerExportFileName};

}  // namespace

TfrmExpClienti::TfrmExpClienti(Services& services, QWidget* parent)
    : ExportScreen(services, kTexts, GridColumns(), parent) {}

TextGrid TfrmExpClienti::ReadGrid() {
    CustomerExportGrid filled = FillCustomerExportGrid(CustomerArchive(services_));
    return Filled(std::move(filled.grid), filled.status);
}

bool TfrmExpClienti::WriteFile(const std::filesystem::path& file, const TextGrid& grid) {
    return WriteCustomerExport(file, grid);
}

}  // namespace corvelo
