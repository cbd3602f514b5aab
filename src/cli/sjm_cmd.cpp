// verdika-cli sjm: the spouses' settlement workbook.
#include <ostream>

#include "calculators/settlement_workbook.h"
#include "cli/cli.h"
#include "common/files.h"
#include "common/json.h"

namespace verdika::cli {
namespace {

int sjm(Context& c) {
    const Args a(c.args, {"json"}, {"soubor"});
    if (!a.positional().empty()) throw UsageError("Nadbytečný argument „" + a.positional().front() + "“.");
    std::filesystem::path file;
    if (auto target = a.value("soubor")) {
        if (target->empty()) throw UsageError("Zadejte jméno souboru: --soubor CESTA.");
        file = std::filesystem::path(*target);
        writeSettlementWorkbook(file);
    } else {
        file = provideSettlementWorkbook(c.paths.programDir, c.paths.dataDir);
    }
    if (a.flag("json")) c.out << JsonWriter().beginObject().field("soubor", pathText(file)).endObject().str() << "\n";
    else c.out << pathText(file) << "\n";
    return 0;
}

const CommandRegistration cmd({"sjm",
                               "sešit pro vypořádání společného jmění manželů (bez --soubor kopie v datovém "
                               "adresáři)",
                               "[--soubor CESTA] [--json]", sjm, 90});

}  // namespace
}  // namespace verdika::cli
