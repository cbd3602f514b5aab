// verdika-cli version, verdika-cli paths
#include <ostream>

#include "cli/cli.h"
#include "common/files.h"

namespace verdika::cli {
namespace {

class Version final : public Subcommand {
    bool json = false;
    void define(Options& o) override { o.json(json); }
    int run(Context& c) override {
        if (json)
            printJson(c.out, Json{{"verze", VERDIKA_VERSION}});
        else
            c.out << "Verdika " << VERDIKA_VERSION << "\n";
        return 0;
    }
};

class Paths final : public Subcommand {
    bool json = false;
    void define(Options& o) override { o.json(json); }
    int run(Context& c) override {
        if (json) {
            printJson(c.out, Json{{"program", pathText(c.paths.programDir)}, {"data", pathText(c.paths.dataDir)}});
        } else {
            c.out << "program: " << pathText(c.paths.programDir) << "\n"
                  << "data: " << pathText(c.paths.dataDir) << "\n";
        }
        return 0;
    }
};

const Register<Version> version({"version", "vypíše verzi programu", 1, "verdika-cli version",
                                 "Verdika ČÍSLO_VERZE\n--json: {\"verze\": \"…\"}"});
const Register<Paths> paths({"paths", "vypíše adresář programu a datový adresář", 2, "verdika-cli paths",
                             "program: ADRESÁŘ PROGRAMU (tabulky dodávané s programem)\n"
                             "data: DATOVÝ ADRESÁŘ (nastavení, úkolníček, exporty)\n"
                             "--json: {\"program\": \"…\", \"data\": \"…\"}"});

}  // namespace
}  // namespace verdika::cli
