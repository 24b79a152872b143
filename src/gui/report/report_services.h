// The application's services with the report engine's own preview window in
// place of Qt's stock one: modal, opening at 100 %, offering only print,
// zoom, full screen and close.
#pragma once

#include "gui/app/services.h"

namespace corvelo {

class ReportDesktopServices : public DesktopServices {
  public:
    using DesktopServices::DesktopServices;

    // Shows the preview; its print command asks for the printer with the
    // print dialog and prints the same job on it.
    void Preview(QPrinter& printer, const QString& title, const PaintJob& job) override;
};

// The preview as ReportDesktopServices shows it, for any Services: print runs
// services.PrintDialog and services.Print.
void ShowReportPreview(Services& services, QPrinter& printer, const QString& title,
                       const PaintJob& job);

}  // namespace corvelo
