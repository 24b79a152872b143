#include "gui/report/report_services.h"

#include <QPrinter>

#include "gui/report/ReportPreview.h"

namespace corvelo {

void ShowReportPreview(Services& services, QPrinter& printer, const QString& title,
                       const PaintJob& job) {
    ReportPreview preview(
        printer, title, job,
        [&services, &printer, &job] {
            // One copy, all pages, as the first print dialog offers.
            printer.setCopyCount(1);
            printer.setPrintRange(QPrinter::AllPages);
            if (services.PrintDialog(printer)) services.PrintOrReport(printer, job);
        },
        DialogParent());
    preview.exec();
}

void ReportDesktopServices::Preview(QPrinter& printer, const QString& title, const PaintJob& job) {
    ShowReportPreview(*this, printer, title, job);
}

}  // namespace corvelo
