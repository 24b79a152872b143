// Writes a synthetic receipt archive: gen_archive_tool FOLDER YEAR COUNT [SEED]
// creates FOLDER/YEAR.ric with COUNT receipts.
#include <cstdlib>
#include <iostream>
#include <string>

#include "synthetic_archive.h"

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::cerr << "usage: gen_archive_tool FOLDER YEAR COUNT [SEED]\n";
        return 2;
    }
    const std::string year = argv[2];
    const int year_number = std::atoi(year.c_str());
    const long long count = std::atoll(argv[3]);
    if (year.size() != 4 || year.find_first_not_of("0123456789") != std::string::npos ||
        count < 0) {
        std::cerr << "gen_archive_tool: YEAR must be four digits and COUNT a whole number\n";
        return 2;
    }
    const unsigned seed = argc == 5 ? static_cast<unsigned>(std::atoll(argv[4])) : 2024u;
    const std::filesystem::path path =
        std::filesystem::path(argv[1]) / corvelo::ReceiptArchiveFileName(year);
    if (!corvelo::bench::WriteSyntheticArchive(path, year_number, static_cast<std::size_t>(count),
                                               seed)) {
        std::cerr << "gen_archive_tool: cannot write " << path << "\n";
        return 3;
    }
    std::cout << path.string() << ": " << count << " receipts\n";
    return 0;
}
