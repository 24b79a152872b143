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

// Writes doc to path, replacing any file there atomically: the bytes go to a
// temporary file beside it, which is flushed to disk and renamed over the
// target. On failure the old file is left as it was.
WriteResult WritePdf(const ReportDocument& doc, const std::filesystem::path& path);

// Replaces the file at path with bytes, the same way.
WriteResult ReplaceFileAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace corvelo::report
