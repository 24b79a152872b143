#include "core/warehouse/item_print.h"

#include "core/app/time_text.h"
#include "core/receipts/receipt_numbering.h"
#include "core/report/pdf_writer.h"
#include "core/report/record_sheets.h"
#include "core/report/templates.h"

namespace corvelo {

report::ReportDocument ItemCardSheet(const ItemTexts& texts, std::chrono::year_month_day today,
                                     std::chrono::seconds time_of_day) {
    return report::BuildItemCard(report::ItemCardTextsOf(ItemFromTexts(texts)),
                                 report::CardFooter(DateText(today), TimeText(time_of_day)));
}

ItemPdfOutcome WriteItemPdf(const std::filesystem::path& file,
                            const report::ReportDocument& sheet) {
    if (!report::WritePdf(sheet, file)) {
        return {false, {NoticeKind::kWarning, std::string(kMsgItemPdfFailed)}};
    }
    return {true, {}};
}

}  // namespace corvelo
