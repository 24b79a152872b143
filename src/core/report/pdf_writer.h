// Writes a report document as a PDF 1.4 file: standard Type 1 fonts in
// WinAnsiEncoding (not embedded), uncompressed, no outline, no encryption.
#pragma once

#include <filesystem>
#include <string>

#include "core/report/report_document.h"

namespace corvelo::report {

// Returns the bytes of the PDF file of doc.
std::string RenderPdf(const ReportDocument& doc);

struct WriteResult {
    bool ok = true;
    std::string detail;  // what failed (path, errno text); never shown to users
    explicit operator bool() const { return ok; }
};

// Writes doc to path, replacing any file there whole through ReplaceFile. On
// failure (also a file there that is marked read-only) the old file is left
// as it was.
WriteResult WritePdf(const ReportDocument& doc, const std::filesystem::path& path);

}  // namespace corvelo::report
