// Draws report documents with QPainter: on a printer (through Services, so
// tests see every print job), in the print preview and into pictures. It reads
// the same document the PDF writer reads and places every baseline where the
// PDF puts it, so paper, screen and file agree.
#pragma once

#include <QImage>
#include <QString>

#include "core/report/report_document.h"

class QPainter;
class QPrinter;

namespace corvelo {

class Services;

// Paints one page. The painter's device is taken to show the page from its
// top-left corner at dpi dots per inch.
void PaintReportPage(QPainter& painter, const report::Page& page, double dpi);

// Paints every page of doc on printer, one sheet each. The printer's page
// size and orientation should already match the document (see
// SetUpReportPrinter). Returns false when the printer could not be opened.
bool PaintReport(QPrinter& printer, const report::ReportDocument& doc);

// Gives printer the document's name, page size and orientation, no margins,
// one copy and all pages.
void SetUpReportPrinter(QPrinter& printer, const report::ReportDocument& doc);

enum class PrintOutcome {
    Cancelled,  // the print dialog was cancelled: nothing printed
    Printed,
    Failed,  // the printer could not be opened; the error box was shown
};

// Shows the print dialog (default printer preselected, one copy, all pages)
// and prints doc unless it is cancelled. A printer that cannot be opened
// shows the error box that says so (through services).
PrintOutcome PrintReport(Services& services, const report::ReportDocument& doc);

// Shows doc in the modal print preview with the given window title.
void PreviewReport(Services& services, const report::ReportDocument& doc, const QString& title);

// A page drawn into a white picture at dpi dots per inch.
QImage RenderReportPage(const report::Page& page, double dpi);

// Conversions between the document's pictures and Qt's.
QImage ToQImage(const report::Picture& picture);
report::Picture FromQImage(const QImage& image);

// Loads a picture file (BMP, JPEG, ...) for a report; the built-in default
// logo when it is missing or cannot be read.
report::Picture LoadLogoOrDefault(const QString& path);

// Reads the picture file of the data folder at `path` (read whole through
// the storage layer, then decoded); a null image when it is missing,
// unreadable or not a picture.
QImage ReadDataPicture(const QString& path);

}  // namespace corvelo
