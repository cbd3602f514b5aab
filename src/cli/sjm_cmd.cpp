// verdika-cli sjm: the spouses' settlement workbook.
#include <filesystem>
#include <ostream>

#include "calculators/settlement_workbook.h"
#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"

namespace verdika::cli {
namespace {

class Sjm final : public Subcommand {
    std::optional<std::string> target;
    bool json = false;

    void define(Options& o) override {
        o.text("--soubor", target, "CESTA",
               "zapíše prázdný sešit do nového souboru CESTA (existující nepřepíše);\n"
               "bez --soubor připraví kopii sjm_vypocet.xlsx v datovém adresáři");
        o.json(json);
    }

    int run(Context& c) override {
        std::filesystem::path file;
        if (target) {
            if (target->empty()) throw UsageError("Zadejte jméno souboru: --soubor CESTA.");
            file = pathFromUtf8(*target);
            // The name may be a filled-in case; an empty workbook must never replace it.
            std::error_code ec;
            if (std::filesystem::exists(file, ec))
                throw UsageError("Soubor „" + *target + "“ už existuje; zvolte jiné jméno (--soubor).");
            // The spreadsheet library would explain a missing folder in English first.
            const auto folder = file.parent_path();
            if (!folder.empty() && !std::filesystem::is_directory(folder, ec))
                throw IoError("Sešit " + pathText(file) + " nelze uložit: složka " + pathText(folder) + " neexistuje.");
            writeSettlementWorkbook(file);
        } else {
            file = provideSettlementWorkbook(c.paths.programDir, c.paths.dataDir);
        }
        if (json) printJson(c.out, Json{{"soubor", pathText(file)}});
        else c.out << pathText(file) << "\n";
        return 0;
    }
};

const Register<Sjm> reg({"sjm", "sešit pro vypořádání společného jmění manželů", 90, "verdika-cli sjm",
                         "cesta k sešitu (bez --soubor kopie v datovém adresáři, jen ke čtení;\n"
                         "vyplněný případ uložte pod novým jménem).\n"
                         "--json: {\"soubor\": \"…\"}"});

}  // namespace
}  // namespace verdika::cli
