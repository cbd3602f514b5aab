// verdika-cli: the calculators of Verdika from the shell.
//   verdika-cli [--portable] SUBCOMMAND [ARGS...]
#include <algorithm>
#include <iostream>
#include <vector>

#include "cli/cli.h"
#include "common/errors.h"

using namespace verdika;

namespace {

void printHelp(std::ostream& out) {
    out << "Verdika " << VERDIKA_VERSION << " – výpočty z příkazové řádky\n\n"
        << "Použití: verdika-cli [--portable] PŘÍKAZ [ARGUMENTY]\n\n"
        << "Příkazy:\n";
    std::vector<const cli::Command*> list;
    for (const auto& [name, c] : cli::commands()) list.push_back(&c);
    std::stable_sort(list.begin(), list.end(), [](auto a, auto b) { return a->order < b->order; });
    for (const cli::Command* c : list) {
        out << "  " << c->name;
        for (size_t i = c->name.size(); i < 16; ++i) out << ' ';
        out << c->summary << "\n";
        if (!c->usage.empty()) out << "                  " << c->name << " " << c->usage << "\n";
    }
    out << "\nČástky se zadávají s desetinnou čárkou nebo tečkou, data ve tvaru d.m.rrrr.\n"
        << "--portable: datový adresář je adresář programu (jako „verdika portable“).\n"
        << "Proměnná prostředí VERDIKA_DATA_DIR určuje jiný datový adresář.\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool portable = false;
    if (!args.empty() && args.front() == "--portable") {
        portable = true;
        args.erase(args.begin());
    }
    if (args.empty() || args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
        printHelp(std::cout);
        return args.empty() ? 2 : 0;
    }
    const std::string name = args.front();
    auto it = cli::commands().find(name);
    if (it == cli::commands().end()) {
        std::cerr << "Neznámý příkaz „" << name << "“; seznam příkazů vypíše verdika-cli --help.\n";
        return 2;
    }
    args.erase(args.begin());
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << "verdika-cli " << it->second.name << " " << it->second.usage << "\n"
                      << it->second.summary << "\n";
            return 0;
        }
    }
    cli::Context ctx{args, resolvePaths(portable ? std::vector<std::string>{"portable"} : std::vector<std::string>{}),
                     std::cout, std::cerr};
    if (!ctx.paths.notice.empty()) std::cerr << ctx.paths.notice << "\n";
    try {
        return it->second.run(ctx);
    } catch (const cli::UsageError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    } catch (const Error& e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "Chyba: " << e.what() << "\n";
        return 1;
    }
}
