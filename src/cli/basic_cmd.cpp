// verdika-cli version, verdika-cli paths
#include <ostream>

#include "cli/cli.h"
#include "common/files.h"

namespace verdika::cli {
namespace {

const CommandRegistration versionCmd({"version", "vypíše verzi programu", "", [](Context& c) {
                                          Args(c.args, {}, {});
                                          c.out << "Verdika " << VERDIKA_VERSION << "\n";
                                          return 0;
                                      },
                                      1});

const CommandRegistration pathsCmd({"paths", "vypíše adresář programu a datový adresář", "", [](Context& c) {
                                        Args(c.args, {}, {});
                                        c.out << "program: " << pathText(c.paths.programDir) << "\n"
                                              << "data: " << pathText(c.paths.dataDir) << "\n";
                                        return 0;
                                    },
                                    2});

}  // namespace
}  // namespace verdika::cli
