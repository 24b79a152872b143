// Writes the PDF manual Guida.pdf from the help pages, at build time:
//   manual_tool <path of Guida.pdf>
#include <cstdio>

#include "core/report/manual.h"
#include "core/report/pdf_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: manual_tool <Guida.pdf>\n");
        return 2;
    }
    using namespace corvelo::report;
    const WriteResult written = WritePdf(BuildManual(ManualPages()), argv[1]);
    if (!written) {
        std::fprintf(stderr, "manual_tool: %s\n", written.detail.c_str());
        return 1;
    }
    return 0;
}
