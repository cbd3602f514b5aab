// Build step: writes the spouses' settlement workbook into the program
// directory, from the code that defines it.
//   verdika-sjm FOLDER
#include <cstdio>
#include <filesystem>

#include "calculators/settlement_workbook.h"
#include "common/errors.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: verdika-sjm FOLDER\n");
        return 2;
    }
    try {
        verdika::writeSettlementWorkbook(std::filesystem::path(argv[1]) / verdika::kSettlementWorkbook);
    } catch (const verdika::Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
