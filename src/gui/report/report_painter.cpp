#include "gui/report/report_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cstring>
#include <variant>

#include "core/report/bmp.h"
#include "core/storage/file_replace.h"
#include "gui/app/services.h"

namespace corvelo {
namespace {

QColor ToColor(const report::Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

QString FamilyName(report::FontFamily family) {
    // Paper and preview use the face the template names; only the PDF file,
    // limited to the standard fonts, writes Verdana as Helvetica.
    switch (family) {
        case report::FontFamily::CourierNew:
            return QStringLiteral("Courier New");
        case report::FontFamily::Verdana:
            return QStringLiteral("Verdana");
        case report::FontFamily::Arial:
            break;
    }
    return QStringLiteral("Arial");
}

// A font whose size is given in report units on a device of deviceDpi, so the
// painter's unit transform alone decides the final size.
QFont ReportFont(const report::Font& font, const report::TextRun& run, double deviceDpi) {
    QFont f(FamilyName(font.family));
    f.setStyleHint(font.family == report::FontFamily::CourierNew ? QFont::TypeWriter
                                                                 : QFont::SansSerif);
    f.setPointSizeF(font.size * 96.0 / deviceDpi);
    f.setBold(font.bold || run.bold);
    f.setItalic(font.italic || run.italic);
    f.setUnderline(font.underline || run.underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::ForceOutline);
    f.setKerning(false);
    return f;
}

void PaintText(QPainter& painter, const report::TextObject& text) {
    const QRectF box(text.left, text.top, text.width, text.height);
    if (text.fill) painter.fillRect(box, ToColor(*text.fill));
    if (text.runs.empty()) return;
    const double dpi = painter.device()->logicalDpiY();
    std::vector<std::pair<QFont, double>> fonts;
    double total = 0;
    for (const report::TextRun& run : text.runs) {
        QFont f = ReportFont(text.font, run, dpi);
        const double width =
            QFontMetricsF(f, painter.device()).horizontalAdvance(QString::fromStdString(run.text));
        fonts.emplace_back(f, width);
        total += width;
    }
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setPen(ToColor(text.color));
    double x = report::TextStartX(text, total);
    const double baseline = report::TextBaseline(text);
    for (std::size_t i = 0; i < text.runs.size(); ++i) {
        painter.setFont(fonts[i].first);
        painter.drawText(QPointF(x, baseline), QString::fromStdString(text.runs[i].text));
        x += fonts[i].second;
    }
    painter.restore();
}

void PaintObject(QPainter& painter, const report::ReportObject& object) {
    if (const auto* box = std::get_if<report::BoxObject>(&object)) {
        const QRectF rect(box->left, box->top, box->width, box->height);
        if (box->fill) painter.fillRect(rect, ToColor(*box->fill));
        if (box->border) {
            painter.setPen(QPen(ToColor(*box->border), 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect);
        }
    } else if (const auto* line = std::get_if<report::LineObject>(&object)) {
        painter.setPen(QPen(ToColor(line->color), line->thickness));
        painter.drawLine(QPointF(line->x1, line->y1), QPointF(line->x2, line->y2));
    } else if (const auto* picture = std::get_if<report::PictureObject>(&object)) {
        const QImage image = ToQImage(picture->picture);
        if (image.isNull()) return;
        double w = picture->width, h = picture->height;
        if (picture->fit == report::PictureFit::KeepAspect) {
            const double scale =
                std::min(picture->width / image.width(), picture->height / image.height());
            w = image.width() * scale;
            h = image.height() * scale;
        }
        painter.drawImage(QRectF(picture->left, picture->top, w, h), image);
    } else if (const auto* text = std::get_if<report::TextObject>(&object)) {
        PaintText(painter, *text);
    }
}

}  // namespace

void PaintReportPage(QPainter& painter, const report::Page& page, double dpi) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(dpi / 96.0, dpi / 96.0);
    for (const report::ReportObject& object : page.objects) PaintObject(painter, object);
    painter.restore();
}

bool PaintReport(QPrinter& printer, const report::ReportDocument& doc) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0) printer.newPage();
        // Full-page mode: the painter's origin is the sheet's corner.
        PaintReportPage(painter, doc.pages[i], printer.resolution());
    }
    return painter.end();
}

void SetUpReportPrinter(QPrinter& printer, const report::ReportDocument& doc) {
    const bool landscape = !doc.pages.empty() && doc.pages[0].width > doc.pages[0].height;
    printer.setDocName(QString::fromStdString(doc.name));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
    // The objects are placed from the sheet's corner, not the printable area's.
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
}

PrintOutcome PrintReport(Services& services, const report::ReportDocument& doc) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer, doc);
    if (!services.PrintDialog(printer)) return PrintOutcome::Cancelled;
    return services.PrintOrReport(printer, [&doc](QPrinter& p) { return PaintReport(p, doc); })
               ? PrintOutcome::Printed
               : PrintOutcome::Failed;
}

void PreviewReport(Services& services, const report::ReportDocument& doc, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer, doc);
    services.Preview(printer, title, [&doc](QPrinter& p) { return PaintReport(p, doc); });
}

QImage RenderReportPage(const report::Page& page, double dpi) {
    QImage image(qRound(page.width * dpi / 96.0), qRound(page.height * dpi / 96.0),
                 QImage::Format_RGB32);
    // Fonts are sized against the picture's own resolution.
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintReportPage(painter, page, dpi);
    painter.end();
    return image;
}

QImage ToQImage(const report::Picture& picture) {
    if (picture.Empty() ||
        picture.rgb.size() < static_cast<std::size_t>(picture.width) * picture.height * 3) {
        return {};
    }
    QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                 QImage::Format_RGB888);
    return image.copy();  // detach from the picture's bytes
}

report::Picture FromQImage(const QImage& image) {
    report::Picture picture;
    if (image.isNull()) return picture;
    // Transparent parts print on white paper.
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    picture.width = flat.width();
    picture.height = flat.height();
    picture.rgb.resize(static_cast<std::size_t>(flat.width()) * flat.height() * 3);
    for (int y = 0; y < flat.height(); ++y) {
        std::memcpy(&picture.rgb[static_cast<std::size_t>(y) * flat.width() * 3],
                    flat.constScanLine(y), static_cast<std::size_t>(flat.width()) * 3);
    }
    return picture;
}

QImage ReadDataPicture(const QString& path) {
    const Result<std::optional<std::string>> bytes =
        ReadWholeFile(std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (!bytes.ok() || !bytes.value) return {};
    return QImage::fromData(QByteArray::fromStdString(*bytes.value));
}

report::Picture LoadLogoOrDefault(const QString& path) {
    const QImage image = ReadDataPicture(path);
    if (!image.isNull()) return FromQImage(image);
    return report::DefaultLogo();
}

}  // namespace corvelo
