// verdika-cli: the calculators of Verdika from the shell.
//   verdika-cli [--portable] SUBCOMMAND [ARGS...]
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool portable = false;
    if (!args.empty() && args.front() == "--portable") {
        portable = true;
        args.erase(args.begin());
    }
    const auto paths = verdika::resolvePaths(portable ? std::vector<std::string>{"portable"} : std::vector<std::string>{});
    if (!paths.notice.empty()) std::cerr << paths.notice << "\n";
    return verdika::cli::run(args, paths, std::cout, std::cerr);
}
